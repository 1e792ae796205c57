#ifndef PV8120STATUS_H
#define PV8120STATUS_H

#include <QtGlobal>

// The PV 8120's status block as the device serves it and the plugin polls it:
// holding registers from statusAddress, the two display frames and the LED.
namespace Pv8120 {

constexpr quint16 statusAddress = 0x7000;
constexpr quint16 statusRegisterCount = 12;

// Digit byte of the display: segment pattern in bits 0 to 6, point in bit 7.
constexpr quint8 segmentMask = 0x7F;
constexpr quint8 decimalPoint = 0x80;
constexpr int displayDigits = 4;

// Codes of the status LED, as the plugin emits them and the front shows them.
enum Led { LedWhite = 0, LedYellowWhite = 1, LedGreen = 2, LedYellowGreen = 3, LedYellowRed = 4, LedRed = 5 };

// Entry indices of the characteristic parameter "Kennlinie".
enum Characteristic { CharacteristicLinear = 0, CharacteristicSquareRoot = 1, CharacteristicTable = 2 };

} // namespace Pv8120

#endif // PV8120STATUS_H

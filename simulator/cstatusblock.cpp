#include "cstatusblock.h"

#include "device/pv8120status.h"

#include <QtMath>

#include <cstring>

namespace {

quint16 littleEndianWord(const QByteArray &bytes, int index)
{
    const quint8 low = index < bytes.size() ? quint8(bytes.at(index)) : 0;
    const quint8 high = index + 1 < bytes.size() ? quint8(bytes.at(index + 1)) : 0;
    return quint16(low | (high << 8));
}

quint16 percentRegister(double percent)
{
    const double scaled = qBound(-32768.0, std::round(percent * 100.0), 32767.0);
    return quint16(qint16(scaled));
}

} // namespace

QPair<quint8, quint8> CStatusBlock::statusBytes(int ledCode)
{
    // The panel counts S1 bit 6 as A+1, S1 bits 4/5 as B+1, S2 bit 1 as A+2
    // and S2 bit 0 as B+2; (A, B) selects the LED picture.
    switch (ledCode) {
    case Pv8120::LedYellowWhite: return {0x20, 0x01}; // A 0, B 3
    case Pv8120::LedGreen: return {0x50, 0x00};       // A 1, B 1
    case Pv8120::LedYellowGreen: return {0x50, 0x01}; // A 1, B 3
    case Pv8120::LedYellowRed: return {0x10, 0x03};   // A 2, B 3
    case Pv8120::LedRed: return {0x00, 0x03};         // A 2, B 2
    default: return {0x00, 0x00};
    }
}

QVector<quint16> CStatusBlock::registers(const Content &content)
{
    const QPair<quint8, quint8> status = statusBytes(content.ledCode);
    const quint16 statusWord = quint16(status.first | (status.second << 8));
    const float pressure = float(content.pressure);
    quint32 bits = 0;
    std::memcpy(&bits, &pressure, sizeof bits);

    QVector<quint16> words(Pv8120::statusRegisterCount, 0);
    words[0] = littleEndianWord(content.frame1, 0);
    words[1] = littleEndianWord(content.frame1, 2);
    words[2] = statusWord;
    words[3] = littleEndianWord(content.frame2, 0);
    words[4] = littleEndianWord(content.frame2, 2);
    words[5] = statusWord;
    words[6] = percentRegister(content.outputPercent);
    words[7] = quint16(content.limitState);
    words[8] = quint16(bits & 0xFFFF);
    words[9] = quint16(bits >> 16);
    words[10] = content.counter;
    return words;
}

#ifndef CSTATUSBLOCK_H
#define CSTATUSBLOCK_H

#include <QByteArray>
#include <QPair>
#include <QVector>

// Lays out the device's status block, the holding registers from
// Pv8120::statusAddress.
// The display bytes sit in the registers low byte first:
//   R0, R1  digits 1-4 of frame 1      R5  status S1 (low) / S2 (high) of frame 1
//   R3, R4  digits 1-4 of frame 2      R2  status S1 (low) / S2 (high) of frame 2
// Further registers (not part of the display):
//   R6  output in 0.01 % (signed)      R7  limit state (CLimitMonitor::State)
//   R8, R9  pressure in mbar, IEEE float, low register first
//   R10 measurement counter            R11 0
class CStatusBlock
{
public:
    struct Content
    {
        QByteArray frame1;       // 4 digit bytes
        QByteArray frame2;       // 4 digit bytes
        int ledCode = 0;         // Pv8120::Led
        double outputPercent = 0.0;
        int limitState = 0;
        double pressure = 0.0;
        quint16 counter = 0;
    };

    // The 12 register values for content.
    static QVector<quint16> registers(const Content &content);

    // Status bytes (S1, S2) that show LED code ledCode; an unknown code gives
    // the bytes of code 0 (white).
    static QPair<quint8, quint8> statusBytes(int ledCode);
};

#endif // CSTATUSBLOCK_H

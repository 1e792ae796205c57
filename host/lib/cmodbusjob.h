#ifndef CMODBUSJOB_H
#define CMODBUSJOB_H

#include "chosttr.h"
#include "cmodbusframe.h"
#include "cmodbusmaster.h"

#include <QString>
#include <QVector>

// One request as the Modbus master keeps it from enqueueing to completion.
struct CModbusJob
{
    bool isWrite = false;
    bool isStatusPoll = false;
    bool answerOnSignal = false; // came through buildRequest: answer on dataResponse
    bool quiet = false;          // failures go to the log only
    bool verifying = false;      // reading back a write whose answer was lost
    quint8 functionCode = CModbusFrame::ReadHoldingRegisters;
    int serverAddress = 0;
    quint16 start = 0;
    quint16 count = 0;
    QVector<quint16> words;
    int attemptsLeft = 0;
    qint64 waitingSince = 0; // master clock, ms: queued, or the link went down
    QString lostReason;      // a write: why an attempt's answer was lost
    CModbusMaster::Completion done;

    // "Reading register 0x0010..0x0011 (2 registers)".
    QString describe() const
    {
        const QString range = count > 1
            ? QStringLiteral("0x%1..0x%2").arg(start, 4, 16, QLatin1Char('0'))
                  .arg(int(start) + count - 1, 4, 16, QLatin1Char('0'))
            : QStringLiteral("0x%1").arg(start, 4, 16, QLatin1Char('0'));
        if (count == 1)
            return isWrite ? CHostTr::tr("Writing register %1 (1 register)").arg(range)
                           : CHostTr::tr("Reading register %1 (1 register)").arg(range);
        return isWrite ? CHostTr::tr("Writing register %1 (%2 registers)").arg(range).arg(count)
                       : CHostTr::tr("Reading register %1 (%2 registers)").arg(range).arg(count);
    }
};

#endif // CMODBUSJOB_H

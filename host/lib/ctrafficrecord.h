#ifndef CTRAFFICRECORD_H
#define CTRAFFICRECORD_H

#include "cmodbusframe.h"
#include "loomworkhost_global.h"

#include <QByteArray>
#include <QDateTime>
#include <QMetaType>
#include <QString>

// One frame a Modbus master put on the wire or took from it, or an attempt
// that ended without an answer: what a traffic monitor lists. The bytes are
// the protocol data unit (function code, then its data), the part that is
// the same over TCP and RTU.
struct LOOMWORKHOST_EXPORT CTrafficRecord
{
    enum Direction { Request, Response };
    enum Outcome {
        Sent,      // a request on its way
        Answered,  // a normal response
        Exception, // a Modbus exception response
        Timeout,   // no answer within the response timeout
        Failed     // the link failed or the answer was malformed
    };

    quint64 attempt = 0;     // numbers the attempts; a response carries its request's
    QDateTime time;
    Direction direction = Request;
    Outcome outcome = Sent;
    int unitId = 0;
    int functionCode = 0;    // without the exception bit
    quint16 address = 0;
    quint16 count = 0;       // registers
    QByteArray pdu;          // empty for a timeout
    qint64 roundTripUs = -1; // responses, timeouts and failures; -1 for requests
    int exceptionCode = 0;
    bool retry = false;      // the request repeats an attempt that timed out
    QString error;           // why a failed attempt failed

    // The bytes as hex pairs, "03 01 00 00 0C".
    QString hex() const { return QString::fromLatin1(pdu.toHex(' ')).toUpper(); }

    // The record of request put on the wire as frame over transport, now.
    static CTrafficRecord sent(quint64 attempt, const CModbusFrame::Request &request,
                               CLinkSettings::Transport transport, const QByteArray &frame, bool retry);

    // How this request's attempt ended, now: with the answer's frame when
    // there is one (kept whole when it failed, since its framing may be what
    // is wrong) and the time since the request went out.
    CTrafficRecord ended(Outcome outcome, CLinkSettings::Transport transport, const QByteArray &frame,
                         const QString &error, qint64 roundTripUs) const;
};

Q_DECLARE_METATYPE(CTrafficRecord)

#endif // CTRAFFICRECORD_H

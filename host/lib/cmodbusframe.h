#ifndef CMODBUSFRAME_H
#define CMODBUSFRAME_H

#include "clinksettings.h"
#include "loomworkhost_global.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// Modbus request and answer frames for TCP (MBAP header) and RTU (bus address
// and CRC). check() decides, from the request alone and the bytes received
// since it was sent, whether those bytes are its answer: it has no state and
// no side effects, so every answer the master takes has passed it.
class LOOMWORKHOST_EXPORT CModbusFrame
{
public:
    enum FunctionCode : quint8 {
        ReadHoldingRegisters = 3,
        ReadInputRegisters = 4,
        WriteSingleRegister = 6,
        WriteMultipleRegisters = 16
    };

    // The exception a device answers when it cannot take a request now.
    static const int ServerDeviceBusy = 6;

    // Transaction ids up to this far behind the request's are answers to
    // earlier attempts on the same connection (late, or sent twice).
    static const int StaleWindow = 32;

    struct Request
    {
        quint8 unitId = 1;
        quint8 functionCode = ReadHoldingRegisters;
        quint16 start = 0;
        quint16 count = 0;         // registers to read or write
        QVector<quint16> words;    // the values of a write
        quint16 transactionId = 0; // TCP only
    };

    enum class Verdict {
        Incomplete, // more bytes may still complete the answer
        Answer,     // the answer; a read's registers are in `registers`
        Exception,  // an exception answer with `exceptionCode`
        Stale,      // TCP: a whole answer to an earlier transaction, `size` bytes to skip
        Invalid     // not the answer to this request; `reason` says why
    };

    struct Answer
    {
        Verdict verdict = Verdict::Incomplete;
        int size = 0; // bytes the verdict covers (Answer, Exception, Stale)
        QVector<quint16> registers;
        int exceptionCode = 0;
        QString reason;
    };

    // The frame that carries request on transport.
    static QByteArray encode(CLinkSettings::Transport transport, const Request &request);

    // What bytes (everything received since request was sent) are.
    static Answer check(CLinkSettings::Transport transport, const Request &request, const QByteArray &bytes);

    // Size of a normal answer's PDU (function code included) to request.
    static int answerPduSize(const Request &request);

    // The protocol data unit of frame (function code, then its data): without
    // the TCP header, or without the RTU address and CRC. Empty when frame is
    // too short to hold one.
    static QByteArray pdu(CLinkSettings::Transport transport, const QByteArray &frame);

    // Text of a Modbus exception code ("illegal data address" ...).
    static QString exceptionText(int code);

private:
    static Answer checkTcp(const Request &request, const QByteArray &bytes);
    static Answer checkRtu(const Request &request, const QByteArray &bytes);
    static Answer checkPdu(const Request &request, const QByteArray &bytes, int offset, int size);
    static Answer checkEcho(const Request &request, const QByteArray &bytes, int offset);
};

#endif // CMODBUSFRAME_H

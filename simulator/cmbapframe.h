#ifndef CMBAPFRAME_H
#define CMBAPFRAME_H

#include <QByteArray>

// Helpers for Modbus TCP frames: the 7-byte MBAP header (transaction id,
// protocol id, length of unit id plus PDU, unit id) followed by the PDU.
class CMbapFrame
{
public:
    static constexpr int HeaderSize = 7;
    static constexpr int MaxLength = 254; // unit id + PDU of a 260-byte ADU

    // Size of the first frame in buffer: the frame size when it is complete,
    // 0 when more bytes are needed, -1 when the header is invalid (protocol
    // id not 0, or a length field outside 2..254).
    static int frameSize(const QByteArray &buffer);

    enum class Take { Frame, NeedMore, Broken };
    // Moves the first complete frame of buffer into frame; NeedMore leaves
    // buffer as it is, Broken means the header is invalid (see frameSize).
    static Take takeFrame(QByteArray &buffer, QByteArray *frame);

    static quint16 transactionId(const QByteArray &frame);
    static quint8 unitId(const QByteArray &frame);
    static quint8 functionCode(const QByteArray &frame);

    // frame with its transaction id / unit id / protocol id / length field
    // replaced.
    static QByteArray withTransactionId(QByteArray frame, quint16 transactionId);
    static QByteArray withUnitId(QByteArray frame, quint8 unitId);
    static QByteArray withProtocolId(QByteArray frame, quint16 protocolId);
    static QByteArray withLength(QByteArray frame, quint16 length);

    // A frame around pdu.
    static QByteArray build(quint16 transactionId, quint8 unitId, const QByteArray &pdu);

    // The exception response to request with the given exception code.
    static QByteArray exceptionResponse(const QByteArray &request, quint8 code);

private:
    static QByteArray withWord(QByteArray frame, int offset, quint16 value);
};

#endif // CMBAPFRAME_H

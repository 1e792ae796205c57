#include "cmbapframe.h"

namespace {

quint8 byteAt(const QByteArray &bytes, int offset)
{
    return offset < bytes.size() ? quint8(bytes.at(offset)) : 0;
}

quint16 wordAt(const QByteArray &bytes, int offset)
{
    return quint16((byteAt(bytes, offset) << 8) | byteAt(bytes, offset + 1));
}

} // namespace

int CMbapFrame::frameSize(const QByteArray &buffer)
{
    if (buffer.size() < HeaderSize)
        return 0;
    const quint16 length = wordAt(buffer, 4);
    if (wordAt(buffer, 2) != 0 || length < 2 || length > MaxLength)
        return -1;
    const int size = HeaderSize - 1 + length;
    return buffer.size() >= size ? size : 0;
}

CMbapFrame::Take CMbapFrame::takeFrame(QByteArray &buffer, QByteArray *frame)
{
    const int size = frameSize(buffer);
    if (size < 0)
        return Take::Broken;
    if (size == 0)
        return Take::NeedMore;
    *frame = buffer.left(size);
    buffer.remove(0, size);
    return Take::Frame;
}

quint16 CMbapFrame::transactionId(const QByteArray &frame)
{
    return wordAt(frame, 0);
}

quint8 CMbapFrame::unitId(const QByteArray &frame)
{
    return byteAt(frame, 6);
}

quint8 CMbapFrame::functionCode(const QByteArray &frame)
{
    return byteAt(frame, 7);
}

QByteArray CMbapFrame::withWord(QByteArray frame, int offset, quint16 value)
{
    if (frame.size() >= offset + 2) {
        frame[offset] = char(value >> 8);
        frame[offset + 1] = char(value & 0xFF);
    }
    return frame;
}

QByteArray CMbapFrame::withTransactionId(QByteArray frame, quint16 transactionId)
{
    return withWord(frame, 0, transactionId);
}

QByteArray CMbapFrame::withProtocolId(QByteArray frame, quint16 protocolId)
{
    return withWord(frame, 2, protocolId);
}

QByteArray CMbapFrame::withLength(QByteArray frame, quint16 length)
{
    return withWord(frame, 4, length);
}

QByteArray CMbapFrame::withUnitId(QByteArray frame, quint8 unitId)
{
    if (frame.size() >= HeaderSize)
        frame[6] = char(unitId);
    return frame;
}

QByteArray CMbapFrame::build(quint16 transactionId, quint8 unitId, const QByteArray &pdu)
{
    QByteArray frame(HeaderSize, '\0');
    frame = withTransactionId(frame, transactionId);
    frame = withLength(frame, quint16(pdu.size() + 1));
    frame[6] = char(unitId);
    return frame + pdu;
}

QByteArray CMbapFrame::exceptionResponse(const QByteArray &request, quint8 code)
{
    QByteArray pdu;
    pdu.append(char(functionCode(request) | 0x80)).append(char(code));
    return build(transactionId(request), unitId(request), pdu);
}

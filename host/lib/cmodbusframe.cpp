#include "cmodbusframe.h"

#include "chosttr.h"
#include "description/cparameterdescription.h"

namespace {

const int MbapHeaderSize = 7; // transaction, protocol, length, unit id
const int MaxMbapLength = 254;
const int CrcSize = 2;

quint8 byteAt(const QByteArray &bytes, int offset)
{
    return quint8(bytes.at(offset));
}

quint16 wordAt(const QByteArray &bytes, int offset)
{
    return quint16((byteAt(bytes, offset) << 8) | byteAt(bytes, offset + 1));
}

void appendWord(QByteArray &bytes, quint16 word)
{
    bytes.append(char(word >> 8)).append(char(word & 0xFF));
}

bool isRead(const CModbusFrame::Request &request)
{
    return request.functionCode == CModbusFrame::ReadHoldingRegisters
        || request.functionCode == CModbusFrame::ReadInputRegisters;
}

CModbusFrame::Answer invalid(const QString &reason)
{
    CModbusFrame::Answer answer;
    answer.verdict = CModbusFrame::Verdict::Invalid;
    answer.reason = reason;
    return answer;
}

QString hexWord(quint16 word)
{
    return QStringLiteral("0x%1").arg(word, 4, 16, QLatin1Char('0'));
}

QByteArray pduOf(const CModbusFrame::Request &request)
{
    QByteArray pdu(1, char(request.functionCode));
    appendWord(pdu, request.start);
    if (request.functionCode == CModbusFrame::WriteSingleRegister) {
        appendWord(pdu, request.words.value(0));
        return pdu;
    }
    appendWord(pdu, request.count);
    if (request.functionCode == CModbusFrame::WriteMultipleRegisters) {
        pdu.append(char(2 * request.words.size()));
        for (quint16 word : request.words)
            appendWord(pdu, word);
    }
    return pdu;
}

// Size of the answer PDU that starts at offset, judged from its first bytes:
// > 0 the size, 0 when more bytes are needed, -1 when it cannot answer
// request (reason set).
int expectedPduSize(const CModbusFrame::Request &request, const QByteArray &bytes, int offset, QString *reason)
{
    if (bytes.size() <= offset)
        return 0;
    const quint8 function = byteAt(bytes, offset);
    if (function == (request.functionCode | 0x80))
        return 2;
    if (function != request.functionCode) {
        *reason = CHostTr::tr("function code %1 instead of %2").arg(function).arg(request.functionCode);
        return -1;
    }
    if (!isRead(request))
        return 5;
    if (bytes.size() <= offset + 1)
        return 0;
    const int byteCount = byteAt(bytes, offset + 1);
    if (byteCount != 2 * request.count) {
        *reason = CHostTr::tr("byte count %1 instead of %2 (%3 registers)")
                      .arg(byteCount).arg(2 * request.count).arg(request.count);
        return -1;
    }
    return 2 + byteCount;
}

} // namespace

int CModbusFrame::answerPduSize(const Request &request)
{
    return isRead(request) ? 2 + 2 * request.count : 5;
}

QByteArray CModbusFrame::encode(CLinkSettings::Transport transport, const Request &request)
{
    const QByteArray pdu = pduOf(request);
    QByteArray frame;
    if (transport == CLinkSettings::Tcp) {
        appendWord(frame, request.transactionId);
        appendWord(frame, 0);
        appendWord(frame, quint16(1 + pdu.size()));
        frame.append(char(request.unitId)).append(pdu);
        return frame;
    }
    frame.append(char(request.unitId)).append(pdu);
    appendWord(frame, crc16(frame));
    return frame;
}

CModbusFrame::Answer CModbusFrame::check(CLinkSettings::Transport transport, const Request &request,
                                         const QByteArray &bytes)
{
    return transport == CLinkSettings::Tcp ? checkTcp(request, bytes) : checkRtu(request, bytes);
}

CModbusFrame::Answer CModbusFrame::checkTcp(const Request &request, const QByteArray &bytes)
{
    if (bytes.size() >= 4 && wordAt(bytes, 2) != 0)
        return invalid(CHostTr::tr("protocol id %1 instead of 0").arg(wordAt(bytes, 2)));
    if (bytes.size() < MbapHeaderSize)
        return Answer();
    const quint16 transaction = wordAt(bytes, 0);
    const int length = wordAt(bytes, 4);
    if (transaction != request.transactionId) {
        const quint16 behind = quint16(request.transactionId - transaction);
        if (behind > StaleWindow || length < 2 || length > MaxMbapLength)
            return invalid(CHostTr::tr("transaction %1 instead of %2").arg(transaction).arg(request.transactionId));
        Answer stale;
        stale.size = MbapHeaderSize - 1 + length;
        stale.verdict = bytes.size() < stale.size ? Verdict::Incomplete : Verdict::Stale;
        return stale;
    }
    if (byteAt(bytes, 6) != request.unitId)
        return invalid(CHostTr::tr("unit id %1 instead of %2").arg(byteAt(bytes, 6)).arg(request.unitId));
    QString reason;
    const int pduSize = expectedPduSize(request, bytes, MbapHeaderSize, &reason);
    if (pduSize < 0)
        return invalid(reason);
    if (pduSize == 0)
        return Answer();
    if (length != 1 + pduSize)
        return invalid(CHostTr::tr("length field %1 instead of %2").arg(length).arg(1 + pduSize));
    const int size = MbapHeaderSize + pduSize;
    if (bytes.size() < size)
        return Answer();
    if (bytes.size() > size)
        return invalid(CHostTr::tr("%1 bytes beyond the answer").arg(bytes.size() - size));
    return checkPdu(request, bytes, MbapHeaderSize, size);
}

CModbusFrame::Answer CModbusFrame::checkRtu(const Request &request, const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return Answer();
    if (byteAt(bytes, 0) != request.unitId)
        return invalid(CHostTr::tr("unit id %1 instead of %2").arg(byteAt(bytes, 0)).arg(request.unitId));
    QString reason;
    const int pduSize = expectedPduSize(request, bytes, 1, &reason);
    if (pduSize < 0)
        return invalid(reason);
    if (pduSize == 0)
        return Answer();
    const int size = 1 + pduSize + CrcSize;
    if (bytes.size() < size)
        return Answer();
    if (bytes.size() > size)
        return invalid(CHostTr::tr("%1 bytes beyond the answer").arg(bytes.size() - size));
    const quint16 expected = crc16(bytes.constData(), size - CrcSize);
    const quint16 received = wordAt(bytes, size - CrcSize);
    if (received != expected)
        return invalid(CHostTr::tr("checksum %1 instead of %2").arg(hexWord(received), hexWord(expected)));
    return checkPdu(request, bytes, 1, size);
}

// The answer PDU at offset, already known to have the size its function
// code calls for; size is that of the whole frame.
CModbusFrame::Answer CModbusFrame::checkPdu(const Request &request, const QByteArray &bytes, int offset, int size)
{
    Answer answer;
    answer.size = size;
    if (byteAt(bytes, offset) & 0x80) {
        answer.verdict = Verdict::Exception;
        answer.exceptionCode = byteAt(bytes, offset + 1);
        return answer;
    }
    if (!isRead(request)) {
        answer = checkEcho(request, bytes, offset);
        answer.size = size;
        return answer;
    }
    answer.verdict = Verdict::Answer;
    answer.registers.reserve(request.count);
    for (int i = 0; i < request.count; ++i)
        answer.registers.append(wordAt(bytes, offset + 2 + 2 * i));
    return answer;
}

// A write is answered by the echo of its address and of its value (single
// register) or register count (multiple registers).
CModbusFrame::Answer CModbusFrame::checkEcho(const Request &request, const QByteArray &bytes, int offset)
{
    const quint16 address = wordAt(bytes, offset + 1);
    const quint16 second = wordAt(bytes, offset + 3);
    if (address != request.start)
        return invalid(CHostTr::tr("echo of register %1 instead of %2").arg(hexWord(address), hexWord(request.start)));
    const bool single = request.functionCode == WriteSingleRegister;
    const quint16 expected = single ? request.words.value(0) : request.count;
    if (second != expected) {
        return invalid((single ? CHostTr::tr("echo of value %1 instead of %2")
                               : CHostTr::tr("echo of register count %1 instead of %2"))
                           .arg(second).arg(expected));
    }
    Answer answer;
    answer.verdict = Verdict::Answer;
    return answer;
}

QByteArray CModbusFrame::pdu(CLinkSettings::Transport transport, const QByteArray &frame)
{
    const int header = transport == CLinkSettings::Tcp ? MbapHeaderSize : 1;
    const int trailer = transport == CLinkSettings::Tcp ? 0 : CrcSize;
    return frame.size() > header + trailer ? frame.mid(header, frame.size() - header - trailer) : QByteArray();
}

QString CModbusFrame::exceptionText(int code)
{
    switch (code) {
    case 1: return CHostTr::tr("illegal function");
    case 2: return CHostTr::tr("illegal data address");
    case 3: return CHostTr::tr("illegal data value");
    case 4: return CHostTr::tr("server device failure");
    case 5: return CHostTr::tr("acknowledge");
    case ServerDeviceBusy: return CHostTr::tr("server device busy");
    case 8: return CHostTr::tr("memory parity error");
    case 10: return CHostTr::tr("gateway path unavailable");
    case 11: return CHostTr::tr("gateway target device failed to respond");
    default: return CHostTr::tr("unknown exception");
    }
}

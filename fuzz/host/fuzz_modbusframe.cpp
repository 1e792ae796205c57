// The Modbus master's answer check on arbitrary bytes. The first six input
// bytes choose the transport and the request (function, unit id, start,
// count, transaction); the rest are the bytes received after it, checked as
// they arrive, byte by byte.
#include "cmodbusframe.h"
#include "description/cparameterdescription.h"

#include <cstdlib>

namespace {

typedef CModbusFrame::Verdict Verdict;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

quint16 wordAt(const QByteArray &bytes, int offset)
{
    return quint16((quint8(bytes.at(offset)) << 8) | quint8(bytes.at(offset + 1)));
}

CModbusFrame::Request requestFrom(const uint8_t *data)
{
    static const quint8 functions[] = {3, 4, 6, 16};
    CModbusFrame::Request request;
    request.functionCode = functions[(data[0] >> 1) & 3];
    request.unitId = data[1];
    request.start = quint16((data[2] << 8) | data[3]);
    const bool single = request.functionCode == CModbusFrame::WriteSingleRegister;
    request.count = single ? 1 : quint16(1 + data[4] % 123);
    for (int i = 0; request.functionCode >= CModbusFrame::WriteSingleRegister && i < request.count; ++i)
        request.words.append(quint16(i * 0x0101 + data[4]));
    request.transactionId = quint16((data[5] << 8) | data[4]);
    return request;
}

// What an accepted answer must be, read again from its bytes.
void checkAccepted(CLinkSettings::Transport transport, const CModbusFrame::Request &request, const QByteArray &bytes,
                   const CModbusFrame::Answer &answer)
{
    const int pdu = transport == CLinkSettings::Tcp ? 7 : 1;
    check(answer.size == bytes.size());
    check(quint8(bytes.at(pdu - 1)) == request.unitId);
    if (transport == CLinkSettings::Tcp)
        check(wordAt(bytes, 0) == request.transactionId && wordAt(bytes, 2) == 0 && wordAt(bytes, 4) == bytes.size() - 6);
    else
        check(crc16(bytes.left(bytes.size() - 2)) == wordAt(bytes, bytes.size() - 2));
    const quint8 function = quint8(bytes.at(pdu));
    if (answer.verdict == Verdict::Exception) {
        check(function == (request.functionCode | 0x80) && answer.exceptionCode == quint8(bytes.at(pdu + 1)));
        return;
    }
    check(function == request.functionCode);
    if (request.functionCode <= CModbusFrame::ReadInputRegisters) {
        check(answer.registers.size() == request.count && quint8(bytes.at(pdu + 1)) == 2 * request.count);
        for (int i = 0; i < request.count; ++i)
            check(answer.registers.at(i) == wordAt(bytes, pdu + 2 + 2 * i));
    } else {
        check(answer.registers.isEmpty() && wordAt(bytes, pdu + 1) == request.start);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 6 || size > 1024)
        return 0;
    const CLinkSettings::Transport transport = (data[0] & 1) ? CLinkSettings::Rtu : CLinkSettings::Tcp;
    const CModbusFrame::Request request = requestFrom(data);
    const QByteArray encoded = CModbusFrame::encode(transport, request);
    check(encoded.size() >= 8);
    const QByteArray received(reinterpret_cast<const char *>(data + 6), int(size - 6));
    // A verdict other than "incomplete" or "stale" is final: more bytes
    // never turn a refused answer into an accepted one.
    bool refused = false;
    bool taken = false;
    int refusedAt = -1;
    for (int n = 0; n <= received.size(); ++n) {
        // Past a refusal, the next byte and the whole input stand for the rest.
        if (refusedAt >= 0 && n != refusedAt + 1 && n != received.size())
            continue;
        const QByteArray bytes = QByteArray::fromRawData(received.constData(), n);
        const CModbusFrame::Answer answer = CModbusFrame::check(transport, request, bytes);
        switch (answer.verdict) {
        case Verdict::Answer:
        case Verdict::Exception:
            check(!refused && !taken);
            checkAccepted(transport, request, bytes, answer);
            taken = true;
            break;
        case Verdict::Invalid:
            check(!answer.reason.isEmpty());
            refusedAt = refused ? refusedAt : n;
            refused = true;
            break;
        case Verdict::Stale:
            check(transport == CLinkSettings::Tcp && answer.size >= 8 && answer.size <= bytes.size());
            check(!refused && !taken);
            break;
        case Verdict::Incomplete:
            check(!refused && !taken);
            break;
        }
    }
    return 0;
}

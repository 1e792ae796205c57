#include "cframemangler.h"

#include "cmbapframe.h"

QStringList CFrameMangler::faultNames()
{
    return {QStringLiteral("header-only"), QStringLiteral("bad-length"), QStringLiteral("bad-protocol"),
            QStringLiteral("bad-transaction"), QStringLiteral("byte-per-segment"), QStringLiteral("two-frames"),
            QStringLiteral("close-mid-frame"), QStringLiteral("wrong-unit"), QStringLiteral("wrong-function"),
            QStringLiteral("bad-count"), QStringLiteral("long-length"), QStringLiteral("trailing-garbage")};
}

CFrameMangler::Fault CFrameMangler::fault(const QString &name, bool *ok)
{
    const int index = faultNames().indexOf(name);
    if (ok)
        *ok = index >= 0;
    return index >= 0 ? Fault(HeaderOnly + index) : None;
}

CFrameMangler::Output CFrameMangler::apply(Fault fault, const QByteArray &frame, const QByteArray &previous)
{
    Output output;
    const quint16 transaction = CMbapFrame::transactionId(frame);
    switch (fault) {
    case None:
        output.segments << frame;
        break;
    case HeaderOnly:
        output.segments << frame.left(CMbapFrame::HeaderSize);
        break;
    case BadLength:
        output.segments << CMbapFrame::withLength(frame, quint16(frame.size() - CMbapFrame::HeaderSize));
        break;
    case BadProtocol:
        output.segments << CMbapFrame::withProtocolId(frame, 1);
        break;
    case BadTransaction:
        output.segments << CMbapFrame::withTransactionId(frame, quint16(transaction + 0x8000));
        break;
    case BytePerSegment:
        for (const char byte : frame)
            output.segments << QByteArray(1, byte);
        break;
    case TwoFrames: {
        const QByteArray stale =
            previous.isEmpty() ? CMbapFrame::withTransactionId(frame, quint16(transaction - 1)) : previous;
        output.segments << stale + frame;
        break;
    }
    case CloseMidFrame:
        output.segments << frame.left(qMax(1, frame.size() / 2));
        output.closeAfter = true;
        break;
    case WrongUnit:
        output.segments << CMbapFrame::withUnitId(frame, quint8(CMbapFrame::unitId(frame) + 1));
        break;
    case WrongFunction: {
        QByteArray changed = frame;
        if (changed.size() > CMbapFrame::HeaderSize)
            changed[CMbapFrame::HeaderSize] = char(CMbapFrame::functionCode(frame) ^ 0x01);
        output.segments << changed;
        break;
    }
    case BadCount:
        output.segments << withBadCount(frame);
        break;
    case LongLength:
        output.segments << CMbapFrame::withLength(frame, quint16(frame.size() - CMbapFrame::HeaderSize + 2));
        break;
    case TrailingGarbage:
        output.segments << frame + QByteArray("\x00\x03", 2);
        break;
    }
    return output;
}

QByteArray CFrameMangler::withBadCount(const QByteArray &frame)
{
    const int pdu = CMbapFrame::HeaderSize;
    const quint8 function = CMbapFrame::functionCode(frame);
    QByteArray changed = frame;
    if (function & 0x80) {
        changed.append('\0');
    } else if ((function == 3 || function == 4) && frame.size() >= pdu + 4) {
        changed.chop(2);
        changed[pdu + 1] = char(quint8(changed.at(pdu + 1)) - 2);
    } else if (frame.size() >= pdu + 5) {
        changed[pdu + 4] = char(changed.at(pdu + 4) + 1);
        return changed;
    }
    return CMbapFrame::withLength(changed, quint16(changed.size() - CMbapFrame::HeaderSize + 1));
}

#include "cframemangler.h"

#include "cmbapframe.h"

QStringList CFrameMangler::faultNames()
{
    return {QStringLiteral("header-only"), QStringLiteral("bad-length"), QStringLiteral("bad-protocol"),
            QStringLiteral("bad-transaction"), QStringLiteral("byte-per-segment"), QStringLiteral("two-frames"),
            QStringLiteral("close-mid-frame")};
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
    }
    return output;
}

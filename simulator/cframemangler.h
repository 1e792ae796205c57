#ifndef CFRAMEMANGLER_H
#define CFRAMEMANGLER_H

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Damages a response frame the way faulty networks and devices do. The result
// is the list of TCP segments to send in order, and whether the connection is
// closed after them.
class CFrameMangler
{
public:
    enum Fault {
        None,
        HeaderOnly,     // only the 7-byte MBAP header, the PDU never follows
        BadLength,      // length field one byte short of the frame
        BadProtocol,    // protocol id 1 instead of 0
        BadTransaction, // a transaction id that no request used (id + 0x8000)
        BytePerSegment, // every byte in a segment of its own
        TwoFrames,      // a stale frame and the response in one segment
        CloseMidFrame,  // the first half of the frame, then the connection closes
        WrongUnit,      // unit id + 1
        WrongFunction,  // another function code (the lowest bit flipped)
        BadCount,       // a read one register short (byte count and length to match), a
                        // write echo with count or value + 1, an exception one byte long
        LongLength,     // length field one byte longer than the frame
        TrailingGarbage // two bytes after the frame
    };

    struct Output
    {
        QList<QByteArray> segments;
        bool closeAfter = false;
    };

    // The command-line names, in Fault order from HeaderOnly on.
    static QStringList faultNames();

    // The fault named name, or None (ok false) for an unknown name.
    static Fault fault(const QString &name, bool *ok = nullptr);

    // Applies fault to frame. The stale frame of TwoFrames is previous (the
    // last response sent on the connection) or, when there is none, a copy of
    // frame with the transaction id before it.
    static Output apply(Fault fault, const QByteArray &frame, const QByteArray &previous = QByteArray());

private:
    static QByteArray withBadCount(const QByteArray &frame);
};

#endif // CFRAMEMANGLER_H

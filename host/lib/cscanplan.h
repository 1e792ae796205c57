#ifndef CSCANPLAN_H
#define CSCANPLAN_H

#include "clinksettings.h"
#include "loomworkhost_global.h"

#include <QList>

class CDeviceData;

// What a bus scan tries and how long it may take. Over TCP the scan asks the
// one endpoint; on a serial line it tries every baud rate and parity the
// device offers (its device data), the line's given settings first, then the
// fastest. Each unit id gets one request, bounded by a time limit that
// follows from the line: the frames' time on the wire at the baud rate plus
// the device's turnaround allowance.
class LOOMWORKHOST_EXPORT CScanPlan
{
public:
    static constexpr int TurnaroundMs = 50;  // a device's answer starts within this
    static constexpr int TcpTimeoutMs = 150; // a TCP device or a gateway answers within this

    // The link settings to try, from base (its transport, port or host, its
    // line settings first).
    static QList<CLinkSettings> candidates(const CLinkSettings &base, const CDeviceData &data);
    // Time limit of one request reading registers at link (RTU: request and
    // response at the baud rate, 11 bits a character, the silent intervals,
    // the turnaround; TCP: TcpTimeoutMs).
    static int probeTimeout(const CLinkSettings &link, int registers);
    // The longest a scan of ids unit ids over candidates takes: no id
    // answers (each costs its time limit, or timeoutMs when not 0).
    static qint64 worstCaseMs(const QList<CLinkSettings> &candidates, int ids, int registers, int timeoutMs = 0);
};

#endif // CSCANPLAN_H

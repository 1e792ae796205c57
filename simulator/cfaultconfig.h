#ifndef CFAULTCONFIG_H
#define CFAULTCONFIG_H

#include "cframemangler.h"

#include <QSet>

// The faults the simulator injects between the network and the device. Request
// numbers count every complete request the simulator receives, over all
// connections, from 1; "every N" hits requests N, 2N, 3N, ... (0: never).
// With unit ids listed, the faults hit only requests to those devices.
struct CFaultConfig
{
    int delayMs = 0;               // delay before each response
    int dropEvery = 0;             // drop the request, send no response
    int exceptionEvery = 0;        // answer with an exception response
    int exceptionCode = 4;         // exception code of those responses
    int disconnectAfter = 0;       // close a connection after its Nth response (0: never)
    CFrameMangler::Fault frameFault = CFrameMangler::None;
    int frameFaultEvery = 1;       // damage the response to every Nth request
    QSet<int> unitIds;             // the devices the faults hit (empty: all)
    int lineBaud = 0;              // answer as over a serial line at this many bit/s (0: at once)
    double faultRate = 0.0;        // percent of requests hit by a fault of a random kind (the "every" options then rest)
    quint64 faultSeed = 1;         // seed of those draws
    bool verbose = false;          // log requests and responses on stdout

    // Whether anything has to stand between the network and the device: a
    // fault, a serial line's pace or the request log.
    bool altersTraffic() const
    {
        return delayMs > 0 || dropEvery > 0 || exceptionEvery > 0 || disconnectAfter > 0
               || frameFault != CFrameMangler::None || lineBaud > 0 || faultRate > 0.0 || verbose;
    }
};

#endif // CFAULTCONFIG_H

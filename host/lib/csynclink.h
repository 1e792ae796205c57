#ifndef CSYNCLINK_H
#define CSYNCLINK_H

#include "cidentityreader.h"
#include "loomworkhost_global.h"

#include <QString>

#include <functional>

class CModbusMaster;
class CParameterTransfer;

// Link work run to its end from a local event loop, for command-line
// programs and workers that do one thing after another: a transfer, reading
// a nameplate (CDeviceConnection::openAndWait opens a link so).
class LOOMWORKHOST_EXPORT CSyncLink
{
public:
    // Starts a transfer with start and waits until it ends; its success.
    static bool runTransfer(CParameterTransfer *transfer, const std::function<void()> &start);
    // Reads the nameplate of the device the master's settings address.
    static CIdentityReader::Answer readIdentity(const CIdentityReader &reader, CModbusMaster *master);
};

#endif // CSYNCLINK_H

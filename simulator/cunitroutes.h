#ifndef CUNITROUTES_H
#define CUNITROUTES_H

#include <QHash>
#include <QtGlobal>

// Which simulated device answers a Modbus unit id on one endpoint: either one
// device for every unit id (anyPort), or a device per listed unit id. Unit
// ids without a device stay silent, as on a serial line, or, behind a
// gateway, get exception 11 (the target device failed to respond).
struct CUnitRoutes
{
    static constexpr quint8 GatewayNoResponse = 0x0B;

    quint16 anyPort = 0;           // the device server every unit id reaches (0: none)
    QHash<quint8, quint16> ports;  // unit id -> device server port
    bool gateway = false;

    // The device server port for unitId, 0 when no device has it.
    quint16 portFor(quint8 unitId) const { return anyPort ? anyPort : ports.value(unitId, 0); }
};

#endif // CUNITROUTES_H

#ifndef CFAULTPROXY_H
#define CFAULTPROXY_H

#include "cfaultconfig.h"
#include "cunitroutes.h"
#include "cfaultplan.h"

#include <QTcpServer>

// One public port of the simulator (an endpoint, like a device of its own or
// a gateway to a bus): accepts Modbus TCP clients and runs each connection
// through a CProxySession to the device servers on their private loopback
// ports, injecting the configured faults on the way.
class CFaultProxy : public QTcpServer
{
    Q_OBJECT

public:
    // routes: which device server answers which client unit id;
    // serverUnitId: the unit id the device servers answer, which every
    // client unit id is mapped onto.
    CFaultProxy(const CUnitRoutes &routes, quint8 serverUnitId, const CFaultConfig &faults,
                QObject *parent = nullptr);

    // Stops listening and aborts every client connection together with its
    // connection to the device server.
    void closeAll();

    // The faults injected so far, over all connections.
    const CFaultPlan &plan() const { return m_plan; }

private:
    void acceptConnections();

    CUnitRoutes m_routes;
    quint8 m_serverUnitId;
    CFaultConfig m_faults;
    CFaultPlan m_plan;
};

#endif // CFAULTPROXY_H

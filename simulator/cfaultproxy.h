#ifndef CFAULTPROXY_H
#define CFAULTPROXY_H

#include "cfaultconfig.h"

#include <QTcpServer>

// The simulator's public port: accepts Modbus TCP clients and runs each
// connection through a CProxySession to the device server on its private
// loopback port, injecting the configured faults on the way.
class CFaultProxy : public QTcpServer
{
    Q_OBJECT

public:
    // serverPort / serverUnitId: where the device server listens and which
    // unit id it answers; every client unit id is mapped onto it.
    CFaultProxy(quint16 serverPort, quint8 serverUnitId, const CFaultConfig &faults, QObject *parent = nullptr);

    // Stops listening and aborts every client connection together with its
    // connection to the device server.
    void closeAll();

    // Number of requests received so far over all connections.
    quint64 requestCount() const { return m_requestCounter; }

private:
    void acceptConnections();

    quint16 m_serverPort;
    quint8 m_serverUnitId;
    CFaultConfig m_faults;
    quint64 m_requestCounter = 0;
};

#endif // CFAULTPROXY_H

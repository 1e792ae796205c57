#include "cfaultproxy.h"

#include "cproxysession.h"

#include <QTcpSocket>

CFaultProxy::CFaultProxy(const CUnitRoutes &routes, quint8 serverUnitId, const CFaultConfig &faults, QObject *parent)
    : QTcpServer(parent), m_routes(routes), m_serverUnitId(serverUnitId), m_faults(faults), m_plan(faults)
{
    connect(this, &QTcpServer::newConnection, this, &CFaultProxy::acceptConnections);
}

void CFaultProxy::acceptConnections()
{
    while (QTcpSocket *client = nextPendingConnection())
        new CProxySession(client, m_routes, m_serverUnitId, m_faults, &m_plan, this);
}

void CFaultProxy::closeAll()
{
    close();
    const QList<CProxySession *> sessions = findChildren<CProxySession *>(QString(), Qt::FindDirectChildrenOnly);
    for (CProxySession *session : sessions)
        delete session;
}

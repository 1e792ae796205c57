#include "csimplant.h"

#include "cdirectendpoint.h"
#include "cfaultproxy.h"
#include "csimoptions.h"
#include "csimunit.h"
#include "cunitroutes.h"

#include <QHostAddress>

CSimPlant::CSimPlant(QObject *parent) : QObject(parent)
{
}

CSimPlant::~CSimPlant()
{
    closeAll();
}

bool CSimPlant::start(const CSimOptions &options, QStringList *warnings, QString *error)
{
    quint32 serialNumber = options.serialNumber;
    for (int endpoint = 0; endpoint < options.endpoints; ++endpoint) {
        if (!startEndpoint(options, endpoint, &serialNumber, warnings, error))
            return false;
    }
    return true;
}

bool CSimPlant::startEndpoint(const CSimOptions &options, int endpoint, quint32 *serialNumber,
                              QStringList *warnings, QString *error)
{
    const quint16 port = options.port == 0 ? 0 : quint16(options.port + endpoint);
    if (options.unitIds.isEmpty() && !options.gateway && !options.faults.altersTraffic())
        return startDirectEndpoint(options, port, serialNumber, warnings, error);
    CUnitRoutes routes;
    routes.gateway = options.gateway;
    const QList<int> ids = options.unitIds.isEmpty() ? QList<int>{0} : options.unitIds;
    for (const int id : ids) {
        const CSimUnit *unit = startUnit(options, serialNumber, warnings, error);
        if (!unit)
            return false;
        if (id == 0)
            routes.anyPort = unit->serverPort();
        else
            routes.ports.insert(quint8(id), unit->serverPort());
    }
    auto *proxy = new CFaultProxy(routes, CSimUnit::ServerUnitId, options.faults, this);
    m_proxies.append(proxy);
    if (!proxy->listen(QHostAddress(options.host), port)) {
        *error = QStringLiteral("cannot listen on %1:%2: %3").arg(options.host).arg(port).arg(proxy->errorString());
        return false;
    }
    m_ports.append(proxy->serverPort());
    return true;
}

// One device answering every unit id, with nothing to inject: it answers on
// the public port itself, so no relay adds hops to each request.
bool CSimPlant::startDirectEndpoint(const CSimOptions &options, quint16 port, quint32 *serialNumber,
                                    QStringList *warnings, QString *error)
{
    const CSimUnit *unit = startUnit(options, serialNumber, warnings, error);
    if (!unit)
        return false;
    auto *endpoint = new CDirectEndpoint(unit->server(), this);
    m_directEndpoints.append(endpoint);
    if (!endpoint->listen(QHostAddress(options.host), port)) {
        *error = QStringLiteral("cannot listen on %1:%2: %3").arg(options.host).arg(port).arg(endpoint->errorString());
        return false;
    }
    m_ports.append(endpoint->serverPort());
    return true;
}

// A new device with the next serial number; null with error when it cannot run.
CSimUnit *CSimPlant::startUnit(const CSimOptions &options, quint32 *serialNumber, QStringList *warnings,
                               QString *error)
{
    auto *unit = new CSimUnit(this);
    m_units.append(unit);
    QStringList problems;
    if (!unit->start(options, (*serialNumber)++, &problems, error))
        return nullptr;
    // The description is the same for every device: report its problems once.
    if (m_units.size() == 1)
        *warnings = problems;
    return unit;
}

QList<quint16> CSimPlant::ports() const
{
    return m_ports;
}

void CSimPlant::closeAll()
{
    for (CFaultProxy *proxy : qAsConst(m_proxies))
        proxy->closeAll();
    for (CDirectEndpoint *endpoint : qAsConst(m_directEndpoints))
        endpoint->closeAll();
    for (CSimUnit *unit : qAsConst(m_units))
        unit->closeConnections();
}

QString CSimPlant::faultSummary() const
{
    QList<const CFaultPlan *> plans;
    for (const CFaultProxy *proxy : m_proxies)
        plans.append(&proxy->plan());
    return CFaultPlan::summary(plans);
}

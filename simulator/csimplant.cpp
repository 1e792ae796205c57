#include "csimplant.h"

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
    CUnitRoutes routes;
    routes.gateway = options.gateway;
    const QList<int> ids = options.unitIds.isEmpty() ? QList<int>{0} : options.unitIds;
    for (const int id : ids) {
        auto *unit = new CSimUnit(this);
        m_units.append(unit);
        QStringList problems;
        if (!unit->start(options, (*serialNumber)++, &problems, error))
            return false;
        // The description is the same for every device: report its problems once.
        if (m_units.size() == 1)
            *warnings = problems;
        if (id == 0)
            routes.anyPort = unit->serverPort();
        else
            routes.ports.insert(quint8(id), unit->serverPort());
    }
    auto *proxy = new CFaultProxy(routes, CSimUnit::ServerUnitId, options.faults, this);
    m_proxies.append(proxy);
    const quint16 port = options.port == 0 ? 0 : quint16(options.port + endpoint);
    if (!proxy->listen(QHostAddress(options.host), port)) {
        *error = QStringLiteral("cannot listen on %1:%2: %3").arg(options.host).arg(port).arg(proxy->errorString());
        return false;
    }
    return true;
}

QList<quint16> CSimPlant::ports() const
{
    QList<quint16> ports;
    for (const CFaultProxy *proxy : m_proxies)
        ports.append(proxy->serverPort());
    return ports;
}

void CSimPlant::closeAll()
{
    for (CFaultProxy *proxy : qAsConst(m_proxies))
        proxy->closeAll();
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

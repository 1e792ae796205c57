#ifndef CSIMPLANT_H
#define CSIMPLANT_H

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class CDirectEndpoint;
class CFaultProxy;
class CSimOptions;
class CSimUnit;

// Everything the simulator serves: one or more endpoints (public ports), each
// with one device answering every unit id, or a device per unit id of the
// options, all with their own state and consecutive serial numbers (endpoint
// by endpoint, unit id by unit id).
class CSimPlant : public QObject
{
    Q_OBJECT

public:
    explicit CSimPlant(QObject *parent = nullptr);
    ~CSimPlant() override;

    // Builds the devices and listens on the endpoints. False with error when
    // something cannot start; problems of the description go to warnings.
    bool start(const CSimOptions &options, QStringList *warnings, QString *error);
    // The public ports, one per endpoint.
    QList<quint16> ports() const;
    // Ends every connection, the public side first.
    void closeAll();
    // "faults injected: ..." over every endpoint; empty when none were.
    QString faultSummary() const;

private:
    bool startEndpoint(const CSimOptions &options, int endpoint, quint32 *serialNumber, QStringList *warnings,
                       QString *error);

    bool startDirectEndpoint(const CSimOptions &options, quint16 port, quint32 *serialNumber,
                             QStringList *warnings, QString *error);
    CSimUnit *startUnit(const CSimOptions &options, quint32 *serialNumber, QStringList *warnings, QString *error);

    QList<CSimUnit *> m_units;
    QList<CFaultProxy *> m_proxies;
    QList<CDirectEndpoint *> m_directEndpoints;
    QList<quint16> m_ports; // the public port of each endpoint
};

#endif // CSIMPLANT_H

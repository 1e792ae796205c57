#ifndef CSIMUNIT_H
#define CSIMUNIT_H

#include <QObject>
#include <QString>

#include <memory>

class CDeviceServer;
class CDeviceParameters;
class CRegisterMap;
class CSimDevice;
class CSimOptions;

// One simulated transmitter: its own parameters and registers built from the
// description, its measurement, and a Modbus server on a private loopback
// port, which the fault proxy forwards the requests for this device to. Each
// unit holds its own state, so many units make a bus or a plant.
class CSimUnit : public QObject
{
    Q_OBJECT

public:
    explicit CSimUnit(QObject *parent = nullptr);
    ~CSimUnit() override;

    // Builds the device from the options' description, gives it serialNumber
    // and the options' order number (the description's when none is given),
    // starts its measurement and its server. False with error when it
    // cannot run; problems of the description go to warnings.
    bool start(const CSimOptions &options, quint32 serialNumber, QStringList *warnings, QString *error);

    // The private port of the unit's Modbus server (0 before start).
    quint16 serverPort() const;
    // The unit's Modbus server (null before start).
    CDeviceServer *server() const;
    // Ends every connection to the unit's server.
    void closeConnections();

    // The unit id the device server answers; the proxy maps every client
    // unit id onto it.
    static constexpr quint8 ServerUnitId = 1;

private:
    void setIdentity(const QString &orderNumber, quint32 serialNumber);

    std::unique_ptr<CDeviceParameters> m_parameters;
    std::unique_ptr<CRegisterMap> m_map;
    std::unique_ptr<CSimDevice> m_device;
    std::unique_ptr<CDeviceServer> m_server;
};

#endif // CSIMUNIT_H

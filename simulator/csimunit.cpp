#include "csimunit.h"

#include "cdeviceserver.h"
#include "cdeviceparameters.h"
#include "cregistermap.h"
#include "csimdevice.h"
#include "csimoptions.h"
#include "items/citem.h"
#include "items/itemkeys.h"

CSimUnit::CSimUnit(QObject *parent) : QObject(parent)
{
}

CSimUnit::~CSimUnit()
{
    // The server goes before the device and the registers it answers from.
    m_server.reset();
}

bool CSimUnit::start(const CSimOptions &options, quint32 serialNumber, QStringList *warnings, QString *error)
{
    m_parameters = std::make_unique<CDeviceParameters>();
    const QString descriptionFile =
        options.description.isEmpty() ? CDeviceParameters::defaultDescriptionPath() : options.description;
    if (!m_parameters->load(descriptionFile, options.language)) {
        *error = m_parameters->errorText();
        return false;
    }
    m_map = std::make_unique<CRegisterMap>(m_parameters->items());
    *warnings = m_parameters->problems() + m_map->problems();
    setIdentity(options.orderNumber.isEmpty() ? m_parameters->orderNumber() : options.orderNumber, serialNumber);

    m_device = std::make_unique<CSimDevice>(m_map.get(), options.seed);
    if (options.fixedPressure)
        m_device->setFixedPressure(options.pressure);
    m_device->start();

    m_server = std::make_unique<CDeviceServer>(m_map.get(), m_device.get());
    m_server->setWrongStatusAddress(options.wrongStatusAddress);
    m_server->setConnectionParameter(QModbusDevice::NetworkAddressParameter, QStringLiteral("127.0.0.1"));
    m_server->setConnectionParameter(QModbusDevice::NetworkPortParameter, 0);
    m_server->setServerAddress(ServerUnitId);
    if (!m_server->connectDevice() || m_server->listeningPort() == 0) {
        *error = QStringLiteral("cannot start the internal Modbus server: %1").arg(m_server->errorString());
        return false;
    }
    return true;
}

// The nameplate: read-only registers a master cannot write, set here.
void CSimUnit::setIdentity(const QString &orderNumber, quint32 serialNumber)
{
    if (CItem *item = m_map->item(Device::Bestellnummer))
        item->setValue(orderNumber);
    if (CItem *item = m_map->item(Device::Seriennummer))
        item->setValue(serialNumber);
}

CDeviceServer *CSimUnit::server() const
{
    return m_server.get();
}

quint16 CSimUnit::serverPort() const
{
    return m_server ? m_server->listeningPort() : 0;
}

void CSimUnit::closeConnections()
{
    if (m_server)
        m_server->closeConnections();
}

#include "cmodbusconnection.h"

#include "loomworklogging.h"

#include <QSerialPort>
#include <QTcpSocket>
#include <QTimer>

CModbusConnection::CModbusConnection(QObject *parent)
    : QObject(parent)
{
}

CModbusConnection::~CModbusConnection()
{
    close();
}

void CModbusConnection::open(const CLinkSettings &settings)
{
    close();
    m_failure = CLinkFailure();
    if (settings.transport == CLinkSettings::Tcp)
        openTcp(settings);
    else
        openSerial(settings);
}

void CModbusConnection::openTcp(const CLinkSettings &settings)
{
    auto *socket = new QTcpSocket(this);
    m_device = socket;
    connect(socket, &QTcpSocket::connected, this, [this, socket]() {
        // Requests are single small frames: each leaves at once.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        m_open = true;
        emit opened();
    });
    connect(socket, &QTcpSocket::readyRead, this, &CModbusConnection::received);
    connect(socket, &QAbstractSocket::errorOccurred, this, [this, socket]() {
        fail(CLinkFailure::fromSocket(socket->error(), socket->errorString()));
    });
    connect(socket, &QTcpSocket::disconnected, this, [this]() {
        fail(CLinkFailure::fromSocket(QAbstractSocket::RemoteHostClosedError, QString()));
    });
    socket->connectToHost(settings.host, settings.port);
}

void CModbusConnection::openSerial(const CLinkSettings &settings)
{
    auto *port = new QSerialPort(settings.serialPort, this);
    m_device = port;
    port->setBaudRate(settings.baudRate);
    port->setDataBits(QSerialPort::DataBits(settings.dataBits));
    port->setParity(QSerialPort::Parity(settings.parity));
    port->setStopBits(QSerialPort::StopBits(settings.stopBits));
    port->setFlowControl(QSerialPort::FlowControl(settings.flowControl));
    connect(port, &QSerialPort::readyRead, this, &CModbusConnection::received);
    const bool ok = port->open(QIODevice::ReadWrite);
    // Both outcomes are told from the event loop, as for TCP.
    const CLinkFailure failure = CLinkFailure::fromSerialPort(port->error(), port->errorString());
    QTimer::singleShot(0, this, [this, port, ok, failure]() {
        if (m_device != port)
            return;
        if (!ok) {
            fail(failure);
            return;
        }
        connect(port, &QSerialPort::errorOccurred, this, [this, port](QSerialPort::SerialPortError code) {
            if (code == QSerialPort::ResourceError || code == QSerialPort::PermissionError)
                fail(CLinkFailure::fromSerialPort(code, port->errorString()));
        });
        port->clear();
        m_open = true;
        emit opened();
    });
}

void CModbusConnection::fail(const CLinkFailure &failure)
{
    if (!m_device)
        return;
    m_failure = failure;
    close();
    emit closed();
}

void CModbusConnection::close()
{
    m_open = false;
    if (!m_device)
        return;
    QIODevice *device = m_device;
    m_device = nullptr;
    device->disconnect(this);
    if (auto *socket = qobject_cast<QTcpSocket *>(device))
        socket->abort();
    else
        device->close();
    device->deleteLater();
}

bool CModbusConnection::isOpen() const
{
    return m_open;
}

bool CModbusConnection::write(const QByteArray &bytes)
{
    if (!m_open || !m_device)
        return false;
    qCDebug(lcLinkFrames).noquote() << "sent" << bytes.toHex(' ');
    return m_device->write(bytes) == bytes.size();
}

QByteArray CModbusConnection::takeReceived()
{
    const QByteArray bytes = m_device ? m_device->readAll() : QByteArray();
    if (!bytes.isEmpty())
        qCDebug(lcLinkFrames).noquote() << "received" << bytes.toHex(' ');
    return bytes;
}

CLinkFailure CModbusConnection::failure() const
{
    return m_failure;
}

#include "cframeguard.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

namespace {

const int HeaderSize = 7;      // MBAP header: transaction, protocol, length, unit
const int MinimumLength = 3;   // unit id, function code, one byte
const int MaximumLength = 254; // unit id and the largest PDU

quint16 wordAt(const QByteArray &bytes, int offset)
{
    return quint16((quint8(bytes.at(offset)) << 8) | quint8(bytes.at(offset + 1)));
}

void setLowDelay(QTcpSocket *socket)
{
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
}

} // namespace

CFrameGuard::CFrameGuard(QObject *parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &CFrameGuard::accept);
}

bool CFrameGuard::listen()
{
    return m_server->isListening() || m_server->listen(QHostAddress::LocalHost, 0);
}

quint16 CFrameGuard::localPort() const
{
    return m_server->serverPort();
}

void CFrameGuard::setTarget(const QString &host, quint16 port)
{
    m_host = host;
    m_port = port;
}

bool CFrameGuard::isUpstreamOpen() const
{
    return m_device && m_device->state() == QAbstractSocket::ConnectedState;
}

QString CFrameGuard::upstreamError() const
{
    return m_error;
}

QAbstractSocket::SocketError CFrameGuard::upstreamErrorCode() const
{
    return m_errorCode;
}

void CFrameGuard::accept()
{
    while (QTcpSocket *client = m_server->nextPendingConnection()) {
        closeBoth(); // one client at a time: a new connection replaces the old
        m_error.clear();
        m_errorCode = QAbstractSocket::UnknownSocketError;
        m_client = client;
        setLowDelay(client);
        connect(client, &QTcpSocket::readyRead, this, &CFrameGuard::fromClient);
        connect(client, &QTcpSocket::disconnected, this, &CFrameGuard::closeBoth);
        m_device = new QTcpSocket(this);
        connect(m_device, &QTcpSocket::connected, this, [this]() {
            setLowDelay(m_device);
            m_device->write(m_toDevice);
            m_toDevice.clear();
            emit upstreamOpened();
        });
        connect(m_device, &QTcpSocket::readyRead, this, &CFrameGuard::fromDevice);
        connect(m_device, &QAbstractSocket::errorOccurred, this, [this]() {
            m_error = m_device->errorString();
            m_errorCode = m_device->error();
            if (m_device->state() == QAbstractSocket::UnconnectedState) {
                closeBoth();
                emit upstreamClosed();
            }
        });
        connect(m_device, &QTcpSocket::disconnected, this, [this]() {
            closeBoth();
            emit upstreamClosed();
        });
        m_device->connectToHost(m_host, m_port);
    }
}

void CFrameGuard::closeBoth()
{
    for (QTcpSocket *socket : {m_client.data(), m_device.data()}) {
        if (!socket)
            continue;
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
    m_client = nullptr;
    m_device = nullptr;
    m_toDevice.clear();
    m_requests.clear();
    m_answers.clear();
    m_pending.clear();
}

void CFrameGuard::fromClient()
{
    const QByteArray bytes = m_client->readAll();
    // Note each request's transaction id: only those may be answered.
    m_requests += bytes;
    while (m_requests.size() >= HeaderSize) {
        const int size = 6 + wordAt(m_requests, 4);
        if (m_requests.size() < size)
            break;
        m_pending.insert(wordAt(m_requests, 0));
        m_requests.remove(0, size);
    }
    if (isUpstreamOpen())
        m_device->write(bytes);
    else
        m_toDevice += bytes;
}

void CFrameGuard::fromDevice()
{
    m_answers += m_device->readAll();
    while (m_device && checkNextFrame()) {
    }
}

// Passes on, withholds or rejects the first frame of m_answers; false when
// it is incomplete or the connection was closed.
bool CFrameGuard::checkNextFrame()
{
    if (m_answers.size() < HeaderSize)
        return false;
    const quint16 transaction = wordAt(m_answers, 0);
    const quint16 protocol = wordAt(m_answers, 2);
    const quint16 length = wordAt(m_answers, 4);
    if (protocol != 0 || length < MinimumLength || length > MaximumLength) {
        // Nothing after a broken header can be trusted to be in step.
        emit frameRejected(QStringLiteral("invalid frame header (protocol id %1, length %2)").arg(protocol).arg(length),
                           true);
        closeBoth();
        return false;
    }
    const int size = 6 + length;
    if (m_answers.size() < size)
        return false;
    const QByteArray frame = m_answers.left(size);
    m_answers.remove(0, size);
    if (!m_pending.remove(transaction)) {
        emit frameRejected(
            QStringLiteral("discarded an answer to no waiting request (transaction %1)").arg(transaction), false);
        return true;
    }
    if (m_client)
        m_client->write(frame);
    return true;
}

#include "cdirectendpoint.h"

#include "cdeviceserver.h"
#include "cmbapframe.h"

#include <QModbusRequest>
#include <QTcpSocket>

CDirectEndpoint::CDirectEndpoint(CDeviceServer *server, QObject *parent) : QTcpServer(parent), m_server(server)
{
    connect(this, &QTcpServer::newConnection, this, &CDirectEndpoint::acceptConnections);
}

CDirectEndpoint::~CDirectEndpoint()
{
    closeAll();
}

void CDirectEndpoint::acceptConnections()
{
    while (QTcpSocket *client = nextPendingConnection()) {
        m_buffers.insert(client, QByteArray());
        connect(client, &QTcpSocket::readyRead, this, [this, client]() { readClient(client); });
        connect(client, &QTcpSocket::disconnected, this, [this, client]() {
            m_buffers.remove(client);
            client->deleteLater();
        });
    }
}

void CDirectEndpoint::closeAll()
{
    close();
    const QList<QTcpSocket *> clients = m_buffers.keys();
    m_buffers.clear();
    for (QTcpSocket *client : clients) {
        client->disconnect(this);
        client->abort();
        delete client;
    }
}

void CDirectEndpoint::readClient(QTcpSocket *client)
{
    QByteArray &buffer = m_buffers[client];
    buffer += client->readAll();
    QByteArray frame;
    CMbapFrame::Take taken;
    while ((taken = CMbapFrame::takeFrame(buffer, &frame)) == CMbapFrame::Take::Frame)
        client->write(answer(frame));
    if (taken == CMbapFrame::Take::Broken) {
        buffer.clear();
        client->disconnectFromHost();
    }
}

// The response frame to one complete request frame.
QByteArray CDirectEndpoint::answer(const QByteArray &request) const
{
    const auto code = QModbusPdu::FunctionCode(CMbapFrame::functionCode(request));
    const QModbusResponse response =
        m_server->answer(QModbusRequest(code, request.mid(CMbapFrame::HeaderSize + 1)));
    QByteArray pdu;
    pdu.append(char(quint8(response.functionCode()) | (response.isException() ? 0x80 : 0)));
    pdu.append(response.data());
    return CMbapFrame::build(CMbapFrame::transactionId(request), CMbapFrame::unitId(request), pdu);
}

#ifndef CDIRECTENDPOINT_H
#define CDIRECTENDPOINT_H

#include <QByteArray>
#include <QHash>
#include <QTcpServer>

class CDeviceServer;
class QTcpSocket;

// A public port of the simulator served by one device with nothing to inject:
// each request is answered in this process by the device's register logic,
// with the client's transaction and unit id, so no relay adds loopback hops
// to a request. Like a device, it closes a connection whose MBAP stream is
// broken.
class CDirectEndpoint : public QTcpServer
{
    Q_OBJECT

public:
    // server is not owned and must outlive the endpoint.
    explicit CDirectEndpoint(CDeviceServer *server, QObject *parent = nullptr);
    ~CDirectEndpoint() override;

    // Stops listening and aborts every client connection.
    void closeAll();

private:
    void acceptConnections();
    void readClient(QTcpSocket *client);
    QByteArray answer(const QByteArray &request) const;

    CDeviceServer *m_server;
    QHash<QTcpSocket *, QByteArray> m_buffers;
};

#endif // CDIRECTENDPOINT_H

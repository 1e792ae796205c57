#ifndef CFRAMEGUARD_H
#define CFRAMEGUARD_H

#include <QAbstractSocket>
#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

class QTcpServer;
class QTcpSocket;

// A loopback relay between the Modbus TCP client and the device that checks
// every answer frame before the client sees it: protocol id 0, a plausible
// length, and a transaction id the client is waiting for. The client's own
// framing accepts a wrong protocol id and drops foreign transactions
// silently; here each such frame is withheld and reported.
class CFrameGuard : public QObject
{
    Q_OBJECT

public:
    explicit CFrameGuard(QObject *parent = nullptr);

    // Listens on a free loopback port for the client; false when impossible.
    bool listen();
    quint16 localPort() const;
    // The device the next client connection is relayed to.
    void setTarget(const QString &host, quint16 port);
    // Whether the device side of the current connection is open.
    bool isUpstreamOpen() const;
    // Text of the last device-side socket error.
    QString upstreamError() const;
    // The error behind upstreamError() (UnknownSocketError when none).
    QAbstractSocket::SocketError upstreamErrorCode() const;

signals:
    // The device side opened; the client's requests flow from now on.
    void upstreamOpened();
    // The device side failed or closed; the client side is closed as well.
    void upstreamClosed();
    // An answer frame was withheld; desynchronised: the stream is lost and
    // the connection is being closed.
    void frameRejected(const QString &reason, bool desynchronised);

private:
    void accept();
    void closeBoth();
    void fromClient();
    void fromDevice();
    bool checkNextFrame();

    QTcpServer *m_server;
    QPointer<QTcpSocket> m_client;
    QPointer<QTcpSocket> m_device;
    QString m_host;
    quint16 m_port = 0;
    QString m_error;
    QAbstractSocket::SocketError m_errorCode = QAbstractSocket::UnknownSocketError;
    QByteArray m_toDevice;   // client bytes waiting for the device side
    QByteArray m_requests;   // client bytes not yet parsed into frames
    QByteArray m_answers;    // device bytes not yet checked
    QSet<quint16> m_pending; // transaction ids the client waits for
};

#endif // CFRAMEGUARD_H

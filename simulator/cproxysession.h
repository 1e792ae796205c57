#ifndef CPROXYSESSION_H
#define CPROXYSESSION_H

#include "cfaultconfig.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QTimer>

class QTcpSocket;

// One client connection of the fault proxy. Complete request frames from the
// client go to the device server over a loopback connection of their own,
// with the unit id set to the server's; its responses come back with the
// client's unit id restored and pass the configured faults on their way out.
class CProxySession : public QObject
{
    Q_OBJECT

public:
    // Takes over client (reparented to the session). requestCounter is shared
    // by all sessions and outlives them.
    CProxySession(QTcpSocket *client, quint16 serverPort, quint8 serverUnitId, const CFaultConfig &faults,
                  quint64 *requestCounter, QObject *parent = nullptr);

signals:
    // Emitted once when the client connection has ended.
    void finished();

private:
    struct Pending
    {
        quint8 unitId = 0;
        quint8 functionCode = 0;
        quint64 number = 0;
        bool last = false; // the connection closes after this response
    };
    struct Segment
    {
        QByteArray bytes;
        qint64 dueMs = 0;
        bool close = false;
    };

    void readClient();
    void readServer();
    void handleRequest(const QByteArray &frame);
    void respond(const QByteArray &frame, const Pending &pending);
    static QByteArray repairedResponse(const QByteArray &frame, const Pending &pending);
    void queue(const QByteArray &bytes, qint64 dueMs, bool close);
    void pump();
    void end();
    bool hits(int every, quint64 number) const;
    void log(const QString &text) const;

    QTcpSocket *m_client;
    QTcpSocket *m_server;
    quint8 m_serverUnitId;
    CFaultConfig m_faults;
    quint64 *m_requestCounter;
    QByteArray m_clientBuffer;
    QByteArray m_serverBuffer;
    QByteArray m_unsent;           // requests held until the server connection is up
    QByteArray m_previousResponse; // stale frame for the two-frames fault
    QList<Pending> m_pending;
    QList<Segment> m_outgoing;
    int m_requestsOnConnection = 0;
    bool m_closing = false;
    bool m_ended = false;
    QTimer m_pumpTimer;
    QElapsedTimer m_clock;
};

#endif // CPROXYSESSION_H

#ifndef CPROXYSESSION_H
#define CPROXYSESSION_H

#include "cfaultconfig.h"
#include "cunitroutes.h"
#include "cfaultplan.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QTimer>

#include <map>

class QTcpSocket;

// One client connection of the fault proxy. Complete request frames from the
// client go to the server of the device their unit id names, over a loopback
// connection of their own, with the unit id set to the server's; its
// responses come back with the client's unit id restored and pass the
// configured faults on their way out. A request for a unit id without a
// device gets no answer (or the gateway's exception).
class CProxySession : public QObject
{
    Q_OBJECT

public:
    // Takes over client (reparented to the session). plan is shared by all
    // sessions and outlives them.
    CProxySession(QTcpSocket *client, const CUnitRoutes &routes, quint8 serverUnitId, const CFaultConfig &faults,
                  CFaultPlan *plan, QObject *parent = nullptr);

signals:
    // Emitted once when the client connection has ended.
    void finished();

private:
    struct Pending
    {
        quint8 unitId = 0;
        quint8 functionCode = 0;
        quint64 number = 0;
        int requestSize = 0; // bytes of the request frame
        bool faulty = false; // the faults hit this request's device
        CFrameMangler::Fault frameFault = CFrameMangler::None;
        bool last = false;   // the connection closes after this response
    };
    // The connection to one device server and the requests it has to answer.
    struct Upstream
    {
        QTcpSocket *socket = nullptr;
        QByteArray buffer;
        QByteArray unsent; // requests held until the connection is up
        QList<Pending> pending;
    };
    struct Segment
    {
        QByteArray bytes;
        qint64 dueMs = 0;
        bool close = false;
    };

    void readClient();
    Upstream *upstream(quint16 port);
    void readServer(Upstream *server);
    void handleRequest(const QByteArray &frame);
    void respond(const QByteArray &frame, const Pending &pending);
    static QByteArray repairedResponse(const QByteArray &frame, const Pending &pending);
    void queue(const QByteArray &bytes, qint64 dueMs, bool close);
    void pump();
    void end();
    qint64 lineTimeMs(const Pending &pending, int responseSize) const;
    void log(const QString &text) const;

    QTcpSocket *m_client;
    CUnitRoutes m_routes;
    std::map<quint16, Upstream> m_upstreams; // by device server port
    quint8 m_serverUnitId;
    CFaultConfig m_faults;
    CFaultPlan *m_plan;
    QByteArray m_clientBuffer;
    QByteArray m_previousResponse; // stale frame for the two-frames fault
    QList<Segment> m_outgoing;
    int m_requestsOnConnection = 0;
    bool m_closing = false;
    bool m_ended = false;
    QTimer m_pumpTimer;
    QElapsedTimer m_clock;
};

#endif // CPROXYSESSION_H

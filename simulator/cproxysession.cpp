#include "cproxysession.h"

#include "cmbapframe.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTextStream>

namespace {

constexpr int ByteGapMs = 2; // pause between single-byte segments

} // namespace

CProxySession::CProxySession(QTcpSocket *client, const CUnitRoutes &routes, quint8 serverUnitId,
                             const CFaultConfig &faults, CFaultPlan *plan, QObject *parent)
    : QObject(parent),
      m_client(client),
      m_routes(routes),
      m_serverUnitId(serverUnitId),
      m_faults(faults),
      m_plan(plan)
{
    m_client->setParent(this);
    m_client->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_pumpTimer.setSingleShot(true);
    m_clock.start();
    connect(&m_pumpTimer, &QTimer::timeout, this, &CProxySession::pump);
    connect(m_client, &QTcpSocket::readyRead, this, &CProxySession::readClient);
    connect(m_client, &QTcpSocket::disconnected, this, &CProxySession::end);
    if (m_routes.anyPort)
        upstream(m_routes.anyPort);
    log(QStringLiteral("connection from %1:%2").arg(client->peerAddress().toString()).arg(client->peerPort()));
    readClient();
}

// The connection to the device server on port, opened on first use.
CProxySession::Upstream *CProxySession::upstream(quint16 port)
{
    const auto found = m_upstreams.find(port);
    if (found != m_upstreams.end())
        return &found->second;
    Upstream *server = &m_upstreams[port];
    server->socket = new QTcpSocket(this);
    QTcpSocket *socket = server->socket;
    connect(socket, &QTcpSocket::readyRead, this, [this, server]() { readServer(server); });
    connect(socket, &QTcpSocket::disconnected, m_client, &QTcpSocket::disconnectFromHost);
    connect(socket, &QTcpSocket::connected, this, [server]() {
        server->socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        server->socket->write(server->unsent);
        server->unsent.clear();
    });
    socket->connectToHost(QHostAddress::LocalHost, port);
    return server;
}

void CProxySession::readClient()
{
    m_clientBuffer += m_client->readAll();
    QByteArray frame;
    while (!m_closing) {
        switch (CMbapFrame::takeFrame(m_clientBuffer, &frame)) {
        case CMbapFrame::Take::Frame:
            handleRequest(frame);
            break;
        case CMbapFrame::Take::NeedMore:
            return;
        case CMbapFrame::Take::Broken:
            // A server cannot resynchronise on a broken MBAP stream; close as devices do.
            log(QStringLiteral("invalid MBAP header, closing"));
            m_clientBuffer.clear();
            m_client->disconnectFromHost();
            return;
        }
    }
}

void CProxySession::handleRequest(const QByteArray &frame)
{
    Pending pending;
    pending.unitId = CMbapFrame::unitId(frame);
    pending.functionCode = CMbapFrame::functionCode(frame);
    pending.requestSize = frame.size();
    pending.faulty = m_faults.unitIds.isEmpty() || m_faults.unitIds.contains(pending.unitId);
    const CFaultPlan::Decision fault = m_plan->next(pending.faulty);
    pending.number = m_plan->requestCount();
    pending.frameFault = fault.frameFault;
    ++m_requestsOnConnection;
    pending.last = fault.disconnect
        || (m_faults.disconnectAfter > 0 && m_requestsOnConnection >= m_faults.disconnectAfter);
    m_closing = pending.last;
    log(QStringLiteral("request %1: %2").arg(pending.number).arg(QString::fromLatin1(frame.toHex(' '))));

    const quint16 port = m_routes.portFor(pending.unitId);
    if (fault.drop || (port == 0 && !m_routes.gateway)) {
        log(QStringLiteral("request %1 %2").arg(pending.number).arg(port ? "dropped" : "for no device"));
        if (pending.last)
            queue(QByteArray(), m_clock.elapsed() + m_faults.delayMs, true);
        return;
    }
    if (port == 0) {
        pending.frameFault = CFrameMangler::None;
        respond(CMbapFrame::exceptionResponse(frame, CUnitRoutes::GatewayNoResponse), pending);
        return;
    }
    if (fault.exceptionCode != 0) {
        pending.frameFault = CFrameMangler::None;
        respond(CMbapFrame::exceptionResponse(frame, quint8(fault.exceptionCode)), pending);
        return;
    }
    Upstream *server = upstream(port);
    server->pending.append(pending);
    const QByteArray forwarded = CMbapFrame::withUnitId(frame, m_serverUnitId);
    if (server->socket->state() == QAbstractSocket::ConnectedState)
        server->socket->write(forwarded);
    else
        server->unsent += forwarded;
}

void CProxySession::readServer(Upstream *server)
{
    server->buffer += server->socket->readAll();
    QByteArray frame;
    while (CMbapFrame::takeFrame(server->buffer, &frame) == CMbapFrame::Take::Frame) {
        if (server->pending.isEmpty())
            continue;
        const Pending pending = server->pending.takeFirst();
        respond(repairedResponse(CMbapFrame::withUnitId(frame, pending.unitId), pending), pending);
    }
}

QByteArray CProxySession::repairedResponse(const QByteArray &frame, const Pending &pending)
{
    // The Modbus server answers a request it cannot parse with function code
    // 0x80 and exception 1. A device names the request's function: exception
    // 3 for a malformed request of a function it knows, 1 for any other.
    if (CMbapFrame::functionCode(frame) != 0x80)
        return frame;
    const bool known = pending.functionCode == 0x03 || pending.functionCode == 0x06 || pending.functionCode == 0x10;
    QByteArray request = frame.left(CMbapFrame::HeaderSize);
    request.append(char(pending.functionCode));
    return CMbapFrame::exceptionResponse(request, known ? 3 : 1);
}

void CProxySession::respond(const QByteArray &frame, const Pending &pending)
{
    const CFrameMangler::Fault fault = pending.frameFault;
    const CFrameMangler::Output output = CFrameMangler::apply(fault, frame, m_previousResponse);
    m_previousResponse = frame;
    const qint64 due = m_clock.elapsed() + (pending.faulty ? m_faults.delayMs : 0) + lineTimeMs(pending, frame.size());
    for (int i = 0; i < output.segments.size(); ++i) {
        const bool lastSegment = i == output.segments.size() - 1;
        queue(output.segments.at(i), due + i * (fault == CFrameMangler::BytePerSegment ? ByteGapMs : 0),
              lastSegment && (output.closeAfter || pending.last));
    }
    log(QStringLiteral("response %1%2: %3")
            .arg(pending.number)
            .arg(fault == CFrameMangler::None ? QString()
                                              : QStringLiteral(" (%1)").arg(CFrameMangler::faultNames().value(fault - 1)))
            .arg(QString::fromLatin1(frame.toHex(' '))));
}

// How long request and response take on a serial line at the configured
// speed: RTU frames (the PDU with address and CRC instead of the 7-byte
// header), 11 bits a character, 3.5 characters of silence after each.
qint64 CProxySession::lineTimeMs(const Pending &pending, int responseSize) const
{
    if (m_faults.lineBaud <= 0)
        return 0;
    const double characterMs = 11000.0 / m_faults.lineBaud;
    const int characters = (pending.requestSize - CMbapFrame::HeaderSize + 3)
        + (responseSize - CMbapFrame::HeaderSize + 3);
    return qint64(characters * characterMs + 2 * qMax(3.5 * characterMs, 1.75) + 0.5);
}

void CProxySession::queue(const QByteArray &bytes, qint64 dueMs, bool close)
{
    // Segments leave in order, so a later segment never overtakes an earlier one.
    if (!m_outgoing.isEmpty())
        dueMs = qMax(dueMs, m_outgoing.last().dueMs);
    m_outgoing.append({bytes, dueMs, close});
    pump();
}

void CProxySession::pump()
{
    while (!m_outgoing.isEmpty()) {
        const Segment segment = m_outgoing.first();
        const qint64 now = m_clock.elapsed();
        if (segment.dueMs > now) {
            m_pumpTimer.start(int(segment.dueMs - now));
            return;
        }
        m_outgoing.removeFirst();
        if (!segment.bytes.isEmpty()) {
            m_client->write(segment.bytes);
            m_client->flush();
        }
        if (segment.close) {
            log(QStringLiteral("closing the connection"));
            m_outgoing.clear();
            m_client->disconnectFromHost();
            return;
        }
    }
}

void CProxySession::end()
{
    if (m_ended)
        return;
    m_ended = true;
    m_pumpTimer.stop();
    for (auto &server : m_upstreams)
        server.second.socket->abort();
    log(QStringLiteral("connection closed"));
    emit finished();
    deleteLater();
}

void CProxySession::log(const QString &text) const
{
    if (!m_faults.verbose)
        return;
    QTextStream out(stdout);
    out << text << '\n';
    out.flush();
}

#include "cproxysession.h"

#include "cmbapframe.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTextStream>

namespace {

constexpr int ByteGapMs = 2; // pause between single-byte segments

} // namespace

CProxySession::CProxySession(QTcpSocket *client, quint16 serverPort, quint8 serverUnitId, const CFaultConfig &faults,
                             quint64 *requestCounter, QObject *parent)
    : QObject(parent),
      m_client(client),
      m_server(new QTcpSocket(this)),
      m_serverUnitId(serverUnitId),
      m_faults(faults),
      m_requestCounter(requestCounter)
{
    m_client->setParent(this);
    m_client->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_pumpTimer.setSingleShot(true);
    m_clock.start();
    connect(&m_pumpTimer, &QTimer::timeout, this, &CProxySession::pump);
    connect(m_client, &QTcpSocket::readyRead, this, &CProxySession::readClient);
    connect(m_client, &QTcpSocket::disconnected, this, &CProxySession::end);
    connect(m_server, &QTcpSocket::readyRead, this, &CProxySession::readServer);
    connect(m_server, &QTcpSocket::disconnected, m_client, &QTcpSocket::disconnectFromHost);
    connect(m_server, &QTcpSocket::connected, this, [this]() {
        m_server->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        m_server->write(m_unsent);
        m_unsent.clear();
    });
    m_server->connectToHost(QHostAddress::LocalHost, serverPort);
    log(QStringLiteral("connection from %1:%2").arg(client->peerAddress().toString()).arg(client->peerPort()));
    readClient();
}

void CProxySession::readClient()
{
    m_clientBuffer += m_client->readAll();
    while (!m_closing) {
        const int size = CMbapFrame::frameSize(m_clientBuffer);
        if (size < 0) {
            // A server cannot resynchronise on a broken MBAP stream; close as devices do.
            log(QStringLiteral("invalid MBAP header, closing"));
            m_clientBuffer.clear();
            m_client->disconnectFromHost();
            return;
        }
        if (size == 0)
            return;
        const QByteArray frame = m_clientBuffer.left(size);
        m_clientBuffer.remove(0, size);
        handleRequest(frame);
    }
}

bool CProxySession::hits(int every, quint64 number) const
{
    return every > 0 && number % quint64(every) == 0;
}

void CProxySession::handleRequest(const QByteArray &frame)
{
    Pending pending;
    pending.unitId = CMbapFrame::unitId(frame);
    pending.functionCode = CMbapFrame::functionCode(frame);
    pending.number = ++*m_requestCounter;
    ++m_requestsOnConnection;
    pending.last = m_faults.disconnectAfter > 0 && m_requestsOnConnection >= m_faults.disconnectAfter;
    m_closing = pending.last;
    log(QStringLiteral("request %1: %2").arg(pending.number).arg(QString::fromLatin1(frame.toHex(' '))));

    if (hits(m_faults.dropEvery, pending.number)) {
        log(QStringLiteral("request %1 dropped").arg(pending.number));
        if (pending.last)
            queue(QByteArray(), m_clock.elapsed() + m_faults.delayMs, true);
        return;
    }
    if (hits(m_faults.exceptionEvery, pending.number)) {
        respond(CMbapFrame::exceptionResponse(frame, quint8(m_faults.exceptionCode)), pending);
        return;
    }
    m_pending.append(pending);
    const QByteArray forwarded = CMbapFrame::withUnitId(frame, m_serverUnitId);
    if (m_server->state() == QAbstractSocket::ConnectedState)
        m_server->write(forwarded);
    else
        m_unsent += forwarded;
}

void CProxySession::readServer()
{
    m_serverBuffer += m_server->readAll();
    for (;;) {
        const int size = CMbapFrame::frameSize(m_serverBuffer);
        if (size <= 0)
            return;
        const QByteArray frame = m_serverBuffer.left(size);
        m_serverBuffer.remove(0, size);
        if (m_pending.isEmpty())
            continue;
        const Pending pending = m_pending.takeFirst();
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
    const CFrameMangler::Fault fault =
        hits(m_faults.frameFaultEvery, pending.number) ? m_faults.frameFault : CFrameMangler::None;
    const CFrameMangler::Output output = CFrameMangler::apply(fault, frame, m_previousResponse);
    m_previousResponse = frame;
    const qint64 due = m_clock.elapsed() + m_faults.delayMs;
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
    m_server->abort();
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

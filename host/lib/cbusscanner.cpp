#include "cbusscanner.h"

#include "cdevicesession.h"
#include "chosttr.h"
#include "clinkaddress.h"
#include "cmodbusmaster.h"
#include "cscanplan.h"
#include "widgets/cmessagesender.h"

CBusScanner::CBusScanner(CDeviceSession *session, CLoomworkPlugin *plugin, QObject *parent)
    : QObject(parent), m_session(session), m_reader(*session, plugin)
{
    qRegisterMetaType<CBusScanner::Hit>();
    m_watchdog.setSingleShot(true);
    connect(&m_watchdog, &QTimer::timeout, this,
            [this]() { finish(false, CHostTr::tr("no connection to %1").arg(CLinkAddress::endpoint(m_link))); });
}

CBusScanner::~CBusScanner()
{
    if (m_running)
        m_session->master()->disconnectDevice();
}

void CBusScanner::setCandidates(const QList<CLinkSettings> &candidates)
{
    m_candidates = candidates;
}

void CBusScanner::setUnitIds(int first, int last)
{
    m_first = first;
    m_last = last;
}

void CBusScanner::setTimeout(int milliseconds)
{
    m_timeout = milliseconds;
}

void CBusScanner::setAllSettings(bool all)
{
    m_all = all;
}

bool CBusScanner::isRunning() const
{
    return m_running;
}

const QList<CBusScanner::Hit> &CBusScanner::hits() const
{
    return m_hits;
}

int CBusScanner::requestRegisters() const
{
    return m_reader.count();
}

QString CBusScanner::errorString() const
{
    return m_error;
}

void CBusScanner::start()
{
    m_hits.clear();
    m_error.clear();
    m_candidate = 0;
    m_done = 0;
    m_running = true;
    m_ended = false;
    if (!m_reader.isPossible() || m_candidates.isEmpty() || m_first > m_last) {
        QTimer::singleShot(0, this, [this]() {
            finish(false, m_reader.isPossible() ? CHostTr::tr("nothing to scan")
                                                : CHostTr::tr("the device description has no nameplate parameters"));
        });
        return;
    }
    QTimer::singleShot(0, this, &CBusScanner::startCandidate);
}

void CBusScanner::cancel()
{
    if (!m_running)
        return;
    // Closing the link ends the request on the wire at once.
    m_running = false;
    m_session->master()->disconnectDevice();
    finish(false, CHostTr::tr("the scan was cancelled"));
}

void CBusScanner::startCandidate()
{
    CModbusMaster *master = m_session->master();
    master->disconnectDevice();
    m_link = m_candidates.at(m_candidate);
    m_link.retries = 0;
    m_link.responseTimeout = m_timeout > 0 ? m_timeout : CScanPlan::probeTimeout(m_link, m_reader.count());
    m_link.serverAddress = m_first;
    m_unitId = m_first - 1;
    m_foundHere = 0;
    emit linkStarted(m_link);
    master->setSettings(m_link);
    m_connectWatch = connect(master, &CModbusMaster::stateChanged, this, [this](CModbusMaster::State state) {
        if (state != CModbusMaster::Connected)
            return;
        disconnect(m_connectWatch);
        disconnect(m_errorWatch);
        probeNext();
    });
    m_errorWatch = connect(master->messageSender(), &CMessageSender::errorMessage, this,
                           [this](const QString &, const QString &text) { onConnectFailed(text); });
    m_watchdog.start(m_link.connectTimeout + 500);
    master->connectDevice();
}

void CBusScanner::onConnectFailed(const QString &reason)
{
    disconnect(m_connectWatch);
    disconnect(m_errorWatch);
    m_session->master()->disconnectDevice();
    finish(false, reason);
}

void CBusScanner::probeNext()
{
    if (!m_running)
        return;
    const int perSetting = m_last - m_first + 1;
    if (++m_unitId > m_last) {
        const bool more = m_candidate + 1 < m_candidates.size() && (m_all || m_foundHere == 0);
        if (!more)
            return finish(true);
        ++m_candidate;
        m_done = m_candidate * perSetting;
        return startCandidate();
    }
    m_link.serverAddress = m_unitId;
    m_session->master()->setSettings(m_link);
    // A lost TCP link comes back on its own; one that does not ends the scan.
    m_watchdog.start(m_link.responseTimeout + m_link.connectTimeout + m_link.reconnectMaxDelay);
    m_reader.read(m_session->master(), [this](const CIdentityReader::Answer &answer) { onAnswer(answer); });
}

void CBusScanner::onAnswer(const CIdentityReader::Answer &answer)
{
    if (!m_running)
        return;
    ++m_done;
    emit progress(m_done, int(m_candidates.size()) * (m_last - m_first + 1));
    if (answer.kind != CIdentityReader::Answer::NoAnswer) {
        Hit hit;
        hit.link = m_link;
        hit.unitId = m_unitId;
        hit.answer = answer;
        m_hits.append(hit);
        ++m_foundHere;
        emit deviceFound(hit);
    }
    // The next request goes from the event loop, after the master's own
    // handling of this one.
    QTimer::singleShot(0, this, &CBusScanner::probeNext);
}

void CBusScanner::finish(bool complete, const QString &error)
{
    if (m_ended)
        return;
    m_ended = true;
    m_running = false;
    m_watchdog.stop();
    disconnect(m_connectWatch);
    disconnect(m_errorWatch);
    m_error = error;
    m_session->master()->disconnectDevice();
    emit finished(complete);
}

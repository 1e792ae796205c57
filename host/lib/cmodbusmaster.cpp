#include "cmodbusmaster.h"

#include "chosttr.h"
#include "clinkendpoint.h"
#include "clinkfailure.h"
#include "cmodbusconnection.h"
#include "cmodbusjob.h"
#include "crequestqueue.h"
#include "widgets/cmessagesender.h"

#include <QDataStream>
#include <QDateTime>
#include <QLocale>
#include <QMetaMethod>
#include <QTimer>

#include <cmath>

namespace {

const int DrainQuietMs = 10;   // after a bad answer the line must stay quiet this long
const int BusyPauseMs = 50;    // before asking a busy device again
QString linkTitle()
{
    return CHostTr::tr("Device link");
}

QByteArray packResponse(quint16 start, const QVector<quint16> &registers)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << start;
    for (quint16 word : registers)
        out << word;
    return bytes;
}

// Quiet time that ends a frame on the line: 3.5 characters of 11 bits on a
// serial line, and never less than DrainQuietMs (adapters buffer).
int quietTime(const CLinkSettings &settings)
{
    if (settings.transport == CLinkSettings::Tcp || settings.baudRate <= 0)
        return DrainQuietMs;
    return qMax(DrainQuietMs, int(std::ceil(3.5 * 11 * 1000.0 / settings.baudRate)));
}

} // namespace

CModbusMaster::CModbusMaster(QObject *parent)
    : QObject(parent)
    , m_messages(new CMessageSender(this))
    , m_connection(new CModbusConnection(this))
    , m_attemptTimer(new QTimer(this))
    , m_connectTimer(new QTimer(this))
    , m_reconnectTimer(new QTimer(this))
    , m_pauseTimer(new QTimer(this))
    , m_expiryTimer(new QTimer(this))
    , m_pending(new CRequestQueue)
{
    setObjectName(QStringLiteral("ModbusMaster"));
    qRegisterMetaType<CRequest>("CRequest");
    qRegisterMetaType<CTrafficRecord>();
    for (QTimer *timer : {m_attemptTimer, m_connectTimer, m_reconnectTimer, m_pauseTimer, m_expiryTimer})
        timer->setSingleShot(true);
    m_clock.start();
    connect(m_attemptTimer, &QTimer::timeout, this, &CModbusMaster::onAttemptTimeout);
    connect(m_reconnectTimer, &QTimer::timeout, this, &CModbusMaster::openConnection);
    connect(m_pauseTimer, &QTimer::timeout, this, &CModbusMaster::onPauseEnd);
    connect(m_expiryTimer, &QTimer::timeout, this, &CModbusMaster::expireWaiting);
    connect(m_connectTimer, &QTimer::timeout, this, [this]() {
        if (m_state == Connected)
            return;
        m_connection->close();
        onClosed(CLinkFailure{false, CHostTr::tr("no connection within %1 ms").arg(m_connectTimer->interval())});
    });
    connect(m_connection, &CModbusConnection::opened, this, &CModbusMaster::onOpened);
    connect(m_connection, &CModbusConnection::received, this, &CModbusMaster::onReceived);
    connect(m_connection, &CModbusConnection::closed, this, [this]() { onClosed(m_connection->failure()); });
}

CModbusMaster::~CModbusMaster()
{
    m_wanted = false;
    m_connection->disconnect(this);
    m_connection->close();
}

void CModbusMaster::setSettings(const CLinkSettings &settings)
{
    m_settings = settings;
}

const CLinkSettings &CModbusMaster::settings() const
{
    return m_settings;
}

CModbusMaster::State CModbusMaster::state() const
{
    return m_state;
}

CMessageSender *CModbusMaster::messageSender() const
{
    return m_messages;
}

const CLinkStatistics &CModbusMaster::statistics() const
{
    return m_stats;
}

void CModbusMaster::resetStatistics()
{
    m_stats = CLinkStatistics();
}

int CModbusMaster::pendingCount() const
{
    return m_pending->size();
}

bool CModbusMaster::isIdle() const
{
    return !m_current && pendingCount() == 0;
}

// ---------------------------------------------------------------- connection

void CModbusMaster::connectDevice()
{
    m_wanted = true;
    m_lossReported = false;
    m_closedReported = false;
    m_everConnected = false;
    m_reconnectDelay = 0;
    m_reconnectTimer->stop();
    setReason(QString());
    if (m_current) {
        // The attempt on the old connection does not count.
        endAttempt();
        ++m_current->attemptsLeft;
        m_pending->putBack(m_current);
        m_current.reset();
    }
    m_connection->close();
    openConnection();
}

void CModbusMaster::disconnectDevice()
{
    m_wanted = false;
    setReason(QString());
    for (QTimer *timer : {m_reconnectTimer, m_connectTimer, m_pauseTimer, m_expiryTimer})
        timer->stop();
    m_draining = false;
    endAttempt();
    m_connection->close();
    setState(Disconnected);
    if (m_current)
        finishCurrent(Result{false, m_current->start, {}, 0, CHostTr::tr("Link closed")});
    failAllPending(CHostTr::tr("Link closed"));
}

void CModbusMaster::openConnection()
{
    if (!m_wanted)
        return;
    setState(Connecting);
    m_connectTimer->start(m_everConnected ? qMin(m_settings.connectTimeout, m_settings.reconnectTimeout)
                                          : m_settings.connectTimeout);
    m_connection->open(m_settings);
}

void CModbusMaster::onOpened()
{
    m_connectTimer->stop();
    m_expiryTimer->stop();
    m_reconnectDelay = 0;
    m_everConnected = true;
    setReason(QString());
    if (m_lossReported)
        emit m_messages->logMessage(CHostTr::tr("Device link restored"));
    m_lossReported = false;
    m_received.clear();
    setState(Connected);
    dispatch();
}

void CModbusMaster::onClosed(const CLinkFailure &failure)
{
    m_connectTimer->stop();
    m_pauseTimer->stop();
    m_draining = false;
    const bool wasConnected = m_state == Connected;
    setState(m_wanted ? Connecting : Disconnected);
    if (m_current) {
        ++m_stats.interrupted;
        endAttempt();
        retryOrFail(CHostTr::tr("Connection closed by the device"), Lost::Closed);
    }
    if (!m_wanted)
        return;
    if (wasConnected)
        stampWaiting();
    reportLoss(wasConnected, failure);
}

// Closes the connection to get the stream back in step; it reopens at once.
void CModbusMaster::resetLink()
{
    m_connection->close();
    m_pauseTimer->stop();
    m_draining = false;
    setState(Connecting);
    stampWaiting();
    m_reconnectTimer->start(0);
}

void CModbusMaster::reportLoss(bool wasConnected, const CLinkFailure &failure)
{
    const QString target = m_settings.transport == CLinkSettings::Tcp
        ? CLinkEndpoint::format(m_settings.host, m_settings.port)
        : m_settings.serialPort;
    const QString reason = wasConnected
        ? CHostTr::tr("Connection to the device at %1 lost: %2").arg(target, failure.reason)
        : CHostTr::tr("Cannot connect to the device at %1: %2").arg(target, failure.reason);
    if (failure.permanent) {
        // Trying again cannot help: the link ends here and says why.
        m_wanted = false;
        m_reconnectTimer->stop();
        m_expiryTimer->stop();
        emit m_messages->errorMessage(linkTitle(), reason);
        failAllPending(reason);
        setReason(failure.reason);
        setState(Disconnected);
        return;
    }
    // Said once as an error; a new reason is logged as it comes.
    if (!m_lossReported)
        emit m_messages->errorMessage(linkTitle(), reason);
    else if (reason != m_lastLoss)
        emit m_messages->logMessage(reason);
    m_lastLoss = reason;
    m_lossReported = true;
    // Until the device has answered once, nothing is worth waiting for.
    if (!m_everConnected)
        failAllPending(reason);
    // A connection that was up is tried again at once (devices close idle or
    // used-up connections); only failing attempts back off.
    if (wasConnected) {
        m_reconnectDelay = 0;
        m_reconnectTimer->start(0);
        setReason(failure.reason);
        return;
    }
    scheduleReconnect();
    setReason(CHostTr::tr("%1; next attempt in %2 s")
                  .arg(failure.reason, QLocale().toString(m_reconnectDelay / 1000.0, 'f', 1)));
}

QString CModbusMaster::stateReason() const
{
    return m_reason;
}

void CModbusMaster::setReason(const QString &reason)
{
    if (reason == m_reason)
        return;
    m_reason = reason;
    emit stateReasonChanged(reason);
}

void CModbusMaster::scheduleReconnect()
{
    if (m_reconnectTimer->isActive())
        return;
    m_reconnectDelay = m_reconnectDelay == 0
        ? m_settings.reconnectMinDelay
        : qMin(m_reconnectDelay * 2, m_settings.reconnectMaxDelay);
    m_reconnectTimer->start(m_reconnectDelay);
}

void CModbusMaster::setState(State state)
{
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged(state);
}

// Requests waiting while the link is down give up one response timeout after
// the later of their request and the loss.
void CModbusMaster::stampWaiting()
{
    m_pending->restartWaiting(m_clock.elapsed());
    if (pendingCount() > 0)
        m_expiryTimer->start(m_settings.responseTimeout);
}

void CModbusMaster::expireWaiting()
{
    if (m_state == Connected || !m_wanted)
        return;
    const qint64 limit = m_settings.responseTimeout;
    qint64 next = -1;
    const QList<std::shared_ptr<CModbusJob>> expired = m_pending->takeExpired(m_clock.elapsed(), limit, &next);
    for (const std::shared_ptr<CModbusJob> &job : expired) {
        QString reason = CHostTr::tr("No connection to the device within %1 ms").arg(limit);
        if (job->isWrite && !job->lostReason.isEmpty())
            reason = CHostTr::tr("%1; the device may hold the new values, they could not be read back (%2)")
                         .arg(job->lostReason, reason);
        report(*job, reason);
        if (job->done)
            job->done(Result{false, job->start, {}, 0, reason});
    }
    if (next >= 0)
        m_expiryTimer->start(int(next));
}

// ------------------------------------------------------------------ requests

void CModbusMaster::read(quint16 start, quint16 count, const Completion &done, bool reportFailure)
{
    auto job = std::make_shared<CModbusJob>();
    job->quiet = !reportFailure;
    job->start = start;
    job->count = count;
    job->done = done;
    enqueue(job);
}

void CModbusMaster::write(quint16 start, const QVector<quint16> &words, const Completion &done,
                          bool reportFailure)
{
    auto job = std::make_shared<CModbusJob>();
    job->quiet = !reportFailure;
    job->isWrite = true;
    job->functionCode = CModbusFrame::WriteMultipleRegisters;
    job->start = start;
    job->count = quint16(qMin(words.size(), 0xFFFF));
    job->words = words;
    job->done = done;
    enqueue(job);
}

void CModbusMaster::setPollFilter(const PollFilter &isPoll)
{
    m_isPoll = isPoll;
}

void CModbusMaster::buildRequest(const CRequest &request)
{
    auto job = std::make_shared<CModbusJob>();
    job->answerOnSignal = true;
    job->serverAddress = request.deviceAddress;
    job->start = request.startAddress;
    job->functionCode = request.functionCode;
    switch (request.functionCode) {
    case CRequest::ReadHoldingRegisters:
    case CRequest::ReadInputRegisters:
        job->count = request.registerCount;
        job->isStatusPoll = m_isPoll ? m_isPoll(request) : request.requestType == CRequest::CyclicRead;
        break;
    case CRequest::WriteSingleRegister:
    case CRequest::WriteMultipleRegisters: {
        job->isWrite = true;
        QDataStream in(request.data);
        while (!in.atEnd() && job->words.size() <= MaxWriteRegisters) {
            quint16 word = 0;
            in >> word;
            job->words.append(word);
        }
        job->count = quint16(job->words.size());
        if (job->count != 1)
            job->functionCode = CModbusFrame::WriteMultipleRegisters;
        break;
    }
    default:
        ++m_stats.errors;
        report(*job, CHostTr::tr("Modbus function %1 is not supported").arg(request.functionCode));
        return;
    }
    enqueue(job);
}

void CModbusMaster::enqueue(const std::shared_ptr<CModbusJob> &job)
{
    const int limit = job->isWrite ? MaxWriteRegisters : MaxReadRegisters;
    if (job->count == 0 || job->count > limit || job->words.size() > limit) {
        ++m_stats.errors;
        const QString reason = CHostTr::tr("%1 registers per request are not possible (1..%2)")
                                   .arg(qMax(int(job->count), job->words.size())).arg(limit);
        report(*job, reason);
        if (job->done)
            job->done(Result{false, job->start, {}, 0, reason});
        return;
    }
    if (!m_wanted) {
        // A closed link fails at once; cyclic polls against it are reported once.
        const QString reason = CHostTr::tr("The link to the device is not open");
        if (!job->isStatusPoll || !m_closedReported)
            report(*job, reason);
        else
            emit m_messages->logMessage(CHostTr::tr("%1 failed: %2").arg(job->describe(), reason));
        m_closedReported = m_closedReported || job->isStatusPoll;
        if (job->done)
            job->done(Result{false, job->start, {}, 0, reason});
        return;
    }
    job->attemptsLeft = job->isStatusPoll ? 1 : 1 + qMax(0, m_settings.retries);
    job->waitingSince = m_clock.elapsed();
    if (!m_pending->add(job)) {
        ++m_stats.skippedPolls;
        return;
    }
    if (m_state != Connected && !m_expiryTimer->isActive())
        m_expiryTimer->start(m_settings.responseTimeout);
    dispatch();
}

void CModbusMaster::dispatch()
{
    if (m_current || m_state != Connected || m_pauseTimer->isActive())
        return;
    const std::shared_ptr<CModbusJob> job = m_pending->takeNext();
    if (job)
        send(job);
}

void CModbusMaster::send(const std::shared_ptr<CModbusJob> &job)
{
    m_current = job;
    --job->attemptsLeft;
    m_request = CModbusFrame::Request();
    m_request.unitId = quint8(job->serverAddress ? job->serverAddress : m_settings.serverAddress);
    m_request.functionCode = job->verifying ? quint8(CModbusFrame::ReadHoldingRegisters) : job->functionCode;
    m_request.start = job->start;
    m_request.count = job->count;
    if (!job->verifying)
        m_request.words = job->words;
    m_request.transactionId = ++m_transaction;
    // Whatever arrived before this request is nobody's answer.
    m_received.clear();
    m_connection->takeReceived();
    const QByteArray frame = CModbusFrame::encode(m_settings.transport, m_request);
    if (!m_connection->write(frame)) {
        retryOrFail(CHostTr::tr("Request not sent: %1").arg(m_connection->failure().reason), Lost::Closed);
        return;
    }
    ++m_stats.sent;
    m_sentAt.start();
    reportRequest(job, frame);
    m_awaiting = true;
    m_attemptTimer->start(m_settings.responseTimeout);
}

void CModbusMaster::onReceived()
{
    const QByteArray bytes = m_connection->takeReceived();
    if (m_draining) {
        // Bytes keep coming: the quiet time starts again, within bounds.
        if (m_pausedAt.elapsed() < m_settings.responseTimeout)
            m_pauseTimer->start(quietTime(m_settings));
        else if (m_settings.transport == CLinkSettings::Tcp)
            resetLink();
        return;
    }
    if (!m_awaiting)
        return; // nobody's answer
    m_received += bytes;
    for (;;) {
        const CModbusFrame::Answer answer = CModbusFrame::check(m_settings.transport, m_request, m_received);
        if (answer.verdict == CModbusFrame::Verdict::Incomplete)
            return;
        if (answer.verdict != CModbusFrame::Verdict::Stale) {
            takeAnswer(answer);
            return;
        }
        ++m_stats.staleAnswers;
        emit m_messages->logMessage(CHostTr::tr("%1: skipped a late answer to an earlier attempt")
                                        .arg(m_current->describe()));
        m_received.remove(0, answer.size);
    }
}

void CModbusMaster::takeAnswer(const CModbusFrame::Answer &answer)
{
    switch (answer.verdict) {
    case CModbusFrame::Verdict::Answer:
        reportAttemptEnd(CTrafficRecord::Answered, m_received.left(answer.size));
        break;
    case CModbusFrame::Verdict::Exception:
        reportAttemptEnd(CTrafficRecord::Exception, m_received.left(answer.size));
        break;
    default:
        reportAttemptEnd(CTrafficRecord::Failed, m_received, answer.reason);
        break;
    }
    endAttempt();
    m_received.clear();
    switch (answer.verdict) {
    case CModbusFrame::Verdict::Answer:
        onAnswer(answer.registers);
        return;
    case CModbusFrame::Verdict::Exception:
        onException(answer.exceptionCode);
        return;
    default:
        ++m_stats.invalidAnswers;
        // What follows a bad frame cannot be trusted to be in step either.
        pause(quietTime(m_settings), true);
        retryOrFail(CHostTr::tr("Invalid answer from the device: %1").arg(answer.reason), Lost::Invalid);
        return;
    }
}

void CModbusMaster::onAnswer(const QVector<quint16> &registers)
{
    const std::shared_ptr<CModbusJob> job = m_current;
    ++m_stats.answered;
    m_stats.addRoundTrip(m_sentAt.nsecsElapsed() / 1000);
    if (!job->verifying) {
        finishCurrent(Result{true, job->start, job->isWrite ? QVector<quint16>() : registers, 0, QString()});
        return;
    }
    if (registers != job->words) {
        ++m_stats.errors;
        finishCurrent(Result{false, job->start, {}, 0,
                             CHostTr::tr("%1, and the device does not hold the values written").arg(job->lostReason)});
        return;
    }
    ++m_stats.verifiedWrites;
    emit m_messages->logMessage(CHostTr::tr("%1: %2; reading back shows the values written")
                                    .arg(job->describe(), job->lostReason));
    finishCurrent(Result{true, job->start, {}, 0, QString()});
}

void CModbusMaster::onException(int code)
{
    ++m_stats.exceptions;
    const QString reason = CHostTr::tr("Modbus exception %1 (%2)").arg(code).arg(CModbusFrame::exceptionText(code));
    if (code == CModbusFrame::ServerDeviceBusy) {
        pause(BusyPauseMs, false);
        retryOrFail(reason, Lost::Busy, code);
        return;
    }
    finishCurrent(Result{false, m_current->start, {}, code, reason});
}

void CModbusMaster::onAttemptTimeout()
{
    if (!m_current || !m_awaiting)
        return;
    ++m_stats.timeouts;
    reportAttemptEnd(CTrafficRecord::Timeout, QByteArray());
    endAttempt();
    const QString reason = CHostTr::tr("No answer within %1 ms").arg(m_settings.responseTimeout);
    if (m_settings.transport == CLinkSettings::Tcp) {
        // The stream may hold the start of a frame that never completes;
        // a fresh connection is in step (and proves the device is there).
        resetLink();
    } else {
        pause(quietTime(m_settings), true);
    }
    retryOrFail(reason, Lost::Timeout);
}

void CModbusMaster::endAttempt()
{
    m_attemptTimer->stop();
    m_awaiting = false;
}

// Holds the next request back for ms; with drain, every byte arriving
// meanwhile is dropped and starts the quiet time again.
void CModbusMaster::pause(int ms, bool drain)
{
    m_draining = drain;
    m_pausedAt.start();
    m_pauseTimer->start(ms);
}

void CModbusMaster::onPauseEnd()
{
    m_draining = false;
    m_connection->takeReceived();
    dispatch();
}

void CModbusMaster::retryOrFail(const QString &reason, Lost lost, int exceptionCode)
{
    const std::shared_ptr<CModbusJob> job = m_current;
    if (!job)
        return;
    if (job->isWrite && !job->verifying && lost != Lost::Busy)
        job->lostReason = reason;
    if (job->attemptsLeft > 0 || (job->isWrite && !job->verifying && !job->lostReason.isEmpty())) {
        if (job->attemptsLeft > 0) {
            ++m_stats.retries;
            emit m_messages->logMessage(CHostTr::tr("%1: %2, retrying").arg(job->describe(), reason));
        } else {
            // The device may have taken the write: what it holds decides.
            job->verifying = true;
            job->attemptsLeft = 1;
            emit m_messages->logMessage(
                CHostTr::tr("%1: %2, reading back what the device holds").arg(job->describe(), reason));
        }
        m_current.reset();
        job->waitingSince = m_clock.elapsed();
        m_pending->putBack(job);
        dispatch();
        return;
    }
    if (lost != Lost::Timeout)
        ++m_stats.errors;
    finishCurrent(Result{false, job->start, {}, exceptionCode, reason});
}

void CModbusMaster::finishCurrent(const Result &outcome)
{
    const std::shared_ptr<CModbusJob> job = m_current;
    m_current.reset();
    Result result = outcome;
    if (!result.ok && job->verifying && !job->lostReason.isEmpty()) {
        result.exceptionCode = 0;
        result.error = CHostTr::tr("%1, and reading back failed: %2").arg(job->lostReason, outcome.error);
    }
    if (!result.ok)
        report(*job, result.error);
    if (result.ok && job->answerOnSignal)
        emit dataResponse(packResponse(job->start, job->isWrite ? job->words : result.registers));
    if (job->done)
        job->done(result);
    dispatch();
}

void CModbusMaster::failAllPending(const QString &reason)
{
    const QList<std::shared_ptr<CModbusJob>> jobs = m_pending->takeAll();
    for (const std::shared_ptr<CModbusJob> &job : qAsConst(jobs)) {
        report(*job, reason);
        if (job->done)
            job->done(Result{false, job->start, {}, 0, reason});
    }
}

// An error goes out once, on the error channel; a quiet request's caller
// reports its failure itself, by parameter.
void CModbusMaster::report(const CModbusJob &job, const QString &reason)
{
    if (!job.quiet)
        emit m_messages->errorMessage(linkTitle(), CHostTr::tr("%1 failed: %2").arg(job.describe(), reason));
}

bool CModbusMaster::isTrafficWatched() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&CModbusMaster::traffic));
}

void CModbusMaster::reportRequest(const std::shared_ptr<CModbusJob> &job, const QByteArray &frame)
{
    const bool repeat = m_attemptJob.lock() == job;
    m_attemptJob = job;
    if (!isTrafficWatched())
        return;
    m_attempt = CTrafficRecord::sent(m_attempt.attempt + 1, m_request, m_settings.transport, frame, repeat);
    emit traffic(m_attempt);
}

void CModbusMaster::reportAttemptEnd(CTrafficRecord::Outcome outcome, const QByteArray &frame, const QString &error)
{
    if (isTrafficWatched())
        emit traffic(m_attempt.ended(outcome, m_settings.transport, frame, error, m_sentAt.nsecsElapsed() / 1000));
}

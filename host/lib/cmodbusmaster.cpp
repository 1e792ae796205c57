#include "cmodbusmaster.h"

#include "cframeguard.h"
#include "chosttr.h"
#include "clinkfailure.h"
#include "widgets/cmessagesender.h"

#include <QDataStream>
#include <QLocale>
#include <QModbusDataUnit>
#include <QModbusReply>
#include <QModbusRtuSerialMaster>
#include <QModbusTcpClient>
#include <QSerialPort>
#include <QTcpSocket>
#include <QTimer>
#include <QVariant>

// One request as the master keeps it from enqueueing to completion.
struct CModbusMaster::Job
{
    bool isWrite = false;
    bool isStatusPoll = false;
    bool answerOnSignal = false; // came through buildRequest: answer on dataResponse
    bool quiet = false;          // failures go to the log only
    QModbusDataUnit::RegisterType registerType = QModbusDataUnit::HoldingRegisters;
    int serverAddress = 0;
    quint16 start = 0;
    quint16 count = 0;
    QVector<quint16> words;
    int attemptsLeft = 0;
    Completion done;

    QString describe() const
    {
        const QString range = count > 1
            ? QStringLiteral("0x%1..0x%2").arg(start, 4, 16, QLatin1Char('0'))
                  .arg(int(start) + count - 1, 4, 16, QLatin1Char('0'))
            : QStringLiteral("0x%1").arg(start, 4, 16, QLatin1Char('0'));
        if (count == 1)
            return isWrite ? CHostTr::tr("Writing register %1 (1 register)").arg(range)
                           : CHostTr::tr("Reading register %1 (1 register)").arg(range);
        return isWrite ? CHostTr::tr("Writing register %1 (%2 registers)").arg(range).arg(count)
                       : CHostTr::tr("Reading register %1 (%2 registers)").arg(range).arg(count);
    }
};

namespace {

const int ResetReconnectDelay = 0; // after our own resynchronising close
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

} // namespace

CModbusMaster::CModbusMaster(QObject *parent)
    : QObject(parent)
    , m_messages(new CMessageSender(this))
    , m_attemptTimer(new QTimer(this))
    , m_connectTimer(new QTimer(this))
    , m_reconnectTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("ModbusMaster"));
    qRegisterMetaType<CRequest>("CRequest");
    m_attemptTimer->setSingleShot(true);
    m_connectTimer->setSingleShot(true);
    m_reconnectTimer->setSingleShot(true);
    connect(m_attemptTimer, &QTimer::timeout, this, &CModbusMaster::onAttemptTimeout);
    connect(m_reconnectTimer, &QTimer::timeout, this, &CModbusMaster::openClient);
    // Behind the frame guard the client may be connected while the device
    // side is not: the master's own state decides.
    connect(m_connectTimer, &QTimer::timeout, this, [this]() {
        if (m_client && m_state != Connected)
            m_client->disconnectDevice();
    });
}

CModbusMaster::~CModbusMaster()
{
    m_wanted = false;
    if (m_client)
        m_client->disconnect(this);
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
    return m_queue.size() + (m_statusPoll ? 1 : 0);
}

bool CModbusMaster::isIdle() const
{
    return !m_current && pendingCount() == 0;
}

QString CModbusMaster::exceptionText(int code)
{
    switch (code) {
    case 1: return CHostTr::tr("illegal function");
    case 2: return CHostTr::tr("illegal data address");
    case 3: return CHostTr::tr("illegal data value");
    case 4: return CHostTr::tr("server device failure");
    case 5: return CHostTr::tr("acknowledge");
    case 6: return CHostTr::tr("server device busy");
    case 8: return CHostTr::tr("memory parity error");
    case 10: return CHostTr::tr("gateway path unavailable");
    case 11: return CHostTr::tr("gateway target device failed to respond");
    default: return CHostTr::tr("unknown exception");
    }
}

// ---------------------------------------------------------------- connection

void CModbusMaster::connectDevice()
{
    m_wanted = true;
    m_lossReported = false;
    m_closedReported = false;
    m_reconnectDelay = 0;
    setReason(QString());
    if (m_client) {
        m_client->disconnect(this);
        m_client->disconnectDevice();
        m_client->deleteLater();
        m_client = nullptr;
    }
    delete m_guard;
    m_guard = nullptr;
    createClient();
    openClient();
}

void CModbusMaster::disconnectDevice()
{
    m_wanted = false;
    setReason(QString());
    m_reconnectTimer->stop();
    m_connectTimer->stop();
    abandonReply();
    if (m_current)
        finishCurrent(Result{false, m_current->start, {}, 0, CHostTr::tr("Link closed")});
    failAllPending(CHostTr::tr("Link closed"));
    if (m_client)
        m_client->disconnectDevice();
    setState(Disconnected);
}

void CModbusMaster::createClient()
{
    if (m_settings.transport == CLinkSettings::Rtu) {
        m_client = new QModbusRtuSerialMaster(this);
        m_client->setConnectionParameter(QModbusDevice::SerialPortNameParameter, m_settings.serialPort);
        m_client->setConnectionParameter(QModbusDevice::SerialBaudRateParameter, m_settings.baudRate);
        m_client->setConnectionParameter(QModbusDevice::SerialParityParameter, m_settings.parity);
        m_client->setConnectionParameter(QModbusDevice::SerialDataBitsParameter, m_settings.dataBits);
        m_client->setConnectionParameter(QModbusDevice::SerialStopBitsParameter, m_settings.stopBits);
    } else {
        m_client = new QModbusTcpClient(this);
        QString host = m_settings.host;
        quint16 port = m_settings.port;
        if (m_settings.checkFrames) {
            m_guard = new CFrameGuard(this);
            if (m_guard->listen()) {
                m_guard->setTarget(host, port);
                host = QStringLiteral("127.0.0.1");
                port = m_guard->localPort();
                connect(m_guard, &CFrameGuard::upstreamOpened, this, [this]() {
                    if (m_client->state() == QModbusDevice::ConnectedState)
                        becomeConnected();
                });
                connect(m_guard, &CFrameGuard::frameRejected, this, &CModbusMaster::onFrameRejected);
            } else {
                delete m_guard;
                m_guard = nullptr;
            }
        }
        m_client->setConnectionParameter(QModbusDevice::NetworkAddressParameter, host);
        m_client->setConnectionParameter(QModbusDevice::NetworkPortParameter, port);
    }
    // Retries are ours. Our timer ends every attempt; on a serial line Qt's
    // own timer, a little shorter, lets its queue move on before ours fires.
    m_client->setTimeout(m_settings.transport == CLinkSettings::Rtu ? qMax(10, m_settings.responseTimeout - 20)
                                                                    : m_settings.responseTimeout);
    m_client->setNumberOfRetries(0);
    connect(m_client, &QModbusDevice::stateChanged, this, &CModbusMaster::onClientStateChanged);
}

void CModbusMaster::openClient()
{
    if (!m_wanted || !m_client)
        return;
    setState(Connecting);
    m_connectTimer->start(m_settings.connectTimeout);
    if (!m_client->connectDevice()) {
        // A port that does not open has already reported its state change;
        // a client still closing gets another go.
        m_connectTimer->stop();
        if (m_client->state() != QModbusDevice::UnconnectedState)
            scheduleReconnect();
    }
}

void CModbusMaster::onClientStateChanged(QModbusDevice::State state)
{
    if (state == QModbusDevice::ConnectedState) {
        // Requests are single small frames: send each at once, no coalescing.
        if (auto *socket = m_client->findChild<QTcpSocket *>())
            socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        // Behind the frame guard the device side may still be opening.
        if (!m_guard || m_guard->isUpstreamOpen())
            becomeConnected();
        return;
    }
    if (state != QModbusDevice::UnconnectedState)
        return;
    m_connectTimer->stop();
    const bool wasConnected = m_state == Connected;
    const bool resetting = m_resetting;
    m_resetting = false;
    // The state changes first, so a retry below waits for the next connection.
    setState(m_wanted ? Connecting : Disconnected);
    if (m_current && !m_reply.isNull()) {
        abandonReply();
        retryOrFail(CHostTr::tr("Connection closed by the device"), false);
    }
    if (!m_wanted)
        return;
    if (resetting) {
        m_reconnectTimer->start(ResetReconnectDelay);
        return;
    }
    // The socket's error text is set only after this state change.
    QTimer::singleShot(0, this, [this, wasConnected]() { reportLoss(wasConnected); });
}

void CModbusMaster::becomeConnected()
{
    if (m_state == Connected)
        return;
    m_connectTimer->stop();
    m_reconnectDelay = 0;
    setReason(QString());
    if (m_lossReported)
        emit m_messages->logMessage(CHostTr::tr("Device link restored"));
    m_lossReported = false;
    setState(Connected);
    dispatch();
}

void CModbusMaster::onFrameRejected(const QString &reason, bool desynchronised)
{
    const QString text = CHostTr::tr("Invalid answer from the device: %1").arg(reason);
    if (!desynchronised || !m_current) {
        ++m_stats.errors;
        const QString context = m_current ? m_current->describe() + QStringLiteral(": ") : QString();
        emit m_messages->errorMessage(linkTitle(), context + text);
        return;
    }
    // The guard closes the connection; the attempt ends here and the link
    // reopens at once.
    abandonReply();
    m_resetting = true;
    setState(Connecting);
    retryOrFail(text, false);
}

void CModbusMaster::reportLoss(bool wasConnected)
{
    if (!m_wanted || m_state == Connected)
        return;
    const QString target = m_settings.transport == CLinkSettings::Tcp
        ? QStringLiteral("%1:%2").arg(m_settings.host).arg(m_settings.port)
        : m_settings.serialPort;
    const CLinkFailure failure = currentFailure();
    const QString reason = wasConnected
        ? CHostTr::tr("Connection to the device at %1 lost: %2").arg(target, failure.reason)
        : CHostTr::tr("Cannot connect to the device at %1: %2").arg(target, failure.reason);
    if (failure.permanent) {
        // Trying again cannot help: the link ends here and says why.
        m_wanted = false;
        m_reconnectTimer->stop();
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
    if (!wasConnected)
        failAllPending(reason);
    scheduleReconnect();
    setReason(CHostTr::tr("%1; next attempt in %2 s")
                  .arg(failure.reason, QLocale().toString(m_reconnectDelay / 1000.0, 'f', 1)));
}

CLinkFailure CModbusMaster::currentFailure() const
{
    if (m_settings.transport == CLinkSettings::Rtu) {
        if (const auto *port = m_client ? m_client->findChild<QSerialPort *>() : nullptr)
            return CLinkFailure::fromSerialPort(port->error(), port->errorString());
    } else if (m_guard && m_guard->upstreamErrorCode() != QAbstractSocket::UnknownSocketError) {
        return CLinkFailure::fromSocket(m_guard->upstreamErrorCode(), m_guard->upstreamError());
    } else if (const auto *socket = m_client ? m_client->findChild<QTcpSocket *>() : nullptr) {
        if (socket->error() != QAbstractSocket::UnknownSocketError)
            return CLinkFailure::fromSocket(socket->error(), socket->errorString());
    }
    return {false, CHostTr::tr("no response")};
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

// ------------------------------------------------------------------ requests

void CModbusMaster::read(quint16 start, quint16 count, const Completion &done, bool reportFailure)
{
    auto job = std::make_shared<Job>();
    job->quiet = !reportFailure;
    job->start = start;
    job->count = count;
    job->done = done;
    enqueue(job);
}

void CModbusMaster::write(quint16 start, const QVector<quint16> &words, const Completion &done,
                          bool reportFailure)
{
    auto job = std::make_shared<Job>();
    job->quiet = !reportFailure;
    job->isWrite = true;
    job->start = start;
    job->count = quint16(words.size());
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
    auto job = std::make_shared<Job>();
    job->answerOnSignal = true;
    job->serverAddress = request.deviceAddress;
    job->start = request.startAddress;
    switch (request.functionCode) {
    case CRequest::ReadHoldingRegisters:
    case CRequest::ReadInputRegisters:
        job->registerType = request.functionCode == CRequest::ReadInputRegisters ? QModbusDataUnit::InputRegisters
                                                                                 : QModbusDataUnit::HoldingRegisters;
        job->count = request.registerCount;
        job->isStatusPoll = m_isPoll ? m_isPoll(request) : request.requestType == CRequest::CyclicRead;
        break;
    case CRequest::WriteSingleRegister:
    case CRequest::WriteMultipleRegisters: {
        job->isWrite = true;
        QDataStream in(request.data);
        while (!in.atEnd()) {
            quint16 word = 0;
            in >> word;
            job->words.append(word);
        }
        job->count = quint16(job->words.size());
        break;
    }
    default:
        ++m_stats.errors;
        report(*job, CHostTr::tr("Modbus function %1 is not supported").arg(request.functionCode));
        return;
    }
    enqueue(job);
}

void CModbusMaster::enqueue(const std::shared_ptr<Job> &job)
{
    const int limit = job->isWrite ? MaxWriteRegisters : MaxReadRegisters;
    if (job->count == 0 || job->count > limit) {
        ++m_stats.errors;
        const QString reason = CHostTr::tr("%1 registers per request are not possible (1..%2)")
                                   .arg(job->count).arg(limit);
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
    if (job->isStatusPoll) {
        if (m_statusPoll) {
            ++m_stats.skippedPolls;
            return;
        }
        m_statusPoll = job;
    } else {
        m_queue.append(job);
    }
    dispatch();
}

void CModbusMaster::dispatch()
{
    if (m_current || m_state != Connected)
        return;
    std::shared_ptr<Job> job;
    if (!m_queue.isEmpty())
        job = m_queue.takeFirst();
    else
        std::swap(job, m_statusPoll);
    if (job)
        send(job);
}

void CModbusMaster::send(const std::shared_ptr<Job> &job)
{
    m_current = job;
    --job->attemptsLeft;
    const int server = job->serverAddress ? job->serverAddress : m_settings.serverAddress;
    QModbusDataUnit unit(job->registerType, job->start, job->count);
    if (job->isWrite)
        unit.setValues(job->words);
    ++m_stats.sent;
    m_sentAt.start();
    QModbusReply *reply = job->isWrite ? m_client->sendWriteRequest(unit, server)
                                       : m_client->sendReadRequest(unit, server);
    if (!reply) {
        ++m_stats.errors;
        finishCurrent(Result{false, job->start, {}, 0,
                             CHostTr::tr("Request not sent: %1").arg(m_client->errorString())});
        return;
    }
    m_reply = reply;
    m_attemptTimer->start(m_settings.responseTimeout);
    if (reply->isFinished()) {
        onReplyFinished(reply);
        return;
    }
    connect(reply, &QModbusReply::finished, this, [this, reply]() { onReplyFinished(reply); });
}

void CModbusMaster::onReplyFinished(QModbusReply *reply)
{
    reply->deleteLater();
    if (reply != m_reply || !m_current)
        return; // an abandoned attempt
    m_reply = nullptr;
    m_attemptTimer->stop();
    const std::shared_ptr<Job> job = m_current;
    switch (reply->error()) {
    case QModbusDevice::NoError: {
        const QVector<quint16> values = job->isWrite ? QVector<quint16>() : reply->result().values();
        if (!job->isWrite && values.size() != job->count) {
            ++m_stats.errors;
            finishCurrent(Result{false, job->start, {}, 0,
                                 CHostTr::tr("The answer holds %1 registers instead of %2")
                                     .arg(values.size()).arg(job->count)});
            return;
        }
        ++m_stats.answered;
        recordRoundTrip(m_sentAt.nsecsElapsed() / 1000);
        finishCurrent(Result{true, job->start, values, 0, QString()});
        return;
    }
    case QModbusDevice::ProtocolError: {
        ++m_stats.exceptions;
        // An exception response carries its code as the only data byte (read
        // from the data: the PDU's function code does not fit its enum type).
        const QByteArray data = reply->rawResult().data();
        const int code = data.isEmpty() ? 0 : quint8(data.at(0));
        finishCurrent(Result{false, job->start, {}, code,
                             CHostTr::tr("Modbus exception %1 (%2)").arg(code).arg(exceptionText(code))});
        return;
    }
    case QModbusDevice::TimeoutError:
        onAttemptTimeout();
        return;
    case QModbusDevice::ReplyAbortedError:
    case QModbusDevice::ConnectionError:
        retryOrFail(CHostTr::tr("Connection closed during the request"), false);
        return;
    default:
        ++m_stats.errors;
        finishCurrent(Result{false, job->start, {}, 0,
                             CHostTr::tr("Invalid answer: %1").arg(reply->errorString())});
        return;
    }
}

void CModbusMaster::onAttemptTimeout()
{
    if (!m_current)
        return;
    ++m_stats.timeouts;
    abandonReply();
    // A TCP stream may now hold the start of a frame that never completes;
    // only a fresh connection gets the framing back in step.
    if (m_settings.transport == CLinkSettings::Tcp && m_client
        && m_client->state() == QModbusDevice::ConnectedState) {
        m_resetting = true;
        setState(Connecting);
        retryOrFail(CHostTr::tr("No answer within %1 ms").arg(m_settings.responseTimeout), true);
        m_client->disconnectDevice();
        return;
    }
    retryOrFail(CHostTr::tr("No answer within %1 ms").arg(m_settings.responseTimeout), true);
}

void CModbusMaster::abandonReply()
{
    m_attemptTimer->stop();
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->deleteLater();
    }
    m_reply = nullptr;
}

void CModbusMaster::retryOrFail(const QString &reason, bool timeout)
{
    const std::shared_ptr<Job> job = m_current;
    if (!job)
        return;
    if (job->attemptsLeft > 0) {
        ++m_stats.retries;
        emit m_messages->logMessage(CHostTr::tr("%1: %2, retrying").arg(job->describe(), reason));
        m_current.reset();
        m_queue.prepend(job);
        dispatch();
        return;
    }
    if (!timeout)
        ++m_stats.errors;
    finishCurrent(Result{false, job->start, {}, 0, reason});
}

void CModbusMaster::finishCurrent(const Result &result)
{
    const std::shared_ptr<Job> job = m_current;
    m_current.reset();
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
    QList<std::shared_ptr<Job>> jobs = m_queue;
    m_queue.clear();
    if (m_statusPoll)
        jobs.append(m_statusPoll);
    m_statusPoll.reset();
    for (const std::shared_ptr<Job> &job : qAsConst(jobs)) {
        report(*job, reason);
        if (job->done)
            job->done(Result{false, job->start, {}, 0, reason});
    }
}

// An error goes out once, on the error channel; a quiet request's caller
// reports its failure itself, by parameter.
void CModbusMaster::report(const Job &job, const QString &reason)
{
    if (!job.quiet)
        emit m_messages->errorMessage(linkTitle(), CHostTr::tr("%1 failed: %2").arg(job.describe(), reason));
}

void CModbusMaster::recordRoundTrip(qint64 microseconds)
{
    m_stats.lastRoundTripUs = microseconds;
    m_stats.totalRoundTripUs += microseconds;
    if (m_stats.answered == 1 || microseconds < m_stats.minRoundTripUs)
        m_stats.minRoundTripUs = microseconds;
    m_stats.maxRoundTripUs = qMax(m_stats.maxRoundTripUs, microseconds);
}

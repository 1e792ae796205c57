#include "cdeviceconnection.h"

#include "chosttr.h"
#include "loomworklogging.h"
#include "widgets/cmessagesender.h"

#include <QEventLoop>
#include <QMetaEnum>
#include <QTimer>

CDeviceConnection::CDeviceConnection(CModbusMaster *master, QObject *parent)
    : QObject(parent)
    , m_master(master)
{
    connect(m_master, &CModbusMaster::stateChanged, this, &CDeviceConnection::onStateChanged);
    // The master's own reason (no such port, the next attempt) as it changes.
    connect(m_master, &CModbusMaster::stateReasonChanged, this,
            [this] { emit stateChanged(state(), downReason()); });
    // What the master tells its host (retries, read-backs, failures) is the
    // link's story for a program without a log window too.
    CMessageSender *messages = m_master->messageSender();
    connect(messages, &CMessageSender::logMessage, this, [](const QString &text) { qCInfo(lcLink).noquote() << text; });
    connect(messages, &CMessageSender::warningMessage, this,
            [](const QString &title, const QString &text) { qCInfo(lcLink).noquote() << title << text; });
    connect(messages, &CMessageSender::errorMessage, this,
            [](const QString &title, const QString &text) { qCInfo(lcLink).noquote() << title << text; });
}

void CDeviceConnection::open(const CLinkSettings &settings)
{
    m_downReason.clear();
    m_openPending = true;
    m_master->setSettings(settings);
    m_master->connectDevice();
}

bool CDeviceConnection::openAndWait(const CLinkSettings &settings, QString *error)
{
    QEventLoop loop;
    connect(this, &CDeviceConnection::opened, &loop, &QEventLoop::quit);
    connect(m_master->messageSender(), &CMessageSender::errorMessage, &loop,
            [&](const QString &, const QString &text) {
                *error = text;
                loop.quit();
            });
    QTimer::singleShot(settings.connectTimeout + 500, &loop, &QEventLoop::quit);
    open(settings);
    if (state() != CModbusMaster::Connected)
        loop.exec();
    if (state() == CModbusMaster::Connected)
        return true;
    if (error->isEmpty())
        *error = CHostTr::tr("no connection within %1 ms").arg(settings.connectTimeout);
    close();
    return false;
}

void CDeviceConnection::close()
{
    m_openPending = false;
    m_master->disconnectDevice();
}

CModbusMaster::State CDeviceConnection::state() const
{
    return m_master->state();
}

QString CDeviceConnection::downReason() const
{
    return m_downReason.isEmpty() ? m_master->stateReason() : m_downReason;
}

void CDeviceConnection::setDownReason(const QString &reason)
{
    m_downReason = reason;
    emit stateChanged(state(), downReason());
}

void CDeviceConnection::setPollingQuery(const std::function<bool()> &isPolling)
{
    m_isPolling = isPolling;
}

void CDeviceConnection::onStateChanged(CModbusMaster::State state)
{
    if (state == CModbusMaster::Connecting && m_isPolling && m_isPolling())
        m_resume = true;
    else if (state == CModbusMaster::Disconnected)
        m_resume = false;
    if (state != CModbusMaster::Disconnected)
        m_downReason.clear();
    qCInfo(lcLink).noquote() << "link" << QMetaEnum::fromType<CModbusMaster::State>().valueToKey(state)
                             << downReason();
    emit stateChanged(state, downReason());
    if (state != CModbusMaster::Connected)
        return;
    if (m_openPending) {
        m_openPending = false;
        m_resume = false;
        emit opened();
    } else if (m_resume) {
        m_resume = false;
        emit resumed();
    }
}

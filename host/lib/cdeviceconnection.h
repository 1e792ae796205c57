#ifndef CDEVICECONNECTION_H
#define CDEVICECONNECTION_H

#include "clinksettings.h"
#include "cmodbusmaster.h"
#include "loomworkhost_global.h"

#include <QObject>
#include <QString>

#include <functional>

// Brings a device on line through the session's master and says what the
// link's changes mean to a host: once a link the host opened is up, the
// parameters are due to be read (opened()); when a link that was up only
// resynchronised (the master reconnects by itself) and the host was polling,
// the polling is due to go on (resumed()); when the link is down, why.
// GUI and CLI open their links through it.
class LOOMWORKHOST_EXPORT CDeviceConnection : public QObject
{
    Q_OBJECT

public:
    // master is not owned; it must outlive the connection.
    explicit CDeviceConnection(CModbusMaster *master, QObject *parent = nullptr);

    // Opens the link with settings (the master's settings become them);
    // opened() follows once it is up.
    void open(const CLinkSettings &settings);
    // Opens the link and waits, running the event loop, until it is up or
    // the connect timeout has passed. False (with *error, the master's
    // reason when it gave one) when no link came up; the master is then
    // disconnected.
    bool openAndWait(const CLinkSettings &settings, QString *error);
    void close();
    CModbusMaster::State state() const;

    // Why the link is down or not yet up, beside its state: what the host
    // said (a simulator that ended), else the master's reason (no such port,
    // the next attempt); "" when up or not known.
    QString downReason() const;
    void setDownReason(const QString &reason);

    // Tells whether the host is polling (asked when a link starts to
    // resynchronise); without it nothing is resumed.
    void setPollingQuery(const std::function<bool()> &isPolling);

signals:
    void stateChanged(CModbusMaster::State state, const QString &downReason);
    // The link opened by open() is up: time to read the device.
    void opened();
    // The link is back after resynchronising while the host was polling.
    void resumed();

private:
    void onStateChanged(CModbusMaster::State state);

    CModbusMaster *m_master;
    std::function<bool()> m_isPolling;
    QString m_downReason;
    bool m_openPending = false; // open() waits for the link
    bool m_resume = false;      // polling ran when the link began to resynchronise
};

#endif // CDEVICECONNECTION_H

#ifndef CBUSSCANNER_H
#define CBUSSCANNER_H

#include "cidentityreader.h"
#include "clinksettings.h"
#include "loomworkhost_global.h"

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QTimer>

class CDeviceSession;
class CLoomworkPlugin;

// Finds the devices on a link: asks every unit id of a range for its
// nameplate, one request each, at each link setting of the plan in turn
// (see CScanPlan), and reports every unit id that answers, with its nameplate
// or with the Modbus exception it answered. It stops after the first setting
// at which a device answered (devices on one line share its settings),
// unless told to try them all. It uses the session's master and items, not
// its plugin; the session must not be in other use meanwhile.
class LOOMWORKHOST_EXPORT CBusScanner : public QObject
{
    Q_OBJECT

public:
    // One unit id that answered.
    struct Hit
    {
        CLinkSettings link; // with the unit id as server address
        int unitId = 0;
        CIdentityReader::Answer answer;
    };

    // session: items, device data and the master to scan with; plugin (may
    // be null) names the models. Neither is owned.
    CBusScanner(CDeviceSession *session, CLoomworkPlugin *plugin, QObject *parent = nullptr);
    ~CBusScanner() override;

    void setCandidates(const QList<CLinkSettings> &candidates);
    // The unit ids to ask, first to last (1 .. 247).
    void setUnitIds(int first, int last);
    // Time limit of each request (0, the default: the plan's for the line).
    void setTimeout(int milliseconds);
    // Whether to try the remaining settings once a device answered (false).
    void setAllSettings(bool all);

    // Starts the scan; progress and results come from the event loop.
    void start();
    // Ends the scan after the request on the wire; finished(false) follows.
    void cancel();
    bool isRunning() const;

    const QList<Hit> &hits() const;
    // Registers each request reads.
    int requestRegisters() const;
    // Why the scan ended early (empty after a complete scan).
    QString errorString() const;

signals:
    // The scan now tries link.
    void linkStarted(const CLinkSettings &link);
    void deviceFound(const CBusScanner::Hit &hit);
    // done of total requests (unit ids times settings at most).
    void progress(int done, int total);
    // The scan ended: complete, or cancelled or failed (errorString()).
    void finished(bool complete);

private:
    void startCandidate();
    void onConnectFailed(const QString &reason);
    void probeNext();
    void onAnswer(const CIdentityReader::Answer &answer);
    void finish(bool complete, const QString &error = QString());

    CDeviceSession *m_session;
    CIdentityReader m_reader;
    QList<CLinkSettings> m_candidates;
    QList<Hit> m_hits;
    QTimer m_watchdog;
    QMetaObject::Connection m_connectWatch;
    QMetaObject::Connection m_errorWatch;
    QString m_error;
    CLinkSettings m_link;
    int m_first = 1;
    int m_last = 247;
    int m_timeout = 0;
    int m_candidate = 0;
    int m_unitId = 0;
    int m_done = 0;
    int m_foundHere = 0; // at the current setting
    bool m_all = false;
    bool m_running = false;
    bool m_ended = true; // finished was emitted for the last start
};

Q_DECLARE_METATYPE(CBusScanner::Hit)

#endif // CBUSSCANNER_H

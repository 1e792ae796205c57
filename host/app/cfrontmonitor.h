#ifndef CFRONTMONITOR_H
#define CFRONTMONITOR_H

#include "cmodbusmaster.h"

#include <QObject>
#include <QPointer>

class CBaseWidget;
class CFrontOverlay;
class CPushButton;
class QTimer;

// Watches how current the device front is and keeps the user from reading
// an old value as a live one. The front shows no number before the first
// status answer; when cyclic reading stops, the link drops or the answers
// stop coming, its display is blanked (LED off) and veiled with the reason.
// Its read button shows a stop symbol while cyclic reading runs.
class CFrontMonitor : public QObject
{
    Q_OBJECT

public:
    // How current the front is.
    enum Freshness { NotConnected, Stopped, Waiting, Live, NoAnswer };
    Q_ENUM(Freshness)

    // front is the host's (not owned); master carries its requests.
    CFrontMonitor(CBaseWidget *front, CModbusMaster *master, QObject *parent = nullptr);

    Freshness freshness() const;
    // Why the front is not current (empty while live).
    QString reason() const;
    CFrontOverlay *overlay() const;

    // The front's cyclic-read button, or null.
    CPushButton *readButton() const;
    bool isReading() const;
    // Checks or unchecks the read button (when enabled).
    void setReading(bool on);
    // The front's cycle interval in milliseconds.
    void setCycleInterval(int milliseconds);
    int cycleInterval() const;

    // Texts again, after a language change.
    void retranslate();

signals:
    void readingChanged(bool on);
    void freshnessChanged(CFrontMonitor::Freshness freshness);

private:
    void decorateReadButton();
    void onLinkState(CModbusMaster::State state);
    void onReadToggled(bool on);
    void onAnswer();
    void setFreshness(Freshness freshness);
    void blankDisplay();
    void restartOverdueTimer();

    QPointer<CBaseWidget> m_front;
    CModbusMaster *m_master;
    CFrontOverlay *m_overlay = nullptr;
    QTimer *m_overdue;
    QTimer *m_blanker;
    int m_blanksLeft = 0;
    int m_interval = 1000;
    Freshness m_freshness = NotConnected;
};

#endif // CFRONTMONITOR_H

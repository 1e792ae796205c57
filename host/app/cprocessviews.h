#ifndef CPROCESSVIEWS_H
#define CPROCESSVIEWS_H

#include <QObject>

class CDeviceSession;
class CTrafficMonitor;
class CTrendView;
class QAction;
class QDockWidget;
class QMainWindow;
class QMenu;

// The window's views of the running process: the trend (with recording to
// a file) and the traffic monitor, each in a dock the View menu shows and
// hides, tabbed at the bottom of the window.
class CProcessViews : public QObject
{
    Q_OBJECT

public:
    // session is not owned and must outlive the views.
    CProcessViews(CDeviceSession *session, QMainWindow *window);

    // The View menu, for the window to place in its menu bar.
    QMenu *viewMenu() const;
    QAction *recordAction() const;
    CTrendView *trend() const;
    CTrafficMonitor *monitor() const;
    QDockWidget *trendDock() const;
    QDockWidget *trafficDock() const;

    // The session has loaded a device: the trend samples its status.
    void deviceLoaded();
    void setPollInterval(int milliseconds);
    void retranslate(const QString &language);

signals:
    void errorMessage(const QString &title, const QString &text);
    void logMessage(const QString &text);

private:
    QDockWidget *createDock(const QString &name, QWidget *content, QMainWindow *window);

    CTrendView *m_trend;
    CTrafficMonitor *m_monitor;
    QDockWidget *m_trendDock;
    QDockWidget *m_trafficDock;
    QMenu *m_viewMenu;
};

#endif // CPROCESSVIEWS_H

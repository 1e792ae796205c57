#include "cprocessviews.h"

#include "cdevicesession.h"
#include "chostapptr.h"
#include "ctrafficmonitor.h"
#include "ctrendview.h"

#include <QAction>
#include <QDockWidget>
#include <QMainWindow>
#include <QMenu>

CProcessViews::CProcessViews(CDeviceSession *session, QMainWindow *window)
    : QObject(window)
    , m_trend(new CTrendView(session, window))
    , m_monitor(new CTrafficMonitor(session->master(), window))
    , m_viewMenu(new QMenu(window))
{
    m_trendDock = createDock(QStringLiteral("TrendDock"), m_trend, window);
    m_trafficDock = createDock(QStringLiteral("TrafficDock"), m_monitor, window);
    window->tabifyDockWidget(m_trendDock, m_trafficDock);
    m_trendDock->raise();
    m_viewMenu->addAction(m_trendDock->toggleViewAction());
    m_viewMenu->addAction(m_trafficDock->toggleViewAction());
    connect(m_trend, &CTrendView::errorMessage, this, &CProcessViews::errorMessage);
    connect(m_trend, &CTrendView::logMessage, this, &CProcessViews::logMessage);
}

QDockWidget *CProcessViews::createDock(const QString &name, QWidget *content, QMainWindow *window)
{
    auto *dock = new QDockWidget(window);
    dock->setObjectName(name);
    dock->setWidget(content);
    dock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable
                      | QDockWidget::DockWidgetFloatable);
    window->addDockWidget(Qt::BottomDockWidgetArea, dock, Qt::Vertical);
    return dock;
}

QMenu *CProcessViews::viewMenu() const { return m_viewMenu; }
QAction *CProcessViews::recordAction() const { return m_trend->recordAction(); }
CTrendView *CProcessViews::trend() const { return m_trend; }
CTrafficMonitor *CProcessViews::monitor() const { return m_monitor; }
QDockWidget *CProcessViews::trendDock() const { return m_trendDock; }
QDockWidget *CProcessViews::trafficDock() const { return m_trafficDock; }

void CProcessViews::deviceLoaded()
{
    m_trend->attach();
}

void CProcessViews::setPollInterval(int milliseconds)
{
    m_trend->setPollInterval(milliseconds);
}

void CProcessViews::retranslate(const QString &language)
{
    m_viewMenu->setTitle(CHostAppTr::tr("&View"));
    m_trendDock->setWindowTitle(CHostAppTr::tr("Trend"));
    m_trafficDock->setWindowTitle(CHostAppTr::tr("Traffic monitor"));
    m_trend->retranslate(language);
    m_monitor->retranslate();
}

#include "cmainwindow.h"

#include "ccommissioningactions.h"
#include "cconnectionbar.h"
#include "ccycleintervalfield.h"
#include "cdeviceconnection.h"
#include "cdevicesession.h"
#include "cerrorbox.h"
#include "cfrontmonitor.h"
#include "chostapptr.h"
#include "chostsettings.h"
#include "clanguagemanager.h"
#include "clogview.h"
#include "cnumbereditor.h"
#include "cparametermodel.h"
#include "cparametertree.h"
#include "cparametertransfer.h"
#include "cpendingedits.h"
#include "cprocessviews.h"
#include "cpluginregistry.h"
#include "csetactions.h"
#include "csimulatorprocess.h"
#include "ctransferrunner.h"
#include "cvisibleitemfilter.h"
#include "cwindowmemory.h"
#include "cwindowstatus.h"
#include "plugin/cloomworkplugin.h"
#include "widgets/cbasewidget.h"
#include "widgets/cmessagebox.h"
#include "widgets/cmessagesender.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QLabel>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

CMainWindow::CMainWindow(const CHostOptions &options, QWidget *parent)
    : QMainWindow(parent)
    , m_options(options)
    , m_session(new CDeviceSession(this))
    , m_language(new CLanguageManager(this))
    , m_model(new CParameterModel(this))
    , m_filter(new CVisibleItemFilter(this))
    , m_connectionBar(new CConnectionBar(this))
    , m_errorBox(new CErrorBox(this))
    , m_transfers(new CTransferRunner(m_session, this))
    , m_sets(new CSetActions(m_session, m_transfers, this))
    , m_pending(new CPendingEdits(m_session->parameters(), this))
    , m_commissioning(new CCommissioningActions(m_session, m_connectionBar, this))
{
    setObjectName(QStringLiteral("MainWindow"));
    m_errorBox->setUnattended(options.quitAfter > 0);
    m_session->setLanguageManager(m_language);
    m_session->connection()->setPollingQuery([this] { return isCyclicReading(); });
    m_filter->setParameterModel(m_model);
    m_pending->setWriter([this](const std::function<void(bool)>& done) {
        m_transfers->write(CHostAppTr::tr("Writing the modified parameters"), m_pending->items(),
                           m_session->master()->settings(), done);
    });
    createActions();
    createCentralArea();
    createProcessViews();

    connectSignals();

    // Command line first, then what the user chose last time.
    const CHostSettings settings;
    const QString language = !options.language.isEmpty()
        ? options.language
        : settings.value(CHostSettings::Language, CLanguageManager::systemLanguage()).toString();
    if (!m_language->setLanguage(language))
        m_language->setLanguage(QStringLiteral("en"));
    setLocale(QLocale());
    m_connectionBar->restoreFrom(settings);
    retranslate();
    onStateChanged(CModbusMaster::Disconnected, QString());
    CWindowMemory::restore(*this);
}

CMainWindow::~CMainWindow()
{
    // The front belongs to the window but talks to the backend in the
    // session: let it go first.
    if (m_front)
        m_front->deactivate();
    delete m_front;
}

void CMainWindow::connectSignals()
{
    CDeviceConnection *connection = m_session->connection();
    connect(connection, &CDeviceConnection::stateChanged, this, &CMainWindow::onStateChanged);
    connect(connection, &CDeviceConnection::opened, this, &CMainWindow::startInitialRead);
    connect(connection, &CDeviceConnection::resumed, this, [this] {
        log(CHostAppTr::tr("Link resynchronised; cyclic reading goes on"));
        setCyclicReading(true);
    });
    CMessageSender *messages = m_session->master()->messageSender();
    connect(messages, &CMessageSender::logMessage, this, &CMainWindow::log);
    connect(messages, &CMessageSender::infoMessage, this,
            [this](const QString &title, const QString &text) { log(title + QStringLiteral(": ") + text); });
    connect(messages, &CMessageSender::warningMessage, this, [this](const QString &title, const QString &text) {
        log(CHostAppTr::tr("Warning: %1: %2").arg(title, text));
    });
    connect(messages, &CMessageSender::errorMessage, this, &CMainWindow::reportError);
    connect(m_session->registry(), &CPluginRegistry::loadFailed, this,
            [this](const QString &text) { log(CHostAppTr::tr("Plugin refused: %1").arg(text)); });
    connect(m_transfers, &CTransferRunner::logMessage, this, &CMainWindow::log);
    connect(m_transfers, &CTransferRunner::errorMessage, this, &CMainWindow::reportError);
    connect(m_transfers, &CTransferRunner::reconnectRequested, this, [this](const CLinkSettings &settings) {
        log(CHostAppTr::tr("Reconnecting with the device's new line settings"));
        m_connectionBar->setSettings(settings);
        connectDevice();
    });
    connect(m_sets, &CSetActions::logMessage, this, &CMainWindow::log);
    connect(m_sets, &CSetActions::errorMessage, this, &CMainWindow::reportError);
    connect(m_sets, &CSetActions::writeRequested, this, &CMainWindow::writeModified);
    connect(m_commissioning, &CCommissioningActions::logMessage, this, &CMainWindow::log);
    connect(m_commissioning, &CCommissioningActions::errorMessage, this, &CMainWindow::reportError);
    connect(m_commissioning, &CCommissioningActions::connectRequested, this, [this](const CLinkSettings &link) {
        m_pending->confirm(CHostAppTr::tr("Write them before connecting to the device found?"), [this, link] {
            m_session->connection()->close();
            m_connectionBar->setSettings(link);
            connectDevice();
        });
    });
    connect(m_connectionBar, &CConnectionBar::connectRequested, this, &CMainWindow::connectDevice);
    connect(m_connectionBar, &CConnectionBar::disconnectRequested, this, &CMainWindow::disconnectDevice);
    connect(m_pending, &CPendingEdits::countChanged, this, [this](int count) {
        m_status->setPendingEdits(count);
        setWindowModified(count > 0);
    });
}

void CMainWindow::createActions()
{
    createFileMenu();
    createDeviceMenu();
    createLanguageMenu();
    m_helpMenu = menuBar()->addMenu(QString());
    m_aboutAction = m_helpMenu->addAction(QString(), this, [this] {
        CMessageBox::information(
            this, CHostAppTr::tr("About"),
            CHostAppTr::tr("Loomwork host %1\nPlugin: %2")
                .arg(QCoreApplication::applicationVersion(), m_plugin ? m_plugin->modelName() : CHostAppTr::tr("none")),
            QDialogButtonBox::Ok);
    });
    auto *connectionTools = addToolBar(QStringLiteral("connection"));
    connectionTools->setObjectName(QStringLiteral("ConnectionToolBar"));
    connectionTools->setMovable(false);
    connectionTools->toggleViewAction()->setVisible(false);
    connectionTools->addWidget(m_connectionBar);
}

void CMainWindow::createFileMenu()
{
    m_fileMenu = menuBar()->addMenu(QString());
    m_openAction = m_fileMenu->addAction(QString(), this, [this] {
        m_pending->confirm(CHostAppTr::tr("Write them before opening a parameter set?"),
                           [this] { loadParameterSet(m_sets->askFile(false)); });
    });
    m_saveAction = m_fileMenu->addAction(QString(), this, [this] { saveParameterSet(m_sets->askFile(true)); });
    m_compareAction = m_fileMenu->addAction(QString(), this, [this] {
        m_pending->confirm(CHostAppTr::tr("Write them before comparing with the device?"),
                           [this] { compareWithDevice(m_sets->askFile(false)); });
    });
    m_fileMenu->addSeparator();
    m_saveLogAction = m_fileMenu->addAction(QString());
    m_reportAction = m_fileMenu->addAction(QString(), m_commissioning, [this] { m_commissioning->writeReport(); });
    m_fileMenu->addSeparator();
    m_quitAction = m_fileMenu->addAction(QString(), this, &QWidget::close);
    m_openAction->setShortcut(QKeySequence::Open);
    m_saveAction->setShortcut(QKeySequence::Save);
    m_quitAction->setShortcut(QKeySequence::Quit);
}

void CMainWindow::createDeviceMenu()
{
    m_deviceMenu = menuBar()->addMenu(QString());
    m_connectAction = m_deviceMenu->addAction(QString(), this, &CMainWindow::connectDevice);
    m_disconnectAction = m_deviceMenu->addAction(QString(), this, &CMainWindow::disconnectDevice);
    m_findAction = m_deviceMenu->addAction(QString(), m_commissioning, &CCommissioningActions::findDevices);
    m_deviceMenu->addSeparator();
    m_readAction = m_deviceMenu->addAction(QString(), this, &CMainWindow::readAll);
    m_writeAction = m_deviceMenu->addAction(QString(), this, &CMainWindow::writeAll);
    m_writeModifiedAction = m_deviceMenu->addAction(QString(), this, &CMainWindow::writeModified);
    m_readAction->setShortcut(QKeySequence(Qt::Key_F5));
}

void CMainWindow::createLanguageMenu()
{
    m_languageMenu = menuBar()->addMenu(QString());
    m_languageGroup = new QActionGroup(this);
    for (const QString &language : CLanguageManager::languages()) {
        QAction *action = m_languageMenu->addAction(CLanguageManager::nativeName(language));
        action->setCheckable(true);
        action->setData(language);
        m_languageGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, language] { setLanguage(language); });
    }
}

void CMainWindow::createCentralArea()
{
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->addWidget(createTree());
    m_splitter->addWidget(createFrontArea());
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    setCentralWidget(m_splitter);

    m_log = new CLogView(this);
    connect(m_saveLogAction, &QAction::triggered, m_log, &CLogView::saveWithDialog);
    m_logDock = new QDockWidget(this);
    m_logDock->setObjectName(QStringLiteral("LogDock"));
    m_logDock->setWidget(m_log);
    m_logDock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    addDockWidget(Qt::BottomDockWidgetArea, m_logDock);
    resizeDocks({m_logDock}, {130}, Qt::Vertical);

    m_status = new CWindowStatus(this);
    statusBar()->addPermanentWidget(m_status);
}

void CMainWindow::createProcessViews()
{
    m_views = new CProcessViews(m_session, this);
    menuBar()->insertMenu(m_languageMenu->menuAction(), m_views->viewMenu());
    m_fileMenu->insertAction(m_saveLogAction, m_views->recordAction());
    connect(m_views, &CProcessViews::logMessage, this, &CMainWindow::log);
    connect(m_views, &CProcessViews::errorMessage, this, &CMainWindow::reportError);
    // Log and trend share one row under the tree and front panel, so the
    // front's display stays in view at the default window size.
    QDockWidget *trend = m_views->trendDock();
    splitDockWidget(m_logDock, trend, Qt::Horizontal);
    tabifyDockWidget(trend, m_views->trafficDock());
    trend->raise();
    resizeDocks({m_logDock}, {280}, Qt::Vertical);
    resizeDocks({m_logDock, trend}, {420, 860}, Qt::Horizontal);
}

QWidget *CMainWindow::createTree()
{
    m_tree = new CParameterTree(this);
    m_tree->setModel(m_filter);
    connect(m_tree, &CParameterTree::inputRefused, this,
            [this](const QString &text) { log(CHostAppTr::tr("Not taken: %1").arg(text)); });
    return m_tree;
}

// The front panel arrives with the plugin; until then the area holds the
// cycle-interval setting only.
QWidget *CMainWindow::createFrontArea()
{
    auto *area = new QWidget(this);
    auto *layout = new QVBoxLayout(area);
    layout->setContentsMargins(6, 0, 0, 0);
    const int interval = m_options.cycleInterval > 0
        ? m_options.cycleInterval
        : CHostSettings().value(CHostSettings::CycleInterval, 1000).toInt();
    m_cycleInterval = new CCycleIntervalField(interval, area);
    connect(m_cycleInterval, &CCycleIntervalField::refused, this,
            [this](const QString &problem) { log(CHostAppTr::tr("Cycle interval not taken: %1").arg(problem)); });
    connect(m_cycleInterval, &CCycleIntervalField::intervalChanged, this, [this](int milliseconds) {
        if (m_frontMonitor)
            m_frontMonitor->setCycleInterval(milliseconds);
        if (m_views)
            m_views->setPollInterval(milliseconds);
        m_status->setCyclicReading(isCyclicReading(), milliseconds);
    });
    layout->addWidget(m_cycleInterval);
    return area;
}

bool CMainWindow::start()
{
    if (!loadDevice())
        return false;
    installFront();
    m_views->deviceLoaded();
    m_views->setPollInterval(m_cycleInterval->interval());
    createSimulator();
    if (m_options.hasDevice()) {
        CLinkSettings settings = m_connectionBar->settings();
        settings.transport = m_options.serialPort.isEmpty() ? CLinkSettings::Tcp : CLinkSettings::Rtu;
        settings.host = m_options.host;
        settings.port = quint16(m_options.port);
        settings.serialPort = m_options.serialPort;
        settings.serverAddress = m_options.address;
        m_connectionBar->setSettings(settings);
        connectDevice();
    } else if (m_connectionBar->link() == CConnectionBar::SimulatorLink) {
        connectDevice();
    } else {
        log(CHostAppTr::tr("Last connection: %1. Press Connect to reach the device.").arg(m_connectionBar->linkText()));
    }
    return true;
}

bool CMainWindow::loadDevice()
{
    const QString pluginDir =
        m_options.pluginDirectory.isEmpty() ? CDeviceSession::defaultPluginDirectory() : m_options.pluginDirectory;
    const QString description = m_options.descriptionFile.isEmpty() ? CDeviceSession::defaultDescriptionFile()
                                                                    : m_options.descriptionFile;
    if (!m_session->loadDescription(description)) {
        reportError(CHostAppTr::tr("Parameter description"), m_session->errorString());
        return false;
    }
    for (const QString &problem : m_session->problems())
        log(CHostAppTr::tr("Description: %1").arg(problem));
    // Read only described registers: a device may refuse a read that spans
    // an undescribed gap, and the simulator does.
    m_session->parameters()->setMaxGap(0);
    if (!m_session->loadPlugin(pluginDir)) {
        reportError(CHostAppTr::tr("Device plugin"), m_session->errorString());
        return false;
    }
    m_plugin = m_session->plugin();
    log(CHostAppTr::tr("Plugins: %1 loaded from %2").arg(m_session->registry()->plugins().size()).arg(pluginDir));
    m_connectionBar->setLineDefaults(m_plugin->defaultLineSettings());
    m_model->setRoot(m_session->root());
    m_model->setTransfer(m_session->parameters());
    m_pending->watchItems();
    m_tree->expandAll();
    log(CHostAppTr::tr("Device %1 (%2), parameter version %3")
            .arg(m_plugin->modelName(), m_session->header().orderNumber, m_session->header().parameterVersion));
    return true;
}

void CMainWindow::installFront()
{
    m_front = m_plugin->frontWidget();
    if (!m_front)
        return;
    auto *area = m_splitter->widget(1);
    static_cast<QVBoxLayout *>(area->layout())->addWidget(m_front, 1);
    m_front->setButtonsEnabled(false);
    m_front->updateToolTips();
    m_front->activate();
    m_frontMonitor = new CFrontMonitor(m_front, m_session->master(), this);
    m_frontMonitor->setCycleInterval(m_cycleInterval->interval());
    connect(m_frontMonitor, &CFrontMonitor::readingChanged, this,
            [this](bool on) { m_status->setCyclicReading(on, m_cycleInterval->interval()); });
    // The front keeps its designed width; the tree takes what is left.
    const int scrollBarRoom = 24;
    area->setMinimumWidth(qMax(m_front->sizeHint().width(), m_front->width()) + scrollBarRoom);
    m_splitter->setSizes({width() - area->minimumWidth(), area->minimumWidth()});
    CWindowMemory::restoreSplitter(*m_splitter);
}

void CMainWindow::createSimulator()
{
    m_simulator = new CSimulatorProcess(this);
    connect(m_simulator, &CSimulatorProcess::ready, this, [this](const QString &host, quint16 port) {
        log(CHostAppTr::tr("Simulator listening on %1:%2").arg(host).arg(port));
        m_connectionBar->setSimulatorEndpoint(host, port);
        if (m_connectionBar->link() == CConnectionBar::SimulatorLink)
            connectDevice();
    });
    connect(m_simulator, &CSimulatorProcess::failed, this, [this](const QString &reason) {
        m_session->connection()->setDownReason(reason);
        reportError(CHostAppTr::tr("Simulator"), reason);
    });
    connect(m_simulator, &CSimulatorProcess::ended, this, &CMainWindow::onSimulatorEnded);
}

// Retrying a simulator that is gone cannot succeed: the link ends and says
// why; Connect starts the simulator again.
void CMainWindow::onSimulatorEnded(const QString &reason)
{
    m_connectionBar->setSimulatorEndpoint(QString(), 0);
    reportError(CHostAppTr::tr("Simulator"),
                CHostAppTr::tr("The built-in simulator has ended: %1. Connect starts it again.").arg(reason));
    if (m_connectionBar->link() != CConnectionBar::SimulatorLink)
        return;
    m_session->connection()->close();
    m_session->connection()->setDownReason(CHostAppTr::tr("the built-in simulator has ended"));
}

void CMainWindow::connectDevice()
{
    QString error;
    if (!m_connectionBar->check(&error)) {
        reportError(CHostAppTr::tr("Connect"), error);
        return;
    }
    CHostSettings settings;
    m_connectionBar->saveTo(settings);
    if (m_connectionBar->link() == CConnectionBar::SimulatorLink && !m_simulator->isRunning()) {
        // Connects once the simulator says where it listens.
        m_session->connection()->setDownReason(QString());
        const QString program =
            m_options.simulator.isEmpty() ? CSimulatorProcess::defaultProgram() : m_options.simulator;
        log(CHostAppTr::tr("Starting the simulator %1").arg(program));
        m_simulator->start(program);
        return;
    }
    m_session->connection()->open(m_connectionBar->settings(m_session->master()->settings()));
}

void CMainWindow::disconnectDevice()
{
    m_pending->confirm(CHostAppTr::tr("Write them before disconnecting?"),
                       [this] { m_session->connection()->close(); });
}

void CMainWindow::onStateChanged(CModbusMaster::State state, const QString &downReason)
{
    m_connectionBar->setState(state, downReason);
    m_status->setLinkState(m_connectionBar->stateText());
    const bool connected = state == CModbusMaster::Connected;
    m_connectAction->setEnabled(state == CModbusMaster::Disconnected);
    m_disconnectAction->setEnabled(state != CModbusMaster::Disconnected);
    m_readAction->setEnabled(connected);
    m_writeAction->setEnabled(connected);
    m_writeModifiedAction->setEnabled(connected);
    m_reportAction->setEnabled(connected);
    if (m_front) {
        m_front->setButtonsEnabled(connected);
        m_front->updateToolTips();
    }
}

// Edits made before the connection are not overwritten unasked.
void CMainWindow::startInitialRead()
{
    m_pending->confirm(CHostAppTr::tr("Write them before reading all parameters?"), [this] {
        m_transfers->run(
            CHostAppTr::tr("Reading all parameters"), [this] { m_session->parameters()->readAll(); },
            [this](bool success) {
                if (success)
                    setCyclicReading(true);
                emit initialReadFinished(success);
            });
    });
}

void CMainWindow::readAll()
{
    m_pending->confirm(CHostAppTr::tr("Write them before reading all parameters?"), [this] {
        m_transfers->run(CHostAppTr::tr("Reading all parameters"), [this] { m_session->parameters()->readAll(); }, nullptr);
    });
}

void CMainWindow::writeAll()
{
    m_transfers->write(CHostAppTr::tr("Writing all parameters"), m_session->parameters()->items(),
                       m_session->master()->settings());
}

void CMainWindow::setCycleInterval(int milliseconds)
{
    m_cycleInterval->setInterval(milliseconds);
}

void CMainWindow::setCyclicReading(bool on)
{
    if (m_frontMonitor)
        m_frontMonitor->setReading(on);
}

bool CMainWindow::isCyclicReading() const
{
    return m_frontMonitor && m_frontMonitor->isReading();
}

bool CMainWindow::saveParameterSet(const QString &fileName)
{
    return m_sets->save(fileName, m_plugin ? m_plugin->modelName() : m_session->header().projectName,
                        m_session->header());
}

bool CMainWindow::loadParameterSet(const QString &fileName)
{
    if (fileName.isEmpty())
        return false;
    if (m_pending->count() == 0)
        return m_sets->load(fileName, m_session->header().orderNumber);
    m_pending->confirm(CHostAppTr::tr("Write them before opening a parameter set?"),
                       [this, fileName] { m_sets->load(fileName, m_session->header().orderNumber); });
    return false;
}

void CMainWindow::compareWithDevice(const QString &fileName)
{
    m_sets->compare(fileName, m_session->header().orderNumber);
}

void CMainWindow::writeModified()
{
    m_transfers->write(CHostAppTr::tr("Writing the modified parameters"), m_session->parameters()->modifiedItems(),
                       m_session->master()->settings());
}

CTransferRunner *CMainWindow::transfers() const
{
    return m_transfers;
}

CCommissioningActions *CMainWindow::commissioning() const
{
    return m_commissioning;
}

bool CMainWindow::setLanguage(const QString &language)
{
    if (!m_language->setLanguage(language))
        return false;
    CHostSettings().setValue(CHostSettings::Language, language);
    setLocale(QLocale());
    // Deliver the change events now, so everything reads the new language
    // when this returns.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    m_model->refreshTexts();
    if (m_front)
        m_front->updateToolTips();
    if (m_frontMonitor)
        m_frontMonitor->retranslate();
    return true;
}

void CMainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void CMainWindow::closeEvent(QCloseEvent *event)
{
    // Automated runs end without a question.
    if (!m_closeConfirmed && m_options.quitAfter <= 0 && m_pending->count() > 0) {
        event->ignore();
        m_pending->confirm(CHostAppTr::tr("Write them before quitting?"), [this] {
            m_closeConfirmed = true;
            close();
        });
        return;
    }
    saveWindowState();
    m_session->connection()->close();
    if (m_simulator)
        m_simulator->stop();
    event->accept();
}

void CMainWindow::saveWindowState() const
{
    CWindowMemory::save(*this, m_front ? m_splitter : nullptr);
}

void CMainWindow::retranslate()
{
    setWindowTitle(CHostAppTr::tr("Loomwork host") + QStringLiteral("[*]"));
    m_fileMenu->setTitle(CHostAppTr::tr("&File"));
    m_openAction->setText(CHostAppTr::tr("&Open parameter set..."));
    m_saveAction->setText(CHostAppTr::tr("&Save parameter set..."));
    m_compareAction->setText(CHostAppTr::tr("&Compare parameter set with device..."));
    m_reportAction->setText(CHostAppTr::tr("Write commissioning &report..."));
    m_saveLogAction->setText(CHostAppTr::tr("Save &log..."));
    m_quitAction->setText(CHostAppTr::tr("&Quit"));
    m_deviceMenu->setTitle(CHostAppTr::tr("&Device"));
    m_connectAction->setText(CHostAppTr::tr("&Connect"));
    m_disconnectAction->setText(CHostAppTr::tr("&Disconnect"));
    m_findAction->setText(CHostAppTr::tr("&Find devices..."));
    m_readAction->setText(CHostAppTr::tr("&Read all parameters"));
    m_writeAction->setText(CHostAppTr::tr("&Write all parameters"));
    m_writeModifiedAction->setText(CHostAppTr::tr("Write &modified parameters"));
    m_languageMenu->setTitle(CHostAppTr::tr("&Language"));
    m_helpMenu->setTitle(CHostAppTr::tr("&Help"));
    m_aboutAction->setText(CHostAppTr::tr("&About"));
    m_logDock->setWindowTitle(CHostAppTr::tr("Communication log"));
    m_views->retranslate(m_language->language());
    m_status->setLinkState(m_connectionBar->stateText());
    for (QAction *action : m_languageGroup->actions())
        action->setChecked(action->data().toString() == m_language->language());
}

void CMainWindow::log(const QString &text)
{
    m_log->addMessage(text);
}

void CMainWindow::reportError(const QString &title, const QString &text)
{
    m_log->addError(title, text);
    m_errorBox->show(title, text);
}

QString CMainWindow::logText() const
{
    return m_log->toPlainText();
}

CDeviceSession *CMainWindow::session() const { return m_session; }
CProcessViews *CMainWindow::processViews() const { return m_views; }
CPluginRegistry *CMainWindow::registry() const { return m_session->registry(); }
CLoomworkPlugin *CMainWindow::plugin() const { return m_plugin; }
CBaseWidget *CMainWindow::frontWidget() const { return m_front; }
CParameterModel *CMainWindow::parameterModel() const { return m_model; }
CVisibleItemFilter *CMainWindow::visibleItems() const { return m_filter; }
QTreeView *CMainWindow::tree() const { return m_tree; }
CConnectionBar *CMainWindow::connectionBar() const { return m_connectionBar; }
CLanguageManager *CMainWindow::languageManager() const { return m_language; }
CPendingEdits *CMainWindow::pendingEdits() const { return m_pending; }
CFrontMonitor *CMainWindow::frontMonitor() const { return m_frontMonitor; }
CWindowStatus *CMainWindow::windowStatus() const { return m_status; }
CNumberEditor *CMainWindow::cycleIntervalField() const { return m_cycleInterval->editor(); }
CLogView *CMainWindow::logView() const { return m_log; }
CSimulatorProcess *CMainWindow::simulator() const { return m_simulator; }

#ifndef CMAINWINDOW_H
#define CMAINWINDOW_H

#include "chostoptions.h"
#include "cmodbusmaster.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>

class CBaseWidget;
class CConnectionBar;
class CCycleIntervalField;
class CDeviceSession;
class CErrorBox;
class CFrontMonitor;
class CLanguageManager;
class CLogView;
class CLoomworkPlugin;
class CNumberEditor;
class CParameterModel;
class CParameterTree;
class CPendingEdits;
class CPluginRegistry;
class CProcessViews;
class CCommissioningActions;
class CSetActions;
class CSimulatorProcess;
class CTransferRunner;
class CVisibleItemFilter;
class CWindowStatus;
class QActionGroup;
class QDockWidget;
class QMenu;
class QSplitter;
class QTreeView;

// The host's main window: connection bar, parameter tree, the device's
// front panel, a communication log, the trend and the traffic monitor. It
// loads the plugins, builds the device's items from the description,
// initialises the plugin on them, connects (to the simulator when no device
// was named and no other link was chosen last time), reads all parameters
// and starts the front's cyclic reading. Actions that would lose edits not
// yet written ask first; the window remembers its geometry and the last
// connection.
class CMainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit CMainWindow(const CHostOptions &options, QWidget *parent = nullptr);
    ~CMainWindow() override;

    // Loads plugins and description, builds the window's device part and
    // starts connecting. False when no device could be set up (reported).
    bool start();

    // Parts, for tests and screenshots.
    CDeviceSession *session() const;
    CPluginRegistry *registry() const;
    CLoomworkPlugin *plugin() const;
    CBaseWidget *frontWidget() const;
    CParameterModel *parameterModel() const;
    CVisibleItemFilter *visibleItems() const;
    QTreeView *tree() const;
    CConnectionBar *connectionBar() const;
    CLanguageManager *languageManager() const;
    CPendingEdits *pendingEdits() const;
    CFrontMonitor *frontMonitor() const;
    CWindowStatus *windowStatus() const;
    CNumberEditor *cycleIntervalField() const;
    CLogView *logView() const;
    CSimulatorProcess *simulator() const;
    QString logText() const;
    // The trend (with recording) and the traffic monitor.
    CProcessViews *processViews() const;

    // Connects with the connection bar's settings (starting the built-in
    // simulator again when it is the link and has ended) / disconnects
    // (after asking about edits not written).
    void connectDevice();
    void disconnectDevice();
    // Reads every parameter with a progress dialog (after asking about
    // edits not written).
    void readAll();
    // Writes every parameter, or those whose value differs from the
    // device's: checked, then shown for confirmation (see transfers()).
    void writeAll();
    void writeModified();
    // Parameter sets on disk. Loading brings the set's values into the
    // tree exactly as saved; a set with problems (another model, unknown
    // names, values out of range ...) is refused with a message naming
    // them, which offers to apply the other values when they are usable.
    bool saveParameterSet(const QString &fileName);
    bool loadParameterSet(const QString &fileName);
    // Compares a file with the device in a dialog (reading the device first
    // when connected); the user may then write the differing values.
    void compareWithDevice(const QString &fileName);
    // The runner of the window's transfers (progress, write preview).
    CTransferRunner *transfers() const;
    // Find devices and the commissioning report of the connected device.
    CCommissioningActions *commissioning() const;
    // Switches the user-interface and item language ("en", "de").
    bool setLanguage(const QString &language);
    // Sets the front's cyclic read interval in milliseconds.
    void setCycleInterval(int milliseconds);
    // Checks or unchecks the front's cyclic read button (when enabled).
    void setCyclicReading(bool on);
    // Remembers geometry, window state and splitter for the next run.
    void saveWindowState() const;

signals:
    // The first read of all parameters after a connection has ended.
    void initialReadFinished(bool success);

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createActions();
    void createFileMenu();
    void createDeviceMenu();
    void createLanguageMenu();
    void connectSignals();
    void createCentralArea();
    void createProcessViews();
    QWidget *createTree();
    QWidget *createFrontArea();
    void retranslate();
    bool loadDevice();
    void installFront();
    void createSimulator();
    void onSimulatorEnded(const QString &reason);
    void onStateChanged(CModbusMaster::State state, const QString &downReason);
    void startInitialRead();
    bool isCyclicReading() const;
    void log(const QString &text);
    void reportError(const QString &title, const QString &text);

    CHostOptions m_options;
    CDeviceSession *m_session;
    CLanguageManager *m_language;
    CLoomworkPlugin *m_plugin = nullptr;
    QPointer<CBaseWidget> m_front;
    CSimulatorProcess *m_simulator = nullptr;
    CParameterModel *m_model;
    CVisibleItemFilter *m_filter;
    CConnectionBar *m_connectionBar;
    QSplitter *m_splitter;
    CParameterTree *m_tree;
    CLogView *m_log;
    CCycleIntervalField *m_cycleInterval;
    CWindowStatus *m_status;
    CFrontMonitor *m_frontMonitor = nullptr;
    CErrorBox *m_errorBox;
    CTransferRunner *m_transfers;
    CSetActions *m_sets;
    CPendingEdits *m_pending;
    CCommissioningActions *m_commissioning;
    CProcessViews *m_views = nullptr;
    bool m_closeConfirmed = false;      // edits not written were dealt with

    QMenu *m_fileMenu;
    QMenu *m_deviceMenu;
    QMenu *m_languageMenu;
    QMenu *m_helpMenu;
    QAction *m_openAction;
    QAction *m_saveAction;
    QAction *m_compareAction;
    QAction *m_saveLogAction;
    QAction *m_reportAction;
    QAction *m_quitAction;
    QAction *m_connectAction;
    QAction *m_disconnectAction;
    QAction *m_readAction;
    QAction *m_writeAction;
    QAction *m_writeModifiedAction;
    QAction *m_findAction;
    QAction *m_aboutAction;
    QActionGroup *m_languageGroup;
    QDockWidget *m_logDock;
};

#endif // CMAINWINDOW_H

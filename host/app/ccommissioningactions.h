#ifndef CCOMMISSIONINGACTIONS_H
#define CCOMMISSIONINGACTIONS_H

#include "clinksettings.h"
#include "cmodbusmaster.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>

class CConnectionBar;
class CDeviceSession;
class CFindDevicesDialog;
class CWriteJournal;
class QWidget;

// The window's commissioning commands: Find devices (a bus scan whose result
// connects with a double click) and the commissioning report of the
// connected device: its nameplate and what was written to it since the link
// was opened, each parameter before and after with its unit and what reading
// it back gave, as report.json and report.html, the same report the CLI
// writes for a fleet.
class CCommissioningActions : public QObject
{
    Q_OBJECT

public:
    // Nothing is owned; the window parents the dialogs.
    CCommissioningActions(CDeviceSession *session, CConnectionBar *connectionBar, QWidget *window);

    // Opens the Find devices dialog (modeless; one at a time).
    void findDevices();
    CFindDevicesDialog *findDevicesDialog() const;
    // Writes the report of the connected device into directory (asks for
    // one when empty); false when it was not written (reported).
    bool writeReport(const QString &directory = QString());
    const CWriteJournal *journal() const;

signals:
    // The user chose a found device: connect to link.
    void connectRequested(const CLinkSettings &link);
    void logMessage(const QString &text);
    void errorMessage(const QString &title, const QString &text);

private:
    void onStateChanged(CModbusMaster::State state);
    void freeSerialPort(const CLinkSettings &link);

    CDeviceSession *m_session;
    CConnectionBar *m_connectionBar;
    QWidget *m_window;
    CWriteJournal *m_journal;
    QPointer<CFindDevicesDialog> m_dialog;
    QDateTime m_connectedAt;
    bool m_newLink = true; // the next connection starts a new journal
};

#endif // CCOMMISSIONINGACTIONS_H

#include "ccommissioningactions.h"

#include "ccommissioningreport.h"
#include "cconnectionbar.h"
#include "cdevicedata.h"
#include "cdevicesession.h"
#include "cfinddevicesdialog.h"
#include "chostapptr.h"
#include "cidentityreader.h"
#include "clinkaddress.h"
#include "cparametertransfer.h"
#include "cwritejournal.h"
#include "items/citem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

CCommissioningActions::CCommissioningActions(CDeviceSession *session, CConnectionBar *connectionBar, QWidget *window)
    : QObject(window), m_session(session), m_connectionBar(connectionBar), m_window(window),
      m_journal(new CWriteJournal(session->parameters(), this))
{
    connect(session->master(), &CModbusMaster::stateChanged, this, &CCommissioningActions::onStateChanged);
}

void CCommissioningActions::onStateChanged(CModbusMaster::State state)
{
    // A link that only resynchronises keeps its journal; a new one starts afresh.
    if (state == CModbusMaster::Disconnected) {
        m_newLink = true;
    } else if (state == CModbusMaster::Connected && m_newLink) {
        m_newLink = false;
        m_journal->clear();
        m_connectedAt = QDateTime::currentDateTime();
    }
}

void CCommissioningActions::findDevices()
{
    if (!m_dialog) {
        m_dialog = new CFindDevicesDialog(m_session->header().fileName, m_session->plugin(),
                                          m_connectionBar->settings(m_session->master()->settings()), m_window);
        m_dialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_dialog, &CFindDevicesDialog::scanStarting, this, &CCommissioningActions::freeSerialPort);
        connect(m_dialog, &CFindDevicesDialog::deviceChosen, this, [this](const CLinkSettings &link) {
            emit logMessage(CHostAppTr::tr("Connecting to the device found at %1, unit id %2")
                                .arg(CLinkAddress::text(link)).arg(link.serverAddress));
            emit connectRequested(link);
        });
    }
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

CFindDevicesDialog *CCommissioningActions::findDevicesDialog() const
{
    return m_dialog;
}

// A serial port serves one program at a time: the window lets it go.
void CCommissioningActions::freeSerialPort(const CLinkSettings &link)
{
    CModbusMaster *master = m_session->master();
    if (link.transport == CLinkSettings::Rtu && master->settings().transport == CLinkSettings::Rtu
        && master->settings().serialPort == link.serialPort && master->state() != CModbusMaster::Disconnected) {
        emit logMessage(CHostAppTr::tr("Disconnected from %1 for the search").arg(link.serialPort));
        master->disconnectDevice();
    }
}

const CWriteJournal *CCommissioningActions::journal() const
{
    return m_journal;
}

bool CCommissioningActions::writeReport(const QString &directory)
{
    const QString folder = directory.isEmpty()
        ? QFileDialog::getExistingDirectory(m_window, CHostAppTr::tr("Folder for the commissioning report"))
        : directory;
    if (folder.isEmpty())
        return false;
    const CParameterTransfer *parameters = m_session->parameters();
    CDeviceRecord record;
    record.link = CLinkAddress::text(m_session->master()->settings());
    record.unitId = m_session->master()->settings().serverAddress;
    record.started = m_connectedAt;
    record.finished = QDateTime::currentDateTime();
    record.changes = m_journal->changes();
    const bool nameplateRead =
        parameters->wasRead(parameters->item(m_session->deviceData().identityItem(CDeviceData::SerialNumber)));
    if (nameplateRead)
        record.identity = CIdentityReader(*m_session, m_session->plugin()).held();
    QStringList pending;
    for (const CItem *item : parameters->modifiedItems())
        pending << item->objectName();
    if (!pending.isEmpty())
        record.problems << CHostAppTr::tr("not written to the device: %1").arg(pending.join(QStringLiteral(", ")));
    if (!nameplateRead) {
        record.outcome = CDeviceRecord::ReadFailed;
        record.message = CHostAppTr::tr("the device's nameplate was not read");
    } else if (record.changes.isEmpty()) {
        record.outcome = CDeviceRecord::Unchanged;
        record.message = CHostAppTr::tr("nothing was written since the link was opened");
    } else if (!m_journal->allConfirmed()) {
        record.outcome = CDeviceRecord::WriteFailed;
        record.message = CHostAppTr::tr("not every value was taken and read back as written");
    } else {
        record.outcome = CDeviceRecord::Changed;
        record.message = CHostAppTr::tr("%n parameter(s) written and read back", nullptr, record.changes.size());
    }
    CCommissioningReport report;
    report.command = QStringLiteral("session");
    report.model = m_session->header().projectName;
    report.orderNumber = m_session->header().orderNumber;
    report.parameterVersion = m_session->header().parameterVersion;
    report.program = QStringLiteral("%1 %2").arg(QCoreApplication::applicationName(),
                                                 QCoreApplication::applicationVersion());
    report.started = record.started;
    report.finished = record.finished;
    report.records = {record};
    QString error;
    if (!report.write(folder, &error)) {
        emit errorMessage(CHostAppTr::tr("Commissioning report"), error);
        return false;
    }
    emit logMessage(CHostAppTr::tr("Commissioning report written to %1").arg(QDir(folder).filePath(QStringLiteral("report.html"))));
    return true;
}

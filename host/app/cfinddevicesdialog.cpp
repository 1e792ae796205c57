#include "cfinddevicesdialog.h"
#include "chostapptr.h"
#include "ui_cfinddevicesdialog.h"

#include "cdevicesession.h"
#include "clinkaddress.h"
#include "cmodbusmaster.h"
#include "cscanplan.h"

#include <QEvent>
#include <QPushButton>
#include <QSerialPortInfo>

namespace {

enum Column { LinkColumn, UnitColumn, SerialColumn, ModelColumn, OrderColumn, VersionColumn };

} // namespace

CFindDevicesDialog::CFindDevicesDialog(const QString &descriptionFile, CLoomworkPlugin *plugin,
                                       const CLinkSettings &base, QWidget *parent)
    : QDialog(parent), ui(new Ui::CFindDevicesDialog), m_session(new CDeviceSession), m_base(base)
{
    ui->setupUi(this);
    m_connect = ui->buttonBox->addButton(QString(), QDialogButtonBox::AcceptRole);
    m_connect->setEnabled(false);
    for (const QSerialPortInfo &port : QSerialPortInfo::availablePorts())
        ui->cb_serialPort->addItem(port.systemLocation());
    ui->cb_transport->setCurrentIndex(base.transport == CLinkSettings::Rtu ? 1 : 0);
    ui->sw_address->setCurrentIndex(ui->cb_transport->currentIndex());
    ui->le_host->setText(base.host);
    ui->sb_port->setValue(base.port);
    ui->cb_serialPort->setCurrentText(base.serialPort);
    ui->tw_devices->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (!m_session->loadDescription(descriptionFile))
        m_error = m_session->errorString();
    m_scanner = std::make_unique<CBusScanner>(m_session.get(), plugin);

    connect(ui->cb_transport, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int index) {
        ui->sw_address->setCurrentIndex(index);
        updateBound();
    });
    for (QSpinBox *box : {ui->sb_first, ui->sb_last})
        connect(box, QOverload<int>::of(&QSpinBox::valueChanged), this, &CFindDevicesDialog::updateBound);
    connect(ui->cb_allSettings, &QCheckBox::toggled, this, &CFindDevicesDialog::updateBound);
    connect(ui->pb_start, &QPushButton::clicked, this, &CFindDevicesDialog::startScan);
    connect(ui->pb_stop, &QPushButton::clicked, this, &CFindDevicesDialog::stopScan);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_connect, &QPushButton::clicked, this, [this]() { chooseRow(ui->tw_devices->currentRow()); });
    connect(ui->tw_devices, &QTableWidget::cellDoubleClicked, this, [this](int row) { chooseRow(row); });
    connect(ui->tw_devices, &QTableWidget::itemSelectionChanged, this,
            [this]() { m_connect->setEnabled(!ui->tw_devices->selectedItems().isEmpty()); });
    connect(m_scanner.get(), &CBusScanner::deviceFound, this, &CFindDevicesDialog::addHit);
    connect(m_scanner.get(), &CBusScanner::progress, this, [this](int done, int total) {
        ui->pb_progress->setMaximum(total);
        ui->pb_progress->setValue(done);
    });
    connect(m_scanner.get(), &CBusScanner::linkStarted, this, [this](const CLinkSettings &link) {
        ui->l_status->setText(CHostAppTr::tr("Asking unit ids %1 to %2 on %3 ...")
                                  .arg(ui->sb_first->value()).arg(ui->sb_last->value()).arg(CLinkAddress::text(link)));
    });
    connect(m_scanner.get(), &CBusScanner::finished, this, &CFindDevicesDialog::onFinished);
    retranslate();
}

CFindDevicesDialog::~CFindDevicesDialog()
{
    // The scanner uses the session's link: it goes first.
    m_scanner.reset();
}

CLinkSettings CFindDevicesDialog::link() const
{
    CLinkSettings link = m_base;
    link.transport = ui->cb_transport->currentIndex() == 1 ? CLinkSettings::Rtu : CLinkSettings::Tcp;
    link.host = ui->le_host->text().trimmed();
    link.port = quint16(ui->sb_port->value());
    link.serialPort = ui->cb_serialPort->currentText().trimmed();
    return link;
}

void CFindDevicesDialog::setUnitIds(int first, int last)
{
    ui->sb_first->setValue(first);
    ui->sb_last->setValue(last);
}

bool CFindDevicesDialog::isScanning() const
{
    return m_scanner->isRunning();
}

QList<CLinkSettings> CFindDevicesDialog::foundLinks() const
{
    QList<CLinkSettings> links;
    for (const CBusScanner::Hit &hit : m_hits)
        links.append(hit.link);
    return links;
}

void CFindDevicesDialog::startScan()
{
    if (!m_error.isEmpty()) {
        ui->l_status->setText(m_error);
        return;
    }
    const CLinkSettings start = link();
    if (ui->sb_first->value() > ui->sb_last->value()) {
        ui->l_status->setText(CHostAppTr::tr("The first unit id lies above the last."));
        return;
    }
    emit scanStarting(start);
    ui->tw_devices->setRowCount(0);
    m_hits.clear();
    m_scanned = false;
    m_scanner->setCandidates(CScanPlan::candidates(start, m_session->deviceData()));
    m_scanner->setUnitIds(ui->sb_first->value(), ui->sb_last->value());
    m_scanner->setAllSettings(ui->cb_allSettings->isChecked());
    ui->pb_progress->setValue(0);
    setScanning(true);
    m_scanner->start();
}

void CFindDevicesDialog::stopScan()
{
    m_scanner->cancel();
}

void CFindDevicesDialog::setScanning(bool scanning)
{
    ui->pb_start->setEnabled(!scanning);
    ui->pb_stop->setEnabled(scanning);
    for (QWidget *field : std::initializer_list<QWidget *>{ui->cb_transport, ui->sw_address, ui->sb_first,
                                                           ui->sb_last})
        field->setEnabled(!scanning);
}

void CFindDevicesDialog::addHit(const CBusScanner::Hit &hit)
{
    m_hits.append(hit);
    ui->tw_devices->insertRow(m_hits.size() - 1);
    fillRow(m_hits.size() - 1, hit);
    if (m_hits.size() == 1)
        ui->tw_devices->selectRow(0);
}

void CFindDevicesDialog::fillRow(int row, const CBusScanner::Hit &hit)
{
    const CDeviceIdentity &identity = hit.answer.identity;
    const bool exception = hit.answer.kind == CIdentityReader::Answer::Exception;
    const QStringList texts = {
        CLinkAddress::text(hit.link), QString::number(hit.unitId), identity.serialNumber,
        exception ? CHostAppTr::tr("answered with exception %1").arg(hit.answer.exceptionCode)
                  : identity.model.isEmpty() ? CHostAppTr::tr("(unknown)") : identity.model,
        identity.orderNumber, identity.softwareVersion};
    for (int column = LinkColumn; column <= VersionColumn; ++column)
        ui->tw_devices->setItem(row, column, new QTableWidgetItem(texts.at(column)));
}

void CFindDevicesDialog::onFinished(bool)
{
    setScanning(false);
    m_scanned = true;
    showOutcome();
}

void CFindDevicesDialog::showOutcome()
{
    if (!m_scanned)
        return;
    ui->l_status->setText(m_scanner->errorString().isEmpty() ? CHostAppTr::tr("%n device(s) found.", nullptr, m_hits.size())
                                                             : m_scanner->errorString());
}

void CFindDevicesDialog::chooseRow(int row)
{
    if (row < 0 || row >= m_hits.size())
        return;
    m_scanner->cancel();
    emit deviceChosen(m_hits.at(row).link);
    accept();
}

void CFindDevicesDialog::updateBound()
{
    const CLinkSettings start = link();
    QList<CLinkSettings> candidates = CScanPlan::candidates(start, m_session->deviceData());
    const int ids = qMax(0, ui->sb_last->value() - ui->sb_first->value() + 1);
    const qint64 bound = CScanPlan::worstCaseMs(candidates, ids, m_scanner->requestRegisters());
    ui->l_bound->setText(CHostAppTr::tr("%n line setting(s), at most %1 s", nullptr, candidates.size())
                             .arg(QLocale().toString(double(bound) / 1000.0, 'f', 1)));
}

// The texts of the form too: the host translates in one context.
void CFindDevicesDialog::retranslate()
{
    setWindowTitle(CHostAppTr::tr("Find devices"));
    ui->l_transport->setText(CHostAppTr::tr("Link:"));
    ui->cb_transport->setItemText(0, CHostAppTr::tr("Modbus TCP"));
    ui->cb_transport->setItemText(1, CHostAppTr::tr("Modbus RTU (serial line)"));
    ui->l_host->setText(CHostAppTr::tr("Host:"));
    ui->l_port->setText(CHostAppTr::tr("Port:"));
    ui->l_serialPort->setText(CHostAppTr::tr("Serial port:"));
    ui->cb_allSettings->setText(CHostAppTr::tr("Try every baud rate and parity"));
    ui->l_unitIds->setText(CHostAppTr::tr("Unit ids:"));
    ui->l_to->setText(CHostAppTr::tr("to"));
    ui->pb_start->setText(CHostAppTr::tr("&Search"));
    ui->pb_stop->setText(CHostAppTr::tr("S&top"));
    ui->tw_devices->setHorizontalHeaderLabels({CHostAppTr::tr("Link"), CHostAppTr::tr("Unit id"),
                                               CHostAppTr::tr("Serial number"), CHostAppTr::tr("Model"),
                                               CHostAppTr::tr("Order number"), CHostAppTr::tr("Software version")});
    ui->l_hint->setText(CHostAppTr::tr("Double-click a device to connect to it."));
    m_connect->setText(CHostAppTr::tr("&Connect"));
    updateBound();
    showOutcome();
    for (int row = 0; row < m_hits.size(); ++row)
        fillRow(row, m_hits.at(row));
}

void CFindDevicesDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

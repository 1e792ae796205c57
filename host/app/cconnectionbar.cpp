#include "cconnectionbar.h"

#include "chostapptr.h"
#include "chostsettings.h"
#include "plugin/cloomworkplugin.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMetaEnum>
#include <QPushButton>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace {

const char *const captionTexts[] = {
    QT_TRANSLATE_NOOP("LoomworkHostApp", "Link:"),
    QT_TRANSLATE_NOOP("LoomworkHostApp", "Host:"),
    QT_TRANSLATE_NOOP("LoomworkHostApp", "Port:"),
    QT_TRANSLATE_NOOP("LoomworkHostApp", "Serial port:"),
    QT_TRANSLATE_NOOP("LoomworkHostApp", "Line:"),
    QT_TRANSLATE_NOOP("LoomworkHostApp", "Address:"),
};

QSpinBox *spinBox(int minimum, int maximum, QWidget *parent)
{
    auto *spin = new QSpinBox(parent);
    spin->setRange(minimum, maximum);
    return spin;
}

// Selects the entry whose item data is value; false when there is none.
bool selectData(QComboBox *combo, int value)
{
    const int index = combo->findData(value);
    if (index >= 0)
        combo->setCurrentIndex(index);
    return index >= 0;
}

} // namespace

CConnectionBar::CConnectionBar(QWidget *parent)
    : QWidget(parent)
    , m_transport(new QComboBox(this))
    , m_simulatorEndpoint(new QLabel(this))
    , m_host(new QLineEdit(this))
    , m_port(spinBox(1, 65535, this))
    , m_serialPort(new QComboBox(this))
    , m_baudRate(new QComboBox(this))
    , m_parity(new QComboBox(this))
    , m_dataBits(spinBox(5, 8, this))
    , m_stopBits(new QComboBox(this))
    , m_address(spinBox(1, 247, this))
    , m_connect(new QPushButton(this))
    , m_disconnect(new QPushButton(this))
    , m_stateLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("ConnectionBar"));
    m_transport->setObjectName(QStringLiteral("Link"));
    m_host->setObjectName(QStringLiteral("Host"));
    m_serialPort->setObjectName(QStringLiteral("SerialPort"));
    m_baudRate->setObjectName(QStringLiteral("BaudRate"));
    m_parity->setObjectName(QStringLiteral("Parity"));
    m_stopBits->setObjectName(QStringLiteral("StopBits"));
    for (int i = 0; i < int(std::size(captionTexts)); ++i)
        m_captions.append(new QLabel(this));
    // Only the page of the chosen link is shown, so the row is as wide as
    // that page and the state stays near the buttons.
    m_simulatorPage = m_simulatorEndpoint;
    m_tcpPage = createTcpPage();
    m_rtuPage = createRtuPage();

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    // The link list speaks for itself ("Modbus RTU"); its caption would
    // cost the room a small screen does not have.
    m_captions.at(0)->hide();
    layout->addWidget(m_transport);
    layout->addWidget(m_simulatorPage);
    layout->addWidget(m_tcpPage);
    layout->addWidget(m_rtuPage);
    layout->addWidget(m_captions.at(5));
    layout->addWidget(m_address);
    layout->addWidget(m_connect);
    layout->addWidget(m_disconnect);
    layout->addSpacing(6);
    // The state gives way when the row is narrow (the status bar shows it
    // whole, and so does its tool tip).
    m_stateLabel->setMinimumWidth(1);
    layout->addWidget(m_stateLabel);
    layout->addStretch(1);

    fillChoices();
    connect(m_transport, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &CConnectionBar::showPage);
    connect(m_connect, &QPushButton::clicked, this, &CConnectionBar::connectRequested);
    connect(m_disconnect, &QPushButton::clicked, this, &CConnectionBar::disconnectRequested);
    // A name is only of use when it can be read whole.
    connect(m_host, &QLineEdit::textChanged, this, [this](const QString &text) { fitToText(m_host, text); });
    connect(m_serialPort, &QComboBox::currentTextChanged, this,
            [this](const QString &text) { fitToText(m_serialPort, text); });
    setSettings(CLinkSettings());
    setLink(SimulatorLink);
    retranslate();
}

QWidget *CConnectionBar::createTcpPage()
{
    auto *page = new QWidget(this);
    auto *layout = new QHBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_captions.at(1));
    layout->addWidget(m_host);
    layout->addWidget(m_captions.at(2));
    layout->addWidget(m_port);
    return page;
}

QWidget *CConnectionBar::createRtuPage()
{
    auto *page = new QWidget(this);
    auto *layout = new QHBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_captions.at(3));
    layout->addWidget(m_serialPort);
    // No caption for the line settings: each field's tool tip names it, and
    // the row must fit a small screen.
    m_captions.at(4)->hide();
    layout->addWidget(m_baudRate);
    layout->addWidget(m_dataBits);
    layout->addWidget(m_parity);
    layout->addWidget(m_stopBits);
    return page;
}

void CConnectionBar::fillChoices()
{
    m_transport->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_transport->addItem(QString(), SimulatorLink);
    m_transport->addItem(QStringLiteral("Modbus TCP"), TcpLink);
    m_transport->addItem(QStringLiteral("Modbus RTU"), RtuLink);
    m_serialPort->setEditable(true);
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        m_serialPort->addItem(info.systemLocation());
    m_baudRate->setEditable(true);
    m_baudRate->setValidator(new QIntValidator(1, MaximumBaudRate, m_baudRate));
    for (int rate : {9600, 19200, 38400, 57600, 115200})
        m_baudRate->addItem(QString::number(rate), rate);
    for (int parity : {QSerialPort::NoParity, QSerialPort::EvenParity, QSerialPort::OddParity})
        m_parity->addItem(QString(), parity);
    for (int stopBits : {QSerialPort::OneStop, QSerialPort::TwoStop})
        m_stopBits->addItem(QString(), stopBits);
}

CLinkSettings CConnectionBar::settings(const CLinkSettings &base) const
{
    CLinkSettings settings = base;
    switch (link()) {
    case SimulatorLink:
        settings.transport = CLinkSettings::Tcp;
        settings.host = m_simulatorHost;
        settings.port = m_simulatorPort;
        break;
    case TcpLink:
        settings.transport = CLinkSettings::Tcp;
        settings.host = m_host->text().trimmed();
        if (settings.host.startsWith(QLatin1Char('[')) && settings.host.endsWith(QLatin1Char(']')))
            settings.host = settings.host.mid(1, settings.host.size() - 2); // an IPv6 address as in URLs
        settings.port = quint16(m_port->value());
        break;
    case RtuLink:
        settings.transport = CLinkSettings::Rtu;
        break;
    }
    settings.serialPort = m_serialPort->currentText().trimmed();
    settings.baudRate = m_baudRate->currentText().trimmed().toInt();
    settings.parity = m_parity->currentData().toInt();
    settings.dataBits = m_dataBits->value();
    settings.stopBits = m_stopBits->currentData().toInt();
    settings.serverAddress = m_address->value();
    return settings;
}

bool CConnectionBar::check(QString *error) const
{
    const CLinkSettings current = settings();
    if (link() == TcpLink && current.host.isEmpty()) {
        *error = CHostAppTr::tr("Enter the device's host name or IP address.");
        return false;
    }
    if (link() != RtuLink)
        return true;
    if (current.serialPort.isEmpty()) {
        *error = CHostAppTr::tr("Enter the serial port (for example /dev/ttyUSB0).");
        return false;
    }
    if (current.baudRate < MinimumBaudRate || current.baudRate > MaximumBaudRate) {
        *error
            = CHostAppTr::tr("The baud rate \"%1\" is not possible: choose one from the list or enter a whole number "
                             "from %2 to %3.")
                  .arg(m_baudRate->currentText(), QLocale().toString(MinimumBaudRate),
                       QLocale().toString(MaximumBaudRate));
        return false;
    }
    return true;
}

void CConnectionBar::setSettings(const CLinkSettings &settings)
{
    const bool simulator = settings.transport == CLinkSettings::Tcp && !m_simulatorHost.isEmpty()
        && settings.host == m_simulatorHost && settings.port == m_simulatorPort;
    if (simulator)
        setLink(SimulatorLink);
    else
        setLink(settings.transport == CLinkSettings::Rtu ? RtuLink : TcpLink);
    m_host->setText(settings.host);
    m_port->setValue(settings.port);
    if (!settings.serialPort.isEmpty())
        m_serialPort->setCurrentText(settings.serialPort);
    if (!selectData(m_baudRate, settings.baudRate))
        m_baudRate->setCurrentText(QString::number(settings.baudRate));
    selectData(m_parity, settings.parity);
    m_dataBits->setValue(settings.dataBits);
    selectData(m_stopBits, settings.stopBits);
    m_address->setValue(settings.serverAddress);
}

CConnectionBar::Link CConnectionBar::link() const
{
    return Link(m_transport->currentData().toInt());
}

void CConnectionBar::setLink(Link link)
{
    selectData(m_transport, link);
    showPage();
}

void CConnectionBar::setSimulatorEndpoint(const QString &host, quint16 port)
{
    m_simulatorHost = host;
    m_simulatorPort = port;
    retranslate();
}

// Hides the other pages before showing the chosen one: showing a page lays
// the window out at once, and with two pages shown it would grow to fit both
// and stay that wide.
void CConnectionBar::showPage()
{
    QWidget *chosen = m_rtuPage;
    if (link() == SimulatorLink)
        chosen = m_simulatorPage;
    else if (link() == TcpLink)
        chosen = m_tcpPage;
    for (QWidget *page : {m_simulatorPage, m_tcpPage, m_rtuPage}) {
        if (page != chosen)
            page->hide();
    }
    chosen->show();
}

// The field's width for text as the style draws it (frame, margins and a
// combo box's arrow included), at least that of a usual name.
void CConnectionBar::fitToText(QWidget *field, const QString &text)
{
    const QFontMetrics metrics = field->fontMetrics();
    const int textWidth = qMax(metrics.horizontalAdvance(text), metrics.horizontalAdvance(QStringLiteral("/dev/ttyUSB0")))
        + metrics.horizontalAdvance(QLatin1Char(' ')) * 2;
    const QSize content(textWidth, metrics.height());
    QSize size;
    if (auto *combo = qobject_cast<QComboBox *>(field)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        size = combo->style()->sizeFromContents(QStyle::CT_ComboBox, &option, content, combo);
    } else {
        QStyleOptionFrame option;
        option.initFrom(field);
        option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
        size = field->style()->sizeFromContents(QStyle::CT_LineEdit, &option, content, field);
    }
    field->setMinimumWidth(size.width());
}

void CConnectionBar::setLineDefaults(const LineSettings &line)
{
    if (!selectData(m_baudRate, line.baudRate))
        m_baudRate->setCurrentText(QString::number(line.baudRate));
    selectData(m_parity, line.parity);
    m_dataBits->setValue(line.dataBits);
    selectData(m_stopBits, line.stopBits);
}

void CConnectionBar::setState(CModbusMaster::State state, const QString &detail)
{
    m_state = state;
    m_detail = detail;
    updateState();
}

CModbusMaster::State CConnectionBar::state() const
{
    return m_state;
}

QString CConnectionBar::linkText() const
{
    const CLinkSettings current = settings();
    QString target;
    switch (link()) {
    case SimulatorLink:
        target = m_transport->currentText();
        break;
    case TcpLink:
        target = QStringLiteral("Modbus TCP %1:%2").arg(current.host).arg(current.port);
        break;
    case RtuLink:
        target = QStringLiteral("Modbus RTU %1").arg(current.serialPort);
        break;
    }
    return CHostAppTr::tr("%1, address %2").arg(target).arg(current.serverAddress);
}

QString CConnectionBar::stateText() const
{
    return m_stateLabel->text();
}

void CConnectionBar::saveTo(CHostSettings &settings) const
{
    settings.setValue(CHostSettings::Link, QString::fromLatin1(QMetaEnum::fromType<Link>().valueToKey(link())));
    settings.setValue(CHostSettings::Host, m_host->text().trimmed());
    settings.setValue(CHostSettings::Port, m_port->value());
    settings.setValue(CHostSettings::SerialPort, m_serialPort->currentText().trimmed());
    settings.setValue(CHostSettings::Address, m_address->value());
}

void CConnectionBar::restoreFrom(const CHostSettings &settings)
{
    bool known = false;
    const int stored = QMetaEnum::fromType<Link>().keyToValue(
        settings.value(CHostSettings::Link).toString().toLatin1().constData(), &known);
    setLink(known ? Link(stored) : SimulatorLink);
    if (settings.contains(CHostSettings::Host))
        m_host->setText(settings.value(CHostSettings::Host).toString());
    m_port->setValue(settings.value(CHostSettings::Port, m_port->value()).toInt());
    if (settings.contains(CHostSettings::SerialPort))
        m_serialPort->setCurrentText(settings.value(CHostSettings::SerialPort).toString());
    m_address->setValue(settings.value(CHostSettings::Address, m_address->value()).toInt());
}

void CConnectionBar::updateState()
{
    static const char *const texts[] = {QT_TRANSLATE_NOOP("LoomworkHostApp", "Disconnected"), QT_TRANSLATE_NOOP("LoomworkHostApp", "Connecting..."),
                                        QT_TRANSLATE_NOOP("LoomworkHostApp", "Connected")};
    static const char *const colours[] = {"#a3a3a3", "#ffb000", "#2e9e3e"};
    m_stateLabel->setToolTip(m_detail);
    m_stateLabel->setText(m_detail.isEmpty() ? CHostAppTr::tr(texts[m_state])
                                             : CHostAppTr::tr("%1: %2").arg(CHostAppTr::tr(texts[m_state]), m_detail));
    m_stateLabel->setStyleSheet(QStringLiteral("QLabel { color: white; background-color: %1;"
                                               " border-radius: 4px; padding: 2px 8px; }")
                                    .arg(QLatin1String(colours[m_state])));
    const bool idle = m_state == CModbusMaster::Disconnected;
    m_connect->setEnabled(idle);
    m_disconnect->setEnabled(!idle);
    m_transport->setEnabled(idle);
    m_tcpPage->setEnabled(idle);
    m_rtuPage->setEnabled(idle);
    m_address->setEnabled(idle);
}

void CConnectionBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void CConnectionBar::retranslate()
{
    for (int i = 0; i < m_captions.size(); ++i)
        m_captions.at(i)->setText(CHostAppTr::tr(captionTexts[i]));
    m_transport->setItemText(m_transport->findData(SimulatorLink), CHostAppTr::tr("Simulator"));
    m_transport->setItemData(m_transport->findData(SimulatorLink), CHostAppTr::tr("The built-in simulator"),
                             Qt::ToolTipRole);
    m_simulatorEndpoint->setText(m_simulatorHost.isEmpty()
                                     ? CHostAppTr::tr("not running")
                                     : QStringLiteral("%1:%2").arg(m_simulatorHost).arg(m_simulatorPort));
    // Short entries keep the row narrow; the tool tips say what they are.
    m_parity->setItemText(m_parity->findData(QSerialPort::NoParity), CHostAppTr::tr("none"));
    m_parity->setItemText(m_parity->findData(QSerialPort::EvenParity), CHostAppTr::tr("even"));
    m_parity->setItemText(m_parity->findData(QSerialPort::OddParity), CHostAppTr::tr("odd"));
    m_parity->setToolTip(CHostAppTr::tr("Parity"));
    m_transport->setToolTip(CHostAppTr::tr("Link"));
    m_stopBits->setItemText(m_stopBits->findData(QSerialPort::OneStop), QStringLiteral("1"));
    m_stopBits->setItemText(m_stopBits->findData(QSerialPort::TwoStop), QStringLiteral("2"));
    m_stopBits->setToolTip(CHostAppTr::tr("Stop bits"));
    m_baudRate->setToolTip(CHostAppTr::tr("Baud rate: choose one or enter a whole number from %1 to %2")
                               .arg(QLocale().toString(MinimumBaudRate), QLocale().toString(MaximumBaudRate)));
    m_dataBits->setToolTip(CHostAppTr::tr("Data bits"));
    m_connect->setText(CHostAppTr::tr("Connect"));
    m_disconnect->setText(CHostAppTr::tr("Disconnect"));
    updateState();
}

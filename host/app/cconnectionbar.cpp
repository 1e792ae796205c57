#include "cconnectionbar.h"

#include "plugin/cloomworkplugin.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QSpinBox>

namespace {

const char *const captionTexts[] = {
    QT_TRANSLATE_NOOP("CConnectionBar", "Link:"),
    QT_TRANSLATE_NOOP("CConnectionBar", "Host:"),
    QT_TRANSLATE_NOOP("CConnectionBar", "Port:"),
    QT_TRANSLATE_NOOP("CConnectionBar", "Serial port:"),
    QT_TRANSLATE_NOOP("CConnectionBar", "Line:"),
    QT_TRANSLATE_NOOP("CConnectionBar", "Address:"),
};

QSpinBox *spinBox(int minimum, int maximum, QWidget *parent)
{
    auto *spin = new QSpinBox(parent);
    spin->setRange(minimum, maximum);
    return spin;
}

} // namespace

CConnectionBar::CConnectionBar(QWidget *parent)
    : QWidget(parent)
    , m_transport(new QComboBox(this))
    , m_host(new QLineEdit(this))
    , m_port(spinBox(1, 65535, this))
    , m_serialPort(new QComboBox(this))
    , m_baudRate(new QComboBox(this))
    , m_parity(new QComboBox(this))
    , m_dataBits(spinBox(5, 8, this))
    , m_stopBits(spinBox(1, 2, this))
    , m_address(spinBox(1, 247, this))
    , m_connect(new QPushButton(this))
    , m_disconnect(new QPushButton(this))
    , m_stateLabel(new QLabel(this))
{
    for (int i = 0; i < int(std::size(captionTexts)); ++i)
        m_captions.append(new QLabel(this));
    // Only the page of the chosen transport is shown, so the row is as
    // wide as that page and the state stays near the buttons.
    m_tcpPage = createTcpPage();
    m_rtuPage = createRtuPage();

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(m_captions.at(0));
    layout->addWidget(m_transport);
    layout->addWidget(m_tcpPage);
    layout->addWidget(m_rtuPage);
    layout->addWidget(m_captions.at(5));
    layout->addWidget(m_address);
    layout->addWidget(m_connect);
    layout->addWidget(m_disconnect);
    layout->addSpacing(12);
    layout->addWidget(m_stateLabel);
    layout->addStretch(1);

    fillChoices();
    connect(m_transport, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &CConnectionBar::showPage);
    connect(m_connect, &QPushButton::clicked, this, &CConnectionBar::connectRequested);
    connect(m_disconnect, &QPushButton::clicked, this, &CConnectionBar::disconnectRequested);
    setSettings(CLinkSettings());
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
    m_host->setMinimumWidth(110);
    m_host->setMaximumWidth(220);
    return page;
}

QWidget *CConnectionBar::createRtuPage()
{
    auto *page = new QWidget(this);
    auto *layout = new QHBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_captions.at(3));
    layout->addWidget(m_serialPort);
    layout->addWidget(m_captions.at(4));
    layout->addWidget(m_baudRate);
    layout->addWidget(m_dataBits);
    layout->addWidget(m_parity);
    layout->addWidget(m_stopBits);
    return page;
}

void CConnectionBar::fillChoices()
{
    m_transport->addItems({QStringLiteral("Modbus TCP"), QStringLiteral("Modbus RTU")});
    m_serialPort->setEditable(true);
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        m_serialPort->addItem(info.systemLocation());
    m_baudRate->setEditable(true);
    for (int rate : {9600, 19200, 38400, 57600, 115200})
        m_baudRate->addItem(QString::number(rate));
    // Index = QSerialPort::Parity code for the codes the device family uses.
    m_parity->addItems({QStringLiteral("N"), QString(), QStringLiteral("E"), QStringLiteral("O")});
}

CLinkSettings CConnectionBar::settings(const CLinkSettings &base) const
{
    CLinkSettings settings = base;
    settings.transport = m_transport->currentIndex() == 1 ? CLinkSettings::Rtu : CLinkSettings::Tcp;
    settings.host = m_host->text().trimmed();
    settings.port = quint16(m_port->value());
    settings.serialPort = m_serialPort->currentText().trimmed();
    settings.baudRate = m_baudRate->currentText().toInt();
    settings.parity = m_parity->currentIndex();
    settings.dataBits = m_dataBits->value();
    settings.stopBits = m_stopBits->value();
    settings.serverAddress = m_address->value();
    return settings;
}

void CConnectionBar::setSettings(const CLinkSettings &settings)
{
    m_transport->setCurrentIndex(settings.transport == CLinkSettings::Rtu ? 1 : 0);
    showPage(m_transport->currentIndex());
    m_host->setText(settings.host);
    m_port->setValue(settings.port);
    if (!settings.serialPort.isEmpty())
        m_serialPort->setCurrentText(settings.serialPort);
    m_baudRate->setCurrentText(QString::number(settings.baudRate));
    m_parity->setCurrentIndex(settings.parity);
    m_dataBits->setValue(settings.dataBits);
    m_stopBits->setValue(settings.stopBits);
    m_address->setValue(settings.serverAddress);
}

void CConnectionBar::showPage(int transport)
{
    m_tcpPage->setVisible(transport == 0);
    m_rtuPage->setVisible(transport == 1);
}

void CConnectionBar::setLineDefaults(const LineSettings &line)
{
    m_baudRate->setCurrentText(QString::number(line.baudRate));
    m_parity->setCurrentIndex(line.parity);
    m_dataBits->setValue(line.dataBits);
    m_stopBits->setValue(line.stopBits);
}

void CConnectionBar::setState(CModbusMaster::State state)
{
    m_state = state;
    updateState();
}

CModbusMaster::State CConnectionBar::state() const
{
    return m_state;
}

QString CConnectionBar::stateText() const
{
    return m_stateLabel->text();
}

void CConnectionBar::updateState()
{
    static const char *const texts[] = {QT_TR_NOOP("Disconnected"), QT_TR_NOOP("Connecting..."),
                                        QT_TR_NOOP("Connected")};
    static const char *const colours[] = {"#a3a3a3", "#ffb000", "#2e9e3e"};
    m_stateLabel->setText(tr(texts[m_state]));
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
        m_captions.at(i)->setText(tr(captionTexts[i]));
    m_parity->setItemText(0, tr("no parity"));
    m_parity->setItemText(2, tr("even"));
    m_parity->setItemText(3, tr("odd"));
    m_connect->setText(tr("Connect"));
    m_disconnect->setText(tr("Disconnect"));
    updateState();
}

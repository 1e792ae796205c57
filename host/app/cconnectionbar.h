#ifndef CCONNECTIONBAR_H
#define CCONNECTIONBAR_H

#include "clinksettings.h"
#include "cmodbusmaster.h"

#include <QWidget>

struct LineSettings;
class CHostSettings;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The connection row of the main window: the link (the built-in simulator,
// Modbus TCP with host and port, or RTU with serial port and line
// settings), device address, connect and disconnect, and the connection
// state, always visible. Every choice that has a code (link, parity, stop
// bits, baud rate) carries it as item data, never as a list position.
class CConnectionBar : public QWidget
{
    Q_OBJECT

public:
    enum Link { SimulatorLink, TcpLink, RtuLink };
    Q_ENUM(Link)

    explicit CConnectionBar(QWidget *parent = nullptr);

    // base with the fields the user entered; the rest (time limits, flow
    // control) stays as in base. The simulator link is Modbus TCP to the
    // simulator's endpoint.
    CLinkSettings settings(const CLinkSettings &base = CLinkSettings()) const;
    // Shows settings in the fields and chooses their TCP or RTU link (the
    // simulator's, when they lead to it).
    void setSettings(const CLinkSettings &settings);
    // True when the fields make a usable link; else false with *error
    // naming the field and what it accepts.
    bool check(QString *error) const;

    Link link() const;
    void setLink(Link link);
    // Where the built-in simulator listens (empty host: not running).
    void setSimulatorEndpoint(const QString &host, quint16 port);

    // Pre-fills the serial-line fields with a plugin's default line settings.
    void setLineDefaults(const LineSettings &line);
    // Shows the link state and enables connect or disconnect to match;
    // detail (a reason, a retry) goes beside the state.
    void setState(CModbusMaster::State state, const QString &detail = QString());
    CModbusMaster::State state() const;
    // The chosen link in words ("Modbus TCP 10.0.0.5:502, address 1").
    QString linkText() const;
    // The text of the state indicator, with its detail.
    QString stateText() const;

    // The last connection: link, host, port, serial port and address.
    void saveTo(CHostSettings &settings) const;
    void restoreFrom(const CHostSettings &settings);

    // The lowest and highest baud rate a typed rate may have.
    static constexpr int MinimumBaudRate = 50;
    static constexpr int MaximumBaudRate = 4000000;

signals:
    void connectRequested();
    void disconnectRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    QWidget *createTcpPage();
    QWidget *createRtuPage();
    void fillChoices();
    void retranslate();
    void updateState();
    void showPage();
    void fitToText(QWidget *field, const QString &text);

    QComboBox *m_transport;
    QWidget *m_simulatorPage;
    QWidget *m_tcpPage;
    QWidget *m_rtuPage;
    QLabel *m_simulatorEndpoint;
    QLineEdit *m_host;
    QSpinBox *m_port;
    QComboBox *m_serialPort;
    QComboBox *m_baudRate;
    QComboBox *m_parity;
    QSpinBox *m_dataBits;
    QComboBox *m_stopBits;
    QSpinBox *m_address;
    QPushButton *m_connect;
    QPushButton *m_disconnect;
    QLabel *m_stateLabel;
    QList<QLabel *> m_captions;
    QString m_simulatorHost;
    quint16 m_simulatorPort = 0;
    QString m_detail;
    CModbusMaster::State m_state = CModbusMaster::Disconnected;
};

#endif // CCONNECTIONBAR_H

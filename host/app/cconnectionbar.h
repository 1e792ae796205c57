#ifndef CCONNECTIONBAR_H
#define CCONNECTIONBAR_H

#include "clinksettings.h"
#include "cmodbusmaster.h"

#include <QWidget>

struct LineSettings;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The connection row of the main window: transport (Modbus TCP with host
// and port, or RTU with serial port and line settings), device address,
// connect and disconnect, and the connection state, always visible.
class CConnectionBar : public QWidget
{
    Q_OBJECT

public:
    explicit CConnectionBar(QWidget *parent = nullptr);

    // base with the fields the user entered; the rest (time limits, flow
    // control) stays as in base.
    CLinkSettings settings(const CLinkSettings &base = CLinkSettings()) const;
    // Shows settings in the fields.
    void setSettings(const CLinkSettings &settings);
    // Pre-fills the serial-line fields with a plugin's default line settings.
    void setLineDefaults(const LineSettings &line);
    // Shows the link state and enables connect or disconnect to match.
    void setState(CModbusMaster::State state);
    CModbusMaster::State state() const;
    // The text of the state indicator.
    QString stateText() const;

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
    void showPage(int transport);

    QComboBox *m_transport;
    QWidget *m_tcpPage;
    QWidget *m_rtuPage;
    QLineEdit *m_host;
    QSpinBox *m_port;
    QComboBox *m_serialPort;
    QComboBox *m_baudRate;
    QComboBox *m_parity;
    QSpinBox *m_dataBits;
    QSpinBox *m_stopBits;
    QSpinBox *m_address;
    QPushButton *m_connect;
    QPushButton *m_disconnect;
    QLabel *m_stateLabel;
    QList<QLabel *> m_captions;
    CModbusMaster::State m_state = CModbusMaster::Disconnected;
};

#endif // CCONNECTIONBAR_H

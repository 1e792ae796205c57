#ifndef CMODBUSCONNECTION_H
#define CMODBUSCONNECTION_H

#include "clinkfailure.h"
#include "clinksettings.h"

#include <QByteArray>
#include <QIODevice>
#include <QObject>
#include <QPointer>
#include <QString>

// The byte stream to the device: a TCP connection or a serial port. It
// knows nothing of frames; the master reads what arrives and decides.
class CModbusConnection : public QObject
{
    Q_OBJECT

public:
    explicit CModbusConnection(QObject *parent = nullptr);
    ~CModbusConnection() override;

    // Opens the TCP connection or serial port that settings name. opened()
    // or closed() follows, never within this call.
    void open(const CLinkSettings &settings);
    // Closes at once, without closed().
    void close();
    bool isOpen() const;

    // Sends bytes; false when nothing is open.
    bool write(const QByteArray &bytes);
    // Every byte received and not yet taken.
    QByteArray takeReceived();

    // Why the connection failed to open or was lost, and whether trying
    // again can help.
    CLinkFailure failure() const;

signals:
    void opened();
    void received();
    // The connection failed to open or was lost (see failure()).
    void closed();

private:
    void openTcp(const CLinkSettings &settings);
    void openSerial(const CLinkSettings &settings);
    void fail(const CLinkFailure &failure);

    QPointer<QIODevice> m_device;
    bool m_open = false;
    CLinkFailure m_failure;
};

#endif // CMODBUSCONNECTION_H

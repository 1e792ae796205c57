#ifndef CLINKSETTINGS_H
#define CLINKSETTINGS_H

#include <QSerialPort>
#include <QString>
#include <QtGlobal>

// How the host reaches the device: Modbus TCP or Modbus RTU on a serial
// line, and the time limits of the link. The serial settings start at the
// Modbus serial line's default (19200 bit/s, 8 data bits, even parity, one
// stop bit, no flow control) until a device plugin names its own.
struct CLinkSettings
{
    enum Transport { Tcp, Rtu };

    Transport transport = Tcp;
    QString host = QStringLiteral("127.0.0.1");
    quint16 port = 502;
    QString serialPort;
    qint32 baudRate = QSerialPort::Baud19200;
    qint32 parity = QSerialPort::EvenParity;
    qint32 flowControl = QSerialPort::NoFlowControl;
    qint32 dataBits = QSerialPort::Data8;
    qint32 stopBits = QSerialPort::OneStop;
    int serverAddress = 1;        // used when a request carries bus address 0
    int responseTimeout = 1000;   // ms, per attempt
    int retries = 3;              // further attempts after a timeout, a bad answer or a busy device
    int connectTimeout = 3000;    // ms, the first connection
    int reconnectMinDelay = 250;  // ms, first delay after a lost connection
    // ms, the backoff doubles up to this; with the shorter connect timeout
    // of reconnects it keeps the link back within 2 s of the device
    int reconnectMaxDelay = 500;
    int reconnectTimeout = 1500;  // ms, each reconnect attempt
};

#endif // CLINKSETTINGS_H

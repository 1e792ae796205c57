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
    int retries = 3;              // further attempts after a timeout
    int connectTimeout = 3000;    // ms
    int reconnectMinDelay = 250;  // ms, first delay after a lost connection
    int reconnectMaxDelay = 8000; // ms, the backoff doubles up to this
    bool checkFrames = true;      // TCP: check every answer frame before the client parses it
};

#endif // CLINKSETTINGS_H

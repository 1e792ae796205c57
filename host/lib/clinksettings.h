#ifndef CLINKSETTINGS_H
#define CLINKSETTINGS_H

#include <QString>
#include <QtGlobal>

// How the host reaches the device: Modbus TCP or Modbus RTU on a serial
// line, and the time limits of the link. The serial defaults are the
// device's own line settings (115200 bit/s, 8 data bits, even parity,
// one stop bit, no flow control).
struct CLinkSettings
{
    enum Transport { Tcp, Rtu };

    Transport transport = Tcp;
    QString host = QStringLiteral("127.0.0.1");
    quint16 port = 502;
    QString serialPort;
    qint32 baudRate = 115200;
    qint32 parity = 2;      // QSerialPort::Parity code: 2 = even
    qint32 flowControl = 0; // QSerialPort::FlowControl code: 0 = none
    qint32 dataBits = 8;
    qint32 stopBits = 1;
    int serverAddress = 1;        // used when a request carries bus address 0
    int responseTimeout = 1000;   // ms, per attempt
    int retries = 3;              // further attempts after a timeout
    int connectTimeout = 3000;    // ms
    int reconnectMinDelay = 250;  // ms, first delay after a lost connection
    int reconnectMaxDelay = 8000; // ms, the backoff doubles up to this
    bool checkFrames = true;      // TCP: check every answer frame before the client parses it
};

#endif // CLINKSETTINGS_H

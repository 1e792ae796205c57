#ifndef CLINKFAILURE_H
#define CLINKFAILURE_H

#include "loomworkhost_global.h"

#include <QAbstractSocket>
#include <QSerialPort>
#include <QString>

// Why a link did not open or was lost, in words a technician reads, and
// whether trying again can help: a serial port that does not exist, one the
// user may not open and a host name that does not resolve stay so until the
// user changes something; a refused or lost connection may pass.
struct LOOMWORKHOST_EXPORT CLinkFailure
{
    bool permanent = false;
    QString reason;

    // From a serial port's error; systemText is the port's own error text.
    static CLinkFailure fromSerialPort(QSerialPort::SerialPortError error, const QString &systemText);
    // From a socket's error; systemText is the socket's own error text.
    static CLinkFailure fromSocket(QAbstractSocket::SocketError error, const QString &systemText);
};

#endif // CLINKFAILURE_H

#include "clinkfailure.h"

#include "chosttr.h"

CLinkFailure CLinkFailure::fromSerialPort(QSerialPort::SerialPortError error, const QString &systemText)
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return {true, CHostTr::tr("no such serial port")};
    case QSerialPort::PermissionError:
        return {true, CHostTr::tr("no permission to open the serial port, or another program uses it")};
    default:
        return {false, systemText};
    }
}

CLinkFailure CLinkFailure::fromSocket(QAbstractSocket::SocketError error, const QString &systemText)
{
    switch (error) {
    case QAbstractSocket::HostNotFoundError:
        return {true, CHostTr::tr("host not found")};
    case QAbstractSocket::SocketAccessError:
        return {true, CHostTr::tr("no permission to open the connection")};
    case QAbstractSocket::ConnectionRefusedError:
        return {false, CHostTr::tr("connection refused")};
    case QAbstractSocket::RemoteHostClosedError:
        return {false, CHostTr::tr("the device closed the connection")};
    case QAbstractSocket::SocketTimeoutError:
        return {false, CHostTr::tr("no response")};
    case QAbstractSocket::NetworkError:
        return {false, CHostTr::tr("network unreachable")};
    default:
        return {false, systemText};
    }
}

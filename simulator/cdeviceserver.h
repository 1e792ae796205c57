#ifndef CDEVICESERVER_H
#define CDEVICESERVER_H

#include <QModbusTcpServer>

class CRegisterMap;
class CSimDevice;

// The device's Modbus side: answers function 3 (read holding registers) from
// the status block at 0x7000 and the parameter registers, and functions 6 and
// 16 (write single / multiple registers) into the parameter registers. Other
// function codes get exception 1, unknown addresses exception 2, values out of
// range or malformed requests exception 3.
class CDeviceServer : public QModbusTcpServer
{
    Q_OBJECT

public:
    // map and device are not owned and must outlive the server.
    CDeviceServer(CRegisterMap *map, const CSimDevice *device, QObject *parent = nullptr);
    ~CDeviceServer() override;

    // Stops listening and ends every client connection. QModbusTcpServer
    // frees a connection's read buffer only when the connection's socket goes
    // while the server still stands, so this runs before the server goes.
    void closeConnections();

    // Answers status reads with the block as read from the address one
    // register further on, so the content no longer lines up.
    void setWrongStatusAddress(bool enabled) { m_wrongStatusAddress = enabled; }

    // Answers one request PDU (exposed so the register logic can be tested
    // without a socket).
    QModbusResponse answer(const QModbusPdu &request);

    // The port the server listens on once connected, 0 before.
    quint16 listeningPort() const;

protected:
    QModbusResponse processRequest(const QModbusPdu &request) override;

private:
    QModbusResponse readHoldingRegisters(const QModbusPdu &request);
    QModbusResponse writeSingleRegister(const QModbusPdu &request);
    QModbusResponse writeMultipleRegisters(const QModbusPdu &request);
    int readStatus(quint16 start, quint16 count, QVector<quint16> *values) const;

    CRegisterMap *m_map;
    const CSimDevice *m_device;
    bool m_wrongStatusAddress = false;
};

#endif // CDEVICESERVER_H

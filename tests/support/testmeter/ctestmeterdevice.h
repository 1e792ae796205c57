#ifndef CTESTMETERDEVICE_H
#define CTESTMETERDEVICE_H

#include <QList>
#include <QModbusTcpServer>
#include <QVector>

// A TM 100 test meter on a loopback Modbus TCP port inside the test program, keeping every request
// it was sent. It refuses a setpoint above its range (exception 3), so a host must write a wider
// range first. 32-bit values are stored low word first, as in the family's layout.
class CTestMeterDevice : public QModbusTcpServer
{
    Q_OBJECT

public:
    enum Register : quint16 {
        OrderNumber = 0x0000, // ten characters, the first in the low byte
        SerialNumber = 0x0005, // 32 bits
        Firmware = 0x0007,    // version in hundredths
        Setpoint = 0x0010, // float, two registers
        Mode = 0x0012,
        Range = 0x0014, // bounds the setpoint
        StatusValue = 0x0100, // measured value in tenths, signed
        StatusLed = 0x0101
    };

    // One request as it reached the device.
    struct Request
    {
        int functionCode = 0;
        int address = 0;
        int count = 0;
    };

    explicit CTestMeterDevice(QObject *parent = nullptr);

    // Range 250, setpoint 42.5, mode 1, a steady -7.3 with the LED on, no requests.
    void reset();

    // Listens on a free loopback port; false when it cannot.
    bool start();
    quint16 port() const;
    // "127.0.0.1:<port>", as a link names the device.
    QString endpoint() const { return QStringLiteral("127.0.0.1:%1").arg(port()); }
    // Hosts connected now. A test waits for none before it ends: the server
    // frees what it keeps for a connection only when it sees it close.
    int clients() const { return m_clients; }

    quint16 word(quint16 address) const;
    void setWord(quint16 address, quint16 value) { setData(QModbusDataUnit::HoldingRegisters, address, value); }
    float floatAt(quint16 address) const;
    void setFloat(quint16 address, float value);

    // After each read of the status block the measured value moves on by tenths (0: it stays).
    void setMeasuringStep(qint16 tenths) { m_step = tenths; }

    const QList<Request> &requests() const { return m_requests; }
    void clearRequests() { m_requests.clear(); }
    // The addresses written, in the order the requests came.
    QList<int> writtenAddresses() const;

protected:
    QModbusResponse processRequest(const QModbusPdu &request) override;

private:
    QList<Request> m_requests;
    int m_clients = 0;
    qint16 m_step = 0;
};

#endif // CTESTMETERDEVICE_H

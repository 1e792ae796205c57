#include "ctestmeterdevice.h"

#include <QModbusDataUnit>
#include <QTcpServer>
#include <QTcpSocket>

#include <cstring>

namespace {

const quint16 RegisterCount = 0x0200;

} // namespace

CTestMeterDevice::CTestMeterDevice(QObject *parent)
    : QModbusTcpServer(parent)
{
    QModbusDataUnitMap map;
    map.insert(QModbusDataUnit::HoldingRegisters, QModbusDataUnit(QModbusDataUnit::HoldingRegisters, 0, RegisterCount));
    setMap(map);
    setServerAddress(1);
    const QByteArray order("TM100-0001");
    for (int i = 0; i < 5; ++i)
        setWord(quint16(OrderNumber + i), quint16(quint8(order.at(2 * i)) | (quint8(order.at(2 * i + 1)) << 8)));
    setWord(SerialNumber, 4711);
    setWord(Firmware, 100);
    reset();
}

void CTestMeterDevice::reset()
{
    setWord(Range, 250);
    setFloat(Setpoint, 42.5f);
    setWord(Mode, 1);
    setWord(StatusValue, quint16(qint16(-73)));
    setWord(StatusLed, 1);
    m_step = 0;
    m_requests.clear();
}

bool CTestMeterDevice::start()
{
    setConnectionParameter(QModbusDevice::NetworkAddressParameter, QStringLiteral("127.0.0.1"));
    setConnectionParameter(QModbusDevice::NetworkPortParameter, 0);
    if (!connectDevice() || port() == 0)
        return false;
    connect(findChild<QTcpServer *>(), &QTcpServer::newConnection, this, [this]() { ++m_clients; });
    connect(this, &QModbusTcpServer::modbusClientDisconnected, this, [this]() { --m_clients; });
    return true;
}

quint16 CTestMeterDevice::port() const
{
    // The server listens through a QTcpServer of its own; port 0 lets the
    // system choose, which only that socket knows.
    const QTcpServer *socket = findChild<QTcpServer *>();
    return socket ? socket->serverPort() : 0;
}

quint16 CTestMeterDevice::word(quint16 address) const
{
    quint16 value = 0;
    data(QModbusDataUnit::HoldingRegisters, address, &value);
    return value;
}

float CTestMeterDevice::floatAt(quint16 address) const
{
    const quint32 bits = quint32(word(address)) | (quint32(word(address + 1)) << 16);
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void CTestMeterDevice::setFloat(quint16 address, float value)
{
    quint32 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    setWord(address, quint16(bits & 0xFFFF));
    setWord(address + 1, quint16(bits >> 16));
}

QList<int> CTestMeterDevice::writtenAddresses() const
{
    QList<int> addresses;
    for (const Request &request : m_requests) {
        if (request.functionCode == QModbusPdu::WriteSingleRegister
            || request.functionCode == QModbusPdu::WriteMultipleRegisters)
            addresses.append(request.address);
    }
    return addresses;
}

QModbusResponse CTestMeterDevice::processRequest(const QModbusPdu &request)
{
    Request seen;
    seen.functionCode = request.functionCode();
    const QByteArray data = request.data();
    if (data.size() >= 4) {
        seen.address = (quint8(data.at(0)) << 8) | quint8(data.at(1));
        seen.count = request.functionCode() == QModbusPdu::WriteSingleRegister
            ? 1 : (quint8(data.at(2)) << 8) | quint8(data.at(3));
    }
    m_requests.append(seen);
    if (request.functionCode() == QModbusPdu::WriteMultipleRegisters && seen.address <= Setpoint
        && seen.address + seen.count >= Setpoint + 2 && data.size() >= 5 + 2 * seen.count) {
        // The new setpoint (low word first) against the range held now.
        const int offset = 5 + 2 * (Setpoint - seen.address);
        const quint32 bits = quint32((quint8(data.at(offset)) << 8) | quint8(data.at(offset + 1)))
            | (quint32((quint8(data.at(offset + 2)) << 8) | quint8(data.at(offset + 3))) << 16);
        float value = 0.0f;
        std::memcpy(&value, &bits, sizeof value);
        if (value > float(word(Range)))
            return QModbusExceptionResponse(request.functionCode(), QModbusExceptionResponse::IllegalDataValue);
    }
    const QModbusResponse response = QModbusTcpServer::processRequest(request);
    if (seen.address == StatusValue && request.functionCode() == QModbusPdu::ReadHoldingRegisters)
        setWord(StatusValue, quint16(qint16(word(StatusValue)) + m_step));
    return response;
}

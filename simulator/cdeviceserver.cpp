#include "cdeviceserver.h"

#include "cregistermap.h"
#include "csimdevice.h"
#include "cstatusblock.h"
#include "device/pv8120status.h"

#include <QTcpServer>
#include <QTcpSocket>

namespace {

constexpr quint16 MaxReadCount = 125;
constexpr quint16 MaxWriteCount = 123;

QModbusResponse exception(const QModbusPdu &request, int code)
{
    return QModbusExceptionResponse(request.functionCode(), QModbusPdu::ExceptionCode(code));
}

quint16 wordAt(const QByteArray &data, int offset)
{
    return quint16((quint8(data.at(offset)) << 8) | quint8(data.at(offset + 1)));
}

} // namespace

CDeviceServer::CDeviceServer(CRegisterMap *map, const CSimDevice *device, QObject *parent)
    : QModbusTcpServer(parent), m_map(map), m_device(device)
{
}

CDeviceServer::~CDeviceServer()
{
    closeConnections();
}

void CDeviceServer::closeConnections()
{
    disconnectDevice();
    const QList<QTcpSocket *> sockets = findChildren<QTcpSocket *>();
    for (QTcpSocket *socket : sockets) {
        socket->abort();
        delete socket;
    }
}

quint16 CDeviceServer::listeningPort() const
{
    // QModbusTcpServer keeps its listening socket as a child object.
    const QTcpServer *server = findChild<QTcpServer *>();
    return server && server->isListening() ? server->serverPort() : 0;
}

QModbusResponse CDeviceServer::processRequest(const QModbusPdu &request)
{
    return answer(request);
}

QModbusResponse CDeviceServer::answer(const QModbusPdu &request)
{
    switch (request.functionCode()) {
    case QModbusPdu::ReadHoldingRegisters:
        return readHoldingRegisters(request);
    case QModbusPdu::WriteSingleRegister:
        return writeSingleRegister(request);
    case QModbusPdu::WriteMultipleRegisters:
        return writeMultipleRegisters(request);
    default:
        return exception(request, QModbusPdu::IllegalFunction);
    }
}

int CDeviceServer::readStatus(quint16 start, quint16 count, QVector<quint16> *values) const
{
    QVector<quint16> block = m_device->statusRegisters();
    if (m_wrongStatusAddress)
        block = block.mid(1) << 0;
    const int first = start - Pv8120::statusAddress;
    if (first + count > Pv8120::statusRegisterCount)
        return QModbusPdu::IllegalDataAddress;
    *values = block.mid(first, count);
    return 0;
}

QModbusResponse CDeviceServer::readHoldingRegisters(const QModbusPdu &request)
{
    if (request.dataSize() != 4)
        return exception(request, QModbusPdu::IllegalDataValue);
    const quint16 start = wordAt(request.data(), 0);
    const quint16 count = wordAt(request.data(), 2);
    if (count == 0 || count > MaxReadCount)
        return exception(request, QModbusPdu::IllegalDataValue);
    QVector<quint16> values;
    const bool status = start >= Pv8120::statusAddress && start < Pv8120::statusAddress + Pv8120::statusRegisterCount;
    const int result = status ? readStatus(start, count, &values) : m_map->read(start, count, &values);
    if (result != 0)
        return exception(request, result);
    QByteArray payload(1, char(values.size() * 2));
    for (const quint16 value : values)
        payload.append(char(value >> 8)).append(char(value & 0xFF));
    return QModbusResponse(request.functionCode(), payload);
}

QModbusResponse CDeviceServer::writeSingleRegister(const QModbusPdu &request)
{
    if (request.dataSize() != 4)
        return exception(request, QModbusPdu::IllegalDataValue);
    const int result = m_map->write(wordAt(request.data(), 0), {wordAt(request.data(), 2)});
    if (result != 0)
        return exception(request, result);
    return QModbusResponse(request.functionCode(), request.data());
}

QModbusResponse CDeviceServer::writeMultipleRegisters(const QModbusPdu &request)
{
    const QByteArray data = request.data();
    if (data.size() < 5)
        return exception(request, QModbusPdu::IllegalDataValue);
    const quint16 start = wordAt(data, 0);
    const quint16 count = wordAt(data, 2);
    const int byteCount = quint8(data.at(4));
    if (count == 0 || count > MaxWriteCount || byteCount != count * 2 || data.size() != 5 + byteCount)
        return exception(request, QModbusPdu::IllegalDataValue);
    QVector<quint16> values;
    for (int i = 0; i < count; ++i)
        values << wordAt(data, 5 + 2 * i);
    const int result = m_map->write(start, values);
    if (result != 0)
        return exception(request, result);
    return QModbusResponse(request.functionCode(), data.left(4));
}

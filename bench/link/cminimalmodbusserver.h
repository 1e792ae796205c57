#ifndef CMINIMALMODBUSSERVER_H
#define CMINIMALMODBUSSERVER_H

#include <QtGlobal>

#include <atomic>
#include <thread>

// A Modbus TCP server that does as little as a server can: libmodbus on a
// thread of its own, answering from a register table that holds the status
// block. Clients measured against it pay for their own work and the loopback,
// not for a device model.
class CMinimalModbusServer
{
public:
    CMinimalModbusServer();
    ~CMinimalModbusServer();
    CMinimalModbusServer(const CMinimalModbusServer &) = delete;
    CMinimalModbusServer &operator=(const CMinimalModbusServer &) = delete;

    // Listens on a free loopback port and serves status reads of count
    // registers from start until destroyed. False when it cannot listen.
    bool start(quint16 start, quint16 count);
    quint16 port() const { return m_port; }

private:
    void serve(int listener, quint16 start, quint16 count);

    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    quint16 m_port = 0;
};

#endif // CMINIMALMODBUSSERVER_H

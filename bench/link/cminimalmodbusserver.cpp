#include "cminimalmodbusserver.h"

#include <modbus.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

CMinimalModbusServer::CMinimalModbusServer() = default;

CMinimalModbusServer::~CMinimalModbusServer()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

bool CMinimalModbusServer::start(quint16 start, quint16 count)
{
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    if (listener < 0)
        return false;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    if (bind(listener, reinterpret_cast<sockaddr *>(&address), length) != 0 || listen(listener, 8) != 0
        || getsockname(listener, reinterpret_cast<sockaddr *>(&address), &length) != 0) {
        close(listener);
        return false;
    }
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this, listener, start, count] { serve(listener, start, count); });
    return true;
}

// One select() loop over the listener and every client; a request is read
// and answered by libmodbus. Checks for the stop flag every 50 ms.
void CMinimalModbusServer::serve(int listener, quint16 start, quint16 count)
{
    modbus_t *context = modbus_new_tcp("127.0.0.1", m_port);
    modbus_mapping_t *mapping = modbus_mapping_new_start_address(0, 0, 0, 0, start, count, 0, 0);
    for (int i = 0; mapping && i < count; ++i)
        mapping->tab_registers[i] = quint16(0x3000 + i);
    std::vector<int> clients;
    uint8_t query[MODBUS_TCP_MAX_ADU_LENGTH];
    while (context && mapping && !m_stop) {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(listener, &readable);
        int highest = listener;
        for (const int client : clients) {
            FD_SET(client, &readable);
            highest = std::max(highest, client);
        }
        timeval wait{0, 50000};
        if (select(highest + 1, &readable, nullptr, nullptr, &wait) <= 0)
            continue;
        if (FD_ISSET(listener, &readable)) {
            const int client = accept(listener, nullptr, nullptr);
            if (client >= 0)
                clients.push_back(client);
        }
        for (auto it = clients.begin(); it != clients.end();) {
            if (!FD_ISSET(*it, &readable)) {
                ++it;
                continue;
            }
            modbus_set_socket(context, *it);
            const int received = modbus_receive(context, query);
            if (received > 0)
                modbus_reply(context, query, received, mapping);
            if (received < 0) {
                close(*it);
                it = clients.erase(it);
            } else {
                ++it;
            }
        }
    }
    for (const int client : clients)
        close(client);
    close(listener);
    if (mapping)
        modbus_mapping_free(mapping);
    if (context) {
        modbus_set_socket(context, -1); // the clients were closed above
        modbus_free(context);
    }
}

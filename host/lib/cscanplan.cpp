#include "cscanplan.h"

#include "cdevicedata.h"
#include "clinkaddress.h"

#include <cmath>

namespace {

// Modbus RTU: 11 bits a character (start, 8 data, parity or a second stop
// bit, stop); frames are separated by 3.5 characters of silence, at least
// 1.75 ms above 19200 bit/s.
double characterMs(int baudRate)
{
    return 11000.0 / qMax(1, baudRate);
}

double silenceMs(int baudRate)
{
    return baudRate > 19200 ? 1.75 : 3.5 * characterMs(baudRate);
}

} // namespace

QList<CLinkSettings> CScanPlan::candidates(const CLinkSettings &base, const CDeviceData &data)
{
    if (base.transport == CLinkSettings::Tcp)
        return {base};
    QList<int> rates{base.baudRate};
    QList<int> parities{base.parity};
    QList<int> offered;
    for (const QVariant &rate : data.lineValues(CDeviceData::BaudRate))
        offered.append(rate.toInt());
    std::sort(offered.begin(), offered.end(), std::greater<int>());
    for (const int rate : qAsConst(offered)) {
        if (rate > 0 && !rates.contains(rate))
            rates.append(rate);
    }
    for (const QVariant &parity : data.lineValues(CDeviceData::Parity)) {
        const int code = CLinkAddress::parityCode(parity.toString());
        if (!parities.contains(code))
            parities.append(code);
    }
    QList<CLinkSettings> result;
    for (const int rate : qAsConst(rates)) {
        for (const int parity : qAsConst(parities)) {
            CLinkSettings link = base;
            link.baudRate = rate;
            link.parity = parity;
            result.append(link);
        }
    }
    return result;
}

int CScanPlan::probeTimeout(const CLinkSettings &link, int registers)
{
    if (link.transport == CLinkSettings::Tcp)
        return TcpTimeoutMs;
    // Request: address, function, start, count, CRC; response: address,
    // function, byte count, the registers, CRC.
    const int characters = 8 + 5 + 2 * registers;
    const double wire = characters * characterMs(link.baudRate) + 2 * silenceMs(link.baudRate);
    return int(std::ceil(wire)) + TurnaroundMs;
}

qint64 CScanPlan::worstCaseMs(const QList<CLinkSettings> &candidates, int ids, int registers, int timeoutMs)
{
    qint64 total = 0;
    for (const CLinkSettings &link : candidates)
        total += qint64(ids) * (timeoutMs > 0 ? timeoutMs : probeTimeout(link, registers));
    return total;
}

#include "climitmonitor.h"

#include "device/pv8120status.h"

#include <cmath>

void CLimitMonitor::configure(double maxAlarm, double maxHysteresis, double minAlarm, double minHysteresis)
{
    m_maxAlarm = maxAlarm;
    m_maxHysteresis = std::fabs(maxHysteresis);
    m_minAlarm = minAlarm;
    m_minHysteresis = std::fabs(minHysteresis);
}

CLimitMonitor::State CLimitMonitor::update(double value)
{
    const bool upperLatched = m_state == UpperAlarm || m_state == UpperHysteresis;
    const bool lowerLatched = m_state == LowerAlarm || m_state == LowerHysteresis;
    if (!(m_maxAlarm > m_minAlarm))
        m_state = Idle;
    else if (value > m_maxAlarm)
        m_state = UpperAlarm;
    else if (value < m_minAlarm)
        m_state = LowerAlarm;
    else if (upperLatched && value > m_maxAlarm - m_maxHysteresis)
        m_state = UpperHysteresis;
    else if (lowerLatched && value < m_minAlarm + m_minHysteresis)
        m_state = LowerHysteresis;
    else
        m_state = Normal;
    return m_state;
}

int CLimitMonitor::ledCode(State state)
{
    switch (state) {
    case Normal: return Pv8120::LedGreen;
    case UpperAlarm: return Pv8120::LedRed;
    case UpperHysteresis: return Pv8120::LedYellowGreen;
    case LowerAlarm: return Pv8120::LedYellowRed;
    case LowerHysteresis: return Pv8120::LedYellowWhite;
    case Idle: break;
    }
    return Pv8120::LedWhite;
}

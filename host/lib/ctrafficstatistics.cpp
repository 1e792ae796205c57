#include "ctrafficstatistics.h"

#include <algorithm>
#include <cmath>

void CTrafficStatistics::add(const CTrafficRecord &record)
{
    switch (record.outcome) {
    case CTrafficRecord::Sent:
        ++m_requests;
        if (record.retry)
            ++m_retries;
        return;
    case CTrafficRecord::Timeout:
        ++m_timeouts;
        return;
    case CTrafficRecord::Failed:
        ++m_failures;
        return;
    case CTrafficRecord::Exception:
        ++m_exceptions;
        break;
    case CTrafficRecord::Answered:
        ++m_answers;
        break;
    }
    if (record.roundTripUs < 0)
        return;
    ++m_roundTripCount;
    m_roundTripSum += double(record.roundTripUs);
    if (m_roundTrips.size() < MaxRoundTrips) {
        m_roundTrips.append(record.roundTripUs);
        return;
    }
    m_roundTrips[m_next] = record.roundTripUs;
    m_next = (m_next + 1) % MaxRoundTrips;
}

void CTrafficStatistics::clear()
{
    *this = CTrafficStatistics();
}

double CTrafficStatistics::meanRoundTripUs() const
{
    return m_roundTripCount ? m_roundTripSum / double(m_roundTripCount) : 0.0;
}

qint64 CTrafficStatistics::percentileRoundTripUs(double percent) const
{
    if (m_roundTrips.isEmpty())
        return 0;
    QVector<qint64> sorted = m_roundTrips;
    const int rank = qBound(1, int(std::ceil(percent / 100.0 * sorted.size())), sorted.size());
    std::nth_element(sorted.begin(), sorted.begin() + rank - 1, sorted.end());
    return sorted.at(rank - 1);
}

#ifndef CTRAFFICSTATISTICS_H
#define CTRAFFICSTATISTICS_H

#include "ctrafficrecord.h"
#include "loomworkhost_global.h"

#include <QVector>

// Link statistics from the traffic a master reports: requests put on the
// wire, retries among them, timeouts, exception responses, failures and the
// round trip of answered requests (mean over all, 99th percentile over the
// latest MaxRoundTrips answers, so a long session keeps a bounded memory).
class LOOMWORKHOST_EXPORT CTrafficStatistics
{
public:
    static const int MaxRoundTrips = 10000;

    // Counts record in.
    void add(const CTrafficRecord &record);
    void clear();

    quint64 requests() const { return m_requests; }
    quint64 retries() const { return m_retries; }
    quint64 answers() const { return m_answers; }
    quint64 timeouts() const { return m_timeouts; }
    quint64 exceptions() const { return m_exceptions; }
    quint64 failures() const { return m_failures; }

    // Round trips of answers (normal and exception) in microseconds; 0
    // before the first. The percentile is the nearest-rank one.
    double meanRoundTripUs() const;
    qint64 percentileRoundTripUs(double percent) const;

private:
    quint64 m_requests = 0;
    quint64 m_retries = 0;
    quint64 m_answers = 0;
    quint64 m_timeouts = 0;
    quint64 m_exceptions = 0;
    quint64 m_failures = 0;
    quint64 m_roundTripCount = 0;
    double m_roundTripSum = 0.0;
    QVector<qint64> m_roundTrips; // ring of the latest, oldest at m_next when full
    int m_next = 0;
};

#endif // CTRAFFICSTATISTICS_H

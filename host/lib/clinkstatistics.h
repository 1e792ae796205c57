#ifndef CLINKSTATISTICS_H
#define CLINKSTATISTICS_H

#include <QtGlobal>

// Counters of a Modbus master since it was created (or last reset).
struct CLinkStatistics
{
    quint64 sent = 0;        // attempts put on the wire (retries included)
    quint64 answered = 0;    // normal responses with the requested data
    quint64 timeouts = 0;    // attempts that ended without an answer
    quint64 exceptions = 0;  // Modbus exception responses
    quint64 errors = 0;      // other failed requests (connection, invalid answers)
    quint64 invalidAnswers = 0; // answers refused as not the answer to the request
    quint64 staleAnswers = 0;   // late answers to earlier attempts, skipped
    quint64 interrupted = 0;    // attempts cut off by the connection closing
    quint64 verifiedWrites = 0; // writes whose answer was lost, confirmed by reading back
    quint64 retries = 0;     // attempts repeated (timeout, invalid answer, device busy, connection lost)
    quint64 skippedPolls = 0; // status polls dropped because one was already waiting
    qint64 lastRoundTripUs = 0;
    qint64 minRoundTripUs = 0;
    qint64 maxRoundTripUs = 0;
    qint64 totalRoundTripUs = 0; // sum over `answered`, for the mean

    // Adds the round trip of an answer already counted in `answered`.
    void addRoundTrip(qint64 microseconds)
    {
        lastRoundTripUs = microseconds;
        totalRoundTripUs += microseconds;
        if (answered == 1 || microseconds < minRoundTripUs)
            minRoundTripUs = microseconds;
        maxRoundTripUs = qMax(maxRoundTripUs, microseconds);
    }

    // Mean round trip in microseconds; 0 before the first answer.
    double meanRoundTripUs() const
    {
        return answered ? double(totalRoundTripUs) / double(answered) : 0.0;
    }
};

#endif // CLINKSTATISTICS_H

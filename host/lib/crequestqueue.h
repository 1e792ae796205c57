#ifndef CREQUESTQUEUE_H
#define CREQUESTQUEUE_H

#include <QList>
#include <QtGlobal>

#include <memory>

struct CModbusJob;

// The requests waiting for the Modbus master's line: user requests in order,
// and at most one cyclic status poll, which goes after them.
class CRequestQueue
{
public:
    typedef std::shared_ptr<CModbusJob> Job;

    // Adds job; false (and nothing added) when it is a status poll and one
    // is waiting already.
    bool add(const Job &job);
    // Puts job back in front, to be sent again next.
    void putBack(const Job &job);
    // The next request to send, or null.
    Job takeNext();
    int size() const;
    // Every waiting request, the queue left empty.
    QList<Job> takeAll();

    // Every waiting request has waited since now (the link went down).
    void restartWaiting(qint64 now);
    // Takes out the requests that have waited limit ms by now; *next is set
    // to the ms until the next one has, -1 when none is left.
    QList<Job> takeExpired(qint64 now, qint64 limit, qint64 *next);

private:
    QList<Job> m_jobs;
    Job m_statusPoll;
};

#endif // CREQUESTQUEUE_H

#include "crequestqueue.h"

#include "cmodbusjob.h"

bool CRequestQueue::add(const Job &job)
{
    if (!job->isStatusPoll) {
        m_jobs.append(job);
        return true;
    }
    if (m_statusPoll)
        return false;
    m_statusPoll = job;
    return true;
}

void CRequestQueue::putBack(const Job &job)
{
    m_jobs.prepend(job);
}

CRequestQueue::Job CRequestQueue::takeNext()
{
    Job job;
    if (!m_jobs.isEmpty())
        job = m_jobs.takeFirst();
    else
        std::swap(job, m_statusPoll);
    return job;
}

int CRequestQueue::size() const
{
    return m_jobs.size() + (m_statusPoll ? 1 : 0);
}

QList<CRequestQueue::Job> CRequestQueue::takeAll()
{
    QList<Job> jobs = m_jobs;
    m_jobs.clear();
    if (m_statusPoll)
        jobs.append(m_statusPoll);
    m_statusPoll.reset();
    return jobs;
}

void CRequestQueue::restartWaiting(qint64 now)
{
    for (const Job &job : qAsConst(m_jobs))
        job->waitingSince = now;
    if (m_statusPoll)
        m_statusPoll->waitingSince = now;
}

QList<CRequestQueue::Job> CRequestQueue::takeExpired(qint64 now, qint64 limit, qint64 *next)
{
    QList<Job> expired;
    *next = -1;
    const QList<Job> waiting = takeAll();
    for (const Job &job : waiting) {
        const qint64 left = job->waitingSince + limit - now;
        if (left <= 0) {
            expired.append(job);
            continue;
        }
        *next = *next < 0 ? left : qMin(*next, left);
        add(job);
    }
    return expired;
}

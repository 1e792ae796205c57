#ifndef CFAULTPLAN_H
#define CFAULTPLAN_H

#include "cfaultconfig.h"

#include <QList>
#include <QMap>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

// Which fault hits each request the simulator receives: those of the "every
// N" options, or, with a fault rate, one kind drawn at random for that share
// of the requests. Counts every fault it injects.
class CFaultPlan
{
public:
    struct Decision
    {
        bool drop = false;
        int exceptionCode = 0; // answer with this exception, 0: none
        CFrameMangler::Fault frameFault = CFrameMangler::None;
        bool disconnect = false; // close the connection after the answer
    };

    explicit CFaultPlan(const CFaultConfig &config);

    // The fault of the next request; requests are numbered from 1 over all
    // connections. A request that is not eligible (its device is spared) is
    // counted but never hit.
    Decision next(bool eligible = true);
    quint64 requestCount() const { return m_requests; }
    // Injected faults by kind ("drop", "busy", "exception", "disconnect" or a
    // frame fault name).
    const QMap<QString, quint64> &injected() const { return m_injected; }
    // "faults injected: N in M requests (kind n, ...)"; empty when none.
    QString summary() const;
    // The same line over several plans (one per endpoint).
    static QString summary(const QList<const CFaultPlan *> &plans);

    // The kinds a fault rate draws from.
    static QStringList randomKinds();

private:
    Decision fromOptions() const;
    Decision drawn();
    void count(const Decision &decision);

    CFaultConfig m_config;
    QRandomGenerator m_random;
    quint64 m_requests = 0;
    QMap<QString, quint64> m_injected;
};

#endif // CFAULTPLAN_H

#include "cfaultplan.h"

namespace {

const int BusyException = 6;

bool hits(int every, quint64 number)
{
    return every > 0 && number % quint64(every) == 0;
}

} // namespace

CFaultPlan::CFaultPlan(const CFaultConfig &config)
    : m_config(config)
    , m_random(quint32(config.faultSeed))
{
}

QStringList CFaultPlan::randomKinds()
{
    return QStringList{QStringLiteral("drop"), QStringLiteral("busy"), QStringLiteral("exception"),
                       QStringLiteral("disconnect")}
        + CFrameMangler::faultNames();
}

CFaultPlan::Decision CFaultPlan::next(bool eligible)
{
    ++m_requests;
    if (!eligible)
        return Decision();
    const Decision decision = m_config.faultRate > 0 ? drawn() : fromOptions();
    count(decision);
    return decision;
}

// A drop wins over an injected exception, which wins over a frame fault.
CFaultPlan::Decision CFaultPlan::fromOptions() const
{
    Decision decision;
    if (hits(m_config.dropEvery, m_requests))
        decision.drop = true;
    else if (hits(m_config.exceptionEvery, m_requests))
        decision.exceptionCode = m_config.exceptionCode;
    else if (hits(m_config.frameFaultEvery, m_requests))
        decision.frameFault = m_config.frameFault;
    return decision;
}

CFaultPlan::Decision CFaultPlan::drawn()
{
    Decision decision;
    if (m_random.generateDouble() * 100.0 >= m_config.faultRate)
        return decision;
    const QStringList kinds = randomKinds();
    const QString kind = kinds.at(int(m_random.bounded(quint32(kinds.size()))));
    if (kind == QLatin1String("drop"))
        decision.drop = true;
    else if (kind == QLatin1String("busy"))
        decision.exceptionCode = BusyException;
    else if (kind == QLatin1String("exception"))
        decision.exceptionCode = m_config.exceptionCode;
    else if (kind == QLatin1String("disconnect"))
        decision.disconnect = true;
    else
        decision.frameFault = CFrameMangler::fault(kind);
    return decision;
}

void CFaultPlan::count(const Decision &decision)
{
    QString kind;
    if (decision.drop)
        kind = QStringLiteral("drop");
    else if (decision.exceptionCode == BusyException)
        kind = QStringLiteral("busy");
    else if (decision.exceptionCode != 0)
        kind = QStringLiteral("exception");
    else if (decision.disconnect)
        kind = QStringLiteral("disconnect");
    else if (decision.frameFault != CFrameMangler::None)
        kind = CFrameMangler::faultNames().value(decision.frameFault - 1);
    if (!kind.isEmpty())
        ++m_injected[kind];
}

QString CFaultPlan::summary() const
{
    return summary({this});
}

QString CFaultPlan::summary(const QList<const CFaultPlan *> &plans)
{
    quint64 requests = 0;
    QMap<QString, quint64> injected;
    for (const CFaultPlan *plan : plans) {
        requests += plan->m_requests;
        for (auto it = plan->m_injected.cbegin(); it != plan->m_injected.cend(); ++it)
            injected[it.key()] += it.value();
    }
    quint64 total = 0;
    QStringList parts;
    for (auto it = injected.cbegin(); it != injected.cend(); ++it) {
        total += it.value();
        parts << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    }
    if (total == 0)
        return QString();
    return QStringLiteral("faults injected: %1 in %2 requests (%3)").arg(total).arg(requests).arg(parts.join(", "));
}

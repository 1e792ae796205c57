#include "cmeasurementchain.h"

#include <cmath>

CMeasurementChain::Result CMeasurementChain::evaluate(double pressure) const
{
    Result result;
    result.pressure = pressure + m_settings.offset;
    result.outputPercent = outputPercent(result.pressure);
    if (suppressed(result.outputPercent))
        result.outputPercent = 0.0;
    if (m_settings.characteristic == Linear) {
        result.displayValue = result.pressure * m_settings.unitFactor;
    } else {
        const double span = m_settings.displayEnd - m_settings.displayStart;
        result.displayValue = m_settings.displayStart + result.outputPercent / 100.0 * span;
    }
    return result;
}

double CMeasurementChain::interpolate(const QVector<QPointF> &points, double pressure)
{
    if (points.isEmpty())
        return 0.0;
    if (pressure <= points.first().x())
        return points.first().y();
    for (int i = 1; i < points.size(); ++i) {
        const QPointF &low = points.at(i - 1);
        const QPointF &high = points.at(i);
        if (pressure > high.x())
            continue;
        if (high.x() == low.x())
            return high.y();
        return low.y() + (pressure - low.x()) / (high.x() - low.x()) * (high.y() - low.y());
    }
    return points.last().y();
}

double CMeasurementChain::outputPercent(double pressure) const
{
    if (m_settings.characteristic == Table)
        return interpolate(m_settings.points, pressure);
    const double span = m_settings.rangeEnd - m_settings.rangeStart;
    const double share = span != 0.0 ? (pressure - m_settings.rangeStart) / span : 0.0;
    if (m_settings.characteristic == SquareRoot)
        return share > 0.0 ? 100.0 * std::sqrt(share) : 0.0;
    return 100.0 * share;
}

bool CMeasurementChain::suppressed(double percent) const
{
    if (m_settings.characteristic != SquareRoot || !m_settings.creepSuppression)
        return false;
    // The threshold is a display value; compare on the percent scale so a
    // falling display range (start above end) works the same way.
    const double span = m_settings.displayEnd - m_settings.displayStart;
    if (span == 0.0)
        return false;
    const double thresholdPercent = (m_settings.creepThreshold - m_settings.displayStart) / span * 100.0;
    return percent < thresholdPercent;
}

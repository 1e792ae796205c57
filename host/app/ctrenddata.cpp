#include "ctrenddata.h"

#include <QtNumeric>

#include <algorithm>
#include <cmath>

void CTrendData::setCapacity(int samples)
{
    m_capacity = qMax(2, samples);
}

void CTrendData::setGapMs(int milliseconds)
{
    m_gapMs = qMax(1, milliseconds);
}

int CTrendData::gapMs() const
{
    return m_gapMs;
}

void CTrendData::add(const CStatusSample &sample)
{
    Point point{sample.time.toMSecsSinceEpoch(), qQNaN(), sample.output, sample.led, m_breakNext};
    m_breakNext = false;
    if (!m_points.isEmpty()) {
        // The wall clock may step back; the trend's time axis may not.
        point.time = qMax(point.time, m_points.constLast().time);
        point.breakBefore = point.breakBefore || point.time - m_points.constLast().time > m_gapMs;
    }
    if (!sample.unit.isEmpty() && !qIsNaN(sample.value)) {
        const double scale = sample.unitScale > 0.0 ? sample.unitScale : 1.0;
        point.base = sample.value / scale;
        m_unit = sample.unit;
        m_scale = scale;
    }
    if (m_points.size() >= m_capacity)
        m_points.remove(0, qMax(1, m_capacity / 10));
    m_points.append(point);
}

void CTrendData::breakLine()
{
    m_breakNext = true;
}

void CTrendData::clear()
{
    m_points.clear();
    m_breakNext = false;
}

int CTrendData::size() const
{
    return m_points.size();
}

bool CTrendData::isEmpty() const
{
    return m_points.isEmpty();
}

qint64 CTrendData::firstTime() const
{
    return m_points.isEmpty() ? 0 : m_points.constFirst().time;
}

qint64 CTrendData::lastTime() const
{
    return m_points.isEmpty() ? 0 : m_points.constLast().time;
}

QString CTrendData::unit() const
{
    return m_unit;
}

double CTrendData::valueOf(const Point &point, Series series) const
{
    return series == Value ? point.base * m_scale : point.output;
}

int CTrendData::lowerBound(qint64 time) const
{
    const auto it = std::lower_bound(m_points.cbegin(), m_points.cend(), time,
                                     [](const Point &point, qint64 t) { return point.time < t; });
    return int(it - m_points.cbegin());
}

QVector<QVector<QPointF>> CTrendData::lines(Series series, qint64 from, qint64 to, int buckets) const
{
    QVector<QVector<QPointF>> result;
    if (to <= from || m_points.isEmpty())
        return result;
    // One sample beyond each end, so the lines reach the plot's edges.
    const int first = qMax(0, lowerBound(from) - 1);
    const int end = qMin(m_points.size(), lowerBound(to + 1) + 1);
    buckets = qMax(1, buckets);
    const double step = end - first > 4 * buckets ? double(to - from) / buckets : 0.0;
    int start = -1;
    for (int i = first; i <= end; ++i) {
        const bool drawable = i < end && !qIsNaN(valueOf(m_points.at(i), series));
        if (start >= 0 && (!drawable || m_points.at(i).breakBefore)) {
            result.append(QVector<QPointF>());
            appendDecimated(&result.last(), start, i - 1, series, from, step);
            start = -1;
        }
        if (drawable && start < 0)
            start = i;
    }
    return result;
}

// Samples first..last (one unbroken line) into line; with a step, only the
// first, lowest, highest and last sample of each bucket of that many ms.
void CTrendData::appendDecimated(QVector<QPointF> *line, int first, int last, Series series, qint64 from,
                                 double step) const
{
    const auto point = [&](int i) { return QPointF(double(m_points.at(i).time), valueOf(m_points.at(i), series)); };
    if (step <= 0.0) {
        line->reserve(last - first + 1);
        for (int i = first; i <= last; ++i)
            line->append(point(i));
        return;
    }
    int i = first;
    while (i <= last) {
        const qint64 bucket = qint64(std::floor(double(m_points.at(i).time - from) / step));
        int low = i, high = i, j = i;
        for (; j <= last && qint64(std::floor(double(m_points.at(j).time - from) / step)) == bucket; ++j) {
            if (valueOf(m_points.at(j), series) < valueOf(m_points.at(low), series))
                low = j;
            if (valueOf(m_points.at(j), series) > valueOf(m_points.at(high), series))
                high = j;
        }
        int picks[4] = {i, qMin(low, high), qMax(low, high), j - 1};
        for (int k = 0; k < 4; ++k) {
            if (k == 0 || picks[k] != picks[k - 1])
                line->append(point(picks[k]));
        }
        i = j;
    }
}

QVector<CTrendData::Run> CTrendData::ledRuns(qint64 from, qint64 to, qint64 minMs) const
{
    QVector<Run> runs;
    const int first = qMax(0, lowerBound(from) - 1);
    const int end = qMin(m_points.size(), lowerBound(to + 1) + 1);
    for (int i = first; i < end; ++i) {
        const Point &point = m_points.at(i);
        const bool joins = !runs.isEmpty() && !point.breakBefore && runs.constLast().to == m_points.at(i - 1).time;
        if (joins)
            runs.last().to = point.time;
        if (joins && runs.constLast().led == point.led)
            continue;
        if (point.led >= 0)
            runs.append(Run{point.time, point.time, point.led});
    }
    // Runs within one pixel's time collapse into the first of them; a short
    // run between long ones stays (drawn a pixel wide), so an alarm shows.
    QVector<Run> merged;
    for (const Run &run : qAsConst(runs)) {
        const bool shortRun = run.to - run.from < minMs;
        if (shortRun && !merged.isEmpty() && merged.constLast().to - merged.constLast().from < minMs
            && merged.constLast().to == run.from)
            merged.last().to = run.to;
        else
            merged.append(run);
    }
    return merged;
}

bool CTrendData::nearest(qint64 time, qint64 maxMs, qint64 *at, double *value, double *output) const
{
    const int i = lowerBound(time);
    int best = -1;
    for (int candidate : {i - 1, i}) {
        if (candidate < 0 || candidate >= m_points.size())
            continue;
        if (best < 0 || qAbs(m_points.at(candidate).time - time) < qAbs(m_points.at(best).time - time))
            best = candidate;
    }
    if (best < 0 || qAbs(m_points.at(best).time - time) > maxMs)
        return false;
    *at = m_points.at(best).time;
    *value = valueOf(m_points.at(best), Value);
    *output = valueOf(m_points.at(best), Output);
    return true;
}

bool CTrendData::range(Series series, qint64 from, qint64 to, double *low, double *high) const
{
    bool any = false;
    const int end = lowerBound(to + 1);
    for (int i = lowerBound(from); i < end; ++i) {
        const double value = valueOf(m_points.at(i), series);
        if (qIsNaN(value))
            continue;
        *low = any ? qMin(*low, value) : value;
        *high = any ? qMax(*high, value) : value;
        any = true;
    }
    return any;
}

#ifndef CTRENDDATA_H
#define CTRENDDATA_H

#include "cstatussample.h"

#include <QColor>
#include <QPointF>
#include <QString>
#include <QVector>

// The samples a trend draws: the measured value, the output in percent and
// the LED over time. Values are kept in the device's base unit and shown in
// the unit the device holds now, so a unit change mid-run converts what was
// recorded before instead of mixing units; a sample whose unit is not known
// for sure is not drawn. Lines break where samples stopped coming (a gap
// longer than gapMs(), or breakLine() when the link went down), so no line
// bridges time in which nothing was read.
class CTrendData
{
public:
    enum Series { Value, Output };
    struct Run // the LED showing one state from `from` to `to` (ms since the epoch)
    {
        qint64 from = 0;
        qint64 to = 0;
        int led = -1;
    };
    struct Line // a horizontal line (a limit, a hysteresis bound, a setpoint)
    {
        QString caption;
        QColor color;
        int axis = 0; // 0: the value's axis, 1: the output's
        double value = 0.0;
        bool dashed = false;
    };
    // About a day at ten samples a second; the oldest go first.
    static const int DefaultCapacity = 864000;

    void setCapacity(int samples);
    void setGapMs(int milliseconds);
    int gapMs() const;

    void add(const CStatusSample &sample);
    // The link went down: the next sample starts a new line.
    void breakLine();
    void clear();

    int size() const;
    bool isEmpty() const;
    qint64 firstTime() const;
    qint64 lastTime() const;
    // The unit values are shown in (the latest sample's with a known unit).
    QString unit() const;

    // The series between from and to (ms since the epoch), as lines that
    // break at gaps, in the current unit. With more than 4 samples per
    // bucket (buckets across the span: the plot's width in pixels) each
    // bucket keeps its first, lowest, highest and last sample, which draws
    // the same picture with a bounded number of points.
    QVector<QVector<QPointF>> lines(Series series, qint64 from, qint64 to, int buckets) const;
    // The LED's states between from and to. Successive runs shorter than
    // minMs (a pixel's time) collapse into one; a short run between long
    // ones is kept.
    QVector<Run> ledRuns(qint64 from, qint64 to, qint64 minMs = 0) const;
    // The sample nearest to time; false when there is none within maxMs.
    bool nearest(qint64 time, qint64 maxMs, qint64 *at, double *value, double *output) const;
    // Lowest and highest value of the series between from and to; false
    // when none.
    bool range(Series series, qint64 from, qint64 to, double *low, double *high) const;

private:
    struct Point
    {
        qint64 time;
        double base;   // value in the base unit; NaN when not known
        double output; // NaN when not known
        int led;
        bool breakBefore;
    };

    double valueOf(const Point &point, Series series) const;
    int lowerBound(qint64 time) const;
    void appendDecimated(QVector<QPointF> *line, int first, int last, Series series, qint64 from, double step) const;

    QVector<Point> m_points;
    int m_capacity = DefaultCapacity;
    int m_gapMs = 3000;
    bool m_breakNext = false;
    QString m_unit;
    double m_scale = 1.0;
};

#endif // CTRENDDATA_H

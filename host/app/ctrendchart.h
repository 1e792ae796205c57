#ifndef CTRENDCHART_H
#define CTRENDCHART_H

#include "ctrenddata.h"

#include <QtCharts/QChartView>

#include <QHash>
#include <QtNumeric>

namespace QtCharts {
class QAbstractSeries;
class QDateTimeAxis;
class QLineSeries;
class QValueAxis;
}
class QGraphicsLineItem;
class QGraphicsRectItem;
class QGraphicsSimpleTextItem;

// The trend's chart: the value (left axis, in the device's unit) and the
// output (right axis, percent) over time, horizontal lines for limits and
// the like, and the LED's state as a coloured band along the bottom. It
// follows the newest samples over a time window until the user zooms (wheel)
// or pans (drag); a double click or goLive() makes it follow again. A
// cursor line shows time, value and output under the mouse.
class CTrendChart : public QtCharts::QChartView
{
    Q_OBJECT

public:
    // data is not owned and must outlive the chart.
    explicit CTrendChart(const CTrendData *data, QWidget *parent = nullptr);

    // The span shown while following, in ms; 0 shows everything recorded.
    void setWindow(qint64 milliseconds);
    qint64 window() const;
    void setLines(const QVector<CTrendData::Line> &lines);
    void setColors(const QColor &value, const QColor &output, const QHash<int, QColor> &leds);
    void setTitles(const QString &value, const QString &output);
    // Frozen, the chart keeps its time span while data come in.
    void setFrozen(bool frozen);

    bool isLive() const;
    void goLive();
    // Shows the time span from..to (ms since the epoch) and stops following.
    void showSpan(qint64 from, qint64 to);
    qint64 spanFrom() const;
    qint64 spanTo() const;
    // Draws the data as they are now (at most a few times a second is enough).
    void refresh();
    // The cursor's text at a time ("12:00:01.300  102.5 mbar  41.0 %"),
    // empty when no sample lies near.
    QString cursorText(qint64 time) const;
    // Lines drawn for the value and the output (each unbroken run is one).
    int lineCount(CTrendData::Series series) const;

signals:
    void liveChanged(bool live);

protected:
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void setLive(bool live);
    void drawSeries(CTrendData::Series series, QList<QtCharts::QLineSeries *> *pool, const QColor &color,
                    QtCharts::QValueAxis *axis, int buckets);
    void drawLines();
    void showMarker(QtCharts::QAbstractSeries *series, bool shown);
    void drawLedBand();
    void fitAxes();
    void moveCursor(const QPointF &position);
    qint64 timeAt(qreal x) const;

    const CTrendData *m_data;
    QtCharts::QChart *m_chart;
    QtCharts::QDateTimeAxis *m_timeAxis;
    QtCharts::QValueAxis *m_valueAxis;
    QtCharts::QValueAxis *m_outputAxis;
    QList<QtCharts::QLineSeries *> m_valueLines;
    QList<QtCharts::QLineSeries *> m_outputLines;
    QList<QtCharts::QLineSeries *> m_limitLines;
    QList<QGraphicsRectItem *> m_band;
    QGraphicsLineItem *m_cursorLine;
    QGraphicsSimpleTextItem *m_cursorLabel;
    QVector<CTrendData::Line> m_lines;
    QColor m_valueColor = Qt::blue;
    QColor m_outputColor = Qt::darkMagenta;
    QHash<int, QColor> m_ledColors;
    double m_fitted[2][2] = {{qQNaN(), qQNaN()}, {qQNaN(), qQNaN()}}; // data ranges the axes were fitted to
    qint64 m_window = 60000;
    qint64 m_from = 0;
    qint64 m_to = 0;
    bool m_live = true;
    bool m_frozen = false;
    bool m_dragging = false;
    QPointF m_dragStart;
    qint64 m_dragFrom = 0;
    qint64 m_dragTo = 0;
};

#endif // CTRENDCHART_H

#include "ctrendchart.h"

#include <QDateTime>
#include <QGraphicsLayout>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QLocale>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#include <cmath>

using namespace QtCharts;

namespace {

const qint64 MinSpanMs = 2000;
const qreal BandHeight = 6.0;
const qreal ZoomStep = 1.25; // per wheel notch

QDateTime at(qint64 ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms);
}

} // namespace

CTrendChart::CTrendChart(const CTrendData *data, QWidget *parent)
    : QChartView(parent)
    , m_data(data)
    , m_chart(new QChart)
    , m_timeAxis(new QDateTimeAxis)
    , m_valueAxis(new QValueAxis)
    , m_outputAxis(new QValueAxis)
    , m_cursorLine(new QGraphicsLineItem)
    , m_cursorLabel(new QGraphicsSimpleTextItem)
{
    setObjectName(QStringLiteral("TrendChart"));
    setChart(m_chart);
    setRenderHint(QPainter::Antialiasing, false);
    setMouseTracking(true);
    m_chart->setAnimationOptions(QChart::NoAnimation);
    m_chart->setLocalizeNumbers(true);
    m_chart->layout()->setContentsMargins(0, 0, 0, 0);
    m_chart->setMargins(QMargins(4, 4, 4, 4));
    // Beside the plot and in a smaller font, the legend leaves the plot its
    // height and still lists every line when the dock is low.
    m_chart->legend()->setAlignment(Qt::AlignRight);
    QFont legendFont = font();
    legendFont.setPointSizeF(legendFont.pointSizeF() * 0.85);
    m_chart->legend()->setFont(legendFont);
    m_timeAxis->setFormat(QStringLiteral("hh:mm:ss"));
    m_timeAxis->setTickCount(7);
    m_outputAxis->setRange(0, 100);
    m_outputAxis->setLabelFormat(QStringLiteral("%.0f"));
    m_chart->addAxis(m_timeAxis, Qt::AlignBottom);
    m_chart->addAxis(m_valueAxis, Qt::AlignLeft);
    m_chart->addAxis(m_outputAxis, Qt::AlignRight);
    scene()->addItem(m_cursorLine);
    scene()->addItem(m_cursorLabel);
    m_cursorLine->setPen(QPen(QColor(0x60, 0x60, 0x60), 1, Qt::DashLine));
    m_cursorLine->setZValue(20);
    m_cursorLabel->setZValue(21);
    m_cursorLine->hide();
    m_cursorLabel->hide();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    m_from = now - m_window;
    m_to = now;
}

void CTrendChart::setWindow(qint64 milliseconds)
{
    m_window = qMax<qint64>(0, milliseconds);
    setLive(true);
    refresh();
}

qint64 CTrendChart::window() const
{
    return m_window;
}

void CTrendChart::setLines(const QVector<CTrendData::Line> &lines)
{
    m_lines = lines;
    fitAxes();
    drawLines();
}

void CTrendChart::setColors(const QColor &value, const QColor &output, const QHash<int, QColor> &leds)
{
    m_valueColor = value;
    m_outputColor = output;
    m_ledColors = leds;
}

void CTrendChart::setTitles(const QString &value, const QString &output)
{
    m_chart->setLocale(QLocale());
    m_valueAxis->setTitleText(value);
    m_outputAxis->setTitleText(output);
    if (!m_valueLines.isEmpty())
        m_valueLines.first()->setName(value);
    if (!m_outputLines.isEmpty())
        m_outputLines.first()->setName(output);
}

void CTrendChart::setFrozen(bool frozen)
{
    m_frozen = frozen;
    if (!frozen)
        refresh();
}

bool CTrendChart::isLive() const
{
    return m_live;
}

void CTrendChart::goLive()
{
    setLive(true);
    refresh();
}

void CTrendChart::setLive(bool live)
{
    if (m_live == live)
        return;
    m_live = live;
    emit liveChanged(live);
}

void CTrendChart::showSpan(qint64 from, qint64 to)
{
    if (to - from < MinSpanMs) {
        const qint64 middle = (from + to) / 2;
        from = middle - MinSpanMs / 2;
        to = from + MinSpanMs;
    }
    m_from = from;
    m_to = to;
    setLive(false);
    refresh();
}

qint64 CTrendChart::spanFrom() const
{
    return m_from;
}

qint64 CTrendChart::spanTo() const
{
    return m_to;
}

void CTrendChart::refresh()
{
    if (m_live && !m_frozen) {
        m_to = m_data->isEmpty() ? QDateTime::currentMSecsSinceEpoch() : m_data->lastTime();
        m_from = m_window > 0 ? m_to - m_window : qMin(m_data->firstTime(), m_to - MinSpanMs);
        if (m_to - m_from < MinSpanMs)
            m_from = m_to - MinSpanMs;
    }
    // Axes first: each change of a range recomputes every line on it, so
    // they change once, before the lines get their new points.
    m_timeAxis->setRange(at(m_from), at(m_to));
    m_timeAxis->setFormat(m_to - m_from > 3600000 ? QStringLiteral("hh:mm") : QStringLiteral("hh:mm:ss"));
    fitAxes();
    const int buckets = qMax(16, int(m_chart->plotArea().width()));
    drawSeries(CTrendData::Value, &m_valueLines, m_valueColor, m_valueAxis, buckets);
    drawSeries(CTrendData::Output, &m_outputLines, m_outputColor, m_outputAxis, buckets);
    drawLines();
    drawLedBand();
}

// Each unbroken run of samples is a series of its own (a line series draws
// straight across gaps); the pool grows as needed and extra series stay empty.
void CTrendChart::drawSeries(CTrendData::Series series, QList<QLineSeries *> *pool, const QColor &color,
                             QValueAxis *axis, int buckets)
{
    const QVector<QVector<QPointF>> lines = m_data->lines(series, m_from, m_to, buckets);
    while (pool->size() < qMax(1, lines.size())) {
        auto *line = new QLineSeries(this);
        line->setPen(QPen(color, 1.0));
        line->setUseOpenGL(false);
        m_chart->addSeries(line);
        line->attachAxis(m_timeAxis);
        line->attachAxis(axis);
        if (!pool->isEmpty())
            showMarker(line, false);
        else
            line->setName(axis->titleText());
        pool->append(line);
    }
    for (int i = 0; i < pool->size(); ++i) {
        pool->at(i)->setPen(QPen(color, 1.0));
        pool->at(i)->replace(i < lines.size() ? lines.at(i) : QVector<QPointF>());
    }
}

void CTrendChart::drawLines()
{
    while (m_limitLines.size() < m_lines.size()) {
        auto *line = new QLineSeries(this);
        m_chart->addSeries(line);
        line->attachAxis(m_timeAxis);
        m_limitLines.append(line);
    }
    for (int i = 0; i < m_limitLines.size(); ++i) {
        QLineSeries *series = m_limitLines.at(i);
        const bool shown = i < m_lines.size();
        showMarker(series, shown);
        if (!shown) {
            series->clear();
            continue;
        }
        const CTrendData::Line &line = m_lines.at(i);
        QValueAxis *axis = line.axis == 1 ? m_outputAxis : m_valueAxis;
        if (!series->attachedAxes().contains(axis)) {
            for (QAbstractAxis *old : series->attachedAxes())
                if (old != m_timeAxis)
                    series->detachAxis(old);
            series->attachAxis(axis);
        }
        series->setName(line.caption);
        series->setPen(QPen(line.color, 1.2, line.dashed ? Qt::DashLine : Qt::SolidLine));
        series->replace(QVector<QPointF>{{double(m_from), line.value}, {double(m_to), line.value}});
    }
}

// Only the first line of a series and the lines in use have a legend entry.
void CTrendChart::showMarker(QAbstractSeries *series, bool shown)
{
    for (QLegendMarker *marker : m_chart->legend()->markers(series))
        marker->setVisible(shown);
}

void CTrendChart::fitAxes()
{
    double limits[2][2] = {{0, 0}, {0, 100}};
    bool any[2] = {false, true};
    for (CTrendData::Series series : {CTrendData::Value, CTrendData::Output}) {
        double low = 0, high = 0;
        if (m_data->range(series, m_from, m_to, &low, &high)) {
            limits[series][0] = any[series] ? qMin(limits[series][0], low) : low;
            limits[series][1] = any[series] ? qMax(limits[series][1], high) : high;
            any[series] = true;
        }
    }
    for (const CTrendData::Line &line : qAsConst(m_lines)) {
        const int axis = line.axis == 1 ? 1 : 0;
        limits[axis][0] = any[axis] ? qMin(limits[axis][0], line.value) : line.value;
        limits[axis][1] = any[axis] ? qMax(limits[axis][1], line.value) : line.value;
        any[axis] = true;
    }
    QValueAxis *axes[2] = {m_valueAxis, m_outputAxis};
    for (int axis = 0; axis < 2; ++axis) {
        double low = limits[axis][0], high = limits[axis][1];
        if (low == m_fitted[axis][0] && high == m_fitted[axis][1])
            continue;
        m_fitted[axis][0] = low;
        m_fitted[axis][1] = high;
        // The output keeps its 0 .. 100 % scale unless it leaves it.
        if (axis == 1 && low >= 0.0 && high <= 100.0) {
            axes[axis]->setRange(0.0, 100.0);
            axes[axis]->setTickCount(5);
            continue;
        }
        const double margin = high > low ? (high - low) * 0.05 : qMax(1.0, qAbs(high) * 0.05);
        axes[axis]->setRange(low - margin, high + margin);
        axes[axis]->applyNiceNumbers();
    }
}

void CTrendChart::drawLedBand()
{
    const QRectF plot = m_chart->plotArea();
    const double perPixel = double(m_to - m_from) / qMax(1.0, plot.width());
    const QVector<CTrendData::Run> runs = m_data->ledRuns(m_from, m_to, qint64(perPixel));
    while (m_band.size() < runs.size()) {
        auto *rect = new QGraphicsRectItem;
        rect->setPen(Qt::NoPen);
        rect->setZValue(10);
        scene()->addItem(rect);
        m_band.append(rect);
    }
    for (int i = 0; i < m_band.size(); ++i) {
        QGraphicsRectItem *rect = m_band.at(i);
        if (i >= runs.size()) {
            rect->hide();
            continue;
        }
        const CTrendData::Run &run = runs.at(i);
        const qreal left = qMax(plot.left(), plot.left() + (run.from - m_from) / perPixel);
        const qreal right = qMin(plot.right(), plot.left() + (run.to - m_from) / perPixel);
        rect->setRect(left, plot.bottom() - BandHeight, qMax<qreal>(1.0, right - left), BandHeight);
        rect->setBrush(m_ledColors.value(run.led, Qt::gray));
        rect->setToolTip(QString());
        rect->setVisible(right >= left);
    }
}

qint64 CTrendChart::timeAt(qreal x) const
{
    const QRectF plot = m_chart->plotArea();
    return m_from + qint64((x - plot.left()) / qMax(1.0, plot.width()) * double(m_to - m_from));
}

QString CTrendChart::cursorText(qint64 time) const
{
    qint64 sampleTime = 0;
    double value = 0, output = 0;
    const qint64 near = qMax<qint64>(1000, (m_to - m_from) / 50);
    if (!m_data->nearest(time, near, &sampleTime, &value, &output))
        return QString();
    const QLocale locale;
    QStringList parts{at(sampleTime).toString(QStringLiteral("hh:mm:ss.zzz"))};
    if (!qIsNaN(value))
        parts << QStringLiteral("%1 %2").arg(locale.toString(value, 'g', 6), m_data->unit());
    if (!qIsNaN(output))
        parts << QStringLiteral("%1 %").arg(locale.toString(output, 'f', 1));
    return parts.join(QStringLiteral("   "));
}

int CTrendChart::lineCount(CTrendData::Series series) const
{
    const QList<QLineSeries *> &pool = series == CTrendData::Value ? m_valueLines : m_outputLines;
    int count = 0;
    for (const QLineSeries *line : pool)
        count += line->count() > 0 ? 1 : 0;
    return count;
}

void CTrendChart::moveCursor(const QPointF &position)
{
    const QRectF plot = m_chart->plotArea();
    const QPointF scenePos = mapToScene(position.toPoint());
    const QString text = plot.contains(scenePos) ? cursorText(timeAt(scenePos.x())) : QString();
    m_cursorLine->setVisible(!text.isEmpty());
    m_cursorLabel->setVisible(!text.isEmpty());
    if (text.isEmpty())
        return;
    m_cursorLine->setLine(scenePos.x(), plot.top(), scenePos.x(), plot.bottom());
    m_cursorLabel->setText(text);
    const qreal width = m_cursorLabel->boundingRect().width();
    const qreal x = scenePos.x() + 6 + width > plot.right() ? scenePos.x() - 6 - width : scenePos.x() + 6;
    m_cursorLabel->setPos(x, plot.top() + 2);
}

void CTrendChart::wheelEvent(QWheelEvent *event)
{
    const qreal notches = event->angleDelta().y() / 120.0;
    if (qFuzzyIsNull(notches))
        return;
    const qint64 pivot = timeAt(mapToScene(event->position().toPoint()).x());
    const double factor = std::pow(ZoomStep, -notches);
    showSpan(pivot - qint64((pivot - m_from) * factor), pivot + qint64((m_to - pivot) * factor));
    event->accept();
}

void CTrendChart::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QChartView::mousePressEvent(event);
    m_dragging = true;
    m_dragStart = event->pos();
    m_dragFrom = m_from;
    m_dragTo = m_to;
    setCursor(Qt::ClosedHandCursor);
}

void CTrendChart::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging) {
        const double perPixel = double(m_dragTo - m_dragFrom) / qMax(1.0, m_chart->plotArea().width());
        const qint64 shift = qint64((event->pos().x() - m_dragStart.x()) * perPixel);
        if (shift != 0)
            showSpan(m_dragFrom - shift, m_dragTo - shift);
    }
    moveCursor(event->pos());
}

void CTrendChart::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    unsetCursor();
    QChartView::mouseReleaseEvent(event);
}

void CTrendChart::mouseDoubleClickEvent(QMouseEvent *event)
{
    goLive();
    event->accept();
}

void CTrendChart::leaveEvent(QEvent *event)
{
    m_cursorLine->hide();
    m_cursorLabel->hide();
    QChartView::leaveEvent(event);
}

void CTrendChart::resizeEvent(QResizeEvent *event)
{
    QChartView::resizeEvent(event);
    refresh();
}

// Frame time of the trend with an hour at ten samples a second (36,000
// points per series), against the plain use of Qt Charts as the baseline in
// the same run: both draw the value and the output over the whole hour into
// a chart of the same size, the baseline handing every sample to its line
// series, the trend the points its reduction keeps for the plot's width.
// Frames are interleaved (trend, baseline, trend, ...) so both meet the same
// machine load; the medians are reported.
//
//   bench_trend [frames]    (default 40)
#include "ctrendchart.h"
#include "ctrenddata.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <QtCharts/QChartView>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <cmath>
#include <functional>

#include <time.h>

using namespace QtCharts;

namespace {

const int Samples = 36000;       // one hour at 10 samples/s
const qint64 StepMs = 100;
const QSize ChartSize(1200, 500);
const qint64 Start = 1700000000000;

double valueAt(int i)
{
    return 100.0 + 40.0 * std::sin(i / 600.0) + 3.0 * std::sin(i * 1.7);
}

double outputAt(int i)
{
    return 40.0 + 16.0 * std::sin(i / 600.0);
}

void fill(CTrendData *data)
{
    for (int i = 0; i < Samples; ++i) {
        CStatusSample sample;
        sample.time = QDateTime::fromMSecsSinceEpoch(Start + i * StepMs);
        sample.value = valueAt(i);
        sample.unit = QStringLiteral("mbar");
        sample.unitScale = 1.0;
        sample.output = outputAt(i);
        sample.led = 2;
        data->add(sample);
    }
}

// Qt Charts as documented: a line series per quantity, each frame given
// every sample of the span.
class Baseline
{
public:
    Baseline()
    {
        auto *chart = new QChart;
        chart->setAnimationOptions(QChart::NoAnimation);
        auto *time = new QDateTimeAxis;
        auto *value = new QValueAxis;
        auto *output = new QValueAxis;
        chart->addAxis(time, Qt::AlignBottom);
        chart->addAxis(value, Qt::AlignLeft);
        chart->addAxis(output, Qt::AlignRight);
        for (QLineSeries *series : {m_value, m_output}) {
            chart->addSeries(series);
            series->attachAxis(time);
            series->attachAxis(series == m_value ? static_cast<QAbstractAxis *>(value) : output);
        }
        time->setRange(QDateTime::fromMSecsSinceEpoch(Start),
                       QDateTime::fromMSecsSinceEpoch(Start + (Samples - 1) * StepMs));
        value->setRange(50, 150);
        output->setRange(0, 100);
        m_view.setChart(chart);
        m_view.resize(ChartSize);
        m_view.show();
    }

    void frame(QImage *image)
    {
        QVector<QPointF> value(Samples), output(Samples);
        for (int i = 0; i < Samples; ++i) {
            value[i] = QPointF(double(Start + i * StepMs), valueAt(i));
            output[i] = QPointF(double(Start + i * StepMs), outputAt(i));
        }
        m_value->replace(value);
        m_output->replace(output);
        QPainter painter(image);
        m_view.render(&painter);
    }

private:
    QChartView m_view;
    QLineSeries *m_value = new QLineSeries; // the chart takes them
    QLineSeries *m_output = new QLineSeries;
};

// CPU time of this thread in ms: what a frame costs, whatever else the
// machine is busy with.
double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0.0 : values.at(values.size() / 2);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int frames = argc > 1 ? qMax(3, QString::fromLocal8Bit(argv[1]).toInt()) : 40;

    CTrendData data;
    fill(&data);
    CTrendChart trend(&data);
    trend.resize(ChartSize);
    trend.setWindow(0);
    trend.show();
    Baseline baseline;
    QImage image(ChartSize, QImage::Format_ARGB32_Premultiplied);
    QCoreApplication::processEvents();

    struct Timing
    {
        double wallMs;
        double cpuMs;
    };
    const auto time = [](const std::function<void()> &work) {
        QElapsedTimer timer;
        const double cpu = threadCpuMs();
        timer.start();
        work();
        return Timing{timer.nsecsElapsed() / 1e6, threadCpuMs() - cpu};
    };
    QVector<double> trendMs, baselineMs, trendCpu, baselineCpu, updateCpu;
    for (int i = 0; i < frames + 2; ++i) {
        const Timing ours = time([&]() {
            trend.refresh();
            QPainter painter(&image);
            trend.render(&painter);
        });
        const Timing theirs = time([&]() { baseline.frame(&image); });
        const Timing update = time([&]() { trend.refresh(); });
        if (i >= 2) { // the first frames lay out the charts
            updateCpu << update.cpuMs;
            trendMs << ours.wallMs;
            trendCpu << ours.cpuMs;
            baselineMs << theirs.wallMs;
            baselineCpu << theirs.cpuMs;
        }
    }
    int points = 0;
    for (const QVector<QPointF> &line : data.lines(CTrendData::Value, data.firstTime(), data.lastTime(),
                                                   int(trend.chart()->plotArea().width())))
        points += line.size();

    QTextStream out(stdout);
    out << "Trend frame, " << Samples << " samples per series, " << ChartSize.width() << "x" << ChartSize.height()
        << " px, median of " << frames << " interleaved frames (wall / CPU of the thread)\n"
        << "  trend:    " << median(trendMs) << " / " << median(trendCpu) << " ms (" << points
        << " points drawn per series; reducing and handing them over: " << median(updateCpu) << " ms CPU)\n"
        << "  baseline: " << median(baselineMs) << " / " << median(baselineCpu) << " ms (" << Samples
        << " points per series)\n";
    out << "figure trend_frame_ms " << median(trendMs) << '\n'
        << "figure trend_frame_cpu_ms " << median(trendCpu) << '\n'
        << "figure trend_update_cpu_ms " << median(updateCpu) << '\n'
        << "figure trend_baseline_frame_ms " << median(baselineMs) << '\n'
        << "figure trend_baseline_frame_cpu_ms " << median(baselineCpu) << '\n'
        << "figure trend_frame_speedup " << median(baselineCpu) / median(trendCpu) << '\n'
        << "figure trend_points_per_series " << points << '\n';
    return 0;
}

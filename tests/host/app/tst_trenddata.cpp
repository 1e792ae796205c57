// The trend's data: the device's unit, gaps, time windows and point reduction.
#include "ctrenddata.h"

#include <QtTest>

namespace {

const qint64 T0 = 1700000000000; // ms since the epoch

CStatusSample sample(qint64 ms, double value, const QString &unit, double scale, double output = 50.0, int led = 2)
{
    CStatusSample s;
    s.time = QDateTime::fromMSecsSinceEpoch(T0 + ms);
    s.value = value;
    s.unit = unit;
    s.unitScale = scale;
    s.output = output;
    s.led = led;
    return s;
}

QVector<double> ys(const QVector<QPointF> &line)
{
    QVector<double> values;
    for (const QPointF &point : line)
        values.append(point.y());
    return values;
}

} // namespace

class tst_TrendData : public QObject
{
    Q_OBJECT

private slots:
    // After a unit change the whole line is in the new unit; a sample of unsure unit is a gap.
    void unitChangeMidRun_data()
    {
        QTest::addColumn<QString>("firstUnit");
        QTest::addColumn<double>("firstScale");
        QTest::addColumn<double>("firstValue");
        QTest::addColumn<QString>("secondUnit");
        QTest::addColumn<double>("secondScale");
        QTest::addColumn<double>("firstShownAs");

        QTest::newRow("mbar to kPa") << "mbar" << 1.0 << 100.0 << "kPa" << 0.1 << 10.0;
        QTest::newRow("kPa to Pa") << "kPa" << 0.1 << 5.0 << "Pa" << 100.0 << 5000.0;
        QTest::newRow("same unit") << "mbar" << 1.0 << 42.0 << "mbar" << 1.0 << 42.0;
    }

    void unitChangeMidRun()
    {
        QFETCH(QString, firstUnit);
        QFETCH(double, firstScale);
        QFETCH(double, firstValue);
        QFETCH(QString, secondUnit);
        QFETCH(double, secondScale);
        QFETCH(double, firstShownAs);

        CTrendData data;
        data.add(sample(0, firstValue, firstUnit, firstScale));
        data.add(sample(100, firstValue, firstUnit, firstScale));
        data.add(sample(200, 999.0, QString(), 0.0)); // settling: the number may be in either unit
        data.add(sample(300, 43.0, secondUnit, secondScale));
        data.add(sample(400, 43.0, secondUnit, secondScale));
        QCOMPARE(data.unit(), secondUnit);
        const QVector<QVector<QPointF>> lines = data.lines(CTrendData::Value, T0, T0 + 400, 100);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.at(0).size(), 2);
        QCOMPARE(lines.at(0).at(0).y(), firstShownAs);
        QCOMPARE(ys(lines.at(1)), (QVector<double>{43.0, 43.0}));
        // The output has no unit to wait for: one unbroken line.
        QCOMPARE(data.lines(CTrendData::Output, T0, T0 + 400, 100).size(), 1);
    }

    // Lines break at silence longer than the gap, a link down, a display without a number.
    void gaps_data()
    {
        QTest::addColumn<QVector<int>>("times");      // ms after T0; -1: the link went down here
        QTest::addColumn<QVector<int>>("lineSizes"); // points per value line

        QTest::newRow("gap just within") << QVector<int>{0, 100, 3100} << QVector<int>{3};
        QTest::newRow("stale link") << QVector<int>{0, 100, 3101, 3200} << QVector<int>{2, 2};
        QTest::newRow("link down and up") << QVector<int>{0, 100, -1, 200, 300} << QVector<int>{2, 2};
        QTest::newRow("down twice") << QVector<int>{0, -1, -1, 100} << QVector<int>{1, 1};
        QTest::newRow("no number shown") << QVector<int>{0, 100, -2, 300} << QVector<int>{2, 1};
    }

    void gaps()
    {
        QFETCH(QVector<int>, times);

        CTrendData data;
        data.setGapMs(3000);
        int last = 0;
        for (int time : times) {
            if (time == -1)
                data.breakLine();
            else if (time == -2)
                data.add(sample(last += 100, qQNaN(), QStringLiteral("mbar"), 1.0));
            else
                data.add(sample(last = time, 10.0, QStringLiteral("mbar"), 1.0));
        }
        QVector<int> sizes;
        for (const QVector<QPointF> &line : data.lines(CTrendData::Value, T0, T0 + last, 500))
            sizes.append(line.size());
        QTEST(sizes, "lineSizes");
    }

    // A window shows its span plus one sample beyond each end, so the line reaches the plot's edges.
    void timeWindow_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<double>("firstX");
        QTest::addColumn<double>("lastX");

        // Samples every second from 0 to 3600 s.
        QTest::newRow("last minute") << 3540000 << 3600000 << 3539000.0 << 3600000.0;
        QTest::newRow("all") << 0 << 3600000 << 0.0 << 3600000.0;
        QTest::newRow("panned back") << 500 << 2500 << 0.0 << 3000.0;
    }

    void timeWindow()
    {
        QFETCH(int, from);
        QFETCH(int, to);

        CTrendData data;
        for (int s = 0; s <= 3600; ++s)
            data.add(sample(s * 1000, s, QStringLiteral("mbar"), 1.0));
        const QVector<QVector<QPointF>> lines = data.lines(CTrendData::Value, T0 + from, T0 + to, 100000);
        QCOMPARE(lines.size(), 1);
        QTEST(lines.first().first().x() - T0, "firstX");
        QTEST(lines.first().last().x() - T0, "lastX");
    }

    // An hour at ten samples a second on 800 pixels: few points, every peak and the ends kept.
    void reductionKeepsPeaks()
    {
        CTrendData data;
        const int count = 36000;
        for (int i = 0; i < count; ++i) {
            const double value = i == 12345 ? 500.0 : i == 23456 ? -500.0 : std::sin(i / 100.0);
            data.add(sample(i * 100, value, QStringLiteral("mbar"), 1.0));
        }
        const QVector<QVector<QPointF>> lines = data.lines(CTrendData::Value, T0, T0 + (count - 1) * 100, 800);
        QCOMPARE(lines.size(), 1);
        const QVector<double> values = ys(lines.first());
        QVERIFY2(values.size() <= 4 * 801, qPrintable(QString::number(values.size())));
        QVERIFY(values.contains(500.0));
        QVERIFY(values.contains(-500.0));
        QCOMPARE(lines.first().first().x() - T0, 0.0);
        QCOMPARE(lines.first().last().x() - T0, double((count - 1) * 100));
        for (int i = 1; i < lines.first().size(); ++i)
            QVERIFY(lines.first().at(i).x() > lines.first().at(i - 1).x());
    }

    // The LED band: runs within a pixel collapse, a short alarm between long runs stays.
    void ledRuns_data()
    {
        QTest::addColumn<QVector<int>>("leds"); // one sample every 100 ms; -1: link down before it
        QTest::addColumn<int>("minMs");
        QTest::addColumn<QString>("runs");     // "led:from-to" in ms

        QTest::newRow("alarm and back") << QVector<int>{2, 2, 5, 5, 2} << 0 << "2:0-200 5:200-400 2:400-400";
        QTest::newRow("link down") << QVector<int>{2, 2, -1, 2} << 0 << "2:0-100 2:200-200";
        QTest::newRow("flicker within a pixel") << QVector<int>{2, 5, 2, 2} << 150 << "2:0-200 2:200-300";
        QTest::newRow("short alarm kept") << QVector<int>{2, 2, 2, 2, 5, 2, 2, 2} << 150
                                          << "2:0-400 5:400-500 2:500-700";
    }

    void ledRuns()
    {
        QFETCH(QVector<int>, leds);
        QFETCH(int, minMs);

        CTrendData data;
        int time = 0;
        for (int led : leds) {
            if (led == -1) {
                data.breakLine();
                continue;
            }
            data.add(sample(time, 1.0, QStringLiteral("mbar"), 1.0, 50.0, led));
            time += 100;
        }
        QStringList shown;
        for (const CTrendData::Run &run : data.ledRuns(T0, T0 + time, minMs))
            shown << QStringLiteral("%1:%2-%3").arg(run.led).arg(run.from - T0).arg(run.to - T0);
        QTEST(shown.join(' '), "runs");
    }

    // The cursor finds the nearest sample, and nothing far from any.
    void nearest()
    {
        CTrendData data;
        data.add(sample(0, 1.0, QStringLiteral("mbar"), 1.0, 10.0));
        data.add(sample(1000, 2.0, QStringLiteral("mbar"), 1.0, 20.0));
        qint64 at = 0;
        double value = 0, output = 0;
        QVERIFY(data.nearest(T0 + 600, 500, &at, &value, &output));
        QCOMPARE(at - T0, 1000);
        QCOMPARE(value, 2.0);
        QCOMPARE(output, 20.0);
        QVERIFY(!data.nearest(T0 + 5000, 500, &at, &value, &output));
    }

    // A full buffer lets the oldest samples go, never the newest.
    void capacity()
    {
        CTrendData data;
        data.setCapacity(100);
        for (int i = 0; i < 250; ++i)
            data.add(sample(i * 10, i, QStringLiteral("mbar"), 1.0));
        QVERIFY(data.size() <= 100);
        QCOMPARE(data.lastTime() - T0, 2490);
        QVERIFY(data.firstTime() - T0 >= 1500);
    }
};

QTEST_GUILESS_MAIN(tst_TrendData)
#include "tst_trenddata.moc"

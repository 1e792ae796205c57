// The trend view against the simulator.
#include "ccsvrecorder.h"
#include "chostsettings.h"
#include "ctrendchart.h"
#include "ctrendlimits.h"
#include "ctrendview.h"
#include "simrig.h"

#include <QAction>
#include <QtCharts/QAbstractAxis>

class tst_TrendView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { CHostSettings().clear(); }

    // Limit lines in the unit the device holds: an edit not written moves none, another unit draws none.
    void limitsInTheSelectedUnit_data()
    {
        QTest::addColumn<int>("unitIndex");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<double>("factor"); // from mbar
        QTest::addColumn<bool>("running");  // the unit is written while the trend runs
        QTest::addColumn<QString>("lines");

        const QString mbar = "Grenzwert Max=200, Grenzwert Min=20, Hysterese Max (dashed)=195, "
                             "Hysterese Min (dashed)=25, Sollwert=100";
        const QString kPa = "Grenzwert Max=20, Grenzwert Min=2, Hysterese Max (dashed)=19.5, "
                            "Hysterese Min (dashed)=2.5, Sollwert=10";
        QTest::newRow("mbar") << 0 << "mbar" << 1.0 << false << mbar;
        QTest::newRow("kPa") << 2 << "kPa" << 0.1 << false << kPa;
        QTest::newRow("kPa written while running") << 2 << "kPa" << 0.1 << true << kPa;
    }

    void limitsInTheSelectedUnit()
    {
        QFETCH(int, unitIndex);
        QFETCH(QString, unit);
        QFETCH(double, factor);
        QFETCH(bool, running);

        Rig rig;
        QVERIFY(rig.start({QStringLiteral("--pressure"), QStringLiteral("50")}));
        QVERIFY(rig.transfer([&] { rig.session.parameters()->readAll(); }));
        CTrendView view(&rig.session);
        if (running) {
            QVERIFY(view.attach());
            rig.startPolling(50);
            QVERIFY(QTest::qWaitFor([&]() { return view.data().unit() == QLatin1String("mbar"); }, 5000));
        }
        if (unitIndex != 0) {
            CItem *selector = rig.item(QStringLiteral("Einheit"));
            selector->setValue(unitIndex);
            emit selector->valueEdited();
            QVERIFY(rig.transfer([&] { rig.session.parameters()->writeModified(); }));
        }
        rig.item(QStringLiteral("GrenzwertMaxAlarm"))->setValue(123.0 * factor); // edited, not written

        // "caption=value" sorted by caption, the value to five digits.
        QStringList drawn;
        for (const CTrendData::Line &line :
             CTrendLimits::lines(*rig.session.parameters(), rig.session.deviceData(), unit))
            drawn << QStringLiteral("%1%2=%3").arg(line.caption, line.dashed ? QStringLiteral(" (dashed)") : QString())
                         .arg(line.value, 0, 'g', 5);
        drawn.sort();
        QTEST(drawn.join(QStringLiteral(", ")), "lines");
        const QString other = unit == QLatin1String("mbar") ? QStringLiteral("kPa") : QStringLiteral("mbar");
        QVERIFY(CTrendLimits::lines(*rig.session.parameters(), rig.session.deviceData(), other).isEmpty());

        // 50 mbar fit the display's four digits in every unit.
        if (!running) {
            QVERIFY(view.attach());
            rig.startPolling(50);
        }
        QVERIFY(QTest::qWaitFor([&]() { return view.data().unit() == unit; }, 5000));
        const auto axes = view.chart()->chart()->axes(Qt::Vertical);
        QVERIFY(!axes.isEmpty());
        QCOMPARE(axes.first()->titleText(), QStringLiteral("Value (%1)").arg(unit));
        view.chart()->refresh();
        double low = 0, high = 0;
        QVERIFY(view.data().range(CTrendData::Value, view.data().firstTime(), view.data().lastTime(), &low, &high));
        QVERIFY2(qAbs(high - 50 * factor) < 1e-6 * qMax(1.0, 50 * factor), qPrintable(QString::number(high)));
        QVERIFY(view.chart()->cursorText(view.data().lastTime()).contains(unit));
    }

    // No line bridges a device's silence; the view says since when nothing came.
    void staleLink()
    {
        Rig rig;
        QVERIFY(rig.start({QStringLiteral("--pressure"), QStringLiteral("100")}, 300));
        QVERIFY(rig.transfer([&] { rig.session.parameters()->readAll(); }));
        CTrendView view(&rig.session);
        QVERIFY(view.attach());
        view.setPollInterval(100);
        rig.startPolling(100);
        QVERIFY(QTest::qWaitFor([&]() { return view.data().unit() == QLatin1String("mbar"); }, 5000));
        const int drawn = view.data().size() + 3;
        QVERIFY(QTest::qWaitFor([&]() { return view.data().size() >= drawn; }, 5000));
        rig.sim.pause();
        QVERIFY(QTest::qWaitFor([&]() {
            return view.statusText().contains(QLatin1String("No status answer since"))
                || view.statusText().contains(QLatin1String("Link down"));
        }, 10000));
        const int before = view.data().size();
        rig.sim.resume();
        QVERIFY(QTest::qWaitFor([&]() { return view.data().size() >= before + 3; }, 15000));
        view.chart()->goLive();
        view.chart()->setWindow(0);
        QVERIFY2(view.chart()->lineCount(CTrendData::Value) >= 2, "a line bridges the silence");
        QVERIFY(!view.statusText().contains(QLatin1String("No status answer")));
    }

    // Zooming stops the chart following its window until asked to follow again.
    void timeWindow_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<qint64>("span");

        QTest::newRow("1 min") << int(CTrendView::LastMinute) << qint64(60000);
        QTest::newRow("10 min") << int(CTrendView::Last10Minutes) << qint64(600000);
        QTest::newRow("1 h") << int(CTrendView::LastHour) << qint64(3600000);
    }

    void timeWindow()
    {
        QFETCH(int, window);
        QFETCH(qint64, span);

        CDeviceSession session;
        CTrendView view(&session);
        view.setWindow(CTrendView::Window(window));
        CTrendChart *chart = view.chart();
        QCOMPARE(chart->spanTo() - chart->spanFrom(), span);
        QSignalSpy live(chart, &CTrendChart::liveChanged);
        chart->showSpan(chart->spanFrom(), chart->spanFrom() + span / 4);
        QVERIFY(!chart->isLive());
        chart->refresh();
        QCOMPARE(chart->spanTo() - chart->spanFrom(), span / 4);
        chart->goLive();
        QCOMPARE(chart->spanTo() - chart->spanFrom(), span);
        QCOMPARE(live.size(), 2);
        QCOMPARE(CHostSettings().value(CHostSettings::TrendWindow).toInt(), window);
    }

    // The recorder's rows are its own test's; here the setting and the action's state.
    void recording()
    {
        Rig rig;
        QVERIFY(rig.start({QStringLiteral("--pressure"), QStringLiteral("100")}));
        QVERIFY(rig.transfer([&] { rig.session.parameters()->readAll(); }));
        CTrendView view(&rig.session);
        QVERIFY(view.attach());
        view.setRecordInterval(200);
        QCOMPARE(CHostSettings().value(CHostSettings::RecordInterval).toInt(), 200);
        QTemporaryDir dir;
        QFile csv(dir.filePath(QStringLiteral("trend.csv")));
        QVERIFY(view.startRecording(csv.fileName()));
        QVERIFY(view.recordAction()->isChecked());
        rig.startPolling(50);
        QVERIFY(QTest::qWaitFor([&]() { return csv.size() > CCsvRecorder::header().size() + 40; }, 5000));
        view.stopRecording();
        QVERIFY(!view.recordAction()->isChecked());
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(csv.readLine()).trimmed(), CCsvRecorder::header());
        QVERIFY(!view.startRecording(dir.filePath(QStringLiteral("missing/trend.csv"))));
        QVERIFY(!view.recordAction()->isChecked());
    }
};

QTEST_MAIN(tst_TrendView)
#include "tst_trendview.moc"

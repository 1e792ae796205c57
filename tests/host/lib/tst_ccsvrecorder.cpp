// Recording to CSV: the rows say exactly what the display showed, keep to the
// recording interval, reach the disk within a second and a file that cannot
// be written is refused with its reason.
#include "ccsvrecorder.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

const QDateTime Start(QDate(2026, 12, 5), QTime(14, 30, 15, 123), Qt::OffsetFromUTC, 3600);

CStatusSample sample(qint64 msecs = 0)
{
    CStatusSample sample;
    sample.time = Start.addMSecs(msecs);
    sample.text = QStringLiteral("-2.50");
    sample.value = -2.5;
    sample.valueDecimals = 2;
    sample.unit = QStringLiteral("kPa");
    sample.outputText = QStringLiteral("37.5");
    sample.output = 37.5;
    sample.outputDecimals = 1;
    sample.led = 2;
    sample.ledName = QStringLiteral("green");
    return sample;
}

QStringList lines(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class tst_CCsvRecorder : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void row_data()
    {
        QTest::addColumn<CStatusSample>("sample");
        QTest::addColumn<QString>("row");
        const QString time = QStringLiteral("2026-12-05T14:30:15.123+01:00");
        QTest::newRow("value, output, LED") << sample() << time + ",-2.50,-2.50,kPa,37.5,2,green";
        CStatusSample message = sample();
        message.text = QStringLiteral("----");
        message.value = qQNaN();
        message.output = qQNaN();
        QTest::newRow("no number shown") << message << time + ",----,,kPa,,2,green";
        CStatusSample unknown = sample();
        unknown.unit.clear();
        unknown.led = -1;
        unknown.ledName.clear();
        QTest::newRow("unit and LED unknown") << unknown << time + ",-2.50,-2.50,,37.5,,";
        CStatusSample german = sample();
        german.ledName = QStringLiteral("gelb+weiß");
        german.led = 1;
        QTest::newRow("names in UTF-8") << german << time + QString::fromUtf8(",-2.50,-2.50,kPa,37.5,1,gelb+weiß");
        CStatusSample quoted = sample();
        quoted.text = QStringLiteral("a\"b,c");
        QTest::newRow("quotes and commas") << quoted << time + ",\"a\"\"b,c\",-2.50,kPa,37.5,2,green";
        CStatusSample utc = sample();
        utc.time = QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5, 6), Qt::UTC);
        QTest::newRow("UTC") << utc << "2026-01-02T03:04:05.006Z,-2.50,-2.50,kPa,37.5,2,green";
    }

    void row()
    {
        QFETCH(CStatusSample, sample);
        QFETCH(QString, row);
        QCOMPARE(CCsvRecorder::row(sample), row);
    }

    // Which of the samples (at these milliseconds) become rows.
    void interval_data()
    {
        QTest::addColumn<int>("interval");
        QTest::addColumn<QList<int>>("times");
        QTest::addColumn<QList<int>>("written");
        QTest::newRow("every sample") << 0 << QList<int>{0, 100, 200} << QList<int>{0, 100, 200};
        QTest::newRow("every tenth of ten per second")
            << 1000 << QList<int>{0, 100, 500, 900, 1000, 1100, 1999, 2000, 3000}
            << QList<int>{0, 1000, 1999, 3000};
        QTest::newRow("polls a little early still count")
            << 1000 << QList<int>{0, 998, 1997, 2990, 3992} << QList<int>{0, 998, 1997, 2990, 3992};
        QTest::newRow("slower polls than the interval") << 500 << QList<int>{0, 1300, 2600} << QList<int>{0, 1300, 2600};
        QTest::newRow("after a pause the grid starts anew")
            << 1000 << QList<int>{0, 1000, 5500, 6000, 6500} << QList<int>{0, 1000, 5500, 6500};
    }

    void interval()
    {
        QFETCH(int, interval);
        QFETCH(QList<int>, times);
        QFETCH(QList<int>, written);
        CCsvRecorder recorder;
        const QString fileName = m_dir.filePath(QStringLiteral("interval.csv"));
        QVERIFY2(recorder.open(fileName), qPrintable(recorder.errorString()));
        recorder.setInterval(interval);
        for (const int time : times)
            QVERIFY(recorder.add(sample(time)));
        recorder.close();
        QStringList expected{CCsvRecorder::header()};
        for (const int time : written)
            expected.append(CCsvRecorder::row(sample(time)));
        QCOMPARE(lines(fileName), expected);
        QCOMPARE(recorder.rows(), written.size());
    }

    // What was recorded can be read by another program within a second,
    // while the recording goes on.
    void onDiskWithinASecond()
    {
        CCsvRecorder recorder;
        const QString fileName = m_dir.filePath(QStringLiteral("live.csv"));
        QVERIFY(recorder.open(fileName));
        recorder.setInterval(0);
        QVERIFY(recorder.add(sample()));
        QTRY_COMPARE_WITH_TIMEOUT(lines(fileName).size(), 2, CCsvRecorder::MaxUnflushedMs + 200);
        QCOMPARE(lines(fileName).last(), CCsvRecorder::row(sample()));
        QVERIFY(recorder.isOpen());
    }

    void unwritableFileRefused_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("no such folder") << m_dir.filePath(QStringLiteral("missing/trend.csv"));
        QTest::newRow("disk full") << QStringLiteral("/dev/full");
    }

    void unwritableFileRefused()
    {
        QFETCH(QString, fileName);
        CCsvRecorder recorder;
        QVERIFY(!recorder.open(fileName));
        QVERIFY(!recorder.isOpen());
        QVERIFY2(recorder.errorString().startsWith(fileName), qPrintable(recorder.errorString()));
        QVERIFY(!recorder.add(sample()));
    }
};

QTEST_GUILESS_MAIN(tst_CCsvRecorder)
#include "tst_ccsvrecorder.moc"

// Status samples read as the plugin shows them, in the unit the device holds
// once that is known; recorded to CSV as shown, on the interval, soon on disk.
#include "ccsvrecorder.h"
#include "cdevicedata.h"
#include "cstatussampler.h"
#include "simrig.h"

#include <QTemporaryDir>

namespace {

typedef QPair<QString, int> Shown; // display text and LED code

// Twelve status registers from their bytes, the low byte of each first.
QVector<quint16> block(std::initializer_list<int> bytes)
{
    QVector<quint16> registers(12, 0);
    int index = 0;
    for (const int byte : bytes) {
        registers[index / 2] |= quint16(byte << (index % 2 ? 8 : 0));
        ++index;
    }
    return registers;
}

const QDateTime Start(QDate(2026, 12, 5), QTime(14, 30, 15, 123), Qt::OffsetFromUTC, 3600);

// -2.50 kPa (2 decimals), output 37.5 % (1 decimal), LED 2 "green"; the unit's scale and output text unused.
CStatusSample sample(qint64 msecs = 0)
{
    return {Start.addMSecs(msecs), "-2.50", -2.5, 2, "kPa", 0.0, QString(), 37.5, 1, 2, "green"};
}

QStringList lines(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class tst_CStatusSampler : public QObject
{
    Q_OBJECT

    CDeviceSession m_session;
    CStatusSampler *m_sampler = nullptr;
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationVersion(QStringLiteral(LOOMWORK_VERSION));
        QVERIFY2(openPv8120(m_session), qPrintable(m_session.errorString()));
        m_sampler = new CStatusSampler(m_session.master(), m_session.parameters(), &m_session.deviceData(), this);
        QVERIFY2(m_sampler->isValid(), qPrintable(m_sampler->errorString()));
    }

    // Every segment pattern, with and without its point, in every digit.
    void agreesWithThePlugin_data()
    {
        QTest::addColumn<QVector<quint16>>("registers");
        for (int pattern = 0; pattern < 128; ++pattern) {
            const int p = pattern;
            const int dot = pattern | 0x80;
            QTest::addRow("pattern %d", pattern) << block({p, dot, p, p, 0, 0, dot, p, dot, dot, 0x50, 0x00});
        }
        // The status bytes of both frames: the bits that count and some that do not.
        for (const int first : {0x00, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x8F}) {
            for (const int second : {0x00, 0x01, 0x02, 0x03, 0xFC}) {
                QTest::addRow("status %02x %02x", first, second)
                    << block({0x30, 0x7E, 0xB3, 0x6D, second, first, 0x7E, 0x7E, 0x30, 0x30, first, second});
            }
        }
    }

    void agreesWithThePlugin()
    {
        QFETCH(QVector<quint16>, registers);
        // The status answer (its start address, then the registers) shown by the plugin, one frame a refresh.
        QByteArray answer;
        QDataStream out(&answer, QIODevice::WriteOnly);
        out << quint16(0x7000);
        for (const quint16 word : registers)
            out << word;
        QObject *backend = m_session.backend();
        QSignalSpy texts(backend, SIGNAL(displayText(QString)));
        QSignalSpy leds(backend, SIGNAL(displayLed(int)));
        emit m_session.master()->dataResponse(answer);
        QMetaObject::invokeMethod(backend, "setDisplay");
        QMetaObject::invokeMethod(backend, "setDisplay");
        QCOMPARE(texts.size(), 2);
        QCOMPARE(leds.size(), 2);
        QList<Shown> plugin{{texts.at(0).at(0).toString(), leds.at(0).at(0).toInt()},
                            {texts.at(1).at(0).toString(), leds.at(1).at(0).toInt()}};
        QList<Shown> decoded;
        for (const CDisplayDecoder::Frame &frame : m_sampler->decoder().frames()) {
            const CDisplayDecoder::Reading reading = m_sampler->decoder().read(frame, registers);
            decoded.append({reading.text, reading.led});
        }
        // Which frame the plugin shows first is its business.
        std::sort(plugin.begin(), plugin.end());
        std::sort(decoded.begin(), decoded.end());
        QCOMPARE(decoded, plugin);
    }

    void number_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::newRow("integer") << "1042" << true << 1042.0 << 0;
        QTest::newRow("blank digits") << "  12" << true << 12.0 << 0;
        QTest::newRow("negative decimals") << "-2.50" << true << -2.5 << 2;
        QTest::newRow("point after the last digit") << "100." << true << 100.0 << 0;
        QTest::newRow("point first") << "-.5" << true << -0.5 << 1;
        QTest::newRow("overflow") << "----" << false << 0.0 << 0;
        QTest::newRow("exponent") << "1E2 " << false << 0.0 << 0;
        QTest::newRow("blank") << "    " << false << 0.0 << 0;
    }

    void number()
    {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        double number = 0.0;
        int places = -1;
        QCOMPARE(CDisplayDecoder::number(text, &number, &places), isNumber);
        if (isNumber) {
            QTEST(number, "value");
            QTEST(places, "decimals");
        }
    }

    void incompleteDescriptionsRefused_data()
    {
        QTest::addColumn<QByteArray>("display");
        QTest::newRow("no digits") << QByteArray(R"({"frames": [{"number": 1, "status": [10, 11]}]})");
        QTest::newRow("one status byte") << QByteArray(R"({"frames": [{"number": 1, "digits": [0], "status": [10]}]})");
        QTest::newRow("no number") << QByteArray(R"({"frames": [{"digits": [0], "status": [10, 11]}]})");
    }

    void incompleteDescriptionsRefused()
    {
        QFETCH(QByteArray, display);
        CDisplayDecoder decoder;
        QString error;
        QVERIFY(!decoder.load(QJsonDocument::fromJson(display).object().toVariantMap(), &error));
        QVERIFY(error.contains(QLatin1String("frame 1")));
        QVERIFY(!decoder.isValid());
    }

    // The value is in the unit the device holds, from its first read on; only status answers are samples.
    void unitFollowsTheDevice()
    {
        Rig rig;
        QVERIFY(rig.start({QStringLiteral("--pressure"), QStringLiteral("50")}));
        CStatusSampler sampler(rig.session.master(), rig.session.parameters(), &rig.session.deviceData());
        QSignalSpy samples(&sampler, &CStatusSampler::sampled);
        const auto last = [&]() { return samples.last().first().value<CStatusSample>(); };
        rig.startPolling(50);
        QVERIFY(samples.wait(5000));
        CStatusSample sample = last();
        QCOMPARE(sample.text, QStringLiteral("50.00"));
        QCOMPARE(sample.value, 50.0);
        QVERIFY2(sample.unit.isEmpty(), "a unit shown before the device was read");
        QCOMPARE(sample.unitScale, 0.0);

        // Another client may have changed the unit just before the read: it is given once the display followed.
        rig.poll.stop();
        QElapsedTimer sinceRead;
        sinceRead.start();
        QVERIFY(rig.transfer([&] { rig.session.parameters()->readAll(); }));
        samples.clear();
        rig.session.parameters()->readAll(); // parameter answers are no samples
        QVERIFY(!samples.wait(300));

        rig.startPolling(50);
        QVERIFY(samples.wait(5000));
        QVERIFY(QTest::qWaitFor([&]() { return !last().unit.isEmpty(); }, 5000));
        QVERIFY2(sinceRead.elapsed() >= 1000, "a unit given before the display settled");
        sample = last();
        QCOMPARE(sample.unit, QStringLiteral("mbar"));
        QCOMPARE(sample.unitScale, 1.0);
        QCOMPARE(sample.ledName, QStringLiteral("green"));
        QVERIFY(sample.output > 0.0 && sample.output < 100.0);

        // Across the change no number is shown in a unit it is not in.
        samples.clear();
        CItem *unit = rig.item(QStringLiteral("Einheit"));
        unit->setValue(2); // kPa
        emit unit->valueEdited();
        QVERIFY(rig.transfer([&] { rig.session.parameters()->writeModified(); }));
        QTest::qWait(1500);
        const QHash<QString, QString> shown{{"mbar", "50.00"}, {"kPa", "5.000"}, {"", ""}};
        for (const QList<QVariant> &signal : qAsConst(samples)) {
            sample = signal.first().value<CStatusSample>();
            if (!sample.unit.isEmpty())
                QCOMPARE(sample.text, shown.value(sample.unit));
        }
        QCOMPARE(sample.unit, QStringLiteral("kPa"));
        QCOMPARE(sample.unitScale, 0.1);
    }

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
        QTest::newRow("names in UTF-8") << german << time + QString::fromUtf8(",-2.50,-2.50,kPa,37.5,2,gelb+weiß");
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
        QTEST(CCsvRecorder::row(sample), "row");
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
        QTRY_COMPARE_WITH_TIMEOUT(lines(fileName), (QStringList{CCsvRecorder::header(), CCsvRecorder::row(sample())}),
                                  CCsvRecorder::MaxUnflushedMs + 200);
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

QTEST_GUILESS_MAIN(tst_CStatusSampler)
#include "tst_cstatussampler.moc"

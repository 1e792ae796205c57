// The traffic monitor: frames, link statistics, the table's filter, pause and bound.
#include "ctrafficmodel.h"
#include "ctrafficmonitor.h"
#include "simrig.h"

namespace {

// Runs one request and waits for its end.
bool complete(const std::function<void(const CModbusMaster::Completion &)> &send)
{
    bool done = false;
    send([&done](const CModbusMaster::Result &) { done = true; });
    return QTest::qWaitFor([&]() { return done; }, 10000);
}

} // namespace

class tst_TrafficMonitor : public QObject
{
    Q_OBJECT

private slots:
    // One request of each kind the master sends, with the bytes the simulator really answered.
    void framesDecoded_data()
    {
        QTest::addColumn<bool>("write");
        QTest::addColumn<int>("address");
        QTest::addColumn<QVector<quint16>>("words"); // written; for a read, one word per register
        QTest::addColumn<QString>("request");
        QTest::addColumn<QString>("response");      // "*": the registers the simulator holds
        QTest::addColumn<QString>("result");

        QTest::newRow("read a float") << false << 0x0140 << QVector<quint16>(2) << "03 01 40 00 02"
                                      << "03 04 *" << "ok";
        QTest::newRow("write one register") << true << 0x014A << QVector<quint16>{1} << "10 01 4A 00 01 02 00 01"
                                            << "10 01 4A 00 01" << "ok";
        QTest::newRow("write a float") << true << 0x0140 << QVector<quint16>{0x0000, 0x4334} // 180.0, low half first
                                       << "10 01 40 00 02 04 00 00 43 34" << "10 01 40 00 02" << "ok";
        QTest::newRow("read a register no parameter holds") << false << 0x6000 << QVector<quint16>(1)
                                                            << "03 60 00 00 01" << "83 02"
                                                            << "exception 2 (illegal data address)";
    }

    void framesDecoded()
    {
        QFETCH(bool, write);
        QFETCH(int, address);
        QFETCH(QVector<quint16>, words);
        QFETCH(QString, response);

        Rig rig;
        QVERIFY(rig.start({}));
        CModbusMaster *master = rig.session.master();
        CTrafficMonitor monitor(master);
        QVERIFY(complete([&](const CModbusMaster::Completion &done) {
            if (write)
                master->write(quint16(address), words, done, false);
            else
                master->read(quint16(address), quint16(words.size()), done, false);
        }));
        CTrafficModel *model = monitor.model();
        QCOMPARE(model->rowCount(), 2);
        const CTrafficRecord &sent = model->record(0);
        const CTrafficRecord &answer = model->record(1);
        QCOMPARE(sent.direction, CTrafficRecord::Request);
        QTEST(sent.hex(), "request");
        QCOMPARE(sent.unitId, 1);
        QCOMPARE(int(sent.count), words.size());
        QCOMPARE(answer.direction, CTrafficRecord::Response);
        QCOMPARE(answer.attempt, sent.attempt);
        QCOMPARE(answer.functionCode, sent.functionCode);
        QByteArray held;
        for (quint16 word : rig.device(rig.item(QStringLiteral("GrenzwertMaxAlarm"))))
            held.append(char(word >> 8)).append(char(word & 0xFF));
        response.replace('*', held.toHex(' ').toUpper());
        QVERIFY(answer.roundTripUs >= 0);
        QTEST(CTrafficModel::resultText(answer), "result");
        QCOMPARE(model->data(model->index(1, CTrafficModel::Bytes)).toString(), response);
        QCOMPARE(model->data(model->index(0, CTrafficModel::Address)).toString(),
                 QStringLiteral("0x%1").arg(address, 4, 16, QLatin1Char('0')));
    }

    // Timeouts and retries are counted, shown without bytes, and found by the filter.
    void timeoutsAndStatistics()
    {
        Rig rig;
        QVERIFY(rig.start({QStringLiteral("--drop-every"), QStringLiteral("2")}, 200));
        CModbusMaster *master = rig.session.master();
        CTrafficMonitor monitor(master);
        for (int i = 0; i < 3; ++i)
            QVERIFY(complete([&](const CModbusMaster::Completion &done) { master->read(0x0140, 2, done); }));
        const CTrafficStatistics &stats = monitor.statistics();
        QVERIFY2(stats.timeouts() >= 1, qPrintable(QString::number(stats.timeouts())));
        QCOMPARE(stats.retries(), stats.timeouts());
        QCOMPARE(stats.requests(), stats.answers() + stats.timeouts());
        QCOMPARE(stats.answers(), quint64(3));
        QVERIFY(stats.percentileRoundTripUs(99) >= qint64(stats.meanRoundTripUs()) - 1);
        int timeoutRows = 0;
        for (int row = 0; row < monitor.model()->rowCount(); ++row) {
            const CTrafficRecord &record = monitor.model()->record(row);
            if (record.outcome == CTrafficRecord::Timeout) {
                ++timeoutRows;
                QVERIFY(record.pdu.isEmpty());
                // The response timeout, as a coarse timer keeps it (within 5 % and a millisecond).
                QVERIFY2(record.roundTripUs >= 189000, qPrintable(QString::number(record.roundTripUs)));
            }
        }
        QCOMPARE(quint64(timeoutRows), stats.timeouts());
        monitor.setFilter(QStringLiteral("timeout"));
        QCOMPARE(quint64(monitor.visibleRows()), stats.timeouts());
        monitor.setFilter(QStringLiteral("retry"));
        QCOMPARE(quint64(monitor.visibleRows()), stats.retries());
        monitor.refreshStatistics();
        const QStringList texts = monitor.statisticsTexts();
        QCOMPARE(texts.at(texts.indexOf(QStringLiteral("Timeouts:")) + 1), QString::number(stats.timeouts()));
    }

    // Paused, the table holds still while the statistics count on; full, it lets the oldest go.
    void pauseAndBound_data()
    {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<bool>("paused");
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("firstAttempt");

        QTest::newRow("room") << 10 << false << 4 << 4 << 1;
        QTest::newRow("full") << 3 << false << 5 << 3 << 3;
        QTest::newRow("paused") << 10 << true << 4 << 0 << -1;
    }

    void pauseAndBound()
    {
        QFETCH(int, capacity);
        QFETCH(bool, paused);
        QFETCH(int, records);
        QFETCH(int, firstAttempt);

        CModbusMaster master;
        CTrafficMonitor monitor(&master);
        monitor.model()->setCapacity(capacity);
        monitor.setPaused(paused);
        for (int i = 1; i <= records; ++i) {
            CTrafficRecord record;
            record.attempt = quint64(i);
            emit master.traffic(record);
        }
        QTEST(monitor.model()->rowCount(), "rows");
        QCOMPARE(monitor.statistics().requests(), quint64(records));
        if (firstAttempt > 0)
            QCOMPARE(int(monitor.model()->record(0).attempt), firstAttempt);
    }

    // The 99th percentile is the round trip 99 of 100 answers beat.
    void percentile_data()
    {
        QTest::addColumn<QVector<int>>("roundTrips");
        QTest::addColumn<int>("p99");
        QTest::addColumn<double>("mean");

        QVector<int> hundred;
        for (int i = 1; i <= 100; ++i)
            hundred << i;
        QTest::newRow("1..100") << hundred << 99 << 50.5;
        QTest::newRow("one answer") << QVector<int>{7} << 7 << 7.0;
        QTest::newRow("one slow among many") << (QVector<int>(199, 10) << 5000) << 10 << (199 * 10 + 5000) / 200.0;
    }

    void percentile()
    {
        QFETCH(QVector<int>, roundTrips);
        QFETCH(int, p99);

        CTrafficStatistics stats;
        for (int us : roundTrips) {
            CTrafficRecord record;
            record.direction = CTrafficRecord::Response;
            record.outcome = CTrafficRecord::Answered;
            record.roundTripUs = us;
            stats.add(record);
        }
        QCOMPARE(stats.percentileRoundTripUs(99), qint64(p99));
        QTEST(stats.meanRoundTripUs(), "mean");
    }
};

QTEST_MAIN(tst_TrafficMonitor)
#include "tst_trafficmonitor.moc"

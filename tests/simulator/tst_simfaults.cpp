#include "cmbapframe.h"
#include "simprocess.h"

#include <QElapsedTimer>
#include <QTcpSocket>
#include <QtTest>

namespace {

const QByteArray StatusPdu = QByteArray::fromHex("037000000c");

// A running pv8120-sim and a raw client connection to it.
class Simulator : public SimProcess
{
public:
    bool start(const QStringList &arguments) { return SimProcess::start(arguments) && connectClient(); }

    bool connectClient()
    {
        m_socket.abort();
        m_socket.connectToHost(QStringLiteral("127.0.0.1"), port());
        return m_socket.waitForConnected(5000);
    }

    // Sends one request frame and collects what arrives within waitMs, until the
    // connection closes or a complete frame is followed by 50 ms of silence.
    QByteArray exchange(const QByteArray &frame, int waitMs = 1500)
    {
        m_socket.write(frame);
        m_socket.flush();
        QByteArray received;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < waitMs && m_socket.state() == QAbstractSocket::ConnectedState) {
            const bool complete = CMbapFrame::frameSize(received) > 0;
            if (!m_socket.waitForReadyRead(complete ? 50 : int(qMax<qint64>(1, waitMs - clock.elapsed()))) && complete)
                break;
            received += m_socket.readAll();
        }
        return received + m_socket.readAll();
    }

    bool clientClosed() const { return m_socket.state() != QAbstractSocket::ConnectedState; }

private:
    QTcpSocket m_socket;
};

// What a master would make of the bytes that answered a status read of transaction from unit.
QString classify(const QByteArray &bytes, quint16 transaction, quint8 unit = 1)
{
    if (bytes.isEmpty())
        return "none";
    if (bytes.size() == CMbapFrame::HeaderSize)
        return "header";
    if (bytes.mid(2, 2) != QByteArray(2, '\0'))
        return "protocol";
    const int declared = CMbapFrame::HeaderSize - 1 + ((quint8(bytes.at(4)) << 8) | quint8(bytes.at(5)));
    if (declared > bytes.size())
        return "short";
    if (declared < bytes.size()) {
        const QByteArray rest = bytes.mid(declared);
        const bool stale = CMbapFrame::frameSize(rest) == rest.size() && CMbapFrame::transactionId(rest) == transaction;
        return stale ? "two" : "length";
    }
    if (CMbapFrame::transactionId(bytes) != transaction)
        return "transaction";
    if (CMbapFrame::unitId(bytes) != unit)
        return "unit";
    const quint8 code = CMbapFrame::functionCode(bytes);
    if (code & 0x80)
        return QStringLiteral("exception %1 on %2").arg(quint8(bytes.at(8))).arg(code, 0, 16);
    if (code != 3)
        return "function";
    return bytes.size() == 7 + 2 + 24 ? "ok" : "size";
}

} // namespace

class TestSimFaults : public QObject
{
    Q_OBJECT

private slots:
    void exchanges_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("outcomes"); // of status reads on one connection; "closed": a broken frame
        QTest::addColumn<bool>("closed");          // connection closed at the end
        using L = QStringList;
        QTest::newRow("drop every 2nd") << L{"--drop-every", "2"} << L{"ok", "none", "ok"} << false;
        QTest::newRow("exception every 3rd") << L{"--exception-every", "3:6"} << L{"ok", "ok", "exception 6 on 83"}
                                             << false;
        QTest::newRow("gateway, no device at the unit id")
            << L{"--unit-ids", "2", "--gateway"} << L{"exception 11 on 83"} << false;
        QTest::newRow("disconnect after 2") << L{"--disconnect-after", "2"} << L{"ok", "ok", "none"} << true;
        // A broken stream cannot be resynchronised: closed, whether the simulator or its fault proxy answers.
        QTest::newRow("broken stream") << L{} << L{"ok", "closed"} << true;
        QTest::newRow("broken stream, fault proxy") << L{"--exception-every", "1000"} << L{"ok", "closed"} << true;
        auto fault = [](const char *name) { return L{"--frame-fault", name}; };
        QTest::newRow("header only") << fault("header-only") + L{"--frame-fault-every", "2"} << L{"ok", "header"}
                                     << false;
        QTest::newRow("bad length") << fault("bad-length") << L{"length"} << false;
        QTest::newRow("bad protocol") << fault("bad-protocol") << L{"protocol"} << false;
        QTest::newRow("bad transaction") << fault("bad-transaction") << L{"transaction", "transaction"} << false;
        QTest::newRow("byte per segment") << fault("byte-per-segment") << L{"ok", "ok"} << false;
        QTest::newRow("two frames") << fault("two-frames") << L{"two", "two"} << false;
        QTest::newRow("close mid frame") << fault("close-mid-frame") << L{"short"} << true;
        QTest::newRow("wrong unit") << fault("wrong-unit") << L{"unit"} << false;
        QTest::newRow("wrong function") << fault("wrong-function") << L{"function"} << false;
        QTest::newRow("register short") << fault("bad-count") << L{"size"} << false;
        QTest::newRow("length one long") << fault("long-length") << L{"short"} << false;
        QTest::newRow("trailing garbage") << fault("trailing-garbage") << L{"length"} << false;
    }

    void exchanges()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, outcomes);
        Simulator sim;
        QVERIFY(sim.start(arguments));
        for (int i = 0; i < outcomes.size(); ++i) {
            // Any unit id is answered, and under its own id.
            const quint8 unit = quint8(i * 77);
            const QByteArray frame = CMbapFrame::build(quint16(10 + i), unit, StatusPdu);
            if (outcomes.at(i) == "closed") { // answered by closing the connection
                QCOMPARE(sim.exchange(CMbapFrame::withProtocolId(frame, 1), 3000), QByteArray());
                continue;
            }
            QCOMPARE(classify(sim.exchange(frame), quint16(10 + i), unit), outcomes.at(i));
        }
        QTEST(sim.clientClosed(), "closed");
        // The simulator keeps serving new connections.
        if (sim.clientClosed()) {
            QVERIFY(sim.connectClient());
            QCOMPARE(classify(sim.exchange(CMbapFrame::build(99, 1, StatusPdu), 1000), 99), outcomes.first());
        }
    }

    // With a fault rate every kind turns up; on SIGTERM the simulator says what it injected.
    void randomFaultsAreCounted()
    {
        Simulator sim;
        QVERIFY(sim.start({"--fault-rate", "50", "--fault-seed", "3", "--delay", "1"}));
        QSet<QString> outcomes;
        const int requests = 120;
        for (int i = 0; i < requests; ++i) {
            if (sim.clientClosed())
                QVERIFY(sim.connectClient());
            outcomes << classify(sim.exchange(CMbapFrame::build(quint16(i), 1, StatusPdu), 300), quint16(i));
        }
        sim.process().terminate();
        QVERIFY(sim.process().waitForFinished(5000));
        const QString summary = QString::fromLatin1(sim.process().readAllStandardOutput()).trimmed();
        const QRegularExpression pattern(QStringLiteral("^faults injected: (\\d+) in %1 requests \\((.*)\\)$")
                                             .arg(requests));
        const QRegularExpressionMatch match = pattern.match(summary);
        QVERIFY2(match.hasMatch(), qPrintable(summary));
        const int injected = match.captured(1).toInt();
        QVERIFY2(injected > requests / 4 && injected < requests * 3 / 4, qPrintable(summary));
        for (const char *outcome : {"ok", "none", "header", "protocol", "transaction", "unit", "function", "size",
                                    "short", "length", "two", "exception 6 on 83", "exception 4 on 83"})
            QVERIFY2(outcomes.contains(QLatin1String(outcome)), outcome);
    }

    void exitsCleanlyWhenStdinCloses()
    {
        Simulator sim;
        sim.process().setProcessChannelMode(QProcess::SeparateChannels);
        QVERIFY(sim.start({"--delay", "600", "--exit-on-stdin-eof"}));
        // The delay holds the response back; a client stays connected while the simulator stops.
        QCOMPARE(classify(sim.exchange(CMbapFrame::build(1, 1, StatusPdu), 100), 1), QStringLiteral("none"));
        QCOMPARE(classify(sim.exchange(CMbapFrame::build(2, 1, StatusPdu), 3000).left(33), 1), QStringLiteral("ok"));
        sim.process().closeWriteChannel();
        QVERIFY(sim.process().waitForFinished(5000));
        QCOMPARE(sim.process().exitCode(), 0);
        QCOMPARE(sim.process().readAllStandardOutput(), QByteArray()); // only the first line, already read
        QCOMPARE(sim.process().readAllStandardError(), QByteArray());
    }

    void badCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown frame fault") << QStringList{"--frame-fault", "late"} << "late";
        QTest::newRow("port too large") << QStringList{"--port", "70000"} << "--port takes a whole number from 0 to 65535";
        QTest::newRow("negative delay") << QStringList{"--delay", "-1"} << "--delay takes a whole number from 0 to 60000";
        QTest::newRow("pressure not a number") << QStringList{"--pressure", "nan"} << "--pressure takes a number";
        QTest::newRow("fault rate over 100") << QStringList{"--fault-rate", "101"} << "percentage from 0 to 100";
        QTest::newRow("exception code 300") << QStringList{"--exception-every", "3:300"} << "from 1 to 127";
        QTest::newRow("host name") << QStringList{"--host", "localhost"} << "IP address";
        QTest::newRow("unit id 0") << QStringList{"--unit-ids", "0-3"} << "1 .. 247";
        QTest::newRow("unit id 248") << QStringList{"--fault-ids", "200-248"} << "1 .. 247";
        QTest::newRow("no endpoints") << QStringList{"--endpoints", "0"} << "--endpoints takes a whole number from 1";
    }

    void badCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QProcess wrong;
        wrong.start(QStringLiteral(PV8120_SIM), arguments);
        QVERIFY(wrong.waitForFinished(5000));
        QCOMPARE(wrong.exitCode(), 1);
        const QByteArray error = wrong.readAllStandardError();
        QVERIFY2(error.contains(message.toUtf8()), error.constData());
        QCOMPARE(wrong.readAllStandardOutput(), QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestSimFaults)
#include "tst_simfaults.moc"

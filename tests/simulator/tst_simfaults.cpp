// The simulator's fault front: MBAP framing, and pv8120-sim itself on a
// socket with each of its fault options.
#include "cframemangler.h"
#include "cmbapframe.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTcpSocket>
#include <QtTest>

#include <csignal>

namespace {

const QByteArray StatusRequestPdu = QByteArray::fromHex("037000000c");

// A running pv8120-sim and a raw client connection to it.
class Simulator
{
public:
    bool start(const QStringList &arguments)
    {
        m_process.start(QStringLiteral(SIM_PROGRAM), arguments);
        if (!m_process.waitForStarted(5000) || !m_process.waitForReadyRead(10000))
            return false;
        const QString line = QString::fromLatin1(m_process.readLine()).trimmed();
        if (!line.startsWith(QLatin1String("listening on 127.0.0.1:")))
            return false;
        m_port = quint16(line.section(':', -1).toUInt());
        return connectClient();
    }

    bool connectClient()
    {
        m_socket.abort();
        m_socket.connectToHost(QStringLiteral("127.0.0.1"), m_port);
        return m_socket.waitForConnected(5000);
    }

    // Sends one request and collects what arrives within waitMs, until the
    // connection closes or a complete frame is followed by 50 ms of silence.
    QByteArray exchange(quint16 transaction, quint8 unit, const QByteArray &pdu, int waitMs = 1500)
    {
        m_socket.write(CMbapFrame::build(transaction, unit, pdu));
        m_socket.flush();
        QByteArray received;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < waitMs && m_socket.state() == QAbstractSocket::ConnectedState) {
            const bool complete = CMbapFrame::frameSize(received) > 0;
            const int wait = complete ? 50 : int(qMax<qint64>(1, waitMs - clock.elapsed()));
            if (!m_socket.waitForReadyRead(wait) && complete)
                break;
            received += m_socket.readAll();
        }
        received += m_socket.readAll();
        return received;
    }

    bool clientClosed() const { return m_socket.state() != QAbstractSocket::ConnectedState; }
    QProcess &process() { return m_process; }

private:
    QProcess m_process;
    QTcpSocket m_socket;
    quint16 m_port = 0;
};

// What a master would make of the bytes that answered transaction.
QString classify(const QByteArray &bytes, quint16 transaction)
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
        if (CMbapFrame::frameSize(rest) == rest.size() && CMbapFrame::transactionId(rest) == transaction)
            return "two";
        return "length";
    }
    if (CMbapFrame::transactionId(bytes) != transaction)
        return "transaction";
    if (CMbapFrame::functionCode(bytes) & 0x80)
        return QStringLiteral("exception %1").arg(quint8(bytes.at(8)));
    return "ok";
}

} // namespace

class TestSimFaults : public QObject
{
    Q_OBJECT

private slots:
    void anyUnitIsAnswered();
    void malformedRequests_data();
    void malformedRequests();
    void faultOptions_data();
    void faultOptions();
    void delayHoldsTheResponse();
    void exitsCleanly_data();
    void exitsCleanly();
    void helpListsEveryOption();
    void invalidOptionFails();
};

void TestSimFaults::anyUnitIsAnswered()
{
    Simulator sim;
    QVERIFY(sim.start({"--seed", "7"}));
    for (const quint8 unit : {quint8(0), quint8(1), quint8(77), quint8(255)}) {
        const QByteArray response = sim.exchange(unit, unit, StatusRequestPdu);
        QCOMPARE(classify(response, unit), QStringLiteral("ok"));
        QCOMPARE(CMbapFrame::unitId(response), unit);
        QCOMPARE(response.size(), 7 + 2 + 24);
    }
}

void TestSimFaults::malformedRequests_data()
{
    QTest::addColumn<QByteArray>("pdu");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("unknown function") << QByteArray::fromHex("4100") << QByteArray::fromHex("c101");
    QTest::newRow("read without count") << QByteArray::fromHex("037000") << QByteArray::fromHex("8303");
    QTest::newRow("read of an unknown address") << QByteArray::fromHex("0360000001") << QByteArray::fromHex("8302");
}

void TestSimFaults::malformedRequests()
{
    QFETCH(QByteArray, pdu);
    QFETCH(QByteArray, answer);
    Simulator sim;
    QVERIFY(sim.start({}));
    QCOMPARE(sim.exchange(3, 9, pdu).mid(CMbapFrame::HeaderSize).toHex(), answer.toHex());
    // The connection stays in step: the next request gets its own answer.
    QCOMPARE(classify(sim.exchange(4, 9, StatusRequestPdu), 4), QStringLiteral("ok"));
}

void TestSimFaults::faultOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("outcomes"); // of requests 1, 2, 3 on one connection
    QTest::addColumn<bool>("closed");          // connection closed at the end
    QTest::newRow("no faults") << QStringList{} << QStringList{"ok", "ok", "ok"} << false;
    QTest::newRow("drop every 2nd") << QStringList{"--drop-every", "2"} << QStringList{"ok", "none", "ok"} << false;
    QTest::newRow("exception every 3rd") << QStringList{"--exception-every", "3:6"}
                                         << QStringList{"ok", "ok", "exception 6"} << false;
    QTest::newRow("exception default code") << QStringList{"--exception-every", "1"}
                                            << QStringList{"exception 4", "exception 4", "exception 4"} << false;
    QTest::newRow("disconnect after 2") << QStringList{"--disconnect-after", "2"} << QStringList{"ok", "ok", "none"}
                                        << true;
    QTest::newRow("header only") << QStringList{"--frame-fault", "header-only", "--frame-fault-every", "2"}
                                 << QStringList{"ok", "header"} << false;
    QTest::newRow("bad length") << QStringList{"--frame-fault", "bad-length"} << QStringList{"length"} << false;
    QTest::newRow("bad protocol") << QStringList{"--frame-fault", "bad-protocol"} << QStringList{"protocol"} << false;
    QTest::newRow("bad transaction") << QStringList{"--frame-fault", "bad-transaction"}
                                     << QStringList{"transaction", "transaction"} << false;
    QTest::newRow("byte per segment") << QStringList{"--frame-fault", "byte-per-segment"}
                                      << QStringList{"ok", "ok"} << false;
    QTest::newRow("two frames") << QStringList{"--frame-fault", "two-frames"} << QStringList{"two", "two"} << false;
    QTest::newRow("close mid frame") << QStringList{"--frame-fault", "close-mid-frame"} << QStringList{"short"}
                                     << true;
}

void TestSimFaults::faultOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, outcomes);
    QFETCH(bool, closed);
    Simulator sim;
    QVERIFY(sim.start(arguments));
    for (int i = 0; i < outcomes.size(); ++i) {
        const quint16 transaction = quint16(10 + i);
        const QByteArray response = sim.exchange(transaction, 1, StatusRequestPdu);
        QCOMPARE(classify(response, transaction), outcomes.at(i));
    }
    QCOMPARE(sim.clientClosed(), closed);
    // The simulator keeps serving new connections.
    if (closed) {
        QVERIFY(sim.connectClient());
        QVERIFY(!sim.exchange(99, 1, StatusRequestPdu, 1000).isEmpty());
    }
}

void TestSimFaults::delayHoldsTheResponse()
{
    Simulator sim;
    QVERIFY(sim.start({"--delay", "600"}));
    QCOMPARE(classify(sim.exchange(1, 1, StatusRequestPdu, 100), 1), QStringLiteral("none"));
    QCOMPARE(classify(sim.exchange(2, 1, StatusRequestPdu, 3000).left(33), 1), QStringLiteral("ok"));
}

void TestSimFaults::exitsCleanly_data()
{
    QTest::addColumn<bool>("byStdin");
    QTest::newRow("SIGTERM") << false;
    QTest::newRow("stdin closed") << true;
}

void TestSimFaults::exitsCleanly()
{
    QFETCH(bool, byStdin);
    Simulator sim;
    QVERIFY(sim.start(byStdin ? QStringList{"--exit-on-stdin-eof"} : QStringList{}));
    if (byStdin)
        sim.process().closeWriteChannel();
    else
        ::kill(pid_t(sim.process().processId()), SIGTERM);
    QVERIFY(sim.process().waitForFinished(5000));
    QCOMPARE(sim.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(sim.process().exitCode(), 0);
    QCOMPARE(sim.process().readAllStandardOutput(), QByteArray()); // only the first line, already read
}

void TestSimFaults::helpListsEveryOption()
{
    QProcess process;
    process.start(QStringLiteral(SIM_PROGRAM), {"--help"});
    QVERIFY(process.waitForFinished(5000));
    const QString help = QString::fromLocal8Bit(process.readAllStandardOutput());
    const QStringList options = {"--host", "--port", "--description", "--seed", "--pressure", "--delay",
                                 "--drop-every", "--exception-every", "--disconnect-after",
                                 "--wrong-status-address", "--frame-fault", "--frame-fault-every",
                                 "--exit-on-stdin-eof", "--verbose"};
    for (const QString &option : options)
        QVERIFY2(help.contains(option), qPrintable(option));
    for (const QString &fault : CFrameMangler::faultNames())
        QVERIFY2(help.contains(fault), qPrintable(fault));
}

void TestSimFaults::invalidOptionFails()
{
    QProcess process;
    process.start(QStringLiteral(SIM_PROGRAM), {"--frame-fault", "late"});
    QVERIFY(process.waitForFinished(5000));
    QCOMPARE(process.exitCode(), 1);
    QVERIFY(process.readAllStandardError().contains("late"));
    QCOMPARE(process.readAllStandardOutput(), QByteArray());
}

QTEST_GUILESS_MAIN(TestSimFaults)
#include "tst_simfaults.moc"

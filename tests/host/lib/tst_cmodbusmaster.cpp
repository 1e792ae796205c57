// The Modbus master against devices that answer register value = address
// and misbehave on purpose: over TCP and over a pseudo terminal (RTU).
#include "chostileserver.h"
#include "cmodbusmaster.h"
#include "description/cparameterdescription.h"
#include "widgets/cmessagesender.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QtTest>

#include <netinet/in.h>
#include <pty.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A Modbus RTU device on the far end of a pseudo terminal (the master's serial port sets it raw): answers reads
// with register value = address, or stays silent, or sends damaged answers (a data bit flipped, two stray bytes).
class RtuDevice : public QObject
{
public:
    bool silent = false;
    int damagedLeft = 0;
    QString portName;

    RtuDevice()
    {
        char name[128];
        if (openpty(&m_fd, &m_slave, name, nullptr, nullptr) != 0)
            return;
        portName = QString::fromLatin1(name);
        connect(new QSocketNotifier(m_fd, QSocketNotifier::Read, this), &QSocketNotifier::activated, this,
                [this]() { serve(); });
    }
    ~RtuDevice() override
    {
        ::close(m_fd);
        ::close(m_slave);
    }

private:
    void serve()
    {
        char buffer[256];
        const ssize_t size = ::read(m_fd, buffer, sizeof buffer);
        if (size > 0)
            m_request.append(buffer, int(size));
        for (; m_request.size() >= 8; m_request.remove(0, 8)) {
            if (silent)
                continue;
            const quint16 start = quint16((quint8(m_request[2]) << 8) | quint8(m_request[3]));
            const quint16 count = quint16((quint8(m_request[4]) << 8) | quint8(m_request[5]));
            QByteArray response = m_request.left(2).append(char(2 * count));
            for (int i = 0; i < count; ++i)
                response.append(char((start + i) >> 8)).append(char((start + i) & 0xFF));
            const quint16 crc = crc16(response);
            response.append(char(crc >> 8)).append(char(crc & 0xFF));
            if (damagedLeft > 0) {
                --damagedLeft;
                response[3] = char(response.at(3) ^ 0x01);
                response.append("\x55\xAA");
            }
            QVERIFY(::write(m_fd, response.constData(), size_t(response.size())) == response.size());
        }
    }

    int m_fd = -1;
    int m_slave = -1;
    QByteArray m_request;
};

// A loopback port whose accept queue is full, so a further connect hangs
// (the kernel drops its handshake) until the client gives up.
class FullListener
{
public:
    FullListener()
    {
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(m_listener, reinterpret_cast<sockaddr *>(&address), length) != 0 || ::listen(m_listener, 0) != 0
            || ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &length) != 0)
            return;
        m_port = ntohs(address.sin_port);
        for (int &filler : m_fillers) {
            filler = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            ::connect(filler, reinterpret_cast<sockaddr *>(&address), length);
        }
    }
    ~FullListener()
    {
        for (int filler : m_fillers)
            ::close(filler);
        ::close(m_listener);
    }
    quint16 port() const { return m_port; }

private:
    int m_listener = -1;
    int m_fillers[3] = {-1, -1, -1};
    quint16 m_port = 0;
};

CLinkSettings settingsFor(quint16 port, int timeout = 1000, int retries = 3)
{
    CLinkSettings settings;
    settings.port = port;
    settings.responseTimeout = timeout;
    settings.retries = retries;
    settings.reconnectMinDelay = 20;
    return settings;
}

bool connectMaster(CModbusMaster &master, const CLinkSettings &settings)
{
    master.setSettings(settings);
    master.connectDevice();
    return QTest::qWaitFor([&]() { return master.state() == CModbusMaster::Connected; }, 5000);
}

// The PV 8120 backend's status poll: 12 registers from 0x7000.
const CRequest StatusRequest{CRequest::CyclicRead, 0, CRequest::ReadHoldingRegisters, 0x7000, 12, 0, 0, {}};

// The answer to StatusRequest from registers that hold their addresses: the start address, then the registers.
const QByteArray StatusAnswer = QByteArray::fromHex("7000" "7000700170027003" "7004700570067007" "70087009700a700b");

// Runs one read or write and waits for its completion.
CModbusMaster::Result runNow(CModbusMaster &master, quint16 start, quint16 count, const QVector<quint16> &words = {})
{
    CModbusMaster::Result result;
    bool done = false;
    const auto finish = [&](const CModbusMaster::Result &r) {
        result = r;
        done = true;
    };
    if (words.isEmpty())
        master.read(start, count, finish);
    else
        master.write(start, words, finish);
    if (!QTest::qWaitFor([&]() { return done; }, 10000))
        result.error = QStringLiteral("no completion");
    return result;
}

// The texts of the error messages a spy on a message sender caught.
QStringList texts(const QSignalSpy &errors)
{
    QStringList result;
    for (const QList<QVariant> &arguments : errors)
        result << arguments.at(1).toString();
    return result;
}

} // namespace

class tst_CModbusMaster : public QObject
{
    Q_OBJECT

private slots:
    void userReadsGoBeforeStatusPolls()
    {
        CHostileServer device;
        CModbusMaster master;
        QVERIFY(connectMaster(master, settingsFor(device.port())));
        QStringList order;
        connect(&master, &CModbusMaster::dataResponse, this,
                [&](const QByteArray &bytes) { order << QString::fromLatin1(bytes.left(2).toHex()); });
        // The first poll goes on the wire at once; the second waits; the third
        // is dropped because one is already waiting; the user read overtakes.
        for (int i = 0; i < 3; ++i)
            QVERIFY(QMetaObject::invokeMethod(&master, "buildRequest", Q_ARG(CRequest, StatusRequest)));
        master.read(5, 2, [&](const CModbusMaster::Result &r) {
            order << QStringLiteral("user %1 %2").arg(r.registers.value(0)).arg(r.registers.value(1));
        });
        QTRY_COMPARE_WITH_TIMEOUT(order, (QStringList{"7000", "user 5 6", "7000"}), 5000);
        QCOMPARE(master.statistics().skippedPolls, quint64(1));
        QCOMPARE(master.statistics().answered, quint64(3));
        QVERIFY(master.statistics().lastRoundTripUs > 0);
        QCOMPARE(master.pendingCount(), 0);
    }

    // Every attempt of a request meets the fault (two attempts: one retry). A value is taken only when it is the
    // device's, and the next request is answered as if nothing had happened.
    void hostileAnswerIsNeverTaken_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<bool>("write");
        QTest::addColumn<int>("sent");         // attempts on the wire, read-back included
        QTest::addColumn<QString>("reported"); // part of the error; empty: none, the request succeeds
        using H = CHostileServer;
        const QString invalid = QStringLiteral("Invalid answer from the device: ");
        const QString none = QStringLiteral("No answer within 150 ms");
        auto row = [](const char *name, H::Fault fault, bool write, int sent, const QString &reported) {
            QTest::newRow(name) << int(fault) << write << sent << reported;
        };
        row("silent", H::Silent, false, 2, none);
        row("header only", H::HeaderOnly, false, 2, none);
        row("closed mid frame", H::CloseMidFrame, false, 2, "Connection closed by the device");
        row("garbage", H::Garbage, false, 2, invalid + "protocol id 48879 instead of 0");
        row("wrong protocol", H::WrongProtocol, false, 2, invalid + "protocol id 1 instead of 0");
        row("wrong transaction", H::WrongTransaction, false, 2, invalid + "transaction 16386 instead of 2");
        row("late transaction", H::LateTransaction, false, 2, none);
        row("wrong unit id", H::WrongUnit, false, 2, invalid + "unit id 2 instead of 1");
        row("wrong function", H::WrongFunction, false, 2, invalid + "function code 4 instead of 3");
        row("write echo for a read", H::WriteEchoForRead, false, 2, invalid + "function code 16 instead of 3");
        row("exception of another function", H::ExceptionWrongFunction, false, 2, invalid + "function code 132");
        row("illegal address", H::ExceptionIllegalAddress, false, 1, "Modbus exception 2 (illegal data address)");
        row("busy", H::ExceptionBusy, false, 2, "Modbus exception 6 (server device busy)");
        row("exception too long", H::ExceptionLong, false, 2, invalid + "length field 4 instead of 3");
        row("register short", H::ShortByteCount, false, 2, invalid + "byte count 2 instead of 4");
        row("register too many", H::LongByteCount, false, 2, invalid + "byte count 6 instead of 4");
        row("byte count off", H::ByteCountOff, false, 2, invalid + "byte count 3 instead of 4");
        row("length one short", H::LengthShort, false, 2, invalid + "length field 6 instead of 7");
        row("length one long", H::LengthLong, false, 2, invalid + "length field 8 instead of 7");
        row("trailing garbage", H::TrailingGarbage, false, 2, invalid + "3 bytes beyond the answer");
        row("split frame", H::SplitFrame, false, 1, QString());
        row("stale answer first", H::StaleThenAnswer, false, 1, QString());
        // A write whose answer is lost or wrong is read back: the device decides.
        row("write done, echo of another address", H::EchoWrongAddress, true, 3, QString());
        row("write done, echo of another count", H::EchoWrongCount, true, 3, QString());
        row("write done, answer lost", H::AnswerLost, true, 3, QString());
        row("write done, wrong unit id", H::WrongUnit, true, 3, QString());
        row("write not done", H::Silent, true, 3, "the device does not hold the values written");
        row("write refused as busy", H::ExceptionBusy, true, 2, "Modbus exception 6");
    }

    void hostileAnswerIsNeverTaken()
    {
        QFETCH(int, fault);
        QFETCH(bool, write);
        QFETCH(QString, reported);
        CHostileServer device;
        CModbusMaster master;
        QVERIFY(connectMaster(master, settingsFor(device.port(), 150, 1)));
        QSignalSpy errors(master.messageSender(), &CMessageSender::errorMessage);
        const QVector<quint16> words{0xA5A5, 0x5A5A};
        device.setFault(CHostileServer::Fault(fault), 2);
        QElapsedTimer clock;
        clock.start();
        const CModbusMaster::Result result = runNow(master, 8, 2, write ? words : QVector<quint16>());
        // Two attempts and a read-back, with reconnects on loopback.
        QVERIFY2(clock.elapsed() < 3 * 150 + 1500, qPrintable(QString::number(clock.elapsed())));
        const bool ok = reported.isEmpty();
        QCOMPARE(result.ok, ok);
        if (result.ok && !write)
            QCOMPARE(result.registers, (QVector<quint16>{8, 9}));
        QTEST(int(master.statistics().sent), "sent");
        const QStringList said = texts(errors);
        QVERIFY2(reported.isEmpty() ? said.isEmpty() : !said.filter(reported).isEmpty(), qPrintable(said.join('\n')));
        if (write)
            QCOMPARE(QVector<quint16>({device.held(8), device.held(9)}) == words, ok);
        // One faulty attempt is absorbed by the retry, as long as the device is asked again at all.
        device.setFault(CHostileServer::Fault(fault), 1);
        QCOMPARE(runNow(master, 20, 3).ok, fault != CHostileServer::ExceptionIllegalAddress);
        // The link is in step: the next request is answered.
        const CModbusMaster::Result next = runNow(master, 100, 3);
        QVERIFY2(next.ok, qPrintable(next.error));
        QCOMPARE(next.registers, (QVector<quint16>{100, 101, 102}));
    }

    void deviceBackWithinTwoSecondsAfterOutage()
    {
        CHostileServer device;
        CModbusMaster master;
        CLinkSettings settings = settingsFor(device.port(), 300, 1);
        settings.reconnectMinDelay = CLinkSettings().reconnectMinDelay;
        QVERIFY(connectMaster(master, settings));
        device.stop();
        QTRY_VERIFY(master.state() != CModbusMaster::Connected);
        // A request during the outage gives up after its own timeout.
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!runNow(master, 1, 1).ok);
        QVERIFY2(clock.elapsed() < 300 + 200, qPrintable(QString::number(clock.elapsed())));
        QTest::qWait(3000); // long enough for the backoff to reach its ceiling
        QVERIFY(device.restart());
        clock.restart();
        QTRY_VERIFY_WITH_TIMEOUT(master.state() == CModbusMaster::Connected, 5000);
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(runNow(master, 1, 1).ok);
    }

    // A link that cannot work ends with the reason, one that may come back says when it retries; the failure
    // is reported once. On the closed link a read fails at once, a cyclic poller is told once, not each cycle.
    void failedConnection_data()
    {
        QTest::addColumn<QString>("target"); // a serial port or host:port
        QTest::addColumn<bool>("ends");
        QTest::addColumn<QString>("reason");
        static FullListener full;
        QTest::newRow("no such serial port") << "/dev/loomwork-no-such-port" << true << "no such serial port";
        QTest::newRow("unknown host") << "loomwork-no-such-host.invalid:502" << true << "host not found";
        QTest::newRow("refused, may come back") << "127.0.0.1:1" << false << "connection refused; next attempt in";
        QTest::newRow("connect hangs") << QStringLiteral("127.0.0.1:%1").arg(full.port()) << false
                                       << "no connection within 500 ms; next attempt in";
    }

    void failedConnection()
    {
        QFETCH(QString, target);
        QFETCH(bool, ends);
        QFETCH(QString, reason);
        CLinkSettings settings = settingsFor(quint16(target.section(':', 1).toUInt()));
        settings.host = target.section(':', 0, 0);
        settings.connectTimeout = 500;
        settings.transport = target.startsWith('/') ? CLinkSettings::Rtu : CLinkSettings::Tcp;
        settings.serialPort = target;
        settings.reconnectMinDelay = 100;
        CModbusMaster master;
        QSignalSpy errors(master.messageSender(), &CMessageSender::errorMessage);
        master.setSettings(settings);
        master.connectDevice();
        QVERIFY(!runNow(master, 0, 1).ok);
        QVERIFY2(master.stateReason().contains(reason), qPrintable(master.stateReason()));
        QCOMPARE(master.state(), ends ? CModbusMaster::Disconnected : CModbusMaster::Connecting);
        QTest::qWait(800); // several attempts when it retries
        // The link's failure once (the request's own failure names it too).
        const QRegularExpression link(QStringLiteral("^Cannot connect to the device at %1: %2")
                                          .arg(QRegularExpression::escape(target), reason.section(';', 0, 0)));
        QVERIFY2(texts(errors).filter(link).size() == 1, qPrintable(texts(errors).join('\n')));
        master.disconnectDevice();
        QCOMPARE(master.state(), CModbusMaster::Disconnected);
        QCOMPARE(master.stateReason(), QString());
        errors.clear();
        int failures = 0;
        master.read(0, 1, [&](const CModbusMaster::Result &r) { failures += r.ok ? 0 : 1; });
        QCOMPARE(failures, 1);
        for (int i = 0; i < 3; ++i)
            master.buildRequest(StatusRequest);
        QCOMPARE(errors.count(), 2);
        QVERIFY(texts(errors).last().contains(QStringLiteral("not open")));
        QVERIFY(master.isIdle());
    }

    // Attempts at a device that refuses the connection back off from the least delay, doubling, up to the
    // ceiling, and stay there; once the link was up, a loss starts again from the least delay.
    void reconnectBacksOff_data()
    {
        QTest::addColumn<int>("minDelay");
        QTest::addColumn<int>("maxDelay");
        QTest::addColumn<int>("upAfter"); // refused attempts before the device listens; 0: never
        QTest::addColumn<QList<double>>("delays"); // s, each change the reason says
        QTest::newRow("doubling to the ceiling") << 100 << 400 << 0 << QList<double>{0.1, 0.2, 0.4};
        QTest::newRow("ceiling below twice the least") << 300 << 500 << 0 << QList<double>{0.3, 0.5};
        QTest::newRow("from the least again after the link was up")
            << 100 << 400 << 2 << QList<double>{0.1, 0.2, 0.1, 0.2, 0.4};
    }

    void reconnectBacksOff()
    {
        QFETCH(int, minDelay);
        QFETCH(int, maxDelay);
        QFETCH(int, upAfter);
        QFETCH(QList<double>, delays);
        QLocale::setDefault(QLocale::c());
        QTcpServer device;
        QVERIFY(device.listen(QHostAddress::LocalHost));
        const quint16 port = device.serverPort();
        device.close();
        CLinkSettings settings = settingsFor(port);
        settings.reconnectMinDelay = minDelay;
        settings.reconnectMaxDelay = maxDelay;
        CModbusMaster master;
        QList<double> said;
        const QRegularExpression delay(QStringLiteral("next attempt in ([0-9.]+) s$"));
        connect(&master, &CModbusMaster::stateReasonChanged, this, [&](const QString &reason) {
            const QRegularExpressionMatch match = delay.match(reason);
            if (match.hasMatch())
                said << match.captured(1).toDouble();
        });
        master.setSettings(settings);
        master.connectDevice();
        if (upAfter > 0) {
            QTRY_COMPARE_WITH_TIMEOUT(said.size(), upAfter, 5000);
            QVERIFY(device.listen(QHostAddress::LocalHost, port));
            QTRY_COMPARE_WITH_TIMEOUT(master.state(), CModbusMaster::Connected, 5000);
            device.close();
            delete device.nextPendingConnection();
        }
        QTRY_VERIFY_WITH_TIMEOUT(said.size() >= delays.size(), 5000);
        // At the ceiling the delay stays: nothing new is said.
        QTest::qWait(2 * maxDelay);
        QCOMPARE(said, delays);
        master.disconnectDevice();
    }

    void rtuOverSerialLine_data()
    {
        QTest::addColumn<bool>("silent");
        QTest::addColumn<int>("damaged");
        QTest::addColumn<QString>("reported");
        QTest::newRow("answering") << false << 0 << QString();
        QTest::newRow("silent") << true << 0 << QStringLiteral("No answer within 200 ms");
        QTest::newRow("one damaged answer") << false << 1 << QString();
        QTest::newRow("damaged answers") << false << 2
                                         << QStringLiteral("Invalid answer from the device: 2 bytes beyond the answer");
    }

    void rtuOverSerialLine()
    {
        QFETCH(bool, silent);
        QFETCH(int, damaged);
        QFETCH(QString, reported);
        RtuDevice device;
        device.silent = silent;
        device.damagedLeft = damaged;
        CModbusMaster master;
        CLinkSettings settings = settingsFor(0, 200, 1);
        settings.transport = CLinkSettings::Rtu;
        settings.serialPort = device.portName;
        QVERIFY(connectMaster(master, settings));
        QSignalSpy responses(&master, &CModbusMaster::dataResponse);
        QSignalSpy errors(master.messageSender(), &CMessageSender::errorMessage);
        master.read(0x7000, 12, {}); // a user read: retried
        QTRY_COMPARE_WITH_TIMEOUT(master.isIdle(), true, 5000);
        QCOMPARE(texts(errors).filter(reported).size(), reported.isEmpty() ? 0 : 1);
        if (!reported.isEmpty())
            return;
        // The line is in step again: a status poll is answered.
        master.buildRequest(StatusRequest);
        QTRY_COMPARE_WITH_TIMEOUT(responses.count(), 1, 5000);
        QCOMPARE(responses.first().first().toByteArray(), StatusAnswer);
    }
};

QTEST_GUILESS_MAIN(tst_CModbusMaster)
#include "tst_cmodbusmaster.moc"

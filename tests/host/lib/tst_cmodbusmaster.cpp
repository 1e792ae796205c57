// The Modbus master against raw servers that answer register value = address
// and misbehave on purpose: over TCP and over a pseudo terminal (RTU).
#include "cmodbusmaster.h"
#include "description/cparameterdescription.h"
#include "widgets/cmessagesender.h"

#include <QDataStream>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <netinet/in.h>
#include <pty.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

namespace {

// A Modbus TCP server: reads answered with register value = address, except
// while a fault mode is set.
class RawServer : public QObject
{
public:
    enum Mode { Good, Silent, HeaderOnly, BadLength, BadProtocol, WrongTransaction, CloseMidFrame, Exception };

    Mode mode = Good;
    int faultsLeft = 0; // faulty answers before it turns good again

    RawServer()
    {
        connect(&server, &QTcpServer::newConnection, this, [this]() {
            while (QTcpSocket *socket = server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket]() { serve(socket); });
        });
        server.listen(QHostAddress::LocalHost);
    }
    quint16 port() const { return server.serverPort(); }

private:
    void serve(QTcpSocket *socket)
    {
        while (socket->bytesAvailable() >= 12) {
            QDataStream in(socket->read(12));
            quint16 tid, protocol, length, start, count;
            quint8 unit, function;
            in >> tid >> protocol >> length >> unit >> function >> start >> count;
            const Mode now = faultsLeft > 0 ? mode : Good;
            faultsLeft = qMax(0, faultsLeft - 1);
            QByteArray frame;
            QDataStream out(&frame, QIODevice::WriteOnly);
            const quint16 size = now == Exception ? 3 : now == BadLength ? 2000 : quint16(3 + 2 * count);
            out << quint16(now == WrongTransaction ? tid + 7 : tid) << quint16(now == BadProtocol ? 1 : 0) << size
                << unit;
            if (now == Exception)
                out << quint8(function | 0x80) << quint8(2);
            else
                out << function << quint8(2 * count);
            for (int i = 0; now != Exception && i < count; ++i)
                out << quint16(start + i);
            if (now == Silent)
                continue;
            socket->write(now == HeaderOnly ? frame.left(7) : now == CloseMidFrame ? frame.left(9) : frame);
            if (now == CloseMidFrame) {
                socket->flush();
                socket->disconnectFromHost();
            }
        }
    }

    QTcpServer server;
};

// A Modbus RTU device on the far end of a pseudo terminal: answers reads of
// holding registers with register value = address, or stays silent.
class RtuDevice : public QObject
{
public:
    bool silent = false;

    RtuDevice()
    {
        char name[128];
        if (openpty(&m_fd, &m_slave, name, nullptr, nullptr) != 0)
            return;
        termios mode;
        tcgetattr(m_slave, &mode);
        cfmakeraw(&mode);
        tcsetattr(m_slave, TCSANOW, &mode);
        m_portName = QString::fromLatin1(name);
        connect(new QSocketNotifier(m_fd, QSocketNotifier::Read, this), &QSocketNotifier::activated, this,
                [this]() { serve(); });
    }
    ~RtuDevice() override
    {
        ::close(m_fd);
        ::close(m_slave);
    }
    QString portName() const { return m_portName; }

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
            QVERIFY(::write(m_fd, response.constData(), size_t(response.size())) == response.size());
        }
    }

    int m_fd = -1;
    int m_slave = -1;
    QString m_portName;
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
CRequest statusRequest()
{
    CRequest request;
    request.requestType = CRequest::CyclicRead;
    request.functionCode = CRequest::ReadHoldingRegisters;
    request.startAddress = 0x7000;
    request.registerCount = 12;
    return request;
}

// Runs one read and waits for its completion.
CModbusMaster::Result readNow(CModbusMaster &master, quint16 start, quint16 count)
{
    CModbusMaster::Result result;
    bool done = false;
    master.read(start, count, [&](const CModbusMaster::Result &r) { result = r; done = true; });
    if (!QTest::qWaitFor([&]() { return done; }, 10000))
        result.error = QStringLiteral("no completion within 10 s");
    return result;
}

} // namespace

class tst_CModbusMaster : public QObject
{
    Q_OBJECT

private slots:
    void userReadsGoBeforeStatusPolls()
    {
        RawServer raw;
        CModbusMaster master;
        // The host finds the master by name and calls it through its meta-object.
        QCOMPARE(master.objectName(), QStringLiteral("ModbusMaster"));
        QVERIFY(connectMaster(master, settingsFor(raw.port())));
        QStringList order;
        QByteArray firstPoll;
        connect(&master, &CModbusMaster::dataResponse, this, [&](const QByteArray &bytes) {
            firstPoll = firstPoll.isEmpty() ? bytes : firstPoll;
            order << QString::fromLatin1(bytes.left(2).toHex());
        });
        // The first poll goes on the wire at once; the second waits; the third
        // is dropped because one is already waiting; the user read overtakes.
        for (int i = 0; i < 3; ++i)
            QVERIFY(QMetaObject::invokeMethod(&master, "buildRequest", Q_ARG(CRequest, statusRequest())));
        master.read(5, 2, [&](const CModbusMaster::Result &r) {
            order << QStringLiteral("user %1 %2").arg(r.registers.value(0)).arg(r.registers.value(1));
        });
        QTRY_COMPARE_WITH_TIMEOUT(order.size(), 3, 5000);
        QCOMPARE(order, (QStringList{"7000", "user 5 6", "7000"}));
        // A status answer starts with the start address it answers.
        QCOMPARE(firstPoll.size(), 26);
        QCOMPARE(firstPoll.left(6).toHex(), QByteArray("700070007001"));
        QCOMPARE(firstPoll.right(2).toHex(), QByteArray("700b"));
        QCOMPARE(master.statistics().skippedPolls, quint64(1));
        QCOMPARE(master.statistics().answered, quint64(3));
        QVERIFY(master.statistics().lastRoundTripUs > 0);
        QCOMPARE(master.pendingCount(), 0);
    }

    void faultEndsWithinTimeoutAndLinkRecovers_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("faults");
        QTest::addColumn<bool>("recoversByRetry");
        QTest::addColumn<QString>("reported"); // start of the first error text, empty: none
        const QString failed = QStringLiteral("Reading register 0x0008..0x0009 (2 registers) failed: ");
        const QString header = failed + "Invalid answer from the device: invalid frame header";
        using R = RawServer;
        const QString transaction = QStringLiteral("discarded an answer to no waiting request (transaction");
        QTest::newRow("silent, all attempts") << int(R::Silent) << 2 << false << failed + "No answer";
        QTest::newRow("header only, all attempts") << int(R::HeaderOnly) << 2 << false << failed + "No answer";
        QTest::newRow("impossible length") << int(R::BadLength) << 2 << false
                                           << header + " (protocol id 0, length 2000)";
        QTest::newRow("foreign protocol") << int(R::BadProtocol) << 2 << false << header + " (protocol id 1, length 7)";
        QTest::newRow("foreign protocol once") << int(R::BadProtocol) << 1 << true << QString();
        QTest::newRow("foreign transaction") << int(R::WrongTransaction) << 2 << false << transaction;
        QTest::newRow("header only once") << int(R::HeaderOnly) << 1 << true << QString();
        QTest::newRow("closed mid frame once") << int(R::CloseMidFrame) << 1 << true << "Connection to the device at";
        QTest::newRow("exception, not retried") << int(R::Exception) << 1 << false
                                                << failed + "Modbus exception 2 (illegal data address)";
    }

    void faultEndsWithinTimeoutAndLinkRecovers()
    {
        QFETCH(int, mode);
        QFETCH(int, faults);
        QFETCH(bool, recoversByRetry);
        QFETCH(QString, reported);
        RawServer raw;
        raw.mode = RawServer::Mode(mode);
        raw.faultsLeft = faults;
        CModbusMaster master;
        const int timeout = 200;
        QVERIFY(connectMaster(master, settingsFor(raw.port(), timeout, 1)));
        QSignalSpy errors(master.messageSender(), &CMessageSender::errorMessage);
        QElapsedTimer clock;
        clock.start();
        CModbusMaster::Result result = readNow(master, 8, 2);
        // Two attempts of 200 ms each, plus reconnects on loopback.
        QVERIFY2(clock.elapsed() < 2 * timeout + 1500, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(result.ok, recoversByRetry);
        QCOMPARE(result.exceptionCode, mode == RawServer::Exception ? 2 : 0);
        QCOMPARE(master.statistics().exceptions, quint64(mode == RawServer::Exception ? 1 : 0));
        QCOMPARE(errors.isEmpty(), reported.isEmpty());
        if (!reported.isEmpty())
            QVERIFY2(errors.at(0).at(1).toString().contains(reported), qPrintable(errors.at(0).at(1).toString()));
        // The stream is in step again: the next request is answered.
        result = readNow(master, 100, 1);
        QVERIFY(result.ok);
        QCOMPARE(result.registers, QVector<quint16>{100});
    }

    void refusedConnectionFailsRequests_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::addColumn<QString>("target");
        quint16 port = 0;
        {
            QTcpServer probe;
            probe.listen(QHostAddress::LocalHost);
            port = probe.serverPort();
        }
        QTest::newRow("no listener") << false << QStringLiteral("127.0.0.1:%1").arg(port);
        QTest::newRow("no serial port") << true << QStringLiteral("/dev/loomwork-no-such-port");
        static FullListener full;
        QTest::newRow("connect hangs") << false << QStringLiteral("127.0.0.1:%1").arg(full.port());
    }

    void refusedConnectionFailsRequests()
    {
        QFETCH(bool, serial);
        QFETCH(QString, target);
        CLinkSettings settings = settingsFor(quint16(target.section(':', 1).toUInt()));
        settings.host = target.section(':', 0, 0);
        settings.connectTimeout = 500;
        settings.transport = serial ? CLinkSettings::Rtu : settings.transport;
        settings.serialPort = target;
        CModbusMaster master;
        QSignalSpy errors(master.messageSender(), &CMessageSender::errorMessage);
        master.setSettings(settings);
        master.connectDevice();
        QVERIFY(!readNow(master, 0, 1).ok);
        const QString text = errors.value(0).value(1).toString();
        QVERIFY2(text.startsWith(QStringLiteral("Cannot connect to the device at %1: ").arg(target)), qPrintable(text));
        master.disconnectDevice();
        QCOMPARE(master.state(), CModbusMaster::Disconnected);
        // On the closed link a read fails at once, and a cyclic poller is
        // told once, not every cycle.
        errors.clear();
        int failures = 0;
        master.read(0, 1, [&](const CModbusMaster::Result &r) { failures += r.ok ? 0 : 1; });
        QCOMPARE(failures, 1);
        for (int i = 0; i < 3; ++i)
            master.buildRequest(statusRequest());
        QCOMPARE(errors.count(), 2);
        QVERIFY(errors.last().at(1).toString().contains(QStringLiteral("not open")));
        QVERIFY(master.isIdle());
    }

    void failuresThatLastEndTheLink_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("ends");
        QTest::addColumn<QString>("reason");
        quint16 port = 0;
        {
            QTcpServer probe;
            probe.listen(QHostAddress::LocalHost);
            port = probe.serverPort();
        }
        QTest::newRow("no such serial port") << true << "/dev/loomwork-no-such-port" << true << "no such serial port";
        QTest::newRow("unknown host") << false << "loomwork-no-such-host.invalid:502" << true << "host not found";
        QTest::newRow("refused, may come back")
            << false << QStringLiteral("127.0.0.1:%1").arg(port) << false << "connection refused; next attempt in";
    }

    // A link that cannot work ends with the reason; one that may come back
    // is retried, says when, and reports its failure once.
    void failuresThatLastEndTheLink()
    {
        QFETCH(bool, serial);
        QFETCH(QString, target);
        QFETCH(bool, ends);
        QFETCH(QString, reason);
        CLinkSettings settings = settingsFor(quint16(target.section(':', 1).toUInt()));
        settings.host = target.section(':', 0, 0);
        settings.transport = serial ? CLinkSettings::Rtu : CLinkSettings::Tcp;
        settings.serialPort = target;
        settings.reconnectMinDelay = 100;
        CModbusMaster master;
        QSignalSpy errors(master.messageSender(), &CMessageSender::errorMessage);
        QSignalSpy reasons(&master, &CModbusMaster::stateReasonChanged);
        master.setSettings(settings);
        master.connectDevice();
        QVERIFY(reasons.wait(10000));
        QVERIFY2(master.stateReason().contains(reason), qPrintable(master.stateReason()));
        QCOMPARE(master.state(), ends ? CModbusMaster::Disconnected : CModbusMaster::Connecting);
        QTest::qWait(800); // several attempts when it retries
        QCOMPARE(errors.count(), 1);
        QVERIFY(errors.first().at(1).toString().contains(reason.section(';', 0, 0)));
        master.disconnectDevice();
        QCOMPARE(master.stateReason(), QString());
    }

    void rtuOverSerialLine_data()
    {
        QTest::addColumn<bool>("silent");
        QTest::newRow("answering") << false;
        QTest::newRow("silent") << true;
    }

    void rtuOverSerialLine()
    {
        QFETCH(bool, silent);
        RtuDevice device;
        QVERIFY(!device.portName().isEmpty());
        device.silent = silent;
        CModbusMaster master;
        CLinkSettings settings = settingsFor(0, 200, 1);
        settings.transport = CLinkSettings::Rtu;
        settings.serialPort = device.portName();
        QVERIFY(connectMaster(master, settings));
        QSignalSpy responses(&master, &CModbusMaster::dataResponse);
        QSignalSpy errors(master.messageSender(), &CMessageSender::errorMessage);
        master.buildRequest(statusRequest());
        QTRY_COMPARE_WITH_TIMEOUT(responses.count() + errors.count(), 1, 5000);
        QCOMPARE(errors.count(), silent ? 1 : 0);
        if (silent) {
            QVERIFY(errors.first().at(1).toString().contains(QStringLiteral("No answer within 200 ms")));
            return;
        }
        const QByteArray bytes = responses.first().first().toByteArray();
        QCOMPARE(bytes.left(4).toHex(), QByteArray("70007000"));
        QCOMPARE(bytes.right(2).toHex(), QByteArray("700b"));
    }
};

QTEST_GUILESS_MAIN(tst_CModbusMaster)
#include "tst_cmodbusmaster.moc"

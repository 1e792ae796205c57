// The Modbus master against an in-process Modbus TCP server and against a
// raw TCP server that misbehaves on purpose.
#include "cmodbusmaster.h"
#include "widgets/cmessagesender.h"

#include "description/cparameterdescription.h"

#include <QDataStream>
#include <QModbusTcpServer>
#include <QSocketNotifier>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <netinet/in.h>
#include <pty.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

namespace {

// A Modbus TCP server that answers reads with register value = address,
// except while a fault mode is set.
class RawServer : public QObject
{
public:
    enum Mode { Good, Silent, HeaderOnly, BadLength, BadProtocol, WrongTransaction, CloseMidFrame };

    Mode mode = Good;
    int faultsLeft = 0; // faulty answers before it turns good again
    int connections = 0;

    RawServer()
    {
        connect(&server, &QTcpServer::newConnection, this, [this]() {
            while (QTcpSocket *socket = server.nextPendingConnection()) {
                ++connections;
                connect(socket, &QTcpSocket::readyRead, this, [this, socket]() { serve(socket); });
            }
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
            answer(socket, tid, unit, function, start, count);
        }
    }

    void answer(QTcpSocket *socket, quint16 tid, quint8 unit, quint8 function, quint16 start, quint16 count)
    {
        const Mode now = faultsLeft > 0 ? mode : Good;
        if (faultsLeft > 0)
            --faultsLeft;
        QByteArray frame;
        QDataStream out(&frame, QIODevice::WriteOnly);
        const quint16 length = quint16(3 + 2 * count);
        out << quint16(now == WrongTransaction ? tid + 7 : tid) << quint16(now == BadProtocol ? 1 : 0)
            << quint16(now == BadLength ? 2000 : length) << unit << function << quint8(2 * count);
        for (int i = 0; i < count; ++i)
            out << quint16(start + i);
        switch (now) {
        case Silent:
            return;
        case HeaderOnly:
            socket->write(frame.left(7));
            return;
        case CloseMidFrame:
            socket->write(frame.left(9));
            socket->flush();
            socket->disconnectFromHost();
            return;
        default:
            socket->write(frame);
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
        int slave = -1;
        if (openpty(&m_fd, &slave, name, nullptr, nullptr) != 0)
            return;
        termios mode;
        tcgetattr(slave, &mode);
        cfmakeraw(&mode);
        tcsetattr(slave, TCSANOW, &mode);
        m_slave = slave;
        m_portName = QString::fromLatin1(name);
        m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, [this]() { serve(); });
    }
    ~RtuDevice() override
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (m_slave >= 0)
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
        while (m_request.size() >= 8) {
            const QByteArray frame = m_request.left(8);
            m_request.remove(0, 8);
            if (!silent)
                answer(frame);
        }
    }

    void answer(const QByteArray &request)
    {
        const quint16 start = quint16((quint8(request[2]) << 8) | quint8(request[3]));
        const quint16 count = quint16((quint8(request[4]) << 8) | quint8(request[5]));
        QByteArray response;
        response.append(request[0]).append(request[1]).append(char(2 * count));
        for (int i = 0; i < count; ++i)
            response.append(char((start + i) >> 8)).append(char((start + i) & 0xFF));
        const quint16 crc = crc16(response);
        response.append(char(crc >> 8)).append(char(crc & 0xFF));
        if (::write(m_fd, response.constData(), size_t(response.size())) != response.size())
            qWarning("short write on the pseudo terminal");
    }

    int m_fd = -1;
    int m_slave = -1;
    QString m_portName;
    QSocketNotifier *m_notifier = nullptr;
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

CRequest statusRequest()
{
    CRequest request;
    request.requestType = 5;
    request.functionCode = 3;
    request.startAddress = 0x7000;
    request.registerCount = 12;
    return request;
}

} // namespace

class tst_CModbusMaster : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void interface();
    void statusPollAnswersWithStartAddress();
    void readAndWrite();
    void exceptionIsReported_data();
    void exceptionIsReported();
    void userRequestsGoBeforeStatusPolls();
    void faultEndsWithinTimeoutAndLinkRecovers_data();
    void faultEndsWithinTimeoutAndLinkRecovers();
    void refusedConnectionFailsRequests_data();
    void refusedConnectionFailsRequests();
    void closedLinkFailsAtOnce();
    void rtuOverSerialLine_data();
    void rtuOverSerialLine();

private:
    QModbusTcpServer m_server;
    quint16 m_port = 0;
};

void tst_CModbusMaster::initTestCase()
{
    QModbusDataUnitMap map;
    map.insert(QModbusDataUnit::HoldingRegisters, QModbusDataUnit(QModbusDataUnit::HoldingRegisters, 0, 0x7010));
    m_server.setMap(map);
    for (int i = 0; i < 12; ++i)
        m_server.setData(QModbusDataUnit::HoldingRegisters, quint16(0x7000 + i), quint16(0x0101 * (i + 1)));
    m_server.setServerAddress(1);
    m_server.setConnectionParameter(QModbusDevice::NetworkAddressParameter, QStringLiteral("127.0.0.1"));
    // The server cannot report an ephemeral port, so borrow a free one.
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    m_port = probe.serverPort();
    probe.close();
    m_server.setConnectionParameter(QModbusDevice::NetworkPortParameter, m_port);
    QVERIFY(m_server.connectDevice());
}

void tst_CModbusMaster::interface()
{
    CModbusMaster master;
    QCOMPARE(master.objectName(), QStringLiteral("ModbusMaster"));
    QVERIFY(master.metaObject()->indexOfSlot("buildRequest(CRequest)") >= 0);
    QVERIFY(master.metaObject()->indexOfSignal("dataResponse(QByteArray)") >= 0);
    QCOMPARE(master.settings().responseTimeout, 1000);
    QCOMPARE(master.settings().retries, 3);
    QCOMPARE(master.settings().baudRate, 115200);
    QCOMPARE(master.settings().parity, 2);
}

void tst_CModbusMaster::statusPollAnswersWithStartAddress()
{
    CModbusMaster master;
    QVERIFY(connectMaster(master, settingsFor(m_port)));
    QSignalSpy responses(&master, &CModbusMaster::dataResponse);
    QVERIFY(QMetaObject::invokeMethod(&master, "buildRequest", Q_ARG(CRequest, statusRequest())));
    QTRY_COMPARE_WITH_TIMEOUT(responses.count(), 1, 5000);
    const QByteArray bytes = responses.at(0).at(0).toByteArray();
    QCOMPARE(bytes.size(), 26);
    QCOMPARE(bytes.left(6).toHex(), QByteArray("700001010202"));
    QCOMPARE(bytes.right(2).toHex(), QByteArray("0c0c"));
}

void tst_CModbusMaster::readAndWrite()
{
    RawServer raw;
    CModbusMaster master;
    QVERIFY(connectMaster(master, settingsFor(raw.port())));
    CModbusMaster::Result result;
    master.read(40, 3, [&](const CModbusMaster::Result &r) { result = r; });
    QTRY_VERIFY_WITH_TIMEOUT(result.ok, 5000);
    QCOMPARE(result.registers, (QVector<quint16>{40, 41, 42}));
    QCOMPARE(master.statistics().answered, quint64(1));
    QVERIFY(master.statistics().lastRoundTripUs > 0);
}

void tst_CModbusMaster::exceptionIsReported_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("exception");
    QTest::addColumn<QString>("text");
    QTest::newRow("beyond the map") << 0x7100 << 4 << 2 << "register 0x7100..0x7103 (4 registers) failed: Modbus exception 2 (illegal data address)";
    QTest::newRow("one past the end") << 0x700f << 2 << 2 << "register 0x700f..0x7010";
}

void tst_CModbusMaster::exceptionIsReported()
{
    QFETCH(int, start);
    QFETCH(int, count);
    QFETCH(int, exception);
    QFETCH(QString, text);
    CModbusMaster master;
    QVERIFY(connectMaster(master, settingsFor(m_port)));
    QSignalSpy errors(master.messageSender(), &CMessageSender::errorMessage);
    CModbusMaster::Result result;
    bool done = false;
    master.read(quint16(start), quint16(count), [&](const CModbusMaster::Result &r) { result = r; done = true; });
    QTRY_VERIFY_WITH_TIMEOUT(done, 5000);
    QVERIFY(!result.ok);
    QCOMPARE(result.exceptionCode, exception);
    QCOMPARE(errors.count(), 1);
    QVERIFY2(errors.at(0).at(1).toString().contains(text), qPrintable(errors.at(0).at(1).toString()));
    QCOMPARE(master.statistics().exceptions, quint64(1));
}

void tst_CModbusMaster::userRequestsGoBeforeStatusPolls()
{
    RawServer raw;
    CModbusMaster master;
    QVERIFY(connectMaster(master, settingsFor(raw.port())));
    QStringList order;
    connect(&master, &CModbusMaster::dataResponse, this, [&](const QByteArray &bytes) {
        order << QString::fromLatin1(bytes.left(2).toHex());
    });
    // The first poll goes on the wire at once; the second waits; the third
    // is dropped because one is already waiting; the user read overtakes.
    for (int i = 0; i < 3; ++i)
        master.buildRequest(statusRequest());
    master.read(5, 1, [&](const CModbusMaster::Result &r) { order << QStringLiteral("user %1").arg(r.registers.value(0)); });
    QTRY_COMPARE_WITH_TIMEOUT(order.size(), 3, 5000);
    QCOMPARE(order, (QStringList{"7000", "user 5", "7000"}));
    QCOMPARE(master.statistics().skippedPolls, quint64(1));
    QCOMPARE(master.pendingCount(), 0);
}

void tst_CModbusMaster::faultEndsWithinTimeoutAndLinkRecovers_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("faults");
    QTest::addColumn<bool>("recoversByRetry");
    QTest::addColumn<QString>("reported"); // start of the first error text, empty: none
    const QString failed = QStringLiteral("Reading register 0x0008..0x0009 (2 registers) failed: No answer");
    QTest::newRow("silent, all attempts") << int(RawServer::Silent) << 2 << false << failed;
    QTest::newRow("header only, all attempts") << int(RawServer::HeaderOnly) << 2 << false << failed;
    const QString header = QStringLiteral("failed: Invalid answer from the device: invalid frame header");
    QTest::newRow("impossible length") << int(RawServer::BadLength) << 2 << false << header + " (protocol id 0, length 2000)";
    QTest::newRow("foreign protocol") << int(RawServer::BadProtocol) << 2 << false << header + " (protocol id 1, length 7)";
    QTest::newRow("foreign protocol once") << int(RawServer::BadProtocol) << 1 << true << QString();
    QTest::newRow("foreign transaction") << int(RawServer::WrongTransaction) << 2 << false
                                         << QStringLiteral("discarded an answer to no waiting request (transaction");
    QTest::newRow("header only once") << int(RawServer::HeaderOnly) << 1 << true << QString();
    QTest::newRow("closed mid frame once") << int(RawServer::CloseMidFrame) << 1 << true
                                           << QStringLiteral("Connection to the device at");
}

void tst_CModbusMaster::faultEndsWithinTimeoutAndLinkRecovers()
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

    CModbusMaster::Result result;
    bool done = false;
    QElapsedTimer clock;
    clock.start();
    master.read(8, 2, [&](const CModbusMaster::Result &r) { result = r; done = true; });
    QTRY_VERIFY_WITH_TIMEOUT(done, 10000);
    // Two attempts of 200 ms each, plus reconnects on loopback.
    QVERIFY2(clock.elapsed() < 2 * timeout + 1500, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(result.ok, recoversByRetry);
    QCOMPARE(errors.isEmpty(), reported.isEmpty());
    if (!reported.isEmpty())
        QVERIFY2(errors.at(0).at(1).toString().contains(reported), qPrintable(errors.at(0).at(1).toString()));

    // The stream is in step again: the next request is answered.
    done = false;
    master.read(100, 1, [&](const CModbusMaster::Result &r) { result = r; done = true; });
    QTRY_VERIFY_WITH_TIMEOUT(done, 10000);
    QVERIFY(result.ok);
    QCOMPARE(result.registers, QVector<quint16>{100});
    QVERIFY(raw.connections >= 2);
}

void tst_CModbusMaster::refusedConnectionFailsRequests_data()
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

void tst_CModbusMaster::refusedConnectionFailsRequests()
{
    QFETCH(bool, serial);
    QFETCH(QString, target);
    CLinkSettings settings = settingsFor(quint16(target.section(':', 1).toUInt()));
    settings.host = target.section(':', 0, 0);
    settings.connectTimeout = 500;
    if (serial) {
        settings.transport = CLinkSettings::Rtu;
        settings.serialPort = target;
    }
    CModbusMaster master;
    QSignalSpy errors(master.messageSender(), &CMessageSender::errorMessage);
    master.setSettings(settings);
    master.connectDevice();
    bool done = false;
    CModbusMaster::Result result;
    master.read(0, 1, [&](const CModbusMaster::Result &r) { result = r; done = true; });
    QTRY_VERIFY_WITH_TIMEOUT(done, 5000);
    QVERIFY(!result.ok);
    const QString text = errors.first().at(1).toString();
    QVERIFY2(text.startsWith(QStringLiteral("Cannot connect to the device at %1: ").arg(target)), qPrintable(text));
    master.disconnectDevice();
    QCOMPARE(master.state(), CModbusMaster::Disconnected);
}

void tst_CModbusMaster::closedLinkFailsAtOnce()
{
    CModbusMaster master;
    QSignalSpy errors(master.messageSender(), &CMessageSender::errorMessage);
    int failures = 0;
    master.read(0, 1, [&](const CModbusMaster::Result &r) { failures += r.ok ? 0 : 1; });
    QCOMPARE(failures, 1);
    // A cyclic poller against a closed link is told once, not every cycle.
    for (int i = 0; i < 3; ++i)
        master.buildRequest(statusRequest());
    QCOMPARE(errors.count(), 2);
    QVERIFY(errors.last().at(1).toString().contains(QStringLiteral("not open")));
    QVERIFY(master.isIdle());
}

void tst_CModbusMaster::rtuOverSerialLine_data()
{
    QTest::addColumn<bool>("silent");
    QTest::newRow("answering") << false;
    QTest::newRow("silent") << true;
}

void tst_CModbusMaster::rtuOverSerialLine()
{
    QFETCH(bool, silent);
    RtuDevice device;
    QVERIFY(!device.portName().isEmpty());
    device.silent = silent;
    CModbusMaster master;
    CLinkSettings settings;
    settings.transport = CLinkSettings::Rtu;
    settings.serialPort = device.portName();
    settings.responseTimeout = 200;
    settings.retries = 1;
    QVERIFY(connectMaster(master, settings));
    QSignalSpy responses(&master, &CModbusMaster::dataResponse);
    QSignalSpy errors(master.messageSender(), &CMessageSender::errorMessage);
    master.buildRequest(statusRequest());
    if (silent) {
        QTRY_COMPARE_WITH_TIMEOUT(errors.count(), 1, 5000);
        QVERIFY(errors.first().at(1).toString().contains(QStringLiteral("No answer within 200 ms")));
        QCOMPARE(responses.count(), 0);
        return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(responses.count(), 1, 5000);
    const QByteArray bytes = responses.first().first().toByteArray();
    QCOMPARE(bytes.left(4).toHex(), QByteArray("70007000"));
    QCOMPARE(bytes.right(2).toHex(), QByteArray("700b"));
}

QTEST_GUILESS_MAIN(tst_CModbusMaster)
#include "tst_cmodbusmaster.moc"

// Finding devices: link notation, what a scan tries and how long it may
// take, and scans of simulated buses with devices that answer, answer with
// an exception, or are not there.
#include "cbusscanner.h"
#include "cdevicedata.h"
#include "cdevicesession.h"
#include "clinkaddress.h"
#include "cmodbusmaster.h"
#include "cscanplan.h"
#include "simprocess.h"

#include <QSerialPort>
#include <QSignalSpy>
#include <QtTest>

class tst_CBusScanner : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(m_session.open(QStringLiteral(LOOMWORK_DATA_DIR "/pv8120.xml"), QStringLiteral(LOOMWORK_PLUGIN_DIR)),
                 qPrintable(m_session.errorString()));
    }

    void linkAddress_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("written"); // empty: refused
        QTest::addColumn<QString>("endpoint");
        QTest::newRow("tcp") << "tcp:10.0.0.5:502" << "tcp:10.0.0.5:502" << "tcp:10.0.0.5:502";
        QTest::newRow("bare host and port") << "plant-gw:1502" << "tcp:plant-gw:1502" << "tcp:plant-gw:1502";
        QTest::newRow("IPv6") << "tcp:[::1]:502" << "tcp:[::1]:502" << "tcp:[::1]:502";
        QTest::newRow("IPv6 long, bare") << "[fe80::1:2]:5020" << "tcp:[fe80::1:2]:5020" << "tcp:[fe80::1:2]:5020";
        QTest::newRow("rtu, line settings kept") << "rtu:/dev/ttyUSB0" << "rtu:/dev/ttyUSB0:115200:8E1"
                                                 << "rtu:/dev/ttyUSB0";
        QTest::newRow("rtu with line") << "rtu:/dev/ttyS1:19200:8N2" << "rtu:/dev/ttyS1:19200:8N2"
                                       << "rtu:/dev/ttyS1";
        QTest::newRow("no port") << "tcp:10.0.0.5" << "" << "";
        QTest::newRow("no host") << ":502" << "" << "";
        QTest::newRow("port 0") << "10.0.0.5:0" << "" << "";
        QTest::newRow("port too high") << "10.0.0.5:65536" << "" << "";
        QTest::newRow("IPv6 without brackets") << "::1:502" << "" << "";
        QTest::newRow("half a bracket") << "[::1:502" << "" << "";
        QTest::newRow("rtu without port") << "rtu:" << "" << "";
    }

    void linkAddress()
    {
        QFETCH(QString, text);
        QFETCH(QString, written);
        QFETCH(QString, endpoint);
        // The plugin's line settings, which a link without its own keeps.
        CLinkSettings settings = m_session.master()->settings();
        QString error;
        QCOMPARE(CLinkAddress::parse(text, &settings, &error), !written.isEmpty());
        QCOMPARE(error.isEmpty(), !written.isEmpty());
        if (written.isEmpty())
            return;
        QCOMPARE(CLinkAddress::text(settings), written);
        QCOMPARE(CLinkAddress::endpoint(settings), endpoint);
        QVERIFY2(!settings.host.contains('['), qPrintable(settings.host)); // as the socket takes it
        CLinkSettings again;
        QVERIFY(CLinkAddress::parse(written, &again, &error));
        QCOMPARE(CLinkAddress::text(again), written);
    }

    // The nameplate parameters: named by the device data, else the family's.
    void nameplateItems()
    {
        CDeviceData data;
        QString error;
        QVERIFY(data.parse(R"({"format": "loomwork-device-data", "version": 1,
                               "identity": {"serialNumber": "Fabriknummer"}})", &error));
        QCOMPARE(data.identityItem(CDeviceData::SerialNumber), QStringLiteral("Fabriknummer"));
        QCOMPARE(data.identityItem(CDeviceData::OrderNumber), QStringLiteral("Bestellnummer"));
        QCOMPARE(m_session.deviceData().identityItem(CDeviceData::SoftwareVersion), QStringLiteral("SoftwareVersion"));
    }

    // On a serial line every baud rate and parity the device offers, the
    // line's own first, then the fastest; over TCP the one endpoint.
    void candidates()
    {
        CLinkSettings tcp;
        QCOMPARE(CScanPlan::candidates(tcp, m_session.deviceData()).size(), 1);
        CLinkSettings rtu;
        rtu.transport = CLinkSettings::Rtu;
        rtu.baudRate = 19200;
        rtu.parity = QSerialPort::OddParity;
        const QList<CLinkSettings> tried = CScanPlan::candidates(rtu, m_session.deviceData());
        const CDeviceData &data = m_session.deviceData();
        QCOMPARE(tried.size(), data.lineValues(CDeviceData::BaudRate).size() * data.lineValues(CDeviceData::Parity).size());
        QCOMPARE(CLinkAddress::text(tried.at(0)), QStringLiteral("rtu::19200:8O1"));
        QCOMPARE(CLinkAddress::text(tried.at(1)), QStringLiteral("rtu::19200:8E1"));
        QCOMPARE(CLinkAddress::text(tried.at(3)), QStringLiteral("rtu::115200:8O1"));
        QCOMPARE(tried.last().baudRate, 1200);
    }

    // Time limits from the frames on the wire, and the bound of a scan.
    void timing_data()
    {
        QTest::addColumn<int>("baudRate"); // 0: TCP
        QTest::addColumn<int>("timeout");
        QTest::newRow("115200") << 115200 << 57;
        QTest::newRow("19200") << 19200 << 72;
        QTest::newRow("9600") << 9600 << 94;
        QTest::newRow("tcp") << 0 << int(CScanPlan::TcpTimeoutMs);
    }

    void timing()
    {
        QFETCH(int, baudRate);
        QFETCH(int, timeout);
        CLinkSettings link;
        link.transport = baudRate ? CLinkSettings::Rtu : CLinkSettings::Tcp;
        link.baudRate = baudRate;
        // The nameplate: order number, serial number, software version.
        QCOMPARE(CScanPlan::probeTimeout(link, 9), timeout);
        // 247 unit ids, none answering.
        QCOMPARE(CScanPlan::worstCaseMs({link}, 247, 9), qint64(247 * timeout));
    }

    // A bus with devices, one answering only with exceptions; the others
    // are silent or, behind a gateway, get the gateway's exception.
    void scan_data()
    {
        QTest::addColumn<QStringList>("simArgs");
        QTest::newRow("serial line behind a plain endpoint") << QStringList{};
        QTest::newRow("gateway") << QStringList{"--gateway"};
    }

    void scan()
    {
        QFETCH(QStringList, simArgs);
        SimProcess sim;
        QVERIFY(sim.start(simArgs + QStringList{"--unit-ids", "2,5-6", "--fault-ids", "6", "--exception-every", "1:4",
                                                "--serial-number", "300"}));
        CBusScanner scanner(&m_session, m_session.plugin());
        scanner.setCandidates({link(sim.port())});
        scanner.setUnitIds(1, 8);
        // Room for a loaded machine: a late answer would look like a
        // missing device. Five silent ids cost five timeouts.
        scanner.setTimeout(250);
        QSignalSpy found(&scanner, &CBusScanner::deviceFound);
        QSignalSpy progress(&scanner, &CBusScanner::progress);
        QSignalSpy finished(&scanner, &CBusScanner::finished);
        scanner.start();
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.first().first().toBool(), true);
        QVERIFY(scanner.errorString().isEmpty());
        QCOMPARE(progress.size(), 8);
        QCOMPARE(progress.last(), (QList<QVariant>{8, 8}));
        QStringList seen;
        for (const CBusScanner::Hit &hit : scanner.hits())
            seen << QStringLiteral("%1 %2 %3 %4 %5")
                        .arg(hit.unitId)
                        .arg(hit.answer.identity.serialNumber, hit.answer.identity.model,
                             hit.answer.identity.orderNumber)
                        .arg(hit.answer.exceptionCode);
        QCOMPARE(seen, (QStringList{"2 300 PV 8120 8120-0001 0", "5 301 PV 8120 8120-0001 0", "6    4"}));
        QCOMPARE(found.size(), 3);
        QCOMPARE(scanner.hits().at(1).link.serverAddress, 5);
        QCOMPARE(scanner.hits().at(0).answer.identity.softwareVersion, QStringLiteral("1.07"));
    }

    void linkFailure()
    {
        CBusScanner scanner(&m_session, m_session.plugin());
        CLinkSettings serial;
        serial.transport = CLinkSettings::Rtu;
        serial.serialPort = QStringLiteral("/nonexistent/tty");
        scanner.setCandidates(CScanPlan::candidates(serial, m_session.deviceData()));
        QSignalSpy finished(&scanner, &CBusScanner::finished);
        scanner.start();
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.first().first().toBool(), false);
        QVERIFY2(scanner.errorString().contains("/nonexistent/tty"), qPrintable(scanner.errorString()));
    }

    void cancel()
    {
        SimProcess sim;
        QVERIFY(sim.start({"--unit-ids", "200"}));
        CBusScanner scanner(&m_session, m_session.plugin());
        scanner.setCandidates({link(sim.port())});
        scanner.setTimeout(200);
        QSignalSpy finished(&scanner, &CBusScanner::finished);
        connect(&scanner, &CBusScanner::progress, &scanner, &CBusScanner::cancel);
        scanner.start();
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.first().first().toBool(), false);
        QVERIFY(scanner.hits().isEmpty());
        QCOMPARE(m_session.master()->state(), CModbusMaster::Disconnected);
    }

private:
    static CLinkSettings link(quint16 port)
    {
        CLinkSettings settings;
        settings.port = port;
        settings.reconnectMinDelay = 10;
        settings.reconnectMaxDelay = 100;
        return settings;
    }

    CDeviceSession m_session;
};

QTEST_GUILESS_MAIN(tst_CBusScanner)
#include "tst_cbusscanner.moc"

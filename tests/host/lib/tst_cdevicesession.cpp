// Plugin discovery; the TM 100 test meter, whose every detail comes from its
// own plugin and files; link notation, scan plans and scans of simulated buses.
#include "cbusscanner.h"
#include "cdeviceconnection.h"
#include "cdevicedata.h"
#include "clinkaddress.h"
#include "cpluginregistry.h"
#include "cscanplan.h"
#include "ctestmeterdevice.h"
#include "plugin/cloomworkplugin.h"
#include "simrig.h"

#include <QFile>
#include <QPluginLoader>
#include <QSerialPort>
#include <QTemporaryDir>

class tst_CDeviceSession : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The description reader accepts tables by the host's version.
        QCoreApplication::setApplicationVersion(QStringLiteral(LOOMWORK_VERSION));
        QVERIFY(m_device.start());
        const QString real = QStringLiteral(LOOMWORK_PLUGIN_DIR "/plugin_PV8120.so");
        QVERIFY2(QFile::copy(real, m_dir.filePath("plugin_PV8120.so")), qPrintable(real));
        QVERIFY(QFile::copy(QStringLiteral(FOREIGN_PLUGIN_FILE), m_dir.filePath("libforeign.so")));
        QFile broken(m_dir.filePath("libbroken.so"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("this is not a shared library\n");
        QVERIFY(QFile(m_dir.filePath("README.txt")).open(QIODevice::WriteOnly));
        QVERIFY2(openPv8120(m_session), qPrintable(m_session.errorString()));
    }

    void init() { m_device.reset(); }

    void cleanup() { QTRY_COMPARE(m_device.clients(), 0); }

    void findsTheRealPluginBesideBrokenOnes()
    {
        CPluginRegistry registry;
        QSignalSpy failed(&registry, &CPluginRegistry::loadFailed);
        QCOMPARE(registry.load(m_dir.path()), 1);
        QCOMPARE(registry.plugins().size(), 1);
        QCOMPARE(registry.plugins().first()->modelName(), QString("PV 8120"));
        QVERIFY(registry.fileNames().first().endsWith("plugin_PV8120.so"));

        // Refused in file-name order: the broken library, then the foreign one;
        // a file that is no library is not even tried.
        const QStringList errors = registry.errors();
        QCOMPARE(errors.size(), 2);
        QCOMPARE(failed.count(), 2);
        QVERIFY2(errors.at(0).contains("libbroken.so"), qPrintable(errors.at(0)));
        QPluginLoader probe(m_dir.filePath("libbroken.so"));
        probe.load();
        QVERIFY2(errors.at(0).endsWith(probe.errorString()), qPrintable(errors.at(0)));
        QVERIFY2(errors.at(1).contains("libforeign.so"), qPrintable(errors.at(1)));
        QVERIFY2(errors.at(1).contains("org.example.other.plugin"), qPrintable(errors.at(1)));
        // The plugin is picked by the model number that starts the identification.
        for (const char *identification : {"8120", "8120-000417"})
            QVERIFY2(registry.pluginFor(identification), identification);
        for (const char *identification : {"8130", " 8120", ""})
            QVERIFY2(!registry.pluginFor(identification), identification);
        // A directory that is not there is reported as well.
        CPluginRegistry missing;
        QCOMPARE(missing.load(m_dir.filePath("nowhere")), 0);
        QCOMPARE(missing.errors().size(), 1);
    }

    // The plugin is chosen by the description's order number, from the
    // directory given; the PV 8120's plugin does not take the meter.
    void choosesThePluginByTheDescription_data()
    {
        QTest::addColumn<QString>("pluginDirectory");
        QTest::addColumn<bool>("served");
        QTest::newRow("meter's plugin") << QStringLiteral(TESTMETER_PLUGIN_DIR) << true;
        QTest::newRow("PV 8120's plugin") << QStringLiteral(LOOMWORK_PLUGIN_DIR) << false;
    }

    void choosesThePluginByTheDescription()
    {
        QFETCH(QString, pluginDirectory);
        QFETCH(bool, served);
        CDeviceSession session;
        QCOMPARE(session.open(QStringLiteral(TESTMETER_DESCRIPTION), pluginDirectory), served);
        if (!served) {
            QVERIFY2(session.errorString().contains(QStringLiteral("TM100-0001")), qPrintable(session.errorString()));
            return;
        }
        QCOMPARE(session.plugin()->modelName(), QStringLiteral("TM 100"));
        QVERIFY(session.backend());
        // The line settings are the meter's plugin's, the status block its file's.
        QCOMPARE(session.master()->settings().baudRate, 19200);
        QCOMPARE(session.deviceData().statusBlock().address, int(CTestMeterDevice::StatusValue));
        QCOMPARE(session.deviceData().identityItem(CDeviceData::SoftwareVersion), QStringLiteral("Firmware"));
        QStringList names;
        for (const CItem *item : session.parameters()->items())
            names << item->objectName();
        QCOMPARE(names, QStringList({"OrderNumber", "SerialNumber", "Firmware", "Setpoint", "Mode", "Range"}));
        // Loading again replaces the tree and binds the plugin anew: one of each.
        QVERIFY(session.loadDescription(QStringLiteral(TESTMETER_DESCRIPTION)));
        QCOMPARE(session.parameters()->items().size(), names.size());
        QCOMPARE(session.root()->findChildren<QObject *>(session.backend()->objectName()).size(), 1);
        QCOMPARE(session.root()->findChildren<CItem *>(QStringLiteral("Setpoint")).size(), 1);
    }

    // Edits made in this order after a read: what the device then holds, or
    // that nothing was sent.
    void writesInTheDevicesOrder_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QVariantList>("values");
        QTest::addColumn<QList<int>>("addresses"); // written, in order; none: refused
        auto row = [](const char *name, const QStringList &names, const QVariantList &values,
                      const QList<int> &addresses) { QTest::newRow(name) << names << values << addresses; };
        row("setpoint within the range", {"Setpoint"}, {12.5}, {CTestMeterDevice::Setpoint});
        row("list entry", {"Mode"}, {0}, {CTestMeterDevice::Mode});
        row("setpoint above the range", {"Setpoint"}, {260.0}, {});
        // The range governs: it goes first although it lies behind the
        // setpoint and was edited last, or the meter would refuse the setpoint.
        row("a setpoint in a wider range", {"Setpoint", "Range"}, {300.0, 500},
            {CTestMeterDevice::Range, CTestMeterDevice::Setpoint});
    }

    void writesInTheDevicesOrder()
    {
        QFETCH(QStringList, names);
        QFETCH(QVariantList, values);
        QFETCH(QList<int>, addresses);
        const bool written = !addresses.isEmpty();
        CDeviceSession session;
        QVERIFY(connectTo(session));
        CParameterTransfer *parameters = session.parameters();
        QVERIFY(transferred(parameters, [&]() { parameters->readAll(); }));
        m_device.clearRequests();
        QList<CItem *> items;
        for (int i = 0; i < names.size(); ++i) {
            items << parameters->item(names.at(i));
            items.last()->setValue(values.at(i));
        }
        QCOMPARE(parameters->checkWrite(items).isEmpty(), written);
        QCOMPARE(transferred(parameters, [&]() { parameters->writeItems(items); }), written);
        QCOMPARE(m_device.writtenAddresses(), addresses);
        QCOMPARE(m_device.floatAt(CTestMeterDevice::Setpoint),
                 float(written && names.contains("Setpoint") ? values.at(names.indexOf("Setpoint")).toDouble() : 42.5));
        QCOMPARE(int(m_device.word(CTestMeterDevice::Range)),
                 written && names.contains("Range") ? values.at(names.indexOf("Range")).toInt() : 250);
        QCOMPARE(int(m_device.word(CTestMeterDevice::Mode)), written && names.contains("Mode") ? 0 : 1);
    }

    // Polls, known as such from the device data file, reach the display: one
    // waits, a further one is dropped rather than queued.
    void pollsTheStatusBlock()
    {
        CDeviceSession session;
        QVERIFY(connectTo(session));
        m_device.clearRequests();
        QSignalSpy texts(session.backend(), SIGNAL(displayText(QString)));
        for (int i = 0; i < 3; ++i)
            QVERIFY(session.requestPoll());
        QTRY_COMPARE(texts.size(), 2);
        QCOMPARE(session.master()->statistics().skippedPolls, quint64(1));
        QCOMPARE(m_device.requests().size(), 2);
        for (const CTestMeterDevice::Request &request : m_device.requests()) {
            QCOMPARE(request.address, int(CTestMeterDevice::StatusValue));
            QCOMPARE(request.count, 2);
        }
    }

    void linkAddress_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("written"); // empty: refused
        QTest::addColumn<QString>("endpoint");
        QTest::newRow("tcp") << "tcp:10.0.0.5:502" << "tcp:10.0.0.5:502" << "tcp:10.0.0.5:502";
        QTest::newRow("bare host and port") << "plant-gw:1502" << "tcp:plant-gw:1502" << "tcp:plant-gw:1502";
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
    }

    // On a serial line every baud rate and parity the device offers, the
    // line's own first, then the fastest; over TCP the one endpoint.
    void candidates()
    {
        const CDeviceData &data = m_session.deviceData();
        QCOMPARE(CScanPlan::candidates(CLinkSettings(), data).size(), 1);
        CLinkSettings rtu;
        rtu.transport = CLinkSettings::Rtu;
        rtu.baudRate = 19200;
        rtu.parity = QSerialPort::OddParity;
        const QList<CLinkSettings> tried = CScanPlan::candidates(rtu, data);
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
        QCOMPARE(scanned(scanner), QVariant(true));
        QVERIFY(scanner.errorString().isEmpty());
        QCOMPARE(progress.size(), 8);
        QCOMPARE(progress.last(), (QList<QVariant>{8, 8}));
        QStringList seen;
        for (const CBusScanner::Hit &hit : scanner.hits())
            seen << QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                        .arg(hit.unitId)
                        .arg(hit.link.serverAddress)
                        .arg(hit.answer.identity.serialNumber, hit.answer.identity.model,
                             hit.answer.identity.orderNumber, hit.answer.identity.softwareVersion)
                        .arg(hit.answer.exceptionCode);
        QCOMPARE(seen, (QStringList{"2 2 300 PV 8120 8120-0001 1.07 0", "5 5 301 PV 8120 8120-0001 1.07 0", "6 6     4"}));
        QCOMPARE(found.size(), 3);
    }

    void linkFailure()
    {
        CBusScanner scanner(&m_session, m_session.plugin());
        CLinkSettings serial;
        serial.transport = CLinkSettings::Rtu;
        serial.serialPort = QStringLiteral("/nonexistent/tty");
        scanner.setCandidates(CScanPlan::candidates(serial, m_session.deviceData()));
        QCOMPARE(scanned(scanner), QVariant(false));
        QVERIFY2(scanner.errorString().contains("/nonexistent/tty"), qPrintable(scanner.errorString()));
    }

    void cancel()
    {
        SimProcess sim;
        QVERIFY(sim.start({"--unit-ids", "200"}));
        CBusScanner scanner(&m_session, m_session.plugin());
        scanner.setCandidates({link(sim.port())});
        scanner.setTimeout(200);
        connect(&scanner, &CBusScanner::progress, &scanner, &CBusScanner::cancel);
        QCOMPARE(scanned(scanner), QVariant(false));
        QVERIFY(scanner.hits().isEmpty());
        QCOMPARE(m_session.master()->state(), CModbusMaster::Disconnected);
    }

private:
    // Runs a scan to its end: its result, invalid when it never ends.
    static QVariant scanned(CBusScanner &scanner)
    {
        QSignalSpy finished(&scanner, &CBusScanner::finished);
        scanner.start();
        return finished.wait(10000) ? finished.first().first() : QVariant();
    }

    static CLinkSettings link(quint16 port)
    {
        CLinkSettings settings;
        settings.port = port;
        settings.reconnectMinDelay = 10;
        settings.reconnectMaxDelay = 100;
        return settings;
    }

    bool connectTo(CDeviceSession &session)
    {
        if (!session.open(QStringLiteral(TESTMETER_DESCRIPTION), QStringLiteral(TESTMETER_PLUGIN_DIR)))
            return false;
        CLinkSettings settings = session.master()->settings();
        QString error;
        return CLinkAddress::parse(m_device.endpoint(), &settings, &error)
            && session.connection()->openAndWait(settings, &error);
    }

    CTestMeterDevice m_device;
    QTemporaryDir m_dir;
    CDeviceSession m_session; // the PV 8120's, for the scans
};

QTEST_GUILESS_MAIN(tst_CDeviceSession)
#include "tst_cdevicesession.moc"

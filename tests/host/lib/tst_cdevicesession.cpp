// Plugin discovery: the real plugin is found beside a broken file and a
// plugin of another interface, each refusal is reported, the rest load. The
// session with a second device of the family, the TM 100 test meter: plugin,
// write order, status block and line settings all come from the meter's own
// plugin and files, none from what the host knows of the PV 8120.
#include "cdeviceconnection.h"
#include "cdevicedata.h"
#include "cdevicesession.h"
#include "cmodbusmaster.h"
#include "cparametertransfer.h"
#include "cpluginregistry.h"
#include "ctestmeterdevice.h"
#include "items/citem.h"
#include "plugin/cloomworkplugin.h"

#include <QFile>
#include <QPluginLoader>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class tst_CDeviceSession : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The description reader accepts tables by the host's version.
        QCoreApplication::setApplicationVersion(QStringLiteral(LOOMWORK_VERSION));
        QVERIFY(m_device.start());
        QVERIFY(m_dir.isValid());
        const QString real = QStringLiteral(LOOMWORK_PLUGIN_DIR "/plugin_PV8120.so");
        QVERIFY2(QFile::exists(real), qPrintable(real));
        QVERIFY(QFile::copy(real, m_dir.filePath("plugin_PV8120.so")));
        QVERIFY(QFile::copy(QStringLiteral(FOREIGN_PLUGIN_FILE), m_dir.filePath("libforeign.so")));
        QFile broken(m_dir.filePath("libbroken.so"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("this is not a shared library\n");
        QFile notes(m_dir.filePath("README.txt"));
        QVERIFY(notes.open(QIODevice::WriteOnly));
    }

    void init()
    {
        m_device.setWord(CTestMeterDevice::Range, 250);
        m_device.setFloat(CTestMeterDevice::Setpoint, 42.5f);
        m_device.setWord(CTestMeterDevice::Mode, 1);
        m_device.clearRequests();
    }

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

    // What the device holds is read, then edits as a user makes them, one
    // after the other in this order; what the device then holds, or that
    // nothing was sent.
    void writesInTheDevicesOrder_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QVariantList>("values");
        QTest::addColumn<bool>("written");
        QTest::addColumn<QList<int>>("addresses"); // written, in order
        QTest::newRow("setpoint within the range")
            << QStringList{"Setpoint"} << QVariantList{12.5} << true << QList<int>{CTestMeterDevice::Setpoint};
        QTest::newRow("list entry") << QStringList{"Mode"} << QVariantList{0} << true
                                    << QList<int>{CTestMeterDevice::Mode};
        QTest::newRow("setpoint above the range") << QStringList{"Setpoint"} << QVariantList{260.0} << false
                                                  << QList<int>{};
        // The range governs: it goes first although it lies behind the
        // setpoint and was edited last, or the meter would refuse the setpoint.
        QTest::newRow("a setpoint in a wider range")
            << QStringList{"Setpoint", "Range"} << QVariantList{300.0, 500} << true
            << QList<int>{CTestMeterDevice::Range, CTestMeterDevice::Setpoint};
    }

    void writesInTheDevicesOrder()
    {
        QFETCH(QStringList, names);
        QFETCH(QVariantList, values);
        QFETCH(bool, written);
        CDeviceSession session;
        QVERIFY(connectTo(session));
        CParameterTransfer *parameters = session.parameters();
        QVERIFY(transfer(session, [&]() { parameters->readAll(); }));
        QCOMPARE(item(session, "Range")->value().toInt(), 250);
        QCOMPARE(item(session, "Setpoint")->value().toDouble(), 42.5);
        QCOMPARE(item(session, "Mode")->value().toInt(), 1);
        // The plugin's rule followed what was read: the setpoint's bound.
        QCOMPARE(item(session, "Setpoint")->maximum(), 250.0);
        m_device.clearRequests();
        QList<CItem *> items;
        for (int i = 0; i < names.size(); ++i) {
            items << item(session, names.at(i));
            items.last()->setValue(values.at(i));
        }
        QCOMPARE(parameters->checkWrite(items).isEmpty(), written);
        QCOMPARE(transfer(session, [&]() { parameters->writeItems(items); }), written);
        QTEST(m_device.writtenAddresses(), "addresses");
        QCOMPARE(m_device.floatAt(CTestMeterDevice::Setpoint),
                 float(written && names.contains("Setpoint") ? values.at(names.indexOf("Setpoint")).toDouble() : 42.5));
        QCOMPARE(int(m_device.word(CTestMeterDevice::Range)),
                 written && names.contains("Range") ? values.at(names.indexOf("Range")).toInt() : 250);
        QCOMPARE(int(m_device.word(CTestMeterDevice::Mode)), written && names.contains("Mode") ? 0 : 1);
    }

    // A poll of the meter's status block reaches its display; polls are
    // known as polls from the device data file: one waits, a further one is
    // dropped rather than queued.
    void pollsTheStatusBlock_data()
    {
        QTest::addColumn<qint16>("tenths");
        QTest::addColumn<int>("led");
        QTest::addColumn<QString>("text");
        QTest::newRow("negative") << qint16(-123) << 1 << "-12.3";
        QTest::newRow("zero") << qint16(0) << 0 << "0.0";
    }

    void pollsTheStatusBlock()
    {
        QFETCH(qint16, tenths);
        QFETCH(int, led);
        m_device.setWord(CTestMeterDevice::StatusValue, quint16(tenths));
        m_device.setWord(CTestMeterDevice::StatusLed, quint16(led));
        CDeviceSession session;
        QVERIFY(connectTo(session));
        m_device.clearRequests();
        QSignalSpy texts(session.backend(), SIGNAL(displayText(QString)));
        QSignalSpy leds(session.backend(), SIGNAL(displayLed(int)));
        for (int i = 0; i < 3; ++i)
            QVERIFY(session.requestPoll());
        QTRY_COMPARE(texts.size(), 2);
        QTEST(texts.first().first().toString(), "text");
        QCOMPARE(leds.first().first().toInt(), led);
        QCOMPARE(session.master()->statistics().skippedPolls, quint64(1));
        QCOMPARE(m_device.requests().size(), 2);
        for (const CTestMeterDevice::Request &request : m_device.requests()) {
            QCOMPARE(request.address, int(CTestMeterDevice::StatusValue));
            QCOMPARE(request.count, 2);
        }
    }

private:
    bool connectTo(CDeviceSession &session)
    {
        if (!session.open(QStringLiteral(TESTMETER_DESCRIPTION), QStringLiteral(TESTMETER_PLUGIN_DIR)))
            return false;
        CLinkSettings settings = session.master()->settings();
        settings.transport = CLinkSettings::Tcp;
        settings.host = QStringLiteral("127.0.0.1");
        settings.port = m_device.port();
        QString error;
        return session.connection()->openAndWait(settings, &error);
    }

    static CItem *item(const CDeviceSession &session, const QString &name)
    {
        return session.parameters()->item(name);
    }

    static bool transfer(const CDeviceSession &session, const std::function<void()> &run)
    {
        QSignalSpy finished(session.parameters(), &CParameterTransfer::finished);
        run();
        return finished.wait(10000) && finished.first().first().toBool();
    }

    CTestMeterDevice m_device;
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(tst_CDeviceSession)
#include "tst_cdevicesession.moc"

// Host start-up: the command line, the simulator's announcement line, and
// plugin discovery (the real plugin is found beside a broken file and a
// plugin of another interface, each refusal is reported, the rest load).
#include "chostoptions.h"
#include "cpluginregistry.h"
#include "csimulatorprocess.h"
#include "plugin/cloomworkplugin.h"

#include <QFile>
#include <QPluginLoader>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestHostPluginRegistry : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
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

    void parse_data()
    {
        QTest::addColumn<bool>("headless");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("screenshot"); // "!": refused
        QTest::addColumn<int>("quitAfter");
        QTest::newRow("display") << false << QStringList() << "" << 0;
        QTest::newRow("no display") << true << QStringList() << "loomwork-host.png" << 6000;
        QTest::newRow("no display, own file") << true << QStringList({"--screenshot", "a.png"}) << "a.png" << 6000;
        QTest::newRow("no display, own time") << true << QStringList({"--quit-after", "1500"}) << "loomwork-host.png"
                                              << 1500;
        QTest::newRow("device over tcp") << false << QStringList({"--host", "10.0.0.5", "--port", "5020"}) << "" << 0;
        QTest::newRow("port 0") << false << QStringList({"--port", "0"}) << "!" << 0;
        QTest::newRow("port text") << false << QStringList({"--port", "http"}) << "!" << 0;
        QTest::newRow("address 248") << false << QStringList({"--address", "248"}) << "!" << 0;
        QTest::newRow("cycle too short") << false << QStringList({"--cycle-interval", "10"}) << "!" << 0;
        QTest::newRow("negative quit") << false << QStringList({"--quit-after", "-1"}) << "!" << 0;
    }

    void parse()
    {
        QFETCH(bool, headless);
        QFETCH(QStringList, arguments);
        QFETCH(QString, screenshot);
        QFETCH(int, quitAfter);
        CHostOptions options;
        options.headless = headless;
        QString error;
        const bool valid = screenshot != "!";
        QCOMPARE(options.parse(QStringList("loomwork-host") + arguments, &error), valid);
        QCOMPARE(error.isEmpty(), valid);
        if (!valid)
            return;
        QCOMPARE(options.screenshot, screenshot);
        QCOMPARE(options.quitAfter, quitAfter);
        QCOMPARE(options.hasDevice(), arguments.contains("--host"));
        QCOMPARE(options.port, arguments.contains("--port") ? 5020 : options.port);
    }

    void listenLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("host"); // empty: refused
        QTest::addColumn<int>("port");
        QTest::newRow("loopback") << "listening on 127.0.0.1:40517" << "127.0.0.1" << 40517;
        QTest::newRow("trailing blank") << "listening on 127.0.0.1:502 " << "127.0.0.1" << 502;
        QTest::newRow("port 0") << "listening on 127.0.0.1:0" << "" << 0;
        QTest::newRow("port too large") << "listening on 127.0.0.1:70000" << "" << 0;
        QTest::newRow("other text") << "PV 8120 simulator 1.0" << "" << 0;
    }

    void listenLine()
    {
        QFETCH(QString, line);
        QFETCH(QString, host);
        QFETCH(int, port);
        QString parsedHost;
        quint16 parsedPort = 0;
        QCOMPARE(CSimulatorProcess::parseListenLine(line, &parsedHost, &parsedPort), !host.isEmpty());
        QCOMPARE(parsedHost, host);
        QCOMPARE(int(parsedPort), port);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestHostPluginRegistry)
#include "tst_hostpluginregistry.moc"

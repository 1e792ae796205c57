// Host start-up: the command line and the simulator's announcement line.
#include "chostoptions.h"
#include "csimulatorprocess.h"

#include <QTest>

class tst_CHostOptions : public QObject
{
    Q_OBJECT

private slots:
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
        QTest::newRow("device over IPv6") << false << QStringList({"--host", "[::1]"}) << "" << 0;
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
        QTest::newRow("IPv6") << "listening on [::1]:40517" << "::1" << 40517;
        QTest::newRow("port 0") << "listening on 127.0.0.1:0" << "" << 0;
        QTest::newRow("port too large") << "listening on 127.0.0.1:70000" << "" << 0;
        QTest::newRow("other text") << "PV 8120 simulator 1.0" << "" << 0;
    }

    void listenLine()
    {
        QFETCH(QString, line);
        QFETCH(QString, host);
        QString parsedHost;
        quint16 parsedPort = 0;
        QCOMPARE(CSimulatorProcess::parseListenLine(line, &parsedHost, &parsedPort), !host.isEmpty());
        QCOMPARE(parsedHost, host);
        QTEST(int(parsedPort), "port");
    }
};

QTEST_MAIN(tst_CHostOptions)
#include "tst_chostoptions.moc"

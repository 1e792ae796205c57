// The command line and the simulator's announcement line.
#include "chostoptions.h"
#include "csimulatorprocess.h"

#include <QTest>

class TestHostOptions : public QObject
{
    Q_OBJECT

private slots:
    void headlessDefaults_data();
    void headlessDefaults();
    void numbersAreChecked_data();
    void numbersAreChecked();
    void listenLine_data();
    void listenLine();
};

void TestHostOptions::headlessDefaults_data()
{
    QTest::addColumn<bool>("headless");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("screenshot");
    QTest::addColumn<int>("quitAfter");
    QTest::newRow("display") << false << QStringList() << "" << 0;
    QTest::newRow("no display") << true << QStringList() << "loomwork-host.png" << 6000;
    QTest::newRow("no display, own file")
        << true << QStringList({"--screenshot", "a.png"}) << "a.png" << 6000;
    QTest::newRow("no display, own time")
        << true << QStringList({"--quit-after", "1500"}) << "loomwork-host.png" << 1500;
    QTest::newRow("display, both") << false << QStringList({"--screenshot", "b.png", "--quit-after", "700"})
                                   << "b.png" << 700;
}

void TestHostOptions::headlessDefaults()
{
    QFETCH(bool, headless);
    QFETCH(QStringList, arguments);
    QFETCH(QString, screenshot);
    QFETCH(int, quitAfter);
    CHostOptions options;
    options.headless = headless;
    QString error;
    QVERIFY(options.parse(QStringList("loomwork-host") + arguments, &error));
    QCOMPARE(options.screenshot, screenshot);
    QCOMPARE(options.quitAfter, quitAfter);
    QVERIFY(!options.hasDevice());
}

void TestHostOptions::numbersAreChecked_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("valid");
    QTest::newRow("device over tcp") << QStringList({"--host", "10.0.0.5", "--port", "5020"}) << true;
    QTest::newRow("port 0") << QStringList({"--port", "0"}) << false;
    QTest::newRow("port text") << QStringList({"--port", "http"}) << false;
    QTest::newRow("address 248") << QStringList({"--address", "248"}) << false;
    QTest::newRow("cycle too short") << QStringList({"--cycle-interval", "10"}) << false;
    QTest::newRow("negative quit") << QStringList({"--quit-after", "-1"}) << false;
}

void TestHostOptions::numbersAreChecked()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, valid);
    CHostOptions options;
    QString error;
    QCOMPARE(options.parse(QStringList("loomwork-host") + arguments, &error), valid);
    QCOMPARE(error.isEmpty(), valid);
    if (valid) {
        QVERIFY(options.hasDevice());
        QCOMPARE(options.port, 5020);
    }
}

void TestHostOptions::listenLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::newRow("loopback") << "listening on 127.0.0.1:40517" << true << "127.0.0.1" << 40517;
    QTest::newRow("trailing blank") << "listening on 127.0.0.1:502 " << true << "127.0.0.1" << 502;
    QTest::newRow("port 0") << "listening on 127.0.0.1:0" << false << "" << 0;
    QTest::newRow("port too large") << "listening on 127.0.0.1:70000" << false << "" << 0;
    QTest::newRow("other text") << "PV 8120 simulator 1.0" << false << "" << 0;
}

void TestHostOptions::listenLine()
{
    QFETCH(QString, line);
    QFETCH(bool, valid);
    QFETCH(QString, host);
    QFETCH(int, port);
    QString parsedHost;
    quint16 parsedPort = 0;
    QCOMPARE(CSimulatorProcess::parseListenLine(line, &parsedHost, &parsedPort), valid);
    QCOMPARE(parsedHost, host);
    QCOMPARE(int(parsedPort), port);
}

QTEST_MAIN(TestHostOptions)
#include "tst_hostoptions.moc"

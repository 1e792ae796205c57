#include "backend/cpv8120backend.h"
#include "device/pv8120constants.h"
#include "ctesthosttree.h"
#include "ctestmodbusmaster.h"

#include <QTimer>
#include <QtTest>

namespace {

// A status response whose registers put exactly these 12 bytes into the
// backend's display data (registers travel big-endian, are kept little-endian).
QByteArray responseFor(const QByteArray &displayBytes)
{
    QByteArray response = QByteArray::fromHex("7000");
    for (int i = 0; i + 1 < displayBytes.size(); i += 2)
        response += displayBytes.at(i + 1) + QByteArray(1, displayBytes.at(i));
    return response + QByteArray::fromHex("0000000000000000000000");
}

struct Status
{
    Status() : backend(new CPV8120Backend(tree.root()))
    {
        backend->bindItems();
        QObject::connect(backend, &CPV8120Backend::displayLed, [this](int led) { shown << QString::number(led); });
        QObject::connect(backend, &CPV8120Backend::displayText, [this](const QString &text) { shown << text; });
    }
    // One display refresh, as the display timer would trigger it.
    void tick() { QVERIFY(QMetaObject::invokeMethod(backend, "setDisplay")); }

    CTestHostTree tree;
    CPV8120Backend *backend;
    QStringList shown; // LED code and text of every refresh, in emission order
};

} // namespace

class TestBackendStatus : public QObject
{
    Q_OBJECT

private slots:
    void requestRecord()
    {
        Status status;
        QMetaObject::invokeMethod(status.backend, "cyclicTimeout");
        const QList<CRequest> &requests = status.tree.master()->requests();
        QCOMPARE(requests.size(), 1);
        const CRequest &r = requests.first();
        QCOMPARE(QList<int>({r.requestType, r.deviceAddress, r.functionCode, r.startAddress, r.registerCount,
                             r.auxWord1, r.auxWord2}),
                 QList<int>({5, 0, 3, 0x7000, 12, 0, 0}));
        status.backend->requestRead(0x1234, 0); // nothing to read, nothing sent
        status.backend->requestRead(0x1234, 2);
        QCOMPARE(requests.size(), 2);
        QCOMPARE(requests.last().startAddress, quint16(0x1234));
    }

    // Two refreshes after one response: LED, text, LED, text.
    void responses_data()
    {
        QTest::addColumn<QByteArray>("response");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("start address only") << QByteArray::fromHex("7000") << QStringList{"0", "    ", "0", "    "};
        QTest::newRow("other start address") << QByteArray::fromHex("7001" "7e306db3000000000000" "0050")
                                             << QStringList{};
        QTest::newRow("half a start address") << QByteArray::fromHex("70") << QStringList{};
        QTest::newRow("big-endian registers") << QByteArray::fromHex("7000" "7e306db3000000000000" "0050")
                                              << QStringList{"0", "    ", "2", "104.2"};
        QTest::newRow("second frame and extra registers")
            << QByteArray::fromHex("7000" "00000000" "0050" "4f67" "7e30" "0000" "ffffffff")
            << QStringList{"2", "PE10", "0", "    "};
        QTest::newRow("cut inside a register") << QByteArray::fromHex("7000" "7e306d")
                                               << QStringList{"0", "    ", "0", "10  "};
        // The LED and every segment pattern are compared with the device data
        // file's reading of the same block in the status sampler's test.
        QTest::newRow("LED and a character") << responseFor(QByteArray::fromHex("00000000" "5000" "72000000" "5000"))
                                             << QStringList{"2", "7   ", "2", "    "};
    }

    void responses()
    {
        QFETCH(QByteArray, response);
        QFETCH(QStringList, shown);
        Status status;
        status.tree.master()->respond(response);
        QCOMPARE(status.backend->displayTimer->isActive(), !shown.isEmpty());
        status.tick();
        status.tick();
        QCOMPARE(status.shown, shown);
        QCOMPARE(Pv8120::displayCharacter(128), QStringLiteral(" ")); // past the table
    }

    // Frames alternate on every refresh, even without data; new data shows in the frame that is due.
    void framesAlternate()
    {
        Status status;
        status.tick();
        QVERIFY(status.shown.isEmpty());
        status.tree.master()->respond(responseFor(QByteArray::fromHex("3030303000000606060640" "00")));
        status.tick();
        status.tick();
        QCOMPARE(status.shown, QStringList({"0", "1111", "0", "IIII"}));
        status.shown.clear();
        status.tree.master()->respond(responseFor(QByteArray::fromHex("7e7e7e7e00003f3f3f3f0000")));
        status.tick();
        QCOMPARE(status.shown, QStringList({"0", "0000"}));
    }

    void timers()
    {
        Status status;
        QTimer *display = status.backend->displayTimer;
        QTimer *timeout = status.backend->displayTimeoutTimer;
        status.tree.master()->respond(QByteArray::fromHex("7100"));
        QVERIFY(!display->isActive() && !timeout->isActive());
        status.tree.master()->respond(QByteArray::fromHex("7000"));
        QVERIFY(display->isActive() && timeout->isActive());
        QCOMPARE(QList<int>({display->interval(), timeout->interval()}), QList<int>({500, 5000}));
        QVERIFY(!display->isSingleShot() && !timeout->isSingleShot());
        // A running display timer keeps its cycle; the timeout is started anew
        // by a status response only. Odd intervals show which of them restarts.
        display->setInterval(777);
        timeout->setInterval(1234);
        status.tree.master()->respond(QByteArray::fromHex("7000"));
        QCOMPARE(display->interval(), 777);
        QCOMPARE(timeout->interval(), 5000);
        timeout->setInterval(1234);
        status.tree.master()->respond(QByteArray::fromHex("0000"));
        QCOMPARE(timeout->interval(), 1234);
        // The timeout stops the display, never itself; a response starts the display again.
        QVERIFY(QMetaObject::invokeMethod(timeout, "timeout"));
        QVERIFY(!display->isActive() && timeout->isActive());
        QVERIFY(QMetaObject::invokeMethod(display, "timeout"));
        QCOMPARE(status.shown.size(), 2); // a refresh still shows the frozen data
        status.tree.master()->respond(QByteArray::fromHex("7000"));
        QVERIFY(display->isActive());
    }
};

QTEST_MAIN(TestBackendStatus)
#include "tst_cpv8120backendstatus.moc"

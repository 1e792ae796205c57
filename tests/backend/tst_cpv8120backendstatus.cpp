#include "backend/cpv8120backend.h"
#include "backend/pv8120constants.h"
#include "ctesthosttree.h"
#include "ctestmodbusmaster.h"

#include <QSignalSpy>
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
    void characterTable();
    void requestRecord();
    void responses_data();
    void responses();
    void leds_data();
    void leds();
    void characters_data();
    void characters();
    void framesAlternate();
    void phaseTogglesWithoutData();
    void timersFollowResponses();
    void timeoutStopsDisplay();
};

void TestBackendStatus::characterTable()
{
    QCOMPARE(Pv8120::displayCharacters.size(), 128);
    int defined = 0;
    for (const QString &c : Pv8120::displayCharacters) {
        QCOMPARE(c.size(), 1);
        defined += c != QLatin1String(" ");
    }
    QCOMPARE(defined, 36);
    QCOMPARE(Pv8120::displayCharacter(128), QStringLiteral(" "));
    QCOMPARE(Pv8120::translationSourceTexts().size(), 58);
    QCOMPARE(Pv8120::translationSourceTexts().count("linear"), 2);
}

void TestBackendStatus::requestRecord()
{
    Status status;
    QMetaObject::invokeMethod(status.backend, "cyclicTimeout");
    const QList<CRequest> &requests = status.tree.master()->requests();
    QCOMPARE(requests.size(), 1);
    const CRequest &r = requests.first();
    QCOMPARE(r.requestType, 5);
    QCOMPARE(r.deviceAddress, quint8(0));
    QCOMPARE(r.functionCode, quint8(3));
    QCOMPARE(r.startAddress, quint16(0x7000));
    QCOMPARE(r.registerCount, quint16(12));
    QCOMPARE(r.auxWord1 + r.auxWord2, 0);
    QVERIFY(r.data.isEmpty());

    status.backend->requestRead(0x1234, 0); // nothing to read, nothing sent
    status.backend->requestRead(0x1234, 2);
    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests.last().startAddress, quint16(0x1234));
}

void TestBackendStatus::responses_data()
{
    QTest::addColumn<QByteArray>("response");
    QTest::addColumn<QStringList>("shown"); // two refreshes: LED, text, LED, text
    QTest::newRow("start address only") << QByteArray::fromHex("7000") << QStringList{"0", "    ", "0", "    "};
    QTest::newRow("other start address") << QByteArray::fromHex("7001" "7e306db3000000000000" "0050")
                                         << QStringList{};
    QTest::newRow("half a start address") << QByteArray::fromHex("70") << QStringList{};
    QTest::newRow("empty") << QByteArray() << QStringList{};
    QTest::newRow("big-endian registers") << QByteArray::fromHex("7000" "7e306db3000000000000" "0050")
                                          << QStringList{"0", "    ", "2", "104.2"};
    QTest::newRow("second frame and extra registers")
        << QByteArray::fromHex("7000" "00000000" "0050" "4f67" "7e30" "0000" "ffffffff")
        << QStringList{"2", "PE10", "0", "    "};
    QTest::newRow("cut inside a register") << QByteArray::fromHex("7000" "7e306d")
                                           << QStringList{"0", "    ", "0", "10  "};
}

void TestBackendStatus::responses()
{
    QFETCH(QByteArray, response);
    QFETCH(QStringList, shown);
    Status status;
    status.tree.master()->respond(response);
    QCOMPARE(status.backend->displayTimer->isActive(), !shown.isEmpty());
    status.tick();
    status.tick();
    QCOMPARE(status.shown, shown);
}

void TestBackendStatus::leds_data()
{
    QTest::addColumn<int>("s1");
    QTest::addColumn<int>("s2");
    QTest::addColumn<int>("led");
    const int rows[][3] = {
        {0x50, 0x00, 2}, {0x50, 0x01, 3}, {0x00, 0x03, 5}, {0x10, 0x03, 4}, {0x20, 0x01, 1},
        {0x40, 0x00, 0}, {0x70, 0x03, 0}, {0x00, 0x00, 0}, {0x8f, 0xfc, 0}, // other bits ignored
    };
    for (const auto &row : rows)
        QTest::addRow("S1 %02x S2 %02x", row[0], row[1]) << row[0] << row[1] << row[2];
}

void TestBackendStatus::leds()
{
    QFETCH(int, s1);
    QFETCH(int, s2);
    QFETCH(int, led);
    Status status;
    QByteArray bytes(12, '\0');
    bytes[4] = char(s1); // status bytes of the first frame shown
    bytes[5] = char(s2);
    bytes[10] = char(s1); // and of the second
    bytes[11] = char(s2);
    status.tree.master()->respond(responseFor(bytes));
    status.tick();
    status.tick();
    QCOMPARE(status.shown.at(0).toInt(), led);
    QCOMPARE(status.shown.at(2).toInt(), led);
}

void TestBackendStatus::characters_data()
{
    QTest::addColumn<int>("pattern");
    QTest::addColumn<QString>("text");
    QTest::newRow("blank") << 0x00 << " ";
    QTest::newRow("minus") << 0x01 << "-";
    QTest::newRow("segment a") << 0x40 << QString(QChar(0x00e1));
    QTest::newRow("seven") << 0x72 << "7";
    QTest::newRow("eight") << 0x7f << "8";
    QTest::newRow("undefined") << 0x02 << " ";
    QTest::newRow("undefined with point") << 0x82 << " .";
    QTest::newRow("eight with point") << 0xff << "8.";
}

void TestBackendStatus::characters()
{
    QFETCH(int, pattern);
    QFETCH(QString, text);
    Status status;
    QByteArray bytes(12, '\0');
    bytes[6] = char(pattern);
    status.tree.master()->respond(responseFor(bytes));
    status.tick();
    QCOMPARE(status.shown.at(1), text + "   ");
}

void TestBackendStatus::framesAlternate()
{
    Status status;
    status.tree.master()->respond(responseFor(QByteArray::fromHex("3030303000000606060640" "00")));
    for (int i = 0; i < 3; ++i)
        status.tick();
    QCOMPARE(status.shown, QStringList({"0", "IIII", "0", "1111", "0", "IIII"}));
    status.shown.clear();
    // New registers show on the next refresh, in the frame that is due.
    status.tree.master()->respond(responseFor(QByteArray::fromHex("7e7e7e7e00003f3f3f3f0000")));
    status.tick();
    QCOMPARE(status.shown, QStringList({"0", "0000"}));
}

void TestBackendStatus::phaseTogglesWithoutData()
{
    Status status;
    status.tick();
    QVERIFY(status.shown.isEmpty());
    status.tree.master()->respond(responseFor(QByteArray::fromHex("3030303000000606060600" "00")));
    status.tick();
    QCOMPARE(status.shown, QStringList({"0", "1111"}));
}

void TestBackendStatus::timersFollowResponses()
{
    Status status;
    QTimer *display = status.backend->displayTimer;
    QTimer *timeout = status.backend->displayTimeoutTimer;
    QVERIFY(!display->isActive() && !timeout->isActive());
    status.tree.master()->respond(QByteArray::fromHex("7100"));
    QVERIFY(!display->isActive() && !timeout->isActive());

    status.tree.master()->respond(QByteArray::fromHex("7000"));
    QVERIFY(display->isActive() && timeout->isActive());
    QCOMPARE(display->interval(), 500);
    QCOMPARE(timeout->interval(), 5000);
    QVERIFY(!display->isSingleShot() && !timeout->isSingleShot());

    // A running display timer keeps its cycle; the timeout is started anew.
    // Odd intervals show which of them a response starts again.
    display->setInterval(777);
    timeout->setInterval(1234);
    status.tree.master()->respond(QByteArray::fromHex("7000"));
    QCOMPARE(display->interval(), 777);
    QCOMPARE(timeout->interval(), 5000);
    timeout->setInterval(1234);
    status.tree.master()->respond(QByteArray::fromHex("0000"));
    QCOMPARE(timeout->interval(), 1234);
    QVERIFY(display->isActive() && timeout->isActive());
}

void TestBackendStatus::timeoutStopsDisplay()
{
    Status status;
    status.tree.master()->respond(QByteArray::fromHex("7000"));
    QTimer *display = status.backend->displayTimer;
    QTimer *timeout = status.backend->displayTimeoutTimer;
    QVERIFY(QMetaObject::invokeMethod(timeout, "timeout"));
    QVERIFY(!display->isActive());
    QVERIFY(timeout->isActive()); // never stopped; it only stops the display again
    QVERIFY(QMetaObject::invokeMethod(display, "timeout"));
    QCOMPARE(status.shown.size(), 2); // a tick still shows the frozen data
    status.tree.master()->respond(QByteArray::fromHex("7000"));
    QVERIFY(display->isActive());
}

QTEST_MAIN(TestBackendStatus)
#include "tst_cpv8120backendstatus.moc"

// The simulator's display side: seven-segment encoding against the character
// table, and the LED code and layout of the status block.
#include "cdisplayencoder.h"
#include "climitmonitor.h"
#include "cstatusblock.h"

#include <QtTest>

namespace {

// The panel's reading of a status byte pair (counters A and B).
int decodeLed(quint8 s1, quint8 s2)
{
    const int a = ((s1 & 0x40) ? 1 : 0) + ((s2 & 0x02) ? 2 : 0);
    const int b = ((s1 & 0x30) ? 1 : 0) + ((s2 & 0x01) ? 2 : 0);
    const QList<QPair<int, int>> codes = {{-1, -1}, {0, 3}, {1, 1}, {1, 3}, {2, 3}, {2, 2}};
    return qMax(0, codes.indexOf(qMakePair(a, b)));
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (const int value : values)
        result.append(char(value));
    return result;
}

} // namespace

class TestSimDisplay : public QObject
{
    Q_OBJECT

private slots:
    void characterPattern_data();
    void characterPattern();
    void encode_data();
    void encode();
    void ledCode_data();
    void ledCode();
    void statusBlockLayout();
};

void TestSimDisplay::characterPattern_data()
{
    QTest::addColumn<QString>("character");
    QTest::addColumn<int>("pattern");
    const QString shapes = QStringLiteral("-:1 i:4 r:5 I:6 _:8 c:13 L:14 t:15 n:21 h:23 u:28 o:29 b:31 1:48 4:51 H:55 "
                                          "J:56 y:59 d:61 U:62 \u00e1:64 F:71 C:78 E:79 5:91 G:94 6:95 P:103 2:109 "
                                          "7:114 N:118 A:119 3:121 9:123 0:126 8:127");
    for (const QString &shape : shapes.split(' '))
        QTest::newRow(qPrintable(shape)) << shape.left(1) << shape.mid(2).toInt();
    // Look-alikes for characters without an own shape, and blanks.
    const QString others = QStringLiteral("O:126 S:91 a:119 e:79 %:0");
    for (const QString &shape : others.split(' '))
        QTest::newRow(qPrintable("look-alike " + shape)) << shape.left(1) << shape.mid(2).toInt();
    QTest::newRow("blank") << " " << 0;
}

void TestSimDisplay::characterPattern()
{
    QFETCH(QString, character);
    QFETCH(int, pattern);
    QCOMPARE(int(CDisplayEncoder::pattern(character.at(0))), pattern);
    if (pattern != 0 && CDisplayEncoder::characterTable().at(pattern) == character)
        QCOMPARE(CDisplayEncoder::decode(QByteArray(1, char(pattern))), character);
    // 36 shapes; every other entry of the table is a blank.
    QCOMPARE(CDisplayEncoder::characterTable().count(QStringLiteral(" ")), 128 - 36);
}

void TestSimDisplay::encode_data()
{
    QTest::addColumn<QVariant>("input"); // a text, or a number shown with at most `decimals` decimals
    QTest::addColumn<int>("decimals");   // for a text: 1 aligns right, 0 left
    QTest::addColumn<QByteArray>("digits");
    QTest::newRow("point joins the digit before") << QVariant("104.2") << 0 << bytes({0x30, 0x7E, 0xB3, 0x6D});
    QTest::newRow("padded right") << QVariant("Err") << 0 << bytes({79, 5, 5, 0});
    QTest::newRow("padded left") << QVariant("Hi") << 1 << bytes({0, 0, 55, 4});
    QTest::newRow("cut after four") << QVariant("123456") << 0 << bytes({48, 109, 121, 51});
    QTest::newRow("leading point is a blank digit") << QVariant(".5") << 1 << bytes({0, 0, 0x80, 91});
    QTest::newRow("comma as point") << QVariant("1,5") << 1 << bytes({0, 0, 0xB0, 91});
    QTest::newRow("three decimals") << QVariant(1.23456) << 3 << QByteArray("1.235");
    QTest::newRow("two fit") << QVariant(12.3456) << 3 << QByteArray("12.35");
    QTest::newRow("none fit") << QVariant(1234.4) << 3 << QByteArray("1234");
    QTest::newRow("limited decimals") << QVariant(4.75) << 1 << QByteArray("4.8");
    QTest::newRow("negative uses a digit") << QVariant(-12.345) << 3 << QByteArray("-12.3");
    QTest::newRow("negative zero") << QVariant(-0.0004) << 3 << QByteArray("0.000");
    QTest::newRow("overflow") << QVariant(12345.0) << 3 << QByteArray("----");
    QTest::newRow("negative overflow") << QVariant(-1000.0) << 3 << QByteArray("----");
    QTest::newRow("not a number") << QVariant(qQNaN()) << 3 << QByteArray("----");
}

void TestSimDisplay::encode()
{
    QFETCH(QVariant, input);
    QFETCH(int, decimals);
    QFETCH(QByteArray, digits);
    if (input.type() == QVariant::String) {
        const Qt::Alignment alignment = decimals ? Qt::AlignRight : Qt::AlignLeft;
        QCOMPARE(CDisplayEncoder::encodeText(input.toString(), alignment).toHex(), digits.toHex());
        return;
    }
    // Numbers: digits holds the text the display shows.
    QCOMPARE(CDisplayEncoder::numberText(input.toDouble(), decimals), QString::fromLatin1(digits));
    const QByteArray encoded = CDisplayEncoder::encodeNumber(input.toDouble(), decimals);
    QCOMPARE(encoded.size(), 4);
    QCOMPARE(CDisplayEncoder::decode(encoded).trimmed(), QString::fromLatin1(digits));
}

void TestSimDisplay::ledCode_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("led");
    QTest::newRow("idle white") << int(CLimitMonitor::Idle) << 0;
    QTest::newRow("lower hysteresis yellow+white") << int(CLimitMonitor::LowerHysteresis) << 1;
    QTest::newRow("normal green") << int(CLimitMonitor::Normal) << 2;
    QTest::newRow("upper hysteresis yellow+green") << int(CLimitMonitor::UpperHysteresis) << 3;
    QTest::newRow("lower alarm yellow+red") << int(CLimitMonitor::LowerAlarm) << 4;
    QTest::newRow("upper alarm red") << int(CLimitMonitor::UpperAlarm) << 5;
}

void TestSimDisplay::ledCode()
{
    QFETCH(int, state);
    QFETCH(int, led);
    QCOMPARE(CLimitMonitor::ledCode(CLimitMonitor::State(state)), led);
    const QPair<quint8, quint8> status = CStatusBlock::statusBytes(led);
    QCOMPARE(decodeLed(status.first, status.second), led);
}

void TestSimDisplay::statusBlockLayout()
{
    CStatusBlock::Content content;
    content.frame1 = bytes({0x01, 0x02, 0x03, 0x04});
    content.frame2 = bytes({0x11, 0x12, 0x13, 0x14});
    content.ledCode = 3;
    content.outputPercent = -1.5;
    content.pressure = 1.0;
    content.counter = 7;
    const QVector<quint16> words = CStatusBlock::registers(content);
    QCOMPARE(words.size(), 12);
    // Display bytes low byte first: frame 1 in R0/R1 with status in R5,
    // frame 2 in R3/R4 with status in R2; output in 0.01 %, the pressure as
    // a float (1.0f = 0x3F800000) low register first, the counter.
    QCOMPARE(words.mid(0, 6), QVector<quint16>({0x0201, 0x0403, 0x0150, 0x1211, 0x1413, 0x0150}));
    QCOMPARE(qint16(words.at(6)), qint16(-150));
    QCOMPARE(words.mid(8, 3), QVector<quint16>({0x0000, 0x3F80, 7}));
}

QTEST_APPLESS_MAIN(TestSimDisplay)
#include "tst_simdisplay.moc"

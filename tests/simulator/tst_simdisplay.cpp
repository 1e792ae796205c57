// The simulator's display side: seven-segment encoding against the character
// table and the LED code that the status bytes carry.
#include "cdisplayencoder.h"
#include "climitmonitor.h"
#include "cstatusblock.h"

#include <QtTest>

namespace {

// The panel's reading of a status byte pair (counters A and B).
int decodeLed(quint8 s1, quint8 s2)
{
    int a = 0;
    int b = 0;
    a += (s1 & 0x40) ? 1 : 0;
    b += (s1 & 0x30) ? 1 : 0;
    a += (s2 & 0x02) ? 2 : 0;
    b += (s2 & 0x01) ? 2 : 0;
    if (a == 0 && b == 3) return 1;
    if (a == 1 && b == 1) return 2;
    if (a == 1 && b == 3) return 3;
    if (a == 2 && b == 3) return 4;
    if (a == 2 && b == 2) return 5;
    return 0;
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
    void tableHasBlanksElsewhere();
    void encodeText_data();
    void encodeText();
    void encodeNumber_data();
    void encodeNumber();
    void ledCode_data();
    void ledCode();
    void statusBlockLayout();
};

void TestSimDisplay::characterPattern_data()
{
    QTest::addColumn<QString>("character");
    QTest::addColumn<int>("pattern");
    const QList<QPair<int, QString>> table = {
        {1, "-"}, {4, "i"}, {5, "r"}, {6, "I"}, {8, "_"}, {13, "c"}, {14, "L"}, {15, "t"}, {21, "n"},
        {23, "h"}, {28, "u"}, {29, "o"}, {31, "b"}, {48, "1"}, {51, "4"}, {55, "H"}, {56, "J"}, {59, "y"},
        {61, "d"}, {62, "U"}, {64, QString(QChar(0x00E1))}, {71, "F"}, {78, "C"}, {79, "E"}, {91, "5"},
        {94, "G"}, {95, "6"}, {103, "P"}, {109, "2"}, {114, "7"}, {118, "N"}, {119, "A"}, {121, "3"},
        {123, "9"}, {126, "0"}, {127, "8"}};
    for (const auto &entry : table)
        QTest::newRow(qPrintable(QString::number(entry.first))) << entry.second << entry.first;
    // Look-alikes for characters without an own shape.
    QTest::newRow("O as 0") << "O" << 126;
    QTest::newRow("S as 5") << "S" << 91;
    QTest::newRow("a as A") << "a" << 119;
    QTest::newRow("e as E") << "e" << 79;
    QTest::newRow("blank") << " " << 0;
    QTest::newRow("no shape") << "%" << 0;
}

void TestSimDisplay::characterPattern()
{
    QFETCH(QString, character);
    QFETCH(int, pattern);
    QCOMPARE(int(CDisplayEncoder::pattern(character.at(0))), pattern);
    if (pattern != 0 && CDisplayEncoder::characterTable().at(pattern) == character)
        QCOMPARE(CDisplayEncoder::decode(QByteArray(1, char(pattern))), character);
}

void TestSimDisplay::tableHasBlanksElsewhere()
{
    const QStringList &table = CDisplayEncoder::characterTable();
    QCOMPARE(table.size(), 128);
    QCOMPARE(table.count(QStringLiteral(" ")), 128 - 36);
    QCOMPARE(table.at(0), QStringLiteral(" "));
}

void TestSimDisplay::encodeText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QByteArray>("digits");
    QTest::newRow("point joins the digit before") << "104.2" << false << bytes({0x30, 0x7E, 0xB3, 0x6D});
    QTest::newRow("padded right") << "Err" << false << bytes({79, 5, 5, 0});
    QTest::newRow("padded left") << "Hi" << true << bytes({0, 0, 55, 4});
    QTest::newRow("cut after four") << "123456" << false << bytes({48, 109, 121, 51});
    QTest::newRow("leading point is a blank digit") << ".5" << true << bytes({0, 0, 0x80, 91});
    QTest::newRow("comma as point") << "1,5" << true << bytes({0, 0, 0xB0, 91});
}

void TestSimDisplay::encodeText()
{
    QFETCH(QString, text);
    QFETCH(bool, right);
    QFETCH(QByteArray, digits);
    QCOMPARE(CDisplayEncoder::encodeText(text, right ? Qt::AlignRight : Qt::AlignLeft).toHex(), digits.toHex());
}

void TestSimDisplay::encodeNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("maxDecimals");
    QTest::addColumn<QString>("shown");
    QTest::newRow("three decimals") << 1.23456 << 3 << "1.235";
    QTest::newRow("two fit") << 12.3456 << 3 << "12.35";
    QTest::newRow("none fit") << 1234.4 << 3 << "1234";
    QTest::newRow("limited decimals") << 4.75 << 1 << "4.8";
    QTest::newRow("negative uses a digit") << -12.345 << 3 << "-12.3";
    QTest::newRow("negative zero") << -0.0004 << 3 << "0.000";
    QTest::newRow("overflow") << 12345.0 << 3 << "----";
    QTest::newRow("negative overflow") << -1000.0 << 3 << "----";
    QTest::newRow("not a number") << qQNaN() << 3 << "----";
}

void TestSimDisplay::encodeNumber()
{
    QFETCH(double, value);
    QFETCH(int, maxDecimals);
    QFETCH(QString, shown);
    QCOMPARE(CDisplayEncoder::numberText(value, maxDecimals), shown);
    const QByteArray digits = CDisplayEncoder::encodeNumber(value, maxDecimals);
    QCOMPARE(digits.size(), 4);
    QCOMPARE(CDisplayEncoder::decode(digits).trimmed(), shown);
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
    // frame 2 in R3/R4 with status in R2.
    QCOMPARE(words.mid(0, 6), QVector<quint16>({0x0201, 0x0403, 0x0150, 0x1211, 0x1413, 0x0150}));
    QCOMPARE(qint16(words.at(6)), qint16(-150));
    QCOMPARE(words.at(8), quint16(0x0000)); // 1.0f = 0x3F800000, low register first
    QCOMPARE(words.at(9), quint16(0x3F80));
    QCOMPARE(words.at(10), quint16(7));
}

QTEST_APPLESS_MAIN(TestSimDisplay)
#include "tst_simdisplay.moc"

#include "items/citem.h"

#include <QDateTime>
#include <QtTest>

// Display texts, caption paths and numeric display forms of CItem values.
class TestValueText : public QObject
{
    Q_OBJECT

private:
    static void addItemColumns()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("factor");
        QTest::addColumn<double>("precision");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("expected");
    }

    static void configure(CItem &item)
    {
        QFETCH(int, type);
        QFETCH(double, factor);
        QFETCH(double, precision);
        item.setType(CItem::ENUM_DATA_TYPES(type));
        item.setDecimalFactor(factor);
        item.setPrecision(precision);
        item.setTextList(QStringLiteral("zero,one,two"));
    }

private slots:
    void valueText_data()
    {
        addItemColumns();
        const QDateTime when(QDate(2026, 12, 5), QTime(14, 30, 15));
        QTest::newRow("int16 scaled") << 4 << 10.0 << 1.0 << QVariant(1234) << "123,4";
        QTest::newRow("int16 plain") << 4 << 1.0 << 0.0 << QVariant(7) << "7";
        QTest::newRow("precision truncated") << 9 << 1.0 << 2.9 << QVariant(1) << "1,00";
        QTest::newRow("bit16 scaled") << 18 << 4.0 << 1.0 << QVariant(2) << "0,5";
        QTest::newRow("float ignores factor") << 11 << 10.0 << 2.0 << QVariant(3.14159) << "3,14";
        QTest::newRow("version keeps point") << 15 << 100.0 << 2.0 << QVariant(123) << "1.23";
        QTest::newRow("password padded") << 14 << 10.0 << 4.0 << QVariant(42) << "0042";
        QTest::newRow("password never cut") << 14 << 1.0 << 1.0 << QVariant(4242) << "4242";
        QTest::newRow("short time15") << 23 << 1.0 << 0.0 << QVariant(37) << "09:15";
        QTest::newRow("no wrap at 24 h") << 23 << 1.0 << 0.0 << QVariant(100) << "25:00";
        QTest::newRow("time15 scaled") << 22 << 2.0 << 0.0 << QVariant(10) << "01:15";
        QTest::newRow("bool on") << 10 << 1.0 << 0.0 << QVariant(1) << "On";
        QTest::newRow("bool unconvertible") << 10 << 1.0 << 0.0 << QVariant() << "Off";
        QTest::newRow("list entry") << 12 << 1.0 << 0.0 << QVariant(2) << "two";
        QTest::newRow("list out of range") << 13 << 1.0 << 0.0 << QVariant(3) << "?";
        QTest::newRow("bit-field entry negative") << 20 << 1.0 << 0.0 << QVariant(-1) << "?";
        QTest::newRow("text") << 25 << 1.0 << 0.0 << QVariant("abc") << "abc";
        QTest::newRow("datetime") << 21 << 1.0 << 0.0 << QVariant(when) << "05.12.2026 14:30:15";
        QTest::newRow("datetime invalid") << 21 << 1.0 << 0.0 << QVariant(QDateTime()) << "?";
        QTest::newRow("group") << 2 << 1.0 << 0.0 << QVariant(1) << "";
        QTest::newRow("none") << 0 << 1.0 << 0.0 << QVariant(1) << "?";
    }

    void valueText()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, expected);
        CItem item;
        configure(item);
        QCOMPARE(item.valueText(value), expected);
    }

    void valueTextWithoutFactor_data()
    {
        addItemColumns();
        QTest::newRow("int16") << 4 << 10.0 << 1.0 << QVariant(1234) << "1234,0";
        QTest::newRow("version") << 16 << 100.0 << 1.0 << QVariant(123) << "123.0";
        QTest::newRow("bit-field entry number") << 20 << 1.0 << 3.0 << QVariant(5) << "005";
        QTest::newRow("list falls back") << 12 << 10.0 << 0.0 << QVariant(1) << "one";
    }

    void valueTextWithoutFactor()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, expected);
        CItem item;
        configure(item);
        QCOMPARE(item.valueText(value, false), expected);
    }

    void emptyTextList()
    {
        CItem item;
        item.setType(CItem::DATA_TYPE_LIST16);
        QCOMPARE(item.valueText(0), QString());
        QCOMPARE(item.valueText(1), QStringLiteral("?"));
        item.setTextList(QStringLiteral(",,"));
        QCOMPARE(item.textList().size(), 3);
    }

    void captionPath()
    {
        CItem object;
        object.setType(CItem::DATA_TYPE_OBJECT);
        object.setCaption(QStringLiteral("Device"));
        auto *limits = new CItem(&object);
        limits->setType(CItem::DATA_TYPE_GROUP);
        limits->setCaption(QStringLiteral("Limits"));
        auto *alarm = new CItem(limits);
        alarm->setType(CItem::DATA_TYPE_GROUP);
        alarm->setCaption(QStringLiteral("Alarm"));
        auto *max = new CItem(alarm);
        max->setCaption(QStringLiteral("Max"));
        QCOMPARE(limits->captionPath(), QString());
        QCOMPARE(alarm->fullCaption(), QStringLiteral("Limits - Alarm"));
        QCOMPARE(max->fullCaption(), QStringLiteral("Limits - Alarm - Max"));

        // Translations reach the whole subtree; a language without them gives raw texts.
        CItem::Translations dictionary;
        dictionary["de"]["Limits"] = QStringLiteral("Grenzen");
        object.setTranslations(dictionary);
        object.setLanguageId(QStringLiteral("de"));
        QCOMPARE(max->captionPath(), QStringLiteral("Grenzen - Alarm"));
        QCOMPARE(max->captionPath(QStringLiteral("fr")), QStringLiteral("Limits - Alarm"));
        QCOMPARE(limits->rawCaption(), QStringLiteral("Limits"));
    }

    void displayValue()
    {
        const QVariant raw(25);
        QCOMPARE(CItem::displayValue(raw, CItem::DATA_TYPE_LONG_TIME15, 10.0), QVariant(2.5));
        QCOMPARE(CItem::displayValue(raw, CItem::DATA_TYPE_FLOAT, 10.0), QVariant(25.0));
        QCOMPARE(CItem::displayValue(raw, CItem::DATA_TYPE_LIST16, 10.0), QVariant(25.0));
        QCOMPARE(CItem::displayValue(raw, CItem::DATA_TYPE_BOOL, 10.0).userType(), int(QMetaType::Bool));
        QVERIFY(!CItem::displayValue(raw, CItem::DATA_TYPE_TEXT16, 10.0).isValid());
    }

    void bitFieldValue()
    {
        const auto entry = CItem::DATA_TYPE_BITFIELD_ENTRY;
        QCOMPARE(CItem::bitFieldValue(QVariant(0xF3), entry, 4, 4), QVariant(uint(15)));
        QCOMPARE(CItem::bitFieldValue(QVariant(0xF3), entry, 0, 0), QVariant(uint(0)));
        QVERIFY(!CItem::bitFieldValue(QVariant(0xF3), CItem::DATA_TYPE_BIT16, 0, 4).isValid());
    }
};

QTEST_GUILESS_MAIN(TestValueText)
#include "tst_valuetext.moc"

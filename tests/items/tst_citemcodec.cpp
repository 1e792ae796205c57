#include "items/citem.h"

#include <QDateTime>
#include <QSignalSpy>
#include <QtTest>

// Device byte layouts of CItem values.
class TestCItemCodec : public QObject
{
    Q_OBJECT

private slots:
    void encode_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QByteArray>("hex");

        const QDateTime saturday(QDate(2026, 12, 5), QTime(14, 30, 15));
        QTest::newRow("uint16") << 5 << QVariant(4660) << QByteArray("1234");
        QTest::newRow("int16 negative") << 4 << QVariant(-2) << QByteArray("fffe");
        QTest::newRow("uint16 rounds double") << 5 << QVariant(2.5) << QByteArray("0003");
        QTest::newRow("uint16 low bits") << 5 << QVariant(70000) << QByteArray("1170");
        QTest::newRow("uint16 float default") << 5 << QVariant(12.7f) << QByteArray("000d");
        QTest::newRow("bool") << 10 << QVariant(true) << QByteArray("0001");
        QTest::newRow("int8") << 6 << QVariant(-1) << QByteArray("ff");
        QTest::newRow("uint32 low word first") << 9 << QVariant(65538) << QByteArray("00020001");
        QTest::newRow("int32 negative") << 8 << QVariant(-2) << QByteArray("fffeffff");
        QTest::newRow("float") << 11 << QVariant(1.0) << QByteArray("00003f80");
        QTest::newRow("text16 swapped") << 3 << QVariant("abc") << QByteArray("62610063000000000000");
        QTest::newRow("text16 cut") << 3 << QVariant("abcdefghijkl") << QByteArray("62616463666568676a69");
        QTest::newRow("builddate keeps 12") << 26 << QVariant("abcdefghijkl")
                                            << QByteArray("62616463666568676a696c6b");
        QTest::newRow("text8") << 25 << QVariant("abc") << QByteArray("61626300000000000000");
        QTest::newRow("datetime") << 21 << QVariant(saturday) << QByteArray("0f060e1e0c0507ea");
        QTest::newRow("datetime invalid") << 21 << QVariant(QDateTime()) << QByteArray("0000000000000000");
        QTest::newRow("not convertible") << 5 << QVariant("abc") << QByteArray("0000");
        QTest::newRow("group") << 2 << QVariant(1) << QByteArray();
        QTest::newRow("bit-field entry") << 20 << QVariant(1) << QByteArray();
    }

    void encode()
    {
        QFETCH(int, type);
        QFETCH(QVariant, value);
        QFETCH(QByteArray, hex);
        CItem item;
        item.setType(CItem::ENUM_DATA_TYPES(type));
        item.setValue(value);
        QCOMPARE(item.toByteArray().toHex(), hex);
    }

    void decode_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("hex");
        QTest::addColumn<QVariant>("expected");

        QTest::newRow("int16 -1") << 4 << QByteArray("ffff") << QVariant(-1);
        QTest::newRow("uint16 65535") << 5 << QByteArray("ffff") << QVariant(65535);
        QTest::newRow("int8") << 6 << QByteArray("80") << QVariant(-128);
        QTest::newRow("uint8") << 7 << QByteArray("80") << QVariant(128);
        QTest::newRow("int32") << 8 << QByteArray("fffeffff") << QVariant(-2);
        QTest::newRow("uint32") << 9 << QByteArray("00020001") << QVariant(uint(65538));
        QTest::newRow("uint32 short input") << 9 << QByteArray("0002") << QVariant(uint(2));
        QTest::newRow("float") << 11 << QByteArray("00003f80") << QVariant(1.0f);
        QTest::newRow("float lowest") << 11 << QByteArray("ffffff7f") << QVariant(-3.4028235e38f);
        QTest::newRow("text16 low byte first") << 3 << QByteArray("0041") << QVariant("A");
        QTest::newRow("text16 NUL first") << 3 << QByteArray("4100") << QVariant("");
        QTest::newRow("text8 NUL first") << 25 << QByteArray("0041") << QVariant("");
        QTest::newRow("text8") << 25 << QByteArray("4100") << QVariant("A");
        QTest::newRow("datetime") << 21 << QByteArray("0f060e1e0c0507ea")
                                  << QVariant(QDateTime(QDate(2026, 12, 5), QTime(14, 30, 15)));
        QTest::newRow("none") << 0 << QByteArray("0001") << QVariant();
        QTest::newRow("object") << 1 << QByteArray("0001") << QVariant();
        QTest::newRow("bit-field entry") << 20 << QByteArray("0001") << QVariant();
        QTest::newRow("beyond the table") << 27 << QByteArray("0001") << QVariant();
    }

    void decode()
    {
        QFETCH(int, type);
        QFETCH(QByteArray, hex);
        QFETCH(QVariant, expected);
        const QVariant actual = CItem::fromByteArray(QByteArray::fromHex(hex), CItem::ENUM_DATA_TYPES(type));
        QCOMPARE(actual, expected);
        QCOMPARE(actual.userType(), expected.userType());
    }

    void zeroDateTimeIsInvalid()
    {
        const QDateTime decoded = CItem::fromByteArray(QByteArray(8, '\0'), CItem::DATA_TYPE_DATETIME).toDateTime();
        QVERIFY(!decoded.date().isValid());
    }

    void setByteArrayGoesThroughSetValue()
    {
        CItem item;
        item.setType(CItem::DATA_TYPE_UINT16);
        QSignalSpy changed(&item, &CItem::valueChanged);
        item.setByteArray(QByteArray::fromHex("0102"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(item.value(), QVariant(0x0102));

        item.setType(CItem::DATA_TYPE_GROUP);
        item.setByteArray(QByteArray::fromHex("0304"));
        QCOMPARE(item.value(), QVariant(0x0102));
    }
};

QTEST_GUILESS_MAIN(TestCItemCodec)
#include "tst_citemcodec.moc"

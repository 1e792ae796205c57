// Turning a user's text into an item's stored value.
#include "citeminput.h"
#include "items/citem.h"

#include <QtTest>

class tst_CItemInput : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("factor");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QVariant>("value");
        const int list = CItem::DATA_TYPE_LIST16;
        const int uint16 = CItem::DATA_TYPE_UINT16;
        QTest::newRow("list entry by text") << list << 1.0 << "kPa" << true << QVariant(2);
        QTest::newRow("list entry by number") << list << 1.0 << "1" << true << QVariant(1);
        QTest::newRow("list entry unknown") << list << 1.0 << "bar" << false << QVariant();
        QTest::newRow("list number beyond") << list << 1.0 << "3" << false << QVariant();
        QTest::newRow("display units, comma") << uint16 << 10.0 << "2,5" << true << QVariant(qint64(25));
        QTest::newRow("display units, point") << uint16 << 10.0 << "2.5" << true << QVariant(qint64(25));
        QTest::newRow("rounded to the register") << uint16 << 10.0 << "2.54" << true << QVariant(qint64(25));
        QTest::newRow("above the range") << uint16 << 10.0 << "30.1" << false << QVariant();
        QTest::newRow("below the range") << uint16 << 10.0 << "-1" << false << QVariant();
        QTest::newRow("not a number") << uint16 << 1.0 << "abc" << false << QVariant();
        QTest::newRow("float ignores the factor") << int(CItem::DATA_TYPE_FLOAT) << 10.0 << "12,5" << true << QVariant(12.5);
        QTest::newRow("bool") << int(CItem::DATA_TYPE_BOOL) << 1.0 << "on" << true << QVariant(1);
        QTest::newRow("text") << int(CItem::DATA_TYPE_TEXT16) << 1.0 << "PV-1" << true << QVariant("PV-1");
    }

    void parse()
    {
        QFETCH(int, type);
        QFETCH(double, factor);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(QVariant, value);
        CItem item;
        item.setType(CItem::ENUM_DATA_TYPES(type));
        item.setTextList(QStringLiteral("mbar,Pa,kPa"));
        item.setDecimalFactor(factor);
        item.setRange(0, 300);
        QVariant parsed;
        QString error;
        QCOMPARE(CItemInput::parse(item, text, &parsed, &error), accepted);
        QCOMPARE(error.isEmpty(), accepted);
        if (accepted)
            QCOMPARE(parsed, value);
    }
};


QTEST_GUILESS_MAIN(tst_CItemInput)
#include "tst_citeminput.moc"

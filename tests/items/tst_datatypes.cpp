#include "items/citem.h"
#include "items/datatypes.h"
#include "items/itemkeys.h"

#include <QSignalSpy>
#include <QtTest>

typedef QHash<QString, QString> Attributes;

// Type-name table, divider decimals and CItem::setAttributes().
class TestDataTypes : public QObject
{
    Q_OBJECT

private slots:
    void namesRoundTrip()
    {
        QStringList seen;
        for (int type = 0; type <= 27; ++type) {
            const QString name = dataTypeName(type);
            const bool named = type >= 3 && type <= 26 && type != 20;
            QCOMPARE(name.isEmpty(), !named);
            QCOMPARE(dataTypeFromName(name), named ? type : 0);
            for (const QString &alias : dataTypeNames().value(type)) {
                QVERIFY2(!seen.contains(alias), qPrintable(alias));
                seen << alias;
            }
        }
        QCOMPARE(dataTypeFromName(QStringLiteral("double")), int(CItem::DATA_TYPE_FLOAT));
        QCOMPARE(dataTypeFromName(QStringLiteral("Text16_t")), 0);
        const QList<QPair<QString, int>> dividers = {{"100", 2}, {"1", 0}, {"1000.0", 3}, {"0.01", 0},
                                                     {"-10", 1}, {"10,5", 1}, {"", 0}};
        for (const auto &divider : dividers)
            QVERIFY2(decimalsFromDivider(divider.first) == divider.second, qPrintable(divider.first));
    }

    void setAttributes_data()
    {
        QTest::addColumn<Attributes>("attributes");
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("factor");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QByteArray>("encoded");
        QTest::newRow("type is lowered") << Attributes{{"Datatype", "Text16_t"}} << 3 << 1.0 << true
                                         << QByteArray("00300000000000000000");
        QTest::newRow("unknown type kept") << Attributes{{"Datatype", "quad"}, {"Divider", "10"}} << 5 << 10.0
                                           << true << QByteArray("0000");
        QTest::newRow("default after type") << Attributes{{"Datatype", "uint16_t"}, {"Default", "12.7"}} << 5
                                            << 1.0 << true << QByteArray("000d");
        QTest::newRow("divider 0") << Attributes{{"Divider", "0"}} << 5 << 1.0 << true << QByteArray("0000");
        QTest::newRow("divider 0.5") << Attributes{{"Divider", "0.5"}} << 5 << 0.5 << true << QByteArray("0000");
        QTest::newRow("capital False stays visible") << Attributes{{"Visibility", "False"}} << 5 << 1.0 << true
                                                     << QByteArray("0000");
        QTest::newRow("false hides") << Attributes{{"Visibility", "false"}} << 5 << 1.0 << false << QByteArray("0000");
    }

    void setAttributes()
    {
        QFETCH(Attributes, attributes);
        CItem item;
        item.setType(CItem::DATA_TYPE_UINT16);
        QSignalSpy factorSpy(&item, &CItem::decimalFactorChanged);
        QCOMPARE(item.setAttributes(attributes), QTest::currentDataTag() == QByteArray("unknown type kept"));
        QTEST(int(item.type()), "type");
        QTEST(item.decimalFactor(), "factor");
        QCOMPARE(item.precision(), double(decimalsFromDivider(attributes.value("Divider"))));
        QTEST(item.isVisible(), "visible");
        QTEST(item.toByteArray().toHex(), "encoded");
        QCOMPARE(factorSpy.count(), item.decimalFactor() == 1.0 ? 0 : 1);
    }

    void setAttributesFields()
    {
        CItem item;
        item.setAttributes({{Keys::DataId, "12"}, {Keys::ReadOnly, "yes"}, {Keys::Min, "-1.5"}});
        QCOMPARE(item.id(), 12);
        QVERIFY(item.isReadOnly());
        QCOMPARE(item.minimum(), 0.0); // "Min" alone is ignored
        item.setAttributes({{Keys::Min, "-1.5"}, {Keys::Max, "x"}, {Keys::Default, "3"}});
        QCOMPARE(item.minimum(), -1.5);
        QCOMPARE(item.maximum(), 0.0);
        QCOMPARE(item.defaultValue().userType(), int(QMetaType::Float));
    }

};

QTEST_GUILESS_MAIN(TestDataTypes)
#include "tst_datatypes.moc"

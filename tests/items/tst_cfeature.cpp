#include "items/cfeature.h"

#include <QtTest>

// Feature records: kind from the name, enabled flag and typed entry values.
class TestCFeature : public QObject
{
    Q_OBJECT

    static CFeature::Entry entry(const QString &name, const QString &value)
    {
        return {{QStringLiteral("name"), name}, {QStringLiteral("Default"), value}};
    }

private slots:
    void kindAndEnabled()
    {
        CFeature feature(QStringLiteral("RTC"));
        QCOMPARE(feature.kind(), 0); // the name is only classified by setName()
        const QStringList names = {"rtc", "RTC", "Fehlerspeicher", "Firmwareupdate", "IOMapping", "Programme",
                                   "Datenlogger"};
        for (int kind = 0; kind < names.size(); ++kind) {
            feature.setName(names.at(kind));
            QCOMPARE(feature.kind(), kind);
        }
        feature.setFeatureSections({{"Base", {entry("Access", "static")}}});
        QVERIFY(feature.isEnabled());
        feature.setFeatureSections({{"Base", {entry("Enabled", "false"), entry("Enabled", "true")}}});
        QVERIFY(!feature.isEnabled());
    }

    void featureValue_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("text") << "Access" << "Base" << QVariant(QStringLiteral("dynamic"));
        QTest::newRow("list keeps empty parts") << "List" << "Base" << QVariant(QStringList({"a", "", "b"}));
        QTest::newRow("enabled") << "Enabled" << "Base" << QVariant(true);
        QTest::newRow("hex address") << "Address_RD" << "Base" << QVariant(uint(0x7000));
        QTest::newRow("first entry wins") << "FC_RD" << "Base" << QVariant(uint(3));
        QTest::newRow("other section") << "Anzahl" << "Entry" << QVariant(uint(0));
        QTest::newRow("missing entry") << "Format" << "Base" << QVariant();
    }

    void featureValue()
    {
        QFETCH(QString, name);
        QFETCH(QString, section);
        QFETCH(QVariant, expected);
        CFeature feature(QStringLiteral("Datenlogger"));
        feature.setFeatureSections({{"Base",
                                     {entry("Access", "dynamic"), entry("List", "a,,b"), entry("Enabled", "true"),
                                      entry("Address_RD", "0x7000"), entry("FC_RD", "3"), entry("FC_RD", "4")}},
                                    {"Entry", {entry("Anzahl", "n/a")}}});
        const QVariant actual = feature.featureValue(name, section);
        QCOMPARE(actual, expected);
        QCOMPARE(actual.userType(), expected.userType());
    }
};

QTEST_GUILESS_MAIN(TestCFeature)
#include "tst_cfeature.moc"

#include "items/cglobals.h"

#include <QtTest>

// Device-title helpers.
class TestCGlobals : public QObject
{
    Q_OBJECT

private slots:
    void titleRoundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("order");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("split");
        QTest::newRow("defaults") << "N" << "" << "" << "N (Parameter version: 0.00, Order number: 0)"
                                  << QStringList({"N", "0.00", "0"});
        QTest::newRow("percent not expanded") << "PV %2" << "8120" << "1.05"
                                              << "PV %2 (Parameter version: 1.05, Order number: 8120)"
                                              << QStringList({"PV %2", "1.05", "8120"});
    }

    void titleRoundTrip()
    {
        QFETCH(QString, name);
        QFETCH(QString, order);
        QFETCH(QString, version);
        QFETCH(QString, title);
        QCOMPARE(CGlobals::deviceTitle(name, order, version), title);
        QTEST(CGlobals::splitDeviceTitle(title), "split");
    }

    void truncateAtX()
    {
        QCOMPARE(CGlobals::truncateAtX(QStringLiteral("PV8120x2")), QStringLiteral("PV8120"));
        QCOMPARE(CGlobals::truncateAtX(QStringLiteral("ABXcx")), QStringLiteral("AB"));
        QCOMPARE(CGlobals::truncateAtX(QString()), QString());
    }
};

QTEST_GUILESS_MAIN(TestCGlobals)
#include "tst_cglobals.moc"

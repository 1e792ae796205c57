// Shown values identify the held value: the host's number texts in every unit
// of the device, and the rules for items without a range.
#include "cdevicesession.h"
#include "clanguagemanager.h"
#include "cparametertransfer.h"
#include "cvalueformat.h"
#include "items/citem.h"

#include <QtTest>

namespace {

double parseShown(const QString &text)
{
    return QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

} // namespace

class tst_CValueFormat : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationVersion(QStringLiteral(LOOMWORK_VERSION));
        QLocale::setDefault(CLanguageManager::locale(QStringLiteral("de")));
    }

    void text_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("factor");
        QTest::addColumn<double>("precision");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("text");
        const int f = CItem::DATA_TYPE_FLOAT;
        const int i16 = CItem::DATA_TYPE_INT16;
        QTest::newRow("own text is exact") << f << 1.0 << 0.0 << 250.0 << QVariant(200.0f) << "200";
        QTest::newRow("half in 0..25") << f << 1.0 << 0.0 << 25.0 << QVariant(0.5f) << "0,5";
        QTest::newRow("12.5 in 0..250") << f << 1.0 << 0.0 << 250.0 << QVariant(12.5f) << "12,5";
        QTest::newRow("within the tolerance") << f << 1.0 << 0.0 << 250.0 << QVariant(12.56f) << "12,6";
        QTest::newRow("psi, 20 mbar") << f << 1.0 << 0.0 << 3.6259425 << QVariant(float(20 * 0.01450377)) << "0,29";
        QTest::newRow("psi, three decimals") << f << 1.0 << 0.0 << 3.6259425 << QVariant(1.2345f) << "1,235";
        QTest::newRow("precision kept") << f << 1.0 << 2.0 << 250.0 << QVariant(7.0f) << "7,00";
        QTest::newRow("no range: exact float") << f << 1.0 << 0.0 << 0.0 << QVariant(0.29f) << "0,29";
        QTest::newRow("scaled integer") << i16 << 10.0 << 1.0 << 1000.0 << QVariant(25) << "2,5";
        QTest::newRow("integer, divider 1") << i16 << 1.0 << 0.0 << 1000.0 << QVariant(7) << "7";
        QTest::newRow("integer under a coarse divider")
            << i16 << 100.0 << 0.0 << 0.0 << QVariant(1234) << "12,34";
        QTest::newRow("version keeps its point")
            << int(CItem::DATA_TYPE_VERSION16) << 10.0 << 0.0 << 0.0 << QVariant(107) << "10.7";
    }

    void text()
    {
        QFETCH(int, type);
        QFETCH(double, factor);
        QFETCH(double, precision);
        QFETCH(double, maximum);
        QFETCH(QVariant, value);
        QFETCH(QString, text);
        CItem item;
        item.setType(CItem::ENUM_DATA_TYPES(type));
        item.setDecimalFactor(factor);
        item.setPrecision(precision);
        item.setRange(0.0, maximum);
        item.setValue(value);
        QCOMPARE(CValueFormat::text(&item), text);
        // English writes the same number with a decimal point.
        QLocale::setDefault(CLanguageManager::locale(QStringLiteral("en")));
        const bool version = type == CItem::DATA_TYPE_VERSION16;
        QCOMPARE(CValueFormat::text(&item), version ? text : QString(text).replace(',', '.'));
        QLocale::setDefault(CLanguageManager::locale(QStringLiteral("de")));
        QCOMPARE(CValueFormat::shownNumber(&item, value).toDouble(), parseShown(text));
        QVERIFY(CValueFormat::editorDecimals(&item) >= CValueFormat::decimals(&item, value));
    }

    void everyUnitReadsBack_data()
    {
        QTest::addColumn<QString>("unit");
        for (const char *unit : {"mbar", "Pa", "kPa", "inH2O", "psi"})
            QTest::newRow(unit) << QString::fromLatin1(unit);
    }

    // The limits and setpoint through the plugin's unit conversion: every
    // shown number reads back to the held value within 0.05 % of the range.
    void everyUnitReadsBack()
    {
        QFETCH(QString, unit);
        CDeviceSession session;
        QVERIFY2(session.open(QStringLiteral(LOOMWORK_DATA_DIR "/pv8120.xml"), QStringLiteral(LOOMWORK_PLUGIN_DIR)),
                 qPrintable(session.errorString()));
        CItem *units = session.parameters()->item(QStringLiteral("Einheit"));
        units->setValue(units->textList().indexOf(unit));
        emit units->valueEdited();
        const QStringList names{"GrenzwertMaxAlarm", "GrenzwertMinAlarm", "GrenzwertMaxHysterese", "Sollwert"};
        for (const QString &name : names) {
            CItem *item = session.parameters()->item(name);
            const double span = item->maximum() - item->minimum();
            QVERIFY(span > 0.0);
            for (double share : {0.0, 0.0013, 0.002, 0.05, 0.29, 0.5, 0.777, 1.0}) {
                item->setValue(float(item->minimum() + share * span));
                const QString shown = CValueFormat::text(item);
                const double error = std::fabs(parseShown(shown) - item->value().toDouble());
                QVERIFY2(error <= 0.0005 * span * (1 + 1e-9),
                         qPrintable(QStringLiteral("%1 %2 shows %3").arg(name).arg(item->value().toDouble()).arg(shown)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(tst_CValueFormat)
#include "tst_cvalueformat.moc"

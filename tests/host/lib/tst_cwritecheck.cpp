// Checks before a write: values, the device's rules on the real item tree, the device data file. Shown
// number texts identify the held value in every unit.
#include "cdevicedata.h"
#include "cdevicesession.h"
#include "citeminput.h"
#include "clanguagemanager.h"
#include "cparametertransfer.h"
#include "cvalueformat.h"
#include "cwritecheck.h"
#include "items/citem.h"

#include <QtTest>

#include <limits>

typedef QList<QPair<QString, QString>> Edits; // name, text as a user types it

class tst_CWriteCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationVersion(QStringLiteral(LOOMWORK_VERSION));
    }

    // The value text tests choose their language; the others run in the system's.
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    void valueProblem_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("problem"); // part of it; empty: none
        const int list = CItem::DATA_TYPE_LIST16;
        const int uint16 = CItem::DATA_TYPE_UINT16;
        const int f = CItem::DATA_TYPE_FLOAT;
        QTest::newRow("list entry") << list << QVariant(2) << "";
        QTest::newRow("past the list") << list << QVariant(3) << "no entry of the list (a, b, c)";
        QTest::newRow("negative list index") << list << QVariant(-1) << "no entry";
        QTest::newRow("bool") << int(CItem::DATA_TYPE_BOOL) << QVariant(2) << "neither on nor off";
        QTest::newRow("in range") << uint16 << QVariant(250) << "";
        QTest::newRow("above range") << uint16 << QVariant(251) << "outside 0 .. 250";
        QTest::newRow("beyond the register") << uint16 << QVariant(70000) << "whole numbers 0 .. 65535";
        QTest::newRow("fraction of a register") << uint16 << QVariant(2.5) << "whole numbers";
        QTest::newRow("huge") << int(CItem::DATA_TYPE_INT32) << QVariant(1e124) << "whole numbers";
        QTest::newRow("not a number") << f << QVariant(std::numeric_limits<double>::quiet_NaN()) << "not a number";
        QTest::newRow("infinite") << f << QVariant(std::numeric_limits<double>::infinity()) << "not a number";
        QTest::newRow("text") << f << QVariant("abc") << "not a number";
        QTest::newRow("float at its bound") << f << QVariant(250.0f) << "";
        QTest::newRow("long text") << int(CItem::DATA_TYPE_TEXT16) << QVariant("ABCDEFGHIJK") << "longer than 10";
    }

    void valueProblem()
    {
        QFETCH(int, type);
        QFETCH(QVariant, value);
        QFETCH(QString, problem);
        CItem item;
        item.setType(CItem::ENUM_DATA_TYPES(type));
        item.setTextList(QStringLiteral("a,b,c"));
        item.setRange(0, 250);
        const QString found = CWriteCheck::valueProblem(&item, value);
        QVERIFY2(problem.isEmpty() ? found.isEmpty() : found.contains(problem), qPrintable(found));
    }

    void deviceRules_data()
    {
        QTest::addColumn<Edits>("edits");
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<QStringList>("offending");
        QTest::addColumn<QString>("text"); // part of the first problem
        auto row = [](const char *name, const Edits &edits, const QStringList &written, const QStringList &offending,
                      const char *text = "") {
            QTest::newRow(name) << edits << written << offending << QString(text);
        };
        const QStringList max{"GrenzwertMaxAlarm"};
        row("defaults", {}, max, {});
        row("own range", {{"GrenzwertMaxAlarm", "300"}}, max, max, "outside 0 .. 250 mbar");
        row("configured range", {{"MessbereichEnde", "150"}}, max, max, "outside the configured range 0 .. 150 mbar");
        row("a written bound checks the limits", {{"MessbereichEnde", "150"}}, {"MessbereichEnde"}, max,
            "configured range");
        row("configured range in kPa", {{"Einheit", "kPa"}, {"GrenzwertMaxAlarm", "24"}}, max, {});
        row("max above min", {{"GrenzwertMinAlarm", "210"}}, {"GrenzwertMinAlarm"}, max,
            "200 mbar is not above Grenzwert Min (GrenzwertMinAlarm) (210 mbar)");
        row("table mode: display range", {{"Kennlinie", "Tabelle"}}, {"Kennlinie"}, max, "configured range 0 .. 100");
        row("table mode: rising points",
            {{"Kennlinie", "Tabelle"}, {"AnzahlStuetzstellen", "4"}, {"StuetzpunktEingang_2", "100"},
             {"StuetzpunktEingang_3", "50"}},
            {"StuetzpunktEingang_2", "StuetzpunktEingang_3"}, {"StuetzpunktEingang_3"}, "50.00 mbar is not above");
        row("points unchecked outside table mode", {{"StuetzpunktEingang_2", "100"}}, {"StuetzpunktEingang_2"}, {});
    }

    void deviceRules()
    {
        QFETCH(Edits, edits);
        QFETCH(QStringList, written);
        QFETCH(QString, text);
        CDeviceSession session;
        QVERIFY2(session.open(QStringLiteral(LOOMWORK_DATA_DIR "/pv8120.xml"), QStringLiteral(LOOMWORK_PLUGIN_DIR)),
                 qPrintable(session.errorString()));
        CParameterTransfer *parameters = session.parameters();
        for (const auto &edit : edits) {
            CItem *item = parameters->item(edit.first);
            QVariant value;
            QString error;
            // Out-of-range numbers go in as they are: they are what is checked.
            if (!CItemInput::parse(*item, edit.second, &value, &error))
                value = edit.second.toDouble();
            item->setValue(value);
            emit item->valueEdited();
        }
        QList<CItem *> items;
        for (const QString &name : written)
            items << parameters->item(name);
        const CParameterProblems problems = parameters->checkWrite(items);
        QStringList names;
        for (const CParameterProblem &problem : problems)
            names << problem.name;
        QTEST(names, "offending");
        if (!problems.isEmpty())
            QVERIFY2(problems.first().text.contains(text), qPrintable(problems.first().text));
        // A write that involves the rule's values goes to the device together.
        if (written.contains("GrenzwertMinAlarm")) {
            const CWriteCheck check(parameters->items(), session.deviceData());
            QCOMPARE(check.companions(parameters->item("GrenzwertMinAlarm")).size(), 2);
        }
    }

    void deviceDataFile_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("error"); // part of it
        auto row = [](const char *name, const QByteArray &json, const char *error) {
            QTest::newRow(name) << json << QString(error);
        };
        const QByteArray head = R"({"format": "loomwork-device-data", "version": 1)";
        row("not JSON", "<xml/>", "illegal value");
        row("another format", R"({"format": "x", "version": 1})", "not a device data file");
        row("newer version", R"({"format": "loomwork-device-data", "version": 2})", "version 2");
        row("empty order group", head + R"(, "writeOrder": [{"names": []}]})", "names no parameter");
        row("rule without bounds", head + R"(, "rules": [{"kind": "within", "items": ["A"]}]})", "rule 1 (\"within\")");
        row("unknown rule", head + R"(, "rules": [{"kind": "below", "items": ["A"]}]})", "incomplete");
        row("unknown request type", head + R"(, "statusBlock": {"requestType": "poll"}})", "request type \"poll\"");
    }

    void deviceDataFile()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, error);
        CDeviceData data;
        QString found;
        QVERIFY(!data.parse(json, &found));
        QVERIFY2(found.contains(error), qPrintable(found));
    }

    // Which plugin requests are polls: the device's status block, or without one every cyclic read.
    void polls_data()
    {
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("registers");
        QTest::addColumn<bool>("poll");
        const int cyclic = CRequest::CyclicRead;
        const int plain = CRequest::Plain;
        const QByteArray block = R"(, "statusBlock": {"address": 256, "registers": 2, "requestType": "cyclicRead"})";
        QTest::newRow("the block") << block << cyclic << 256 << 2 << true;
        QTest::newRow("part of it") << block << cyclic << 256 << 1 << true;
        QTest::newRow("more than it") << block << cyclic << 256 << 3 << false;
        QTest::newRow("elsewhere") << block << cyclic << 0x7000 << 2 << false;
        QTest::newRow("a plain read of it") << block << plain << 256 << 2 << false;
        QTest::newRow("plain reads are the polls") << QByteArray(R"(, "statusBlock": {"requestType": "plain"})")
                                                   << plain << 256 << 2 << true;
        QTest::newRow("type as a number") << QByteArray(R"(, "statusBlock": {"requestType": 5})") << cyclic << 256
                                          << 2 << true;
        QTest::newRow("no block: any cyclic read") << QByteArray() << cyclic << 0x7000 << 12 << true;
        QTest::newRow("no block: a plain read") << QByteArray() << plain << 0x7000 << 12 << false;
    }

    void polls()
    {
        QFETCH(QByteArray, block);
        QFETCH(int, type);
        QFETCH(int, address);
        QFETCH(int, registers);
        CDeviceData data;
        QString error;
        QVERIFY2(data.parse(R"({"format": "loomwork-device-data", "version": 1)" + block + "}", &error),
                 qPrintable(error));
        const CRequest request{type, 0, CRequest::ReadHoldingRegisters, quint16(address), quint16(registers), 0, 0, {}};
        QTEST(data.isPoll(request), "poll");
    }

    void writeOrder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("rank");
        QTest::addColumn<bool>("governs");
        QTest::newRow("exact") << "Einheit" << 0 << true;
        QTest::newRow("prefix") << "StuetzpunktEingang_17" << 4 << false;
        QTest::newRow("anything else") << "Daempfung" << 6 << false;
        QTest::newRow("exact beats the catch-all") << "Baudrate" << 7 << false;
    }

    void writeOrder()
    {
        QFETCH(QString, name);
        CDeviceData data;
        QString error;
        QVERIFY2(data.load(CDeviceData::fileFor(QStringLiteral(LOOMWORK_DATA_DIR "/pv8120.xml")), &error),
                 qPrintable(error));
        QTEST(data.rank(name), "rank");
        QTEST(data.governs(name), "governs");
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
        QLocale::setDefault(CLanguageManager::locale(QStringLiteral("de")));
        CItem item;
        item.setType(CItem::ENUM_DATA_TYPES(type));
        item.setDecimalFactor(factor);
        item.setPrecision(precision);
        item.setRange(0.0, maximum);
        item.setValue(value);
        QCOMPARE(CValueFormat::text(&item), text);
        // English writes the same number with a decimal point.
        QLocale::setDefault(CLanguageManager::locale(QStringLiteral("en")));
        const QString english = type == CItem::DATA_TYPE_VERSION16 ? text : QString(text).replace(',', '.');
        QCOMPARE(CValueFormat::text(&item), english);
        QCOMPARE(CValueFormat::shownNumber(&item, value).toDouble(), english.toDouble());
        QVERIFY(CValueFormat::editorDecimals(&item) >= CValueFormat::decimals(&item, value));
    }

    void everyUnitReadsBack_data()
    {
        QTest::addColumn<QString>("unit");
        for (const char *unit : {"mbar", "Pa", "kPa", "inH2O", "psi"})
            QTest::newRow(unit) << QString::fromLatin1(unit);
    }

    // Limits and setpoint in every unit: each shown number reads back to the held value within 0.05 % of the range.
    void everyUnitReadsBack()
    {
        QFETCH(QString, unit);
        QLocale::setDefault(CLanguageManager::locale(QStringLiteral("en")));
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
                const double error = std::fabs(shown.toDouble() - item->value().toDouble());
                QVERIFY2(error <= 0.0005 * span * (1 + 1e-9),
                         qPrintable(QStringLiteral("%1 %2 shows %3").arg(name).arg(item->value().toDouble()).arg(shown)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(tst_CWriteCheck)
#include "tst_cwritecheck.moc"

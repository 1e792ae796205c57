// Parameter sets restore exactly: saved on one simulated device in every unit
// and characteristic, restored onto a fresh one through the whole host path;
// sets with problems are refused naming each offending entry.
#include "cparameterset.h"
#include "csetrestore.h"
#include "description/cparameterdescription.h"
#include "device/pv8120units.h"
#include "simrig.h"

#include <QTemporaryDir>

namespace {

const QString OrderNumber = QStringLiteral("8120-0001");

void edit(CParameterTransfer *parameters, const QString &name, const QVariant &value)
{
    CItem *item = parameters->item(name);
    QVERIFY2(item, qPrintable(name));
    item->setValue(value);
    emit item->valueEdited();
}

// The values a user sets up: non-default, in the unit and range in force,
// with digits beyond the description's decimals.
void configure(CParameterTransfer *parameters, int unit, int characteristic)
{
    edit(parameters, "Einheit", unit);
    edit(parameters, "Kennlinie", characteristic);
    const double pressureEnd = 250.0 * Pv8120::units().at(unit).factor;
    double low = 0.0;
    double high = pressureEnd;
    if (characteristic != 0) {
        edit(parameters, "AnzeigewertAnfang", 10.0);
        edit(parameters, "AnzeigewertEnde", 80.0);
        low = 10.0;
        high = 80.0;
    }
    if (characteristic == 2) {
        edit(parameters, "AnzahlStuetzstellen", 4);
        edit(parameters, "StuetzpunktEingang_2", 6012);
        edit(parameters, "StuetzpunktEingang_3", 17550);
        edit(parameters, "StuetzpunktAusganginProzent_2", 333);
        edit(parameters, "StuetzpunktAusganginProzent_3", 712);
    }
    const double span = high - low;
    edit(parameters, "GrenzwertMaxAlarm", low + 0.8317 * span);
    edit(parameters, "GrenzwertMinAlarm", low + 0.1713 * span);
    // The plugin bounds the hysteresis like the limits.
    edit(parameters, "GrenzwertMaxHysterese", low + 0.0137 * span);
    edit(parameters, "GrenzwertMinHysterese", low + 0.0211 * span);
    edit(parameters, "Sollwert", 0.5029 * pressureEnd);
    edit(parameters, "Daempfung", 37);
    edit(parameters, "Relaisfunktion", 3);
}

} // namespace

class tst_CSetRestore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationVersion(QStringLiteral(LOOMWORK_VERSION));
        CParameterDescription description;
        QVERIFY(description.loadHeader(QStringLiteral(LOOMWORK_DATA_DIR "/pv8120.xml")));
        QCOMPARE(description.header().orderNumber, OrderNumber);
    }

    void roundTripThroughTheDevice_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("characteristic");
        const QStringList units{"mbar", "Pa", "kPa", "inH2O", "psi"};
        const QStringList characteristics{"linear", "square root", "table"};
        for (int unit = 0; unit < units.size(); ++unit) {
            for (int characteristic = 0; characteristic < characteristics.size(); ++characteristic)
                QTest::addRow("%s, %s", qPrintable(units.at(unit)), qPrintable(characteristics.at(characteristic)))
                    << unit << characteristic;
        }
    }

    // Saved from one device and restored onto a fresh one (mbar, linear),
    // the second device ends up with the very same registers.
    void roundTripThroughTheDevice()
    {
        QFETCH(int, unit);
        QFETCH(int, characteristic);
        Rig source;
        QVERIFY(source.start({}));
        CParameterTransfer *from = source.session.parameters();
        QVERIFY(source.transfer([&]() { from->readAll(); }));
        configure(from, unit, characteristic);
        QVERIFY2(from->checkWrite(from->modifiedItems()).isEmpty(),
                 qPrintable(from->checkWrite(from->modifiedItems()).value(0).text));
        QVERIFY(source.transfer([&]() { from->writeModified(); }));
        QVERIFY(from->modifiedItems().isEmpty());
        CParameterSet saved = CParameterSet::fromItems(source.session.root());
        saved.orderNumber = OrderNumber;
        const QString file = m_dir.filePath(QStringLiteral("set-%1-%2.json").arg(unit).arg(characteristic));
        QVERIFY(saved.save(file));

        Rig target;
        QVERIFY(target.start({}));
        CParameterTransfer *to = target.session.parameters();
        QVERIFY(target.transfer([&]() { to->readAll(); }));
        CParameterSet loaded;
        QVERIFY(loaded.load(file));
        const CSetRestore restore(target.session.root(), to, OrderNumber);
        const CParameterProblems problems = restore.check(loaded);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.value(0).text));
        restore.apply(loaded);
        QVERIFY(target.transfer([&]() { to->writeModified(); }));
        for (CItem *item : to->items()) {
            if (CParameterTransfer::isWritable(item))
                QVERIFY2(target.device(item) == source.device(from->item(item->objectName())),
                         qPrintable(item->objectName()));
        }
        QVERIFY(target.transfer([&]() { to->readAll(); }));
        for (const CParameterSet::Difference &row : restore.compare(loaded))
            QVERIFY2(!row.differs || !row.writable, qPrintable(row.name + ": " + row.fileText + " / " + row.deviceText));
    }

    void problemsAreNamed_data()
    {
        QTest::addColumn<QVariantMap>("entries"); // replaced in a set of the defaults
        QTest::addColumn<QString>("orderNumber");
        QTest::addColumn<QStringList>("offending");
        QTest::addColumn<bool>("restUsable");
        QTest::addColumn<QString>("text"); // part of the first problem
        QTest::newRow("fine") << QVariantMap{{"Sollwert", 120.5}} << OrderNumber << QStringList() << true << "";
        QTest::newRow("another model") << QVariantMap() << "8130-0001" << QStringList{""} << false << "8130-0001";
        QTest::newRow("unknown name") << QVariantMap{{"Nichts", 1}} << OrderNumber << QStringList{"Nichts"} << true
                                      << "no such parameter";
        QTest::newRow("out of range") << QVariantMap{{"GrenzwertMaxAlarm", 99999}} << OrderNumber
                                      << QStringList{"GrenzwertMaxAlarm"} << true << "99999 mbar is outside 0 .. 250";
        QTest::newRow("huge number") << QVariantMap{{"Daempfung", 1e124}} << OrderNumber << QStringList{"Daempfung"}
                                     << true << "cannot be held";
        QTest::newRow("text for a number") << QVariantMap{{"Sollwert", "abc"}} << OrderNumber
                                           << QStringList{"Sollwert"} << true << "\"abc\" is not a number";
        QTest::newRow("not in the list") << QVariantMap{{"Einheit", 9}} << OrderNumber << QStringList{"Einheit"}
                                         << false << "no entry of the list";
        QTest::newRow("max below min") << QVariantMap{{"GrenzwertMaxAlarm", 10}, {"GrenzwertMinAlarm", 20}}
                                       << OrderNumber << QStringList{"GrenzwertMaxAlarm"} << true << "not above";
        QTest::newRow("falling points")
            << QVariantMap{{"Kennlinie", 2}, {"AnzahlStuetzstellen", 4}, {"StuetzpunktEingang_2", 20000},
                           {"StuetzpunktEingang_3", 10000}, {"GrenzwertMaxAlarm", 80}}
            << OrderNumber << QStringList{"StuetzpunktEingang_3"} << true << "not above";
    }

    // The tree is left as it was; what the problems name stays out of the
    // rest when that is applied.
    void problemsAreNamed()
    {
        QFETCH(QVariantMap, entries);
        QFETCH(QString, orderNumber);
        QFETCH(bool, restUsable);
        QFETCH(QString, text);
        CDeviceSession session;
        QVERIFY(session.open(QStringLiteral(LOOMWORK_DATA_DIR "/pv8120.xml"), QStringLiteral(LOOMWORK_PLUGIN_DIR)));
        CParameterSet set = CParameterSet::fromItems(session.root());
        set.orderNumber = orderNumber;
        for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
            auto entry = std::find_if(set.values.begin(), set.values.end(),
                                      [&](const QPair<QString, QVariant> &value) { return value.first == it.key(); });
            if (entry == set.values.end())
                set.values.append({it.key(), it.value()});
            else
                entry->second = it.value();
        }
        const CParameterSet before = CParameterSet::fromItems(session.root());
        const CSetRestore restore(session.root(), session.parameters(), OrderNumber);
        const CParameterProblems problems = restore.check(set);
        QStringList names;
        for (const CParameterProblem &problem : problems)
            names << problem.name;
        QTEST(names, "offending");
        QCOMPARE(CSetRestore::restIsUsable(problems), restUsable);
        if (!problems.isEmpty())
            QVERIFY2(problems.first().text.contains(text), qPrintable(problems.first().text));
        const CParameterSet after = CParameterSet::fromItems(session.root());
        QCOMPARE(after.values, before.values);
        if (restUsable) {
            restore.apply(set, CSetRestore::names(problems));
            for (const QString &name : CSetRestore::names(problems)) {
                if (const CItem *item = session.parameters()->item(name))
                    QCOMPARE(item->value(), before.value(name));
            }
        }
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(tst_CSetRestore)
#include "tst_csetrestore.moc"

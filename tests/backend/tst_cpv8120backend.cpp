#include "backend/cpv8120backend.h"
#include "ctesthosttree.h"
#include "ctestmodbusmaster.h"
#include "ctestparameter.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

// Moves object to the front of its parent's children, so lookups meet it first.
void moveToFront(QObject *object)
{
    QObject *parent = object->parent();
    const QObjectList children = parent->children();
    for (QObject *child : children) {
        if (child != object) {
            child->setParent(nullptr);
            child->setParent(parent);
        }
    }
}

struct Device
{
    explicit Device(bool bind = true) : backend(new CPV8120Backend(tree.root()))
    {
        if (bind)
            backend->bindItems();
    }
    CItem *item(const QString &name) const { return tree.item(name); }
    void select(const QString &name, const QString &text) const
    {
        QVERIFY2(CTestHostTree::selectText(item(name), text), qPrintable(name + ": " + text));
    }
    void editUnit(const QString &text) const
    {
        select(QStringLiteral("Einheit"), text);
        emit item(QStringLiteral("Einheit"))->valueEdited();
    }

    CTestHostTree tree;
    CPV8120Backend *backend;
};

QString inputPoint(int i)
{
    return QStringLiteral("StuetzpunktEingang_%1").arg(i);
}

QString outputPoint(int i)
{
    return QStringLiteral("StuetzpunktAusganginProzent_%1").arg(i);
}

typedef QPair<double, double> Range;

Range rangeOf(const CItem *item)
{
    return {item->minimum(), item->maximum()};
}

} // namespace

class TestBackend : public QObject
{
    Q_OBJECT

private slots:
    void binding_data();
    void binding();
    void bindingWithoutItems();
    void bindsOnlyFirstOfSimilarNames();
    void characteristicRunsSlotsInOrder();
    void constructionOrder_data();
    void constructionOrder();
    void unitEditConverts_data();
    void unitEditConverts();
    void transferConvertsRangesOnly();
    void deviceType_data();
    void deviceType();
    void foreignFirstMatchCountsAsAbsent();
    void measuringRange_data();
    void measuringRange();
    void pointLayout_data();
    void pointLayout();
    void rangeEndRepinsLastPoint();
    void visibility_data();
    void visibility();
    void limits_data();
    void limits();
};

// ---- binding

void TestBackend::binding_data()
{
    QTest::addColumn<QString>("sender");
    QTest::addColumn<QString>("signal");
    QTest::addColumn<QString>("receiver");
    QTest::addColumn<QString>("slot");
    QTest::addColumn<bool>("connected");
    const QString b = QStringLiteral("PV 8120_Backend");
    const char *changed = "2valueChanged(QVariant)";
    const char *shown = "2visibleChanged(bool)";
    const struct { const char *item; const char *signal; const char *slot; } rows[] = {
        {"Einheit", changed, "1setUnits(QVariant)"},
        {"Einheit", "2valueEdited()", "1setCurrentValues()"},
        {"Typ", changed, "1setDeviceType()"},
        {"Kennlinie", changed, "1setUnits()"},
        {"Kennlinie", changed, "1setVisibility(QVariant)"},
        {"Kennlinie", changed, "1setStuetzpunktVisibility(QVariant)"},
        {"Kennlinie", changed, "1setGrenzwertLimits()"},
        {"Kennlinie", changed, "1setSchleichLimits()"},
        {"MessbereichMin", changed, "1messbereichChanged()"},
        {"MessbereichMax", changed, "1messbereichChanged()"},
        {"AnzahlStuetzstellen", changed, "1recalcStuetzpunkte()"},
        {"AnzahlStuetzstellen", shown, "1recalcStuetzpunkte()"},
        {"AnzeigewertAnfang", changed, "1setGrenzwertLimits()"},
        {"AnzeigewertAnfang", changed, "1setSchleichLimits()"},
        {"AnzeigewertEnde", changed, "1setGrenzwertLimits()"},
        {"AnzeigewertEnde", changed, "1setSchleichLimits()"},
        {"MessbereichAnfang", changed, "1recalcStuetzpunkte()"},
        {"MessbereichEnde", changed, "1recalcStuetzpunkte()"},
        {"Schleichmengenfunktion", changed, "1setSchleichVisibility()"},
        {"Schleichmengenfunktion", shown, "1setSchleichVisibility()"},
    };
    for (const auto &row : rows) {
        QTest::addRow("%s %s %s", row.item, row.signal + 1, row.slot + 1)
            << row.item << row.signal << b << row.slot << true;
    }
    QTest::newRow("Parameter") << "Parameter" << "2dataFinished(QByteArray)" << b << "1recalcValues()" << true;
    QTest::newRow("request") << b << "2buildRequest(CRequest)" << "ModbusMaster" << "1buildRequest(CRequest)"
                             << true;
    QTest::newRow("response") << "ModbusMaster" << "2dataResponse(QByteArray)" << b
                              << "1decodeData(QByteArray)" << true;
    QTest::newRow("Typ shown") << "Typ" << shown << b << "1setDeviceType()" << false;
    QTest::newRow("reorganize") << "Einheit" << changed << b << "1reorganizeUnits()" << false;
}

void TestBackend::binding()
{
    QFETCH(QString, sender);
    QFETCH(QString, signal);
    QFETCH(QString, receiver);
    QFETCH(QString, slot);
    QFETCH(bool, connected);
    Device device;
    QObject *from = device.tree.root()->findChild<QObject *>(sender);
    QObject *to = device.tree.root()->findChild<QObject *>(receiver);
    QVERIFY(from && to);
    // disconnect() reports whether the connection existed.
    QCOMPARE(QObject::disconnect(from, signal.toLatin1(), to, slot.toLatin1()), connected);
}

void TestBackend::bindingWithoutItems()
{
    QObject root;
    auto *master = new CTestModbusMaster(&root);
    auto *backend = new CPV8120Backend(&root);
    backend->bindItems();
    QVERIFY(QObject::disconnect(backend, SIGNAL(buildRequest(CRequest)), master, SLOT(buildRequest(CRequest))));
    QVERIFY(QObject::disconnect(master, SIGNAL(dataResponse(QByteArray)), backend, SLOT(decodeData(QByteArray))));
    QCOMPARE(backend->objectName(), QStringLiteral("PV 8120_Backend"));
}

void TestBackend::bindsOnlyFirstOfSimilarNames()
{
    Device device(false);
    CItem *shadow = CTestHostTree::addList(device.tree.root(), QStringLiteral("EinheitAnzeige"),
                                          QStringLiteral("mbar,Pa"), 0);
    moveToFront(shadow);
    device.backend->bindItems();
    CItem *unit = device.item(QStringLiteral("Einheit"));
    QVERIFY(QObject::disconnect(shadow, SIGNAL(valueChanged(QVariant)), device.backend, SLOT(setUnits(QVariant))));
    QVERIFY(!QObject::disconnect(unit, SIGNAL(valueChanged(QVariant)), device.backend, SLOT(setUnits(QVariant))));
}

void TestBackend::characteristicRunsSlotsInOrder()
{
    Device device;
    QStringList log;
    QObject::connect(device.item("Sollwert"), &CItem::unitChanged, [&log] { log << "setUnits"; });
    QObject::connect(device.item("AnzeigewertAnfang"), &CItem::visibleChanged, [&log] { log << "setVisibility"; });
    QObject::connect(device.item("StuetzpunktEingang_1"), &CItem::visibleChanged,
                     [&log] { log << "setStuetzpunktVisibility"; });
    device.select("Kennlinie", "Tabelle");
    QCOMPARE(log, QStringList({"setUnits", "setVisibility", "setStuetzpunktVisibility"}));
}

void TestBackend::constructionOrder_data()
{
    QTest::addColumn<QString>("characteristic");
    QTest::addColumn<Range>("limits");
    QTest::addColumn<bool>("allPointsShown");
    // The factor is read before the limits are set: sensor 0..25 mbar in Pa.
    QTest::newRow("linear") << "linear" << Range(0, 2500) << false;
    // Points are laid out before the characteristic shows all 30 of them; the
    // count item's visibility signal is not connected yet.
    QTest::newRow("table") << "Tabelle" << Range(0, 100) << true;
}

void TestBackend::constructionOrder()
{
    QFETCH(QString, characteristic);
    QFETCH(Range, limits);
    QFETCH(bool, allPointsShown);
    CTestHostTree tree;
    CTestHostTree::selectText(tree.item("Einheit"), "Pa");
    CTestHostTree::selectText(tree.item("Kennlinie"), characteristic);
    tree.item("AnzahlStuetzstellen")->setValue(4);
    tree.item("MessbereichEnde")->setValue(20.0);
    new CPV8120Backend(tree.root());
    QCOMPARE(rangeOf(tree.item("GrenzwertMaxAlarm")), limits);
    QCOMPARE(tree.item(inputPoint(30))->isVisible(), allPointsShown);
    QCOMPARE(tree.item(inputPoint(4))->value().toDouble(), 200.0); // laid out while the count was shown
}

// ---- units

void TestBackend::unitEditConverts_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<double>("factor");
    QTest::newRow("Pa") << "Pa" << 100.0;
    QTest::newRow("kPa") << "kPa" << 0.1;
    QTest::newRow("inH2O") << "inH2O" << 0.401463133;
    QTest::newRow("psi") << "psi" << 0.01450377;
    QTest::newRow("mbar") << "mbar" << 1.0;
    QTest::newRow("unknown unit keeps the factor") << "bar" << 1.0;
}

void TestBackend::unitEditConverts()
{
    QFETCH(QString, unit);
    QFETCH(double, factor);
    Device device;
    device.item("Einheit")->setTextList("mbar,Pa,kPa,inH2O,psi,bar");
    const QStringList dependents = {"GrenzwertMaxAlarm", "GrenzwertMinAlarm", "GrenzwertMaxHysterese",
                                    "GrenzwertMinHysterese", "Sollwert"};
    for (const QString &name : dependents) {
        device.item(name)->setRange(0, 1000);
        device.item(name)->setValue(250.0);
    }
    device.editUnit(unit);
    for (const QString &name : dependents) {
        CItem *item = device.item(name);
        QVERIFY2(qFuzzyCompare(item->maximum(), 1000 * factor), qPrintable(name));
        QCOMPARE(item->minimum(), 0.0);
        QVERIFY(qFuzzyCompare(item->value().toDouble(), 250 * factor));
        QCOMPARE(item->value().userType(), int(QMetaType::Double));
    }
    device.editUnit("mbar");
    QVERIFY(qFuzzyCompare(device.item("Sollwert")->maximum(), 1000.0));
    QVERIFY(qFuzzyCompare(device.item("Sollwert")->value().toDouble(), 250.0));
}

void TestBackend::transferConvertsRangesOnly()
{
    Device device;
    CItem *limit = device.item("GrenzwertMaxAlarm");
    limit->setRange(0, 1000);
    limit->setValue(250.0);
    device.select("Einheit", "psi"); // read from the device: no edit signal
    device.tree.parameter()->finishTransfer();
    QVERIFY(qFuzzyCompare(limit->maximum(), 1000 * 0.01450377));
    QCOMPARE(limit->value().toDouble(), 250.0);
}

// ---- device type and measuring range

void TestBackend::deviceType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("keysShown");
    QTest::newRow("0") << 0 << false;
    QTest::newRow("2") << 2 << false;
    QTest::newRow("3") << 3 << true;
    QTest::newRow("9") << 9 << true;
    QTest::newRow("negative compares unsigned") << -1 << true;
}

void TestBackend::deviceType()
{
    QFETCH(int, type);
    QFETCH(bool, keysShown);
    Device device;
    device.item("Typ")->setValue(type == 0 ? 1 : 0);
    QSignalSpy spy(device.backend, &CPV8120Backend::displayType);
    device.item("Typ")->setValue(type);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), type);
    QCOMPARE(device.item("Tasten")->isVisible(), keysShown);
}

void TestBackend::foreignFirstMatchCountsAsAbsent()
{
    Device device(false);
    QObject *foreign = new QObject(device.tree.root());
    foreign->setObjectName(QStringLiteral("Typ_Label"));
    moveToFront(foreign);
    QSignalSpy spy(device.backend, &CPV8120Backend::displayType);
    QVERIFY(QMetaObject::invokeMethod(device.backend, "setDeviceType"));
    QCOMPARE(spy.count(), 0);
}

void TestBackend::measuringRange_data()
{
    QTest::addColumn<QString>("firstPoint"); // what answers the name of point 1
    QTest::addColumn<double>("pointFactor");
    QTest::newRow("point item") << "item" << 10.0;
    QTest::newRow("foreign object") << "foreign" << 100.0;
    QTest::newRow("nothing") << "none" << 0.0;
}

void TestBackend::measuringRange()
{
    QFETCH(QString, firstPoint);
    QFETCH(double, pointFactor);
    Device device;
    CItem *point = device.item(inputPoint(5));
    point->setRange(-1, -1);
    if (firstPoint == "foreign") {
        auto *foreign = new QObject(device.tree.root());
        foreign->setObjectName(QStringLiteral("StuetzpunktEingang_1_Label"));
        moveToFront(foreign);
    } else if (firstPoint == "none") {
        point->setParent(device.tree.root());
        delete device.tree.root()->findChild<QObject *>("Group_Points");
        point->setObjectName("Point_5");
    }
    device.item("MessbereichMax")->setValue(5);
    device.item("MessbereichMin")->setValue(10);
    for (const char *name : {"Offset", "MessbereichAnfang", "MessbereichEnde"})
        QCOMPARE(rangeOf(device.item(name)), Range(10, 5));
    const Range expected = pointFactor > 0 ? Range(10 * pointFactor, 5 * pointFactor) : Range(-1, -1);
    QCOMPARE(rangeOf(point), expected);
}

// ---- interpolation points

void TestBackend::pointLayout_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("4") << 4;
    QTest::newRow("2") << 2;
    QTest::newRow("1: first is last") << 1;
    QTest::newRow("30") << 30;
    QTest::newRow("0: all hidden") << 0;
    QTest::newRow("31: no last point") << 31;
}

void TestBackend::pointLayout()
{
    QFETCH(int, count);
    Device device;
    device.item("MessbereichEnde")->setValue(500.0);
    device.item("MessbereichAnfang")->setValue(20.0);
    device.select("Kennlinie", "Tabelle");
    device.item("AnzahlStuetzstellen")->setValue(31); // every point editable but the first
    for (int i = 2; i <= 30; ++i) {
        device.item(inputPoint(i))->setValue(1000 + i);
        device.item(outputPoint(i))->setValue(100 + i);
    }
    device.item("AnzahlStuetzstellen")->setValue(count);

    for (int i = 1; i <= 30; ++i) {
        const CItem *in = device.item(inputPoint(i));
        const CItem *out = device.item(outputPoint(i));
        const QByteArray where = QByteArray::number(i);
        const bool inner = i > 1 && i < count;
        QCOMPARE(in->isVisible(), i <= count);
        QCOMPARE(out->isVisible(), i <= count);
        QVERIFY2(in->isReadOnly() == !inner && out->isReadOnly() == !inner, where);
        double inValue = 1000 + i;
        double outValue = 100 + i;
        if (i == count) {
            inValue = 5000;
            outValue = 1000;
        } else if (i > count) {
            inValue = outValue = 0;
        } else if (i == 1) {
            inValue = 200;
            outValue = 0;
        }
        QVERIFY2(in->value().toDouble() == inValue, where);
        QVERIFY2(out->value().toDouble() == outValue, where);
    }
}

void TestBackend::rangeEndRepinsLastPoint()
{
    Device device;
    device.select("Kennlinie", "Tabelle");
    device.item("AnzahlStuetzstellen")->setValue(6);
    device.item("MessbereichEnde")->setValue(12.5);
    QCOMPARE(device.item(inputPoint(6))->value().toDouble(), 125.0);
    device.select("Kennlinie", "linear");
    device.item("MessbereichEnde")->setValue(20.0);
    QCOMPARE(device.item(inputPoint(6))->value().toDouble(), 125.0);
}

// ---- visibility and limits

void TestBackend::visibility_data()
{
    QTest::addColumn<QString>("characteristic");
    QTest::addColumn<QString>("creep");
    QTest::addColumn<QString>("unit"); // of the unit-dependent items ("Einheit" is kPa)
    // unit, display range, creep function, creep threshold, points, count
    QTest::addColumn<QList<bool>>("shown");
    QTest::newRow("linear") << "linear" << "Sprung" << "kPa" << QList<bool>{1, 0, 0, 0, 0, 0};
    QTest::newRow("root, creep off") << "radiziert" << "keine" << "" << QList<bool>{0, 1, 1, 0, 0, 0};
    QTest::newRow("root, creep on") << "radiziert" << "Sprung" << "" << QList<bool>{0, 1, 1, 1, 0, 0};
    QTest::newRow("table") << "Tabelle" << "linear" << "" << QList<bool>{0, 1, 0, 0, 1, 1};
}

void TestBackend::visibility()
{
    QFETCH(QString, characteristic);
    QFETCH(QString, creep);
    QFETCH(QString, unit);
    QFETCH(QList<bool>, shown);
    Device device;
    device.select("Einheit", "kPa");
    device.select("Kennlinie", "Tabelle");
    device.select("Kennlinie", "radiziert");
    device.select("Schleichmengenfunktion", creep);
    device.select("Kennlinie", characteristic);
    QCOMPARE(device.item("Einheit")->isVisible(), shown.at(0));
    QCOMPARE(device.item("AnzeigewertAnfang")->isVisible(), shown.at(1));
    QCOMPARE(device.item("AnzeigewertEnde")->isVisible(), shown.at(1));
    QCOMPARE(device.item("Schleichmengenfunktion")->isVisible(), shown.at(2));
    QCOMPARE(device.item("SchleichmengeSchwelle")->isVisible(), shown.at(3));
    QCOMPARE(device.item(inputPoint(1))->isVisible(), shown.at(4));
    QCOMPARE(device.item(outputPoint(2))->isVisible(), shown.at(4));
    QVERIFY(!device.item(inputPoint(30))->isVisible()); // hidden by the characteristic or the count
    QCOMPARE(device.item("AnzahlStuetzstellen")->isVisible(), shown.at(5));
    for (const char *name : {"GrenzwertMaxAlarm", "GrenzwertMinHysterese", "Sollwert"})
        QCOMPARE(device.item(name)->unit(), unit);
}

void TestBackend::limits_data()
{
    QTest::addColumn<QString>("characteristic");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<Range>("display");
    QTest::addColumn<Range>("limits");
    QTest::addColumn<Range>("creep");
    QTest::newRow("linear Pa") << "linear" << "Pa" << Range(100, 20) << Range(0, 2500) << Range(20, 100);
    QTest::newRow("linear mbar") << "linear" << "mbar" << Range(0, 50) << Range(0, 25) << Range(0, 50);
    QTest::newRow("root") << "radiziert" << "Pa" << Range(100, 20) << Range(20, 100) << Range(20, 100);
    QTest::newRow("table equal") << "Tabelle" << "mbar" << Range(7, 7) << Range(7, 7) << Range(7, 7);
}

void TestBackend::limits()
{
    QFETCH(QString, characteristic);
    QFETCH(QString, unit);
    QFETCH(Range, display);
    QFETCH(Range, limits);
    QFETCH(Range, creep);
    Device device;
    device.editUnit(unit);
    device.select("Kennlinie", characteristic);
    device.item("AnzeigewertAnfang")->setValue(display.first);
    device.item("AnzeigewertEnde")->setValue(display.second);
    device.item("MessbereichMax")->setValue(0);
    device.item("MessbereichMax")->setValue(25);
    for (const char *name : {"GrenzwertMaxAlarm", "GrenzwertMaxHysterese", "GrenzwertMinAlarm", "GrenzwertMinHysterese"})
        QCOMPARE(rangeOf(device.item(name)), limits);
    QCOMPARE(rangeOf(device.item("SchleichmengeSchwelle")), creep);
}

QTEST_MAIN(TestBackend)
#include "tst_cpv8120backend.moc"

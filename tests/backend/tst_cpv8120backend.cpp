#include "backend/cobjectindex.h"
#include "backend/cpv8120backend.h"
#include "ctesthosttree.h"
#include "ctestmodbusmaster.h"
#include "ctestparameter.h"
#include "device/pv8120constants.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

struct Device
{
    Device() : backend(new CPV8120Backend(tree.root()))
    {
        backend->bindItems();
        QObject::connect(backend, &CPV8120Backend::displayLed, [this](int led) { shown << QString::number(led); });
        QObject::connect(backend, &CPV8120Backend::displayText, [this](const QString &text) { shown << text; });
    }
    CItem *item(const QString &name) const { return tree.item(name); }
    void select(const QString &name, const QString &text) const
    {
        QVERIFY2(CTestHostTree::selectText(item(name), text), qPrintable(name + ": " + text));
    }
    void set(const char *name, const QVariant &value) const { item(QString::fromLatin1(name))->setValue(value); }
    void editUnit(const QString &text) const
    {
        select(QStringLiteral("Einheit"), text);
        emit item(QStringLiteral("Einheit"))->valueEdited();
    }
    // One display refresh, as the display timer would trigger it.
    void tick() { QVERIFY(QMetaObject::invokeMethod(backend, "setDisplay")); }

    CTestHostTree tree;
    CPV8120Backend *backend;
    QStringList shown; // LED code and text of every refresh, in emission order
};

QString inputPoint(int i) { return QStringLiteral("StuetzpunktEingang_%1").arg(i); }
QString outputPoint(int i) { return QStringLiteral("StuetzpunktAusganginProzent_%1").arg(i); }

typedef QPair<double, double> Range;

Range rangeOf(const CItem *item) { return {item->minimum(), item->maximum()}; }

QObject *named(QObject *parent, const QString &name)
{
    auto *object = new QObject(parent);
    object->setObjectName(name);
    return object;
}

// What a fresh walk over the live tree answers.
QObject *reference(const QObject *root, const QString &pattern)
{
    return root->findChildren<QObject *>(QRegularExpression(pattern)).value(0);
}

QObject *child(QObject *root, const char *name) { return root->findChild<QObject *>(QString::fromLatin1(name)); }

void renameUnseen(QObject *object, const char *name)
{
    const QSignalBlocker blocker(object);
    object->setObjectName(QString::fromLatin1(name));
}

typedef std::function<void(QObject *root)> Mutation;

// A host's event filter that keeps child events from filters installed before it; it is outside the tree.
class ChildEventEater : public QObject
{
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        return event->type() == QEvent::ChildAdded || event->type() == QEvent::ChildRemoved;
    }
};

void swallowChildEvents(const QList<QObject *> &objects)
{
    static ChildEventEater eater;
    for (QObject *object : objects)
        object->installEventFilter(&eater);
}

} // namespace

Q_DECLARE_METATYPE(Mutation)

class TestBackend : public QObject
{
    Q_OBJECT

private slots:
    void characteristicRunsSlotsInOrder()
    {
        Device device;
        QStringList log;
        QObject::connect(device.item("Sollwert"), &CItem::unitChanged, [&log] { log << "setUnits"; });
        QObject::connect(device.item("AnzeigewertAnfang"), &CItem::visibleChanged, [&log] { log << "setVisibility"; });
        QObject::connect(device.item(inputPoint(1)), &CItem::visibleChanged, [&log] { log << "points"; });
        device.select("Kennlinie", "Tabelle");
        QCOMPARE(log, QStringList({"setUnits", "setVisibility", "points"}));
    }

    // Construction runs the slots once: the factor is read before the limits are set (sensor
    // 0..25 mbar in Pa), and points are laid out before the characteristic shows all 30 of them.
    void constructionOrder_data()
    {
        QTest::addColumn<QString>("characteristic");
        QTest::addColumn<Range>("limits");
        QTest::addColumn<bool>("allPointsShown");
        QTest::newRow("linear") << "linear" << Range(0, 2500) << false;
        QTest::newRow("table") << "Tabelle" << Range(0, 100) << true;
    }

    void constructionOrder()
    {
        QFETCH(QString, characteristic);
        CTestHostTree tree;
        CTestHostTree::selectText(tree.item("Einheit"), "Pa");
        CTestHostTree::selectText(tree.item("Kennlinie"), characteristic);
        tree.item("AnzahlStuetzstellen")->setValue(4);
        tree.item("MessbereichEnde")->setValue(20.0);
        new CPV8120Backend(tree.root());
        QTEST(rangeOf(tree.item("GrenzwertMaxAlarm")), "limits");
        QTEST(tree.item(inputPoint(30))->isVisible(), "allPointsShown");
        QCOMPARE(tree.item(inputPoint(4))->value().toDouble(), 200.0); // laid out while the count was shown
    }

    void unitEditConverts_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<double>("factor");
        QTest::newRow("Pa") << "Pa" << 100.0;
        QTest::newRow("kPa") << "kPa" << 0.1;
        QTest::newRow("unknown unit keeps the factor") << "bar" << 1.0;
    }

    // An edit converts values and ranges there and back; a transfer from the device converts ranges only.
    void unitEditConverts()
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
            QVERIFY2(qFuzzyCompare(item->maximum(), 1000 * factor) && item->minimum() == 0, qPrintable(name));
            QVERIFY(qFuzzyCompare(item->value().toDouble(), 250 * factor));
            QCOMPARE(item->value().userType(), int(QMetaType::Double));
        }
        device.editUnit("mbar");
        device.select("Einheit", unit); // read from the device: no edit signal
        device.tree.parameter()->finishTransfer();
        QVERIFY(qFuzzyCompare(device.item("Sollwert")->maximum(), 1000 * factor));
        QCOMPARE(device.item("Sollwert")->value().toDouble(), 250.0);
    }

    // Types 0..2 hide the keys; the type compares unsigned.
    void deviceType()
    {
        Device device;
        device.set("Typ", 7);
        QSignalSpy spy(device.backend, &CPV8120Backend::displayType);
        const QList<QPair<int, bool>> rows = {{3, true}, {0, false}, {2, false}, {-1, true}};
        for (const auto &row : rows) {
            device.set("Typ", row.first);
            QCOMPARE(spy.last().at(0).toInt(), row.first);
            QCOMPARE(device.item("Tasten")->isVisible(), row.second);
        }
        QCOMPARE(spy.count(), rows.size());
    }

    // Range items take the measuring range; points scale it, by 100 if a foreign object answers to point 1.
    void measuringRange()
    {
        for (const auto &row : {qMakePair(false, 10.0), qMakePair(true, 100.0)}) {
            Device device;
            if (row.first) // in the group in front of the device's, so lookups meet it first
                named(device.tree.root()->findChild<QObject *>(QStringLiteral("Extras")), "StuetzpunktEingang_1_Label");
            device.set("MessbereichMax", 5);
            device.set("MessbereichMin", 10);
            for (const char *name : {"Offset", "MessbereichAnfang", "MessbereichEnde"})
                QCOMPARE(rangeOf(device.item(name)), Range(10, 5));
            QCOMPARE(rangeOf(device.item(inputPoint(5))), Range(10 * row.second, 5 * row.second));
        }
    }

    void pointLayout_data()
    {
        QTest::addColumn<int>("count");
        for (int count : {4, 1, 30, 0, 31}) // 1: the first point is the last; 31: no last point
            QTest::addRow("%d", count) << count;
    }

    // Inner points stay editable; the first and the last are pinned to the
    // measuring range (20..500 mbar, factor 10) and 0..100 %.
    void pointLayout()
    {
        QFETCH(int, count);
        Device device;
        device.set("MessbereichEnde", 500.0);
        device.set("MessbereichAnfang", 20.0);
        device.select("Kennlinie", "Tabelle");
        device.set("AnzahlStuetzstellen", 31); // every point editable but the first
        for (int i = 2; i <= 30; ++i) {
            device.item(inputPoint(i))->setValue(1000 + i);
            device.item(outputPoint(i))->setValue(100 + i);
        }
        device.set("AnzahlStuetzstellen", count);
        for (int i = 1; i <= 30; ++i) {
            const CItem *in = device.item(inputPoint(i));
            const CItem *out = device.item(outputPoint(i));
            const bool inner = i > 1 && i < count;
            const QByteArray where = in->objectName().toLatin1();
            QVERIFY2(in->isVisible() == (i <= count) && out->isVisible() == (i <= count), where);
            QVERIFY2(in->isReadOnly() == !inner && out->isReadOnly() == !inner, where);
            const Range values = i == count ? Range(5000, 1000)
                                 : i > count  ? Range(0, 0)
                                 : i == 1     ? Range(200, 0)
                                              : Range(1000 + i, 100 + i);
            QCOMPARE(Range(in->value().toDouble(), out->value().toDouble()), values);
        }
        // A new range end re-pins the last point, but only while the characteristic is a table.
        device.set("MessbereichEnde", 12.5);
        if (count > 0 && count <= 30)
            QCOMPARE(device.item(inputPoint(count))->value().toDouble(), 125.0);
        device.select("Kennlinie", "linear");
        device.set("MessbereichEnde", 20.0);
        if (count > 0 && count <= 30)
            QCOMPARE(device.item(inputPoint(count))->value().toDouble(), 125.0);
    }

    void visibility_data()
    {
        QTest::addColumn<QString>("characteristic");
        QTest::addColumn<QString>("creep");
        QTest::addColumn<QString>("unit"); // of the unit-dependent items ("Einheit" is kPa)
        // unit, display range start and end, creep function, creep threshold, points 1 and 2, count
        QTest::addColumn<QList<bool>>("shown");
        QTest::newRow("linear") << "linear" << "Sprung" << "kPa" << QList<bool>{1, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("root, creep off") << "radiziert" << "keine" << "" << QList<bool>{0, 1, 1, 1, 0, 0, 0, 0};
        QTest::newRow("root, creep on") << "radiziert" << "Sprung" << "" << QList<bool>{0, 1, 1, 1, 1, 0, 0, 0};
        QTest::newRow("table") << "Tabelle" << "linear" << "" << QList<bool>{0, 1, 1, 0, 0, 1, 1, 1};
    }

    void visibility()
    {
        QFETCH(QString, characteristic);
        QFETCH(QString, creep);
        QFETCH(QString, unit);
        Device device;
        device.select("Einheit", "kPa");
        device.select("Kennlinie", "Tabelle");
        device.select("Kennlinie", "radiziert");
        device.select("Schleichmengenfunktion", creep);
        device.select("Kennlinie", characteristic);
        const QStringList names = {"Einheit", "AnzeigewertAnfang", "AnzeigewertEnde", "Schleichmengenfunktion",
                                   "SchleichmengeSchwelle", inputPoint(1), outputPoint(2), "AnzahlStuetzstellen"};
        QList<bool> shown;
        for (const QString &name : names)
            shown << device.item(name)->isVisible();
        QTEST(shown, "shown");
        QVERIFY(!device.item(inputPoint(30))->isVisible()); // hidden by the characteristic or the count
        for (const char *name : {"GrenzwertMaxAlarm", "GrenzwertMinHysterese", "Sollwert"})
            QCOMPARE(device.item(name)->unit(), unit);
    }

    void limits_data()
    {
        QTest::addColumn<QString>("characteristic");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<Range>("display");
        QTest::addColumn<Range>("limits");
        QTest::addColumn<Range>("creep");
        QTest::addColumn<bool>("endFirst"); // of the display range
        QTest::newRow("linear Pa") << "linear" << "Pa" << Range(100, 20) << Range(0, 2500) << Range(20, 100) << false;
        QTest::newRow("root") << "radiziert" << "Pa" << Range(100, 20) << Range(20, 100) << Range(20, 100) << false;
        QTest::newRow("table equal") << "Tabelle" << "mbar" << Range(7, 7) << Range(7, 7) << Range(7, 7) << true;
    }

    void limits()
    {
        QFETCH(QString, characteristic);
        QFETCH(QString, unit);
        QFETCH(Range, display);
        QFETCH(Range, limits);
        Device device;
        device.editUnit(unit);
        device.select("Kennlinie", characteristic);
        device.set("MessbereichMax", 0);
        device.set("MessbereichMax", 25);
        // The display range comes last: each of its ends moves the limits.
        QFETCH(bool, endFirst);
        if (endFirst)
            device.set("AnzeigewertEnde", display.second);
        device.set("AnzeigewertAnfang", display.first);
        device.set("AnzeigewertEnde", display.second);
        for (const char *name :
             {"GrenzwertMaxAlarm", "GrenzwertMaxHysterese", "GrenzwertMinAlarm", "GrenzwertMinHysterese"})
            QCOMPARE(rangeOf(device.item(name)), limits);
        QTEST(rangeOf(device.item("SchleichmengeSchwelle")), "creep");
    }

    void requestRecord()
    {
        Device device;
        QMetaObject::invokeMethod(device.backend, "cyclicTimeout");
        const QList<CRequest> &requests = device.tree.master()->requests();
        QCOMPARE(requests.size(), 1);
        const CRequest &r = requests.first();
        QCOMPARE(QList<int>({r.requestType, r.deviceAddress, r.functionCode, r.startAddress, r.registerCount,
                             r.auxWord1, r.auxWord2}),
                 QList<int>({5, 0, 3, 0x7000, 12, 0, 0}));
        device.backend->requestRead(0x1234, 0); // nothing to read, nothing sent
        device.backend->requestRead(0x1234, 2);
        QCOMPARE(requests.size(), 2);
        QCOMPARE(requests.last().startAddress, quint16(0x1234));
    }

    // Two refreshes after the response: LED, text, LED, text. A refresh before it turns the frame
    // too, even without data, and the response keeps the frame that is due.
    void responses_data()
    {
        QTest::addColumn<QByteArray>("response");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<bool>("refreshedBefore");
        QTest::newRow("start address only")
            << QByteArray::fromHex("7000") << QStringList{"0", "    ", "0", "    "} << false;
        QTest::newRow("other start address") << QByteArray::fromHex("7001" "7e306db3000000000000" "0050")
                                             << QStringList{} << false;
        QTest::newRow("half a start address") << QByteArray::fromHex("70") << QStringList{} << false;
        QTest::newRow("big-endian registers") << QByteArray::fromHex("7000" "7e306db3000000000000" "0050")
                                              << QStringList{"0", "    ", "2", "104.2"} << false;
        QTest::newRow("second frame and extra registers")
            << QByteArray::fromHex("7000" "00000000" "0050" "4f67" "7e30" "0000" "ffffffff")
            << QStringList{"0", "    ", "2", "PE10"} << true;
        QTest::newRow("cut inside a register") << QByteArray::fromHex("7000" "7e306d")
                                               << QStringList{"0", "    ", "0", "10  "} << false;
    }

    void responses()
    {
        QFETCH(QByteArray, response);
        QFETCH(QStringList, shown);
        QFETCH(bool, refreshedBefore);
        Device device;
        if (refreshedBefore)
            device.tick();
        device.tree.master()->respond(response);
        QCOMPARE(device.backend->displayTimer->isActive(), !shown.isEmpty());
        device.tick();
        device.tick();
        QCOMPARE(device.shown, shown);
        QCOMPARE(Pv8120::displayCharacter(128), QStringLiteral(" ")); // past the table
    }

    void timers()
    {
        Device device;
        QTimer *display = device.backend->displayTimer;
        QTimer *timeout = device.backend->displayTimeoutTimer;
        device.tree.master()->respond(QByteArray::fromHex("7000"));
        QCOMPARE(QList<int>({display->interval(), timeout->interval()}), QList<int>({500, 5000}));
        QVERIFY(!display->isSingleShot() && !timeout->isSingleShot());
        // Odd intervals show which timer a response restarts: a status response restarts the timeout only.
        display->setInterval(777);
        timeout->setInterval(1234);
        device.tree.master()->respond(QByteArray::fromHex("7000"));
        QCOMPARE(display->interval(), 777);
        QCOMPARE(timeout->interval(), 5000);
        timeout->setInterval(1234);
        device.tree.master()->respond(QByteArray::fromHex("0000"));
        QCOMPARE(timeout->interval(), 1234);
        // The timeout stops the display, never itself; a response starts the display again.
        QVERIFY(QMetaObject::invokeMethod(timeout, "timeout"));
        QVERIFY(!display->isActive() && timeout->isActive());
        QVERIFY(QMetaObject::invokeMethod(display, "timeout"));
        QCOMPARE(device.shown.size(), 2); // a refresh still shows the frozen data
        device.tree.master()->respond(QByteArray::fromHex("7000"));
        QVERIFY(display->isActive());
    }

    void lookup_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        const char *rows[][2] = {
            {"Typ", "Deep_Typ"},         // pre-order: a child's subtree before its next sibling
            {"Alpha", "Alpha"},          // a parent before its children
            {"^Typ$", "Typ"},            // an expression, anchored by the caller
            {"a.C", "Alpha.Child"},      // '.' is a wildcard
            {"typ", ""},                 // case-sensitive
            {"(", ""},                   // invalid expression
            {"Point_1", "Point_10"},     // unanchored: a prefix of a later point
            {"Point_2|Typ", "Deep_Typ"}, // alternation
            {"", "Alpha"},               // the empty expression matches every name
        };
        for (const auto &row : rows)
            QTest::addRow("'%s'", row[0]) << QString(row[0]) << QString(row[1]);
    }

    void lookup()
    {
        QFETCH(QString, pattern);
        QObject root;
        named(named(named(&root, "Alpha"), "Alpha.Child"), "Deep_Typ");
        for (const char *name : {"Typ", "Point_10", "Point_1", "Point_2"})
            named(&root, name);
        CObjectIndex index;
        QObject *found = index.find(&root, pattern);
        QTEST(found ? found->objectName() : QString(), "expected");
        QVERIFY(!index.find(nullptr, pattern));
        QObject other; // another root is walked on its own
        QCOMPARE(index.find(&other, pattern), nullptr);
    }

    void followsTreeChanges_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<Mutation>("mutation");
        QTest::newRow("earlier object renamed to match, signals blocked")
            << "Target" << Mutation([](QObject *root) { renameUnseen(child(root, "First"), "First_Target"); });
        QTest::newRow("object added below a leaf, child events swallowed") << "Target" << Mutation([](QObject *root) {
            swallowChildEvents({child(root, "First")});
            named(child(root, "First"), "New_Target");
        });
        // A list with room left grows in place unless the index shares it.
        QTest::newRow("object added to a list, child events swallowed") << "Target_C" << Mutation([](QObject *root) {
            swallowChildEvents({root});
            named(root, "Target_C");
        });
        QTest::newRow("match moved behind a sibling, child events swallowed") << "Target" << Mutation([](QObject *root) {
            swallowChildEvents({child(root, "Group"), child(root, "Last_Target")});
            child(root, "Target_A")->setParent(child(root, "Last_Target"));
        });
        QTest::newRow("match deleted unwatched") << "Target" << Mutation([](QObject *root) {
            QObject *target = child(root, "Target_A");
            target->disconnect();
            delete target;
        });
    }

    void followsTreeChanges()
    {
        QFETCH(QString, pattern);
        QFETCH(Mutation, mutation);
        QObject root;
        named(&root, "First");
        QObject *group = named(&root, "Group");
        named(group, "Target_A");
        named(group, "Target_B");
        named(&root, "Last_Target");
        CObjectIndex index;
        QCOMPARE(index.find(&root, pattern), reference(&root, pattern));
        mutation(&root);
        QCOMPARE(index.find(&root, pattern), reference(&root, pattern));
        QVERIFY(index.find(&root, pattern));
    }

    // A run compares the tree once; every run, nested or not, compares again and sees what no signal told.
    void runsSeeUnseenChanges()
    {
        QObject root;
        QObject *first = named(&root, "First");
        QObject *target = named(&root, "Target_A");
        CObjectIndex index;
        {
            const CObjectIndex::Run run(index);
            QCOMPARE(index.find(&root, "Target"), target);
            // Changed after this run's comparison, which the snapshot alone does not show.
            auto *late = new QObject;
            late->setObjectName(QStringLiteral("Late"));
            late->setParent(&root); // told only by the root's ChildAdded event
            QCOMPARE(index.find(&root, "Late"), late);
            QCOMPARE(index.find(&root, "Target"), target);
            renameUnseen(target, "Moved");
            QVERIFY(!index.find(&root, "Target_A"));
            renameUnseen(target, "Target_A");
            renameUnseen(first, "First_Target");
            {
                const CObjectIndex::Run nested(index);
                QCOMPARE(index.find(&root, "Target"), first);
            }
        }
        renameUnseen(first, "First");
        const CObjectIndex::Run run(index);
        QCOMPARE(index.find(&root, "Target"), target);
    }

    // Lookups from destroyed() handlers see the tree as it stands at that moment.
    void lookupWhileObjectsAreDeleted()
    {
        QObject root;
        QObject *first = named(&root, "Target_A");
        auto *group = named(&root, "Group");
        QObject *second = named(group, "Target_B");
        named(group, "Target_C");
        CObjectIndex index;
        QCOMPARE(index.find(&root, "Target"), first);
        named(&root, "Other"); // leaves the snapshot outdated
        QList<QObject *> seen;
        for (QObject *object : {first, second})
            connect(object, &QObject::destroyed, this, [&] { seen << index.find(&root, "Target"); });
        delete first;
        QCOMPARE(seen, QList<QObject *>({first})); // still its parent's child while it signals destroyed()
        QCOMPARE(index.find(&root, "Target"), second);
        delete group; // looked up while the group's children are deleted
        QCOMPARE(seen.size(), 2);
        QVERIFY(!index.find(&root, "Target"));
    }
};

QTEST_MAIN(TestBackend)
#include "tst_cpv8120backend.moc"

#include "items/cfeature.h"
#include "items/citem.h"

#include <QSignalSpy>
#include <QtTest>

// Behaviour of CItem's slots, signals and tree operations; feature records.
class TestCItem : public QObject
{
    Q_OBJECT

    static CFeature::Entry entry(const QString &name, const QString &value)
    {
        return {{QStringLiteral("name"), name}, {QStringLiteral("Default"), value}};
    }

private slots:
    void setValueSignals_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("changedArgument"); // invalid: no valueChanged
        // Only typed items (not none or group) announce every new value.
        QTest::newRow("type none stores") << 0 << QVariant(3) << QVariant(3);
        QTest::newRow("group equal") << 2 << QVariant(0) << QVariant();
        QTest::newRow("int16 double equal to int") << 4 << QVariant(0.0) << QVariant();
        QTest::newRow("int16 changes") << 4 << QVariant(7) << QVariant(7);
        QTest::newRow("list index 1") << 12 << QVariant(1) << QVariant(QStringLiteral("b"));
        QTest::newRow("list index past end") << 12 << QVariant(3) << QVariant();
        QTest::newRow("list negative index") << 13 << QVariant(-1) << QVariant();
    }

    void setValueSignals()
    {
        QFETCH(int, type);
        QFETCH(QVariant, value);
        QFETCH(QVariant, changedArgument);
        CItem item;
        item.setType(CItem::ENUM_DATA_TYPES(type));
        item.setTextList(QStringLiteral("a,b,c"));
        QStringList order, expected;
        connect(&item, &CItem::newValue, this, [&](const QVariant &v) { order << "new:" + v.toString(); });
        connect(&item, &CItem::valueChanged, this, [&](const QVariant &v) { order << "changed:" + v.toString(); });
        item.setValue(value);
        if (type > CItem::DATA_TYPE_GROUP)
            expected << "new:" + value.toString();
        if (changedArgument.isValid())
            expected << "changed:" + changedArgument.toString();
        QCOMPARE(order, expected);
        QCOMPARE(item.value(), changedArgument.isValid() ? value : QVariant(0));
        QCOMPARE(item.value().userType(), changedArgument.isValid() ? value.userType() : int(QMetaType::Int));
    }

    void newTextListReappliesDefault()
    {
        CItem item;
        item.setType(CItem::DATA_TYPE_LIST16);
        item.setTextList(QStringLiteral("x,y"));
        item.setValue(1);
        QSignalSpy changed(&item, &CItem::valueChanged);
        item.setTextList(QStringLiteral("p,q,r"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0), QVariant(QStringLiteral("p")));
        QCOMPARE(item.value(), QVariant(0));
        QSignalSpy axis(&item, &CItem::yAxisChanged); // on change only
        for (int index : {5, 1, 1})
            item.setYAxis(index);
        QCOMPARE(axis.count(), 1);
    }

    void bitFields()
    {
        QObject root;
        auto *parent = new CItem(&root);
        parent->setObjectName(QStringLiteral("Status"));
        parent->setType(CItem::DATA_TYPE_BIT16);
        BitfieldDescription fields;
        fields.insert(0, {QStringLiteral("Low"), 2, true, QStringLiteral("Low"), QString()});
        fields.insert(4, {QStringLiteral("High"), 4, true, QStringLiteral("High"), QString()});
        parent->setBitfieldEntries(fields);
        const QList<CItem *> children = parent->findChildren<CItem *>();
        QSignalSpy changed(parent, &CItem::valueChanged);
        parent->setValue(0x00F3);
        QCOMPARE(children.at(0)->value().toUInt(), 3u);
        QCOMPARE(children.at(1)->value().toUInt(), 15u);
        // Each child reports while the old value is still stored, so the
        // intermediate combination comes first and the final value last.
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.at(0).at(0).toUInt(), 0x03u);
        QCOMPARE(changed.at(1).at(0).toUInt(), 0xF3u);
        QSignalSpy childChanged(parent, &CItem::childChanged);
        children.at(0)->setValue(0);
        QCOMPARE(parent->value().toUInt(), 0xF0u);
        QCOMPARE(childChanged.count(), 1);
        QCOMPARE(childChanged.at(0).at(0), QVariant(uint(0xF0)));
        // The parent is visible while any child is.
        children.at(0)->setVisible(false);
        QVERIFY(parent->isVisible());
        children.at(1)->setVisible(false);
        QVERIFY(!parent->isVisible());
        children.at(0)->setVisible(true);
        QVERIFY(parent->isVisible());
    }

    void readOnlyPropagatesChildrenFirst()
    {
        // top -> group -> leaf, top -> already (read-only) -> below (writable)
        CItem top;
        auto *group = new CItem(&top);
        auto *already = new CItem(&top);
        auto *below = new CItem(already);
        already->setReadOnly(true);
        below->setReadOnly(false);
        const QList<CItem *> items = {&top, group, new CItem(group), already, below};
        const QStringList names = {"top", "group", "leaf", "already", "below"};
        QStringList order;
        for (int i = 0; i < items.size(); ++i)
            connect(items.at(i), &CItem::readOnlyChanged, this, [&order, &names, i] { order << names.at(i); });
        top.setReadOnly(true);
        QCOMPARE(order, QStringList({"leaf", "group", "below", "top"}));
    }

    void treeQueries()
    {
        CItem object;
        object.setType(CItem::DATA_TYPE_OBJECT);
        auto *group = new CItem(&object);
        group->setType(CItem::DATA_TYPE_GROUP);
        QVERIFY(!object.hasFilledContainer());
        auto *hidden = new CItem(group);
        hidden->setType(CItem::DATA_TYPE_INT32);
        hidden->setVisible(false);
        auto *text = new CItem(group);
        text->setType(CItem::DATA_TYPE_TEXT16);
        QCOMPARE(object.byteSize(), 14);
        QVERIFY(object.hasFilledContainer());
        QCOMPARE(group->visibleChildren(), QList<CItem *>({text}));
        QCOMPARE(text->row(), 1);
    }

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
        QTest::addColumn<QString>("section"); // empty: an item's feature
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("text") << "Access" << "Base" << QVariant(QStringLiteral("dynamic"));
        QTest::newRow("list keeps empty parts") << "List" << "Base" << QVariant(QStringList({"a", "", "b"}));
        QTest::newRow("enabled") << "Enabled" << "Base" << QVariant(true);
        QTest::newRow("hex address") << "Address_RD" << "Base" << QVariant(uint(0x7000));
        QTest::newRow("first entry wins") << "FC_RD" << "Base" << QVariant(uint(3));
        QTest::newRow("other section") << "Anzahl" << "Entry" << QVariant(uint(0));
        QTest::newRow("missing entry") << "Format" << "Base" << QVariant();
        QTest::newRow("item: function text") << "Function_RD" << "" << QVariant(QStringLiteral("0x10"));
        QTest::newRow("item: first entry wins") << "Enabled" << "" << QVariant(true);
        QTest::newRow("item: hex address") << "Address_WRS" << "" << QVariant(uint(0x1A));
        QTest::newRow("item: other names as numbers") << "Anzahl" << "" << QVariant(uint(0));
        QTest::newRow("item: missing") << "Format" << "" << QVariant();
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
        CItem item;
        item.setFeatures({{"Function_RD", "0x10"}, {"Enabled", "true"}, {"Address_WRS", "0x1A"},
                          {"Anzahl", "many"}, {"Enabled", "false"}});
        const QVariant actual = section.isEmpty() ? item.feature(name) : feature.featureValue(name, section);
        QCOMPARE(actual, expected);
        QCOMPARE(actual.userType(), expected.userType());
    }
};

QTEST_GUILESS_MAIN(TestCItem)
#include "tst_citem.moc"

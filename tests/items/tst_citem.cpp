#include "items/citem.h"

#include <QSignalSpy>
#include <QtTest>

// Behaviour of CItem's slots, signals and tree operations.
class TestCItem : public QObject
{
    Q_OBJECT

private:
    static CItem *bitSet(QObject *parent)
    {
        auto *item = new CItem(parent);
        item->setObjectName(QStringLiteral("Status"));
        item->setType(CItem::DATA_TYPE_BIT16);
        BitfieldDescription fields;
        fields.insert(0, {QStringLiteral("Low"), 2, true, QStringLiteral("Low"), QString()});
        fields.insert(4, {QStringLiteral("High"), 4, true, QStringLiteral("High"), QString()});
        item->setBitfieldEntries(fields);
        return item;
    }

private slots:
    void setValueSignals_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("newValueCount");
        QTest::addColumn<QVariant>("changedArgument"); // invalid: no valueChanged

        QTest::newRow("type none stores without newValue") << 0 << QVariant(3) << 0 << QVariant(3);
        QTest::newRow("group equal") << 2 << QVariant(0) << 0 << QVariant();
        QTest::newRow("int16 equal") << 4 << QVariant(0) << 1 << QVariant();
        QTest::newRow("int16 double equal to int") << 4 << QVariant(0.0) << 1 << QVariant();
        QTest::newRow("int16 changes") << 4 << QVariant(7) << 1 << QVariant(7);
        QTest::newRow("list index 1") << 12 << QVariant(1) << 1 << QVariant(QStringLiteral("b"));
        QTest::newRow("list index past end") << 12 << QVariant(3) << 1 << QVariant();
        QTest::newRow("list negative index") << 13 << QVariant(-1) << 1 << QVariant();
        QTest::newRow("list same index") << 12 << QVariant(0) << 1 << QVariant();
    }

    void setValueSignals()
    {
        QFETCH(int, type);
        QFETCH(QVariant, value);
        QFETCH(int, newValueCount);
        QFETCH(QVariant, changedArgument);
        CItem item;
        item.setType(CItem::ENUM_DATA_TYPES(type));
        item.setTextList(QStringLiteral("a,b,c"));
        QStringList order;
        connect(&item, &CItem::newValue, this, [&](const QVariant &v) { order << "new:" + v.toString(); });
        connect(&item, &CItem::valueChanged, this, [&](const QVariant &v) { order << "changed:" + v.toString(); });

        item.setValue(value);

        QStringList expected;
        if (newValueCount)
            expected << "new:" + value.toString();
        if (changedArgument.isValid())
            expected << "changed:" + changedArgument.toString();
        QCOMPARE(order, expected);
        QCOMPARE(item.value(), changedArgument.isValid() ? value : QVariant(0));
        QCOMPARE(item.value().userType(), changedArgument.isValid() ? value.userType() : int(QMetaType::Int));
    }

    void textListReappliesDefault()
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
    }

    void alwaysAndChangeOnlySignals()
    {
        CItem item;
        QSignalSpy unit(&item, &CItem::unitChanged);
        QSignalSpy axis(&item, &CItem::yAxisChanged);
        for (int i = 0; i < 2; ++i)
            item.setUnit(QStringLiteral("bar"));
        for (int index : {5, 1, 1})
            item.setYAxis(index);
        QCOMPARE(unit.count(), 2);
        QCOMPARE(axis.count(), 1);
        QCOMPARE(axis.at(0).at(0).toInt(), 1);
    }

    void bitFieldDistribution()
    {
        QObject root;
        CItem *parent = bitSet(&root);
        const QList<CItem *> children = parent->findChildren<CItem *>();
        QCOMPARE(children.size(), 2);
        QCOMPARE(children.at(1)->objectName(), QStringLiteral("Status_High"));
        QCOMPARE(children.at(1)->type(), CItem::DATA_TYPE_BITFIELD_ENTRY);
        QSignalSpy changed(parent, &CItem::valueChanged);

        parent->setValue(0x00F3);
        QCOMPARE(children.at(0)->value().toUInt(), 3u);
        QCOMPARE(children.at(1)->value().toUInt(), 15u);
        QCOMPARE(parent->value().toUInt(), 0xF3u);
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
    }

    void bitFieldVisibility()
    {
        QObject root;
        CItem *parent = bitSet(&root);
        const QList<CItem *> children = parent->findChildren<CItem *>();
        QSignalSpy visible(parent, &CItem::visibleChanged);
        children.at(0)->setVisible(false);
        QVERIFY(parent->isVisible());
        children.at(1)->setVisible(false);
        QVERIFY(!parent->isVisible());
        children.at(0)->setVisible(true);
        QVERIFY(parent->isVisible());
        QCOMPARE(visible.count(), 2);
        QCOMPARE(visible.at(0).at(0).toBool(), false);
    }

    void readOnlyPropagatesChildrenFirst()
    {
        // top -> group -> leaf, top -> already (read-only) -> below (writable)
        CItem top;
        auto *group = new CItem(&top);
        auto *leaf = new CItem(group);
        auto *already = new CItem(&top);
        auto *below = new CItem(already);
        already->setReadOnly(true);
        below->setReadOnly(false);
        QStringList order;
        const QStringList names = {"top", "group", "leaf", "already", "below"};
        const QList<CItem *> items = {&top, group, leaf, already, below};
        for (int i = 0; i < items.size(); ++i)
            connect(items.at(i), &CItem::readOnlyChanged, this, [&order, &names, i] { order << names.at(i); });

        top.setReadOnly(true);
        QCOMPARE(order, QStringList({"leaf", "group", "below", "top"}));
    }

    void featureTyping_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("string") << "Function_RD" << QVariant(QStringLiteral("0x10"));
        QTest::newRow("first enabled wins") << "Enabled" << QVariant(true);
        QTest::newRow("hex address") << "Address_WRS" << QVariant(uint(0x1A));
        QTest::newRow("other name is a number") << "Anzahl" << QVariant(uint(0));
        QTest::newRow("missing") << "Format" << QVariant();
    }

    void featureTyping()
    {
        QFETCH(QString, name);
        QFETCH(QVariant, expected);
        CItem item;
        item.setFeatures({{"Function_RD", "0x10"}, {"Enabled", "true"}, {"Address_WRS", "0x1A"},
                          {"Anzahl", "many"}, {"Enabled", "false"}});
        QCOMPARE(item.feature(name), expected);
        QCOMPARE(item.feature(name).userType(), expected.userType());
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
        QCOMPARE(object.countDescendantsOfType(CItem::DATA_TYPE_TEXT16), 1);
        QVERIFY(object.hasFilledContainer());
        QCOMPARE(group->visibleChildren(), QList<CItem *>({text}));
        QCOMPARE(text->row(), 1);
        QCOMPARE(hidden->row(), 0);
        QCOMPARE(group->row(), 0);
        text->setId(3);
        hidden->setId(5);
        QVERIFY(CItem::lessById(text, hidden));
    }
};

QTEST_GUILESS_MAIN(TestCItem)
#include "tst_citem.moc"

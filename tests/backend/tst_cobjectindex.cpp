#include "backend/cobjectindex.h"

#include <QRegularExpression>
#include <QtTest>

#include <functional>

namespace {

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

typedef std::function<void(QObject *root)> Mutation;

QObject *child(QObject *root, const char *name)
{
    return root->findChild<QObject *>(QString::fromLatin1(name));
}

} // namespace

Q_DECLARE_METATYPE(Mutation)

class TestObjectIndex : public QObject
{
    Q_OBJECT

private slots:
    void lookup_data();
    void lookup();
    void followsTreeChanges_data();
    void followsTreeChanges();
    void lookupWhileChildrenAreDeleted();
    void lookupWhileAnObjectIsDeleted();
    void rootSwitch();
};

void TestObjectIndex::lookup_data()
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

void TestObjectIndex::lookup()
{
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QObject root;
    QObject *alpha = named(&root, "Alpha");
    named(named(alpha, "Alpha.Child"), "Deep_Typ");
    named(&root, "Typ");
    named(&root, "Point_10");
    named(&root, "Point_1");
    named(&root, "Point_2");
    CObjectIndex index;
    QObject *found = index.find(&root, pattern);
    QCOMPARE(found ? found->objectName() : QString(), expected);
    if (QRegularExpression(pattern).isValid())
        QCOMPARE(found, reference(&root, pattern));
}

void TestObjectIndex::followsTreeChanges_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<Mutation>("mutation");
    QTest::newRow("nothing") << "Target" << Mutation([](QObject *) {});
    QTest::newRow("earlier object renamed to match")
        << "Target" << Mutation([](QObject *root) { child(root, "First")->setObjectName("First_Target"); });
    QTest::newRow("match renamed away")
        << "Target" << Mutation([](QObject *root) { child(root, "Target_A")->setObjectName("Gone"); });
    QTest::newRow("match renamed, signals blocked") << "Target" << Mutation([](QObject *root) {
        QObject *target = child(root, "Target_A");
        target->blockSignals(true);
        target->setObjectName("Gone");
    });
    QTest::newRow("object added in front")
        << "Target" << Mutation([](QObject *root) { named(child(root, "First"), "New_Target"); });
    QTest::newRow("match deleted") << "Target" << Mutation([](QObject *root) { delete child(root, "Target_A"); });
    QTest::newRow("match deleted unwatched") << "Target" << Mutation([](QObject *root) {
        QObject *target = child(root, "Target_A");
        target->disconnect();
        delete target;
    });
    QTest::newRow("subtree deleted") << "Target" << Mutation([](QObject *root) { delete child(root, "Group"); });
    QTest::newRow("match moved to the end")
        << "Target" << Mutation([](QObject *root) { child(root, "Target_A")->setParent(root); });
    QTest::newRow("later match moved to the front") << "Target" << Mutation([](QObject *root) {
        QObject *first = child(root, "First");
        first->setParent(nullptr);
        first->setParent(child(root, "Last_Target"));
    });
    QTest::newRow("expression, subtree moved back")
        << "^Tar.*A$|Last" << Mutation([](QObject *root) { child(root, "Group")->setParent(child(root, "Last_Target")); });
}

void TestObjectIndex::followsTreeChanges()
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

void TestObjectIndex::lookupWhileChildrenAreDeleted()
{
    QObject root;
    auto *group = named(&root, "Group");
    QObject *first = named(group, "Target_A");
    named(group, "Target_B");
    CObjectIndex index;
    QCOMPARE(index.find(&root, "Target"), first);
    QList<QObject *> seen;
    connect(first, &QObject::destroyed, this, [&] { seen << index.find(&root, "Target"); });
    delete group;
    QCOMPARE(seen.size(), 1);
    QVERIFY(!index.find(&root, "Target"));
}

void TestObjectIndex::lookupWhileAnObjectIsDeleted()
{
    QObject root;
    QObject *first = named(&root, "Target_A");
    QObject *second = named(&root, "Target_B");
    CObjectIndex index;
    QCOMPARE(index.find(&root, "Target"), first);
    named(&root, "Other"); // leaves the snapshot outdated
    QObject *seen = first;
    connect(first, &QObject::destroyed, this, [&] { seen = index.find(&root, "Target"); });
    delete first;
    QCOMPARE(seen, first); // still its parent's child while it signals destroyed()
    QCOMPARE(index.find(&root, "Target"), second);
}

void TestObjectIndex::rootSwitch()
{
    QObject one;
    QObject two;
    QObject *a = named(&one, "Item");
    QObject *b = named(&two, "Item");
    CObjectIndex index;
    QCOMPARE(index.find(&one, "Item"), a);
    QCOMPARE(index.find(&two, "Item"), b);
    QVERIFY(!index.find(nullptr, "Item"));
    QVERIFY(!index.find(&one, "[")); // invalid expression
}

QTEST_MAIN(TestObjectIndex)
#include "tst_cobjectindex.moc"

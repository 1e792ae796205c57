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
    void followsTreeChanges_data();
    void followsTreeChanges();
    void lookupWhileChildrenAreDeleted();
    void rootSwitch();
};

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

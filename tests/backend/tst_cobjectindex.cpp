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

QObject *child(QObject *root, const char *name) { return root->findChild<QObject *>(QString::fromLatin1(name)); }

typedef std::function<void(QObject *root)> Mutation;

// An event filter of the host's that keeps child events from every filter
// installed before it. It lives outside the tree, so installing it changes
// nothing there.
class ChildEventEater : public QObject
{
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        return event->type() == QEvent::ChildAdded || event->type() == QEvent::ChildRemoved;
    }
};

void swallowChildEvents(QObject *root, const QList<const char *> &names)
{
    static ChildEventEater eater;
    for (const char *name : names)
        child(root, name)->installEventFilter(&eater);
}

} // namespace

Q_DECLARE_METATYPE(Mutation)

class TestObjectIndex : public QObject
{
    Q_OBJECT

private slots:
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
        if (QRegularExpression(pattern).isValid())
            QCOMPARE(found, reference(&root, pattern));
        QVERIFY(!index.find(nullptr, pattern));
        QObject other; // another root is walked on its own
        QCOMPARE(index.find(&other, pattern), nullptr);
    }

    void followsTreeChanges_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<Mutation>("mutation");
        QTest::newRow("earlier object renamed to match")
            << "Target" << Mutation([](QObject *root) { child(root, "First")->setObjectName("First_Target"); });
        QTest::newRow("match renamed, signals blocked") << "Target" << Mutation([](QObject *root) {
            QObject *target = child(root, "Target_A");
            target->blockSignals(true);
            target->setObjectName("Gone");
        });
        QTest::newRow("earlier object renamed to match, signals blocked") << "Target" << Mutation([](QObject *root) {
            const QSignalBlocker blocker(child(root, "First"));
            child(root, "First")->setObjectName("First_Target");
        });
        QTest::newRow("earlier object renamed to match after disconnecting it") << "Target" << Mutation([](QObject *root) {
            QObject *first = child(root, "First");
            first->disconnect();
            first->setObjectName("First_Target");
        });
        QTest::newRow("match renamed away after disconnecting it") << "Target" << Mutation([](QObject *root) {
            QObject *target = child(root, "Target_A");
            target->disconnect();
            target->setObjectName("Gone");
        });
        QTest::newRow("object added in front")
            << "Target" << Mutation([](QObject *root) { named(child(root, "First"), "New_Target"); });
        QTest::newRow("object added below a leaf, child events swallowed") << "Target" << Mutation([](QObject *root) {
            swallowChildEvents(root, {"First"});
            named(child(root, "First"), "New_Target");
        });
        QTest::newRow("match moved behind a sibling, child events swallowed") << "Target" << Mutation([](QObject *root) {
            swallowChildEvents(root, {"Group", "Last_Target"});
            child(root, "Target_A")->setParent(child(root, "Last_Target"));
        });
        QTest::newRow("match deleted unwatched") << "Target" << Mutation([](QObject *root) {
            QObject *target = child(root, "Target_A");
            target->disconnect();
            delete target;
        });
        QTest::newRow("later match moved to the front") << "Target" << Mutation([](QObject *root) {
            QObject *first = child(root, "First");
            first->setParent(nullptr);
            first->setParent(child(root, "Last_Target"));
        });
        QTest::newRow("expression, subtree moved back") << "^Tar.*A$|Last" << Mutation([](QObject *root) {
            child(root, "Group")->setParent(child(root, "Last_Target"));
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

    // Inside a run the tree is compared once; every run, nested or not, compares
    // again and sees what no signal reported.
    void runsSeeUnseenRenames()
    {
        QObject root;
        QObject *first = named(&root, "First");
        QObject *target = named(&root, "Target_A");
        CObjectIndex index;
        const auto renameUnseen = [](QObject *object, const char *name) {
            const QSignalBlocker blocker(object);
            object->setObjectName(QString::fromLatin1(name));
        };
        {
            const CObjectIndex::Run run(index);
            QCOMPARE(index.find(&root, "Target"), target);
            renameUnseen(first, "First_Target");
            {
                const CObjectIndex::Run nested(index);
                QCOMPARE(index.find(&root, "Target"), first);
            }
        }
        renameUnseen(first, "First");
        const CObjectIndex::Run run(index);
        QCOMPARE(index.find(&root, "Target"), target);
        QCOMPARE(index.find(&root, "First"), first);
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

QTEST_MAIN(TestObjectIndex)
#include "tst_cobjectindex.moc"

#ifndef COBJECTINDEX_H
#define COBJECTINDEX_H

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

// Finds objects below a root by object name, the way the backend looks up its
// items: the first descendant in depth-first pre-order (an object before its
// children, its children before its next sibling) whose object name contains
// a match of a case-sensitive, unanchored regular expression.
//
// The answer is the same as walking the tree each time. To keep lookups cheap
// on large trees the index keeps a pre-order snapshot of the objects and their
// names, and remembers the answer to each pattern until the snapshot is
// dropped. Before a snapshot is trusted it is compared with the live tree:
// once per run (see Run) and on every lookup made outside a run. The
// comparison sees what no signal reports, such as a rename while the object's
// signals are blocked or after everything was disconnected from it, or
// children deleted without an event. It costs two memory reads per object: the
// snapshot shares each object's child list and name with the object, so an
// unchanged list or name still has the data the snapshot holds, and any
// change gives it new data. Between comparisons the index still drops the
// snapshot as soon as it sees children being added, removed or reordered or
// an object being renamed, and an answer destroyed meanwhile sends the lookup
// back to the live tree.
class CObjectIndex : public QObject
{
    Q_OBJECT

public:
    // One pass of code that makes many lookups (a slot run): the snapshot is
    // compared with the live tree at the first lookup of the run, not at every
    // one. Runs may nest; each one compares again.
    class Run
    {
    public:
        explicit Run(CObjectIndex &index);
        ~Run();
        Run(const Run &) = delete;
        Run &operator=(const Run &) = delete;

    private:
        CObjectIndex &m_index;
    };

    CObjectIndex();
    ~CObjectIndex() override;

    // First matching descendant of root, or null (also for a null root or
    // an invalid expression).
    QObject *find(const QObject *root, const QString &pattern);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry
    {
        QObject *object;
        QPointer<QObject> guard;
        QString name;
    };
    // Where an object of the snapshot keeps its child list and its name, and
    // where their data was when the snapshot was taken.
    struct Check
    {
        const QObjectList *children;
        const QString *name;
        QObjectList::const_iterator childData;
        const void *nameData;
    };

    void beginRun();
    void endRun();
    void invalidate();
    bool rebuild(const QObject *root);
    bool matchesLiveTree() const;
    bool addCheck(QObject *object);
    QObject *lookUp(const QObject *root, const QString &pattern);

    QPointer<const QObject> m_root;
    std::vector<Entry> m_entries;
    // Root first, then the entries' objects in the same order.
    std::vector<Check> m_checks;
    // Shared with the live objects, which keeps the data the checks compare
    // against from being changed in place or reused.
    std::vector<QObjectList> m_childLists;
    // Never read: it holds the root's name data as the entries' names hold
    // theirs, so that a new name cannot be given the same address.
    QString m_rootName;
    struct Answer
    {
        QObject *object;
        QPointer<QObject> guard;
    };

    QHash<QString, Answer> m_answers;
    int m_runs = 0;
    bool m_valid = false;
    bool m_checked = false;
};

#endif // COBJECTINDEX_H

#ifndef COBJECTINDEX_H
#define COBJECTINDEX_H

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
// on large trees the index keeps a pre-order snapshot of the names and drops
// it whenever the tree changes: it watches every object for children being
// added, removed or reordered and for renames; entries are guarded pointers,
// so an object destroyed meanwhile sends the lookup back to the live tree.
class CObjectIndex : public QObject
{
    Q_OBJECT

public:
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
        QPointer<QObject> object;
        QString name;
    };

    void invalidate();
    bool rebuild(const QObject *root);
    void watch(QObject *object);

    QPointer<const QObject> m_root;
    std::vector<Entry> m_entries;
    bool m_valid = false;
};

#endif // COBJECTINDEX_H

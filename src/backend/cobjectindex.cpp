#include "backend/cobjectindex.h"

#include <QCoreApplication>
#include <QEvent>
#include <QRegularExpression>
#include <QtCore/private/qobject_p.h>

#include <cstring>

namespace {

// A pattern without any of these characters matches exactly the names that
// contain it as a substring, so the regular-expression engine can be skipped.
bool isPlainText(const QString &pattern)
{
    static const QString special = QStringLiteral("\\^$.|?*+()[]{}");
    if (pattern.isEmpty())
        return false;
    for (const QChar c : pattern) {
        if (special.contains(c))
            return false;
    }
    return true;
}

// Substring test tuned for short object names: most names are shorter than
// the searched text or lack its first character and are rejected early.
bool containsText(const QString &name, const QString &text)
{
    const int last = name.size() - text.size();
    if (last < 0)
        return false;
    const QChar *haystack = name.constData();
    const QChar *needle = text.constData();
    const size_t tailBytes = size_t(text.size() - 1) * sizeof(QChar);
    for (int i = 0; i <= last; ++i) {
        if (haystack[i] == needle[0] && std::memcmp(haystack + i + 1, needle + 1, tailBytes) == 0)
            return true;
    }
    return false;
}

// Runs search with the cheapest name test that is equivalent to pattern.
template <typename Search>
QObject *searchWith(const QString &pattern, const Search &search)
{
    if (isPlainText(pattern))
        return search([&pattern](const QString &name) { return containsText(name, pattern); });
    QRegularExpression expression(pattern);
    if (!expression.isValid())
        return nullptr;
    expression.optimize();
    return search([&expression](const QString &name) { return expression.match(name).hasMatch(); });
}

// Pre-order walk over the live tree that stops at the first match. Entries
// of a child list may be null while a parent deletes its children.
template <typename Matches>
QObject *walk(const QObject *root, const Matches &matches)
{
    for (QObject *child : root->children()) {
        if (!child)
            continue;
        if (matches(child->objectName()))
            return child;
        if (QObject *found = walk(child, matches))
            return found;
    }
    return nullptr;
}

// An object inside QObject's destructor must not be watched or guarded any
// more.
bool isBeingDeleted(const QObject *object)
{
    return QObjectPrivate::get(const_cast<QObject *>(object))->wasDeleted;
}

// The address of a string's shared data, read without touching the data.
const void *dataOf(const QString &text)
{
    return const_cast<QString &>(text).data_ptr();
}

// Visits every descendant in pre-order; a null entry (a child being deleted)
// is passed on as null.
template <typename Visit>
void forEachDescendant(const QObject *root, const Visit &visit)
{
    for (QObject *child : root->children()) {
        visit(child);
        if (child)
            forEachDescendant(child, visit);
    }
}

// The first match in the live tree, found without any snapshot.
QObject *searchLiveTree(const QObject *root, const QString &pattern)
{
    return searchWith(pattern, [root](const auto &matches) { return walk(root, matches); });
}

} // namespace

CObjectIndex::Run::Run(CObjectIndex &index) : m_index(index)
{
    m_index.beginRun();
}

CObjectIndex::Run::~Run()
{
    m_index.endRun();
}

CObjectIndex::CObjectIndex() = default;

CObjectIndex::~CObjectIndex() = default;

QObject *CObjectIndex::find(const QObject *root, const QString &pattern)
{
    if (!root)
        return nullptr;
    if (m_runs == 0)
        m_checked = false;
    if (m_valid && m_root == root && !m_checked && !matchesLiveTree())
        invalidate();
    if ((!m_valid || m_root != root) && !rebuild(root))
        return searchLiveTree(root, pattern);
    m_checked = true;
    const auto known = m_answers.constFind(pattern);
    if (known == m_answers.cend())
        return lookUp(root, pattern);
    if (!known->object || known->guard)
        return known->object;
    // The answer is inside its destructor; its parent may not have been told.
    invalidate();
    return searchLiveTree(root, pattern);
}

// Answers pattern from the snapshot and remembers the answer.
QObject *CObjectIndex::lookUp(const QObject *root, const QString &pattern)
{
    bool stale = false;
    QObject *found = searchWith(pattern, [this, &stale](const auto &matches) -> QObject * {
        for (const Entry &entry : m_entries) {
            if (!matches(entry.name))
                continue;
            // Unless the object is being destroyed right now or was renamed
            // unseen since the last comparison, the snapshot holds.
            QObject *object = entry.guard.data();
            if (object && matches(object->objectName()))
                return object;
            stale = true;
            return nullptr;
        }
        return nullptr;
    });
    if (!stale) {
        m_answers.insert(pattern, {found, found});
        return found;
    }
    invalidate();
    return searchLiveTree(root, pattern);
}

void CObjectIndex::beginRun()
{
    ++m_runs;
    m_checked = false;
}

void CObjectIndex::endRun()
{
    --m_runs;
}

// Whether every object of the snapshot still has the children and the name it
// had. The snapshot shares the data of each child list and name, so a list
// that was changed in any way, or a name that was replaced, now has other
// data. The checks are in pre-order: a parent's unchanged child list shows
// that its children are still alive before their own data is read.
bool CObjectIndex::matchesLiveTree() const
{
    for (const Check &check : m_checks) {
        if (check.children->constBegin() != check.childData || dataOf(*check.name) != check.nameData)
            return false;
    }
    return true;
}

bool CObjectIndex::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ChildAdded:
    case QEvent::ChildRemoved:
    case QEvent::ZOrderChange:
    case QEvent::ThreadChange:
        invalidate();
        break;
    default:
        break;
    }
    return false;
}

// Also lets go of the shared child lists, so that further changes to them are
// made in place.
void CObjectIndex::invalidate()
{
    m_valid = false;
    m_answers.clear();
    m_childLists.clear();
}

// Takes a new snapshot of root's descendants and watches them. Without an
// application object no events are delivered, objects of other threads cannot
// be watched, and a subtree that is being deleted must not get new
// connections: then there is no snapshot and lookups walk the tree.
bool CObjectIndex::rebuild(const QObject *root)
{
    m_entries.clear();
    m_checks.clear();
    invalidate();
    m_root = root;
    if (!QCoreApplication::instance() || root->thread() != thread() || isBeingDeleted(root))
        return false;
    bool watchable = true;
    forEachDescendant(root, [this, &watchable](QObject *object) {
        watchable = watchable && object && !isBeingDeleted(object) && object->thread() == thread();
        if (watchable)
            m_entries.push_back({object, object, QString()});
    });
    auto *liveRoot = const_cast<QObject *>(root);
    if (!watchable || !addCheck(liveRoot)) {
        m_entries.clear();
        return false;
    }
    m_rootName = liveRoot->objectName();
    for (Entry &entry : m_entries) {
        if (!addCheck(entry.object)) {
            m_entries.clear();
            return false;
        }
        entry.name = entry.object->objectName();
    }
    m_valid = true;
    return true;
}

// Watches object and records where it keeps its child list and name. Watching
// gives every object the extra data that holds its name.
bool CObjectIndex::addCheck(QObject *object)
{
    object->installEventFilter(this);
    connect(object, &QObject::objectNameChanged, this, &CObjectIndex::invalidate, Qt::UniqueConnection);
    const QObjectPrivate *d = QObjectPrivate::get(object);
    if (!d->extraData)
        return false;
    m_childLists.push_back(d->children);
    const QString &name = d->extraData->objectName;
    m_checks.push_back({&d->children, &name, d->children.constBegin(), dataOf(name)});
    return true;
}

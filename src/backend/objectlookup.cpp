#include "backend/objectlookup.h"

#include <QObject>
#include <QRegularExpression>

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

// Pre-order walk that stops at the first object accepted by matches.
template <typename Predicate>
QObject *firstInPreOrder(const QObject *root, const Predicate &matches)
{
    for (QObject *child : root->children()) {
        if (matches(child->objectName()))
            return child;
        if (QObject *found = firstInPreOrder(child, matches))
            return found;
    }
    return nullptr;
}

} // namespace

namespace Pv8120 {

QObject *findFirstDescendant(const QObject *root, const QString &pattern)
{
    if (!root)
        return nullptr;
    if (isPlainText(pattern)) {
        return firstInPreOrder(root, [&pattern](const QString &name) {
            return name.contains(pattern, Qt::CaseSensitive);
        });
    }
    QRegularExpression expression(pattern);
    if (!expression.isValid())
        return nullptr;
    expression.optimize();
    return firstInPreOrder(root, [&expression](const QString &name) {
        return expression.match(name).hasMatch();
    });
}

} // namespace Pv8120

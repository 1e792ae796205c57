#ifndef OBJECTLOOKUP_H
#define OBJECTLOOKUP_H

#include <QString>

class QObject;

namespace Pv8120 {

// The first descendant of root, depth first in child order (an object before
// its children, its children before its next sibling), whose object name
// contains a match of pattern as a case-sensitive, unanchored regular
// expression; null when none matches or root is null.
QObject *findFirstDescendant(const QObject *root, const QString &pattern);

} // namespace Pv8120

#endif // OBJECTLOOKUP_H

#ifndef DATATYPES_H
#define DATATYPES_H

#include "items/loomwork_global.h"

#include <QHash>
#include <QString>
#include <QStringList>

// Names by which parameter descriptions denote the item data types
// (CItem::ENUM_DATA_TYPES). Types without names (none, object, group,
// bit-field entry) are absent. Built once when the library is loaded.
LOOMWORK_EXPORT const QHash<int, QStringList> &dataTypeNames();

// The type whose name list contains name (exact, case-sensitive); 0 if none.
LOOMWORK_EXPORT int dataTypeFromName(const QString &name);

// The first name of the type's list; empty for a type without names.
LOOMWORK_EXPORT QString dataTypeName(int type);

// Number of decimals implied by a divider text: "100" gives 2, "1000.0" 3,
// "0.01" 0, "-10" 1, "" 0.
LOOMWORK_EXPORT int decimalsFromDivider(const QString &divider);

#endif // DATATYPES_H

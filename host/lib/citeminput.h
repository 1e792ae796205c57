#ifndef CITEMINPUT_H
#define CITEMINPUT_H

#include "loomworkhost_global.h"

#include <QCoreApplication>
#include <QString>
#include <QVariant>

class CItem;

// Turns a user's text into an item's stored value: a list entry by its text
// (or its number), On/Off for booleans, a number in display units (decimal
// point or comma) multiplied by the item's decimal factor, or plain text.
class LOOMWORKHOST_EXPORT CItemInput
{
    Q_DECLARE_TR_FUNCTIONS(LoomworkHost)

public:
    // True with *value set when text is acceptable for item (range
    // included); false with *error saying why.
    static bool parse(const CItem &item, const QString &text, QVariant *value, QString *error);
};

#endif // CITEMINPUT_H

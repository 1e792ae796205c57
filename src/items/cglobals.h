#ifndef CGLOBALS_H
#define CGLOBALS_H

#include "items/loomwork_global.h"

#include <QString>
#include <QStringList>

// Device-title helpers shared by the host family. Texts are translated in the
// context "CGlobals".
class LOOMWORK_EXPORT CGlobals
{
public:
    // "name (Parameter version: v, Order number: n)"; an empty version shows
    // as 0.00, an empty order number as 0.
    static QString deviceTitle(const QString &name, const QString &orderNumber, const QString &parameterVersion);
    // Inverse of deviceTitle(): name, parameter version, order number.
    static QStringList splitDeviceTitle(const QString &title);
    // text up to (not including) its first 'X' or 'x'.
    static QString truncateAtX(const QString &text);
};

#endif // CGLOBALS_H

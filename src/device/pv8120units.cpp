#include "device/pv8120units.h"

#include "device/pv8120constants.h"

#include <QCoreApplication>

namespace Pv8120 {

const QVector<Unit> &units()
{
    static const QVector<Unit> table = {
        {QT_TRANSLATE_NOOP("CItem", "mbar"), 1.0},
        {QT_TRANSLATE_NOOP("CItem", "Pa"), 100.0},
        {QT_TRANSLATE_NOOP("CItem", "kPa"), 0.1},
        {QT_TRANSLATE_NOOP("CItem", "inH2O"), 0.401463133},
        {QT_TRANSLATE_NOOP("CItem", "psi"), 0.01450377},
    };
    return table;
}

double unitFactor(const QString &text)
{
    for (const Unit &unit : units()) {
        if (text == QLatin1String(unit.text))
            return unit.factor;
    }
    return 0.0;
}

const QStringList &unitDependentItems()
{
    static const QStringList names = {grenzwertMaxAlarm, grenzwertMinAlarm, grenzwertMaxHysterese,
                                      grenzwertMinHysterese, sollwert};
    return names;
}

} // namespace Pv8120

#include "cdeviceunits.h"

namespace DeviceUnits {

QString selectorName()
{
    return QStringLiteral("Einheit");
}

const QStringList &dependentNames()
{
    static const QStringList names = {QStringLiteral("GrenzwertMaxAlarm"), QStringLiteral("GrenzwertMinAlarm"),
                                      QStringLiteral("GrenzwertMaxHysterese"), QStringLiteral("GrenzwertMinHysterese"),
                                      QStringLiteral("Sollwert")};
    return names;
}

double factor(const QString &text)
{
    const QString unit = text.trimmed();
    if (unit == QLatin1String("Pa"))
        return 100.0;
    if (unit == QLatin1String("kPa"))
        return 0.1;
    if (unit == QLatin1String("inH2O"))
        return 0.401463133;
    if (unit == QLatin1String("psi"))
        return 0.01450377;
    return 1.0;
}

} // namespace DeviceUnits

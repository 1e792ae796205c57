#include "csimdevicerules.h"

#include <QStringList>

#include <cmath>

namespace {

const QStringList ConfiguredValues = {QStringLiteral("GrenzwertMaxAlarm"), QStringLiteral("GrenzwertMinAlarm"),
                                      QStringLiteral("Sollwert")};
const QString PointInput = QStringLiteral("StuetzpunktEingang_");
const int LinearCharacteristic = 0;
const int TableCharacteristic = 2;
const int PointCount = 30;

bool lessOrNear(double a, double b)
{
    // Float registers hold decimal bounds only approximately.
    return a <= b + 1e-6 * qMax(1.0, qMax(std::fabs(a), std::fabs(b)));
}

} // namespace

bool CSimDeviceRules::accepts(const QStringList &written, const Lookup &value, const UnitFactor &unitFactor)
{
    return insideConfiguredRange(written, value, unitFactor) && alarmsInOrder(written, value)
        && pointsRising(written, value);
}

bool CSimDeviceRules::insideConfiguredRange(const QStringList &written, const Lookup &value,
                                            const UnitFactor &unitFactor)
{
    // The setpoint is a pressure in the selected unit; the alarms are too on
    // a linear characteristic, else they are display values.
    const bool linear = value(QStringLiteral("Kennlinie")).toInt() == LinearCharacteristic;
    for (const QString &name : ConfiguredValues) {
        const QVariant held = value(name);
        if (!written.contains(name) || !held.isValid())
            continue;
        const bool pressure = linear || name == QLatin1String("Sollwert");
        const double factor = pressure ? unitFactor(value(QStringLiteral("Einheit")).toInt()) : 1.0;
        const QVariant start = value(pressure ? QStringLiteral("MessbereichAnfang") : QStringLiteral("AnzeigewertAnfang"));
        const QVariant end = value(pressure ? QStringLiteral("MessbereichEnde") : QStringLiteral("AnzeigewertEnde"));
        if (!start.isValid() || !end.isValid())
            continue; // a device without a configured range
        const double low = qMin(start.toDouble(), end.toDouble()) * factor;
        const double high = qMax(start.toDouble(), end.toDouble()) * factor;
        if (!(lessOrNear(low, held.toDouble()) && lessOrNear(held.toDouble(), high)))
            return false;
    }
    return true;
}

bool CSimDeviceRules::alarmsInOrder(const QStringList &written, const Lookup &value)
{
    const QString max = QStringLiteral("GrenzwertMaxAlarm");
    const QString min = QStringLiteral("GrenzwertMinAlarm");
    if (!written.contains(max) && !written.contains(min))
        return true;
    return !value(max).isValid() || !value(min).isValid() || value(max).toDouble() > value(min).toDouble();
}

bool CSimDeviceRules::pointsRising(const QStringList &written, const Lookup &value)
{
    if (value(QStringLiteral("Kennlinie")).toInt() != TableCharacteristic
        || written.filter(PointInput).isEmpty())
        return true;
    const int used = qBound(0, value(QStringLiteral("AnzahlStuetzstellen")).toInt(), PointCount);
    for (int point = 2; point <= used; ++point) {
        if (value(PointInput + QString::number(point)).toDouble()
            <= value(PointInput + QString::number(point - 1)).toDouble())
            return false;
    }
    return true;
}

#include "csimdevicerules.h"

#include "device/pv8120constants.h"
#include "device/pv8120status.h"

#include <QStringList>

#include <cmath>

namespace {

// The values that must lie inside the configured range.
const QStringList &configuredValues()
{
    static const QStringList names = {Pv8120::grenzwertMaxAlarm, Pv8120::grenzwertMinAlarm, Pv8120::sollwert};
    return names;
}

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
    const bool linear = value(Pv8120::kennlinie).toInt() == Pv8120::CharacteristicLinear;
    for (const QString &name : configuredValues()) {
        const QVariant held = value(name);
        if (!written.contains(name) || !held.isValid())
            continue;
        const bool pressure = linear || name == Pv8120::sollwert;
        const double factor = pressure ? unitFactor(value(Pv8120::einheit).toInt()) : 1.0;
        const QVariant start = value(pressure ? Pv8120::messbereichAnfang : Pv8120::anzeigewertAnfang);
        const QVariant end = value(pressure ? Pv8120::messbereichEnde : Pv8120::anzeigewertEnde);
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
    const QString &max = Pv8120::grenzwertMaxAlarm;
    const QString &min = Pv8120::grenzwertMinAlarm;
    if (!written.contains(max) && !written.contains(min))
        return true;
    return !value(max).isValid() || !value(min).isValid() || value(max).toDouble() > value(min).toDouble();
}

bool CSimDeviceRules::pointsRising(const QStringList &written, const Lookup &value)
{
    if (value(Pv8120::kennlinie).toInt() != Pv8120::CharacteristicTable
        || written.filter(Pv8120::stuetzpunktEingang).isEmpty())
        return true;
    const int used = qBound(0, value(Pv8120::anzahlStuetzstellen).toInt(), Pv8120::pointCount);
    for (int point = 2; point <= used; ++point) {
        if (value(Pv8120::pointName(Pv8120::stuetzpunktEingang, point)).toDouble()
            <= value(Pv8120::pointName(Pv8120::stuetzpunktEingang, point - 1)).toDouble())
            return false;
    }
    return true;
}

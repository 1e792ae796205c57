#ifndef CSIMDEVICERULES_H
#define CSIMDEVICERULES_H

#include <QHash>
#include <QString>
#include <QVariant>

#include <functional>

// The rules the device applies to a write beyond each parameter's own range,
// on the values it would hold after the request:
// - a limit alarm or the setpoint that is written must lie inside the
//   configured range: the measuring range start to end in the selected unit
//   (the alarms only on a linear characteristic; else the display range);
// - when either limit alarm is written, the max alarm must stay above the
//   min alarm;
// - when an interpolation input is written in table mode, the inputs of the
//   points in use must rise strictly.
// Bounds written alone are not checked against values already held.
class CSimDeviceRules
{
public:
    // The value a parameter will hold after the request, by object name
    // (its stored value; invalid when the device has no such parameter).
    typedef std::function<QVariant(const QString &)> Lookup;
    // The factor from mbar into the unit of a unit entry index.
    typedef std::function<double(int)> UnitFactor;

    // Whether the device takes a request that writes the names in written.
    static bool accepts(const QStringList &written, const Lookup &value, const UnitFactor &unitFactor);

private:
    static bool insideConfiguredRange(const QStringList &written, const Lookup &value, const UnitFactor &unitFactor);
    static bool alarmsInOrder(const QStringList &written, const Lookup &value);
    static bool pointsRising(const QStringList &written, const Lookup &value);
};

#endif // CSIMDEVICERULES_H

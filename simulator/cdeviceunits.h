#ifndef CDEVICEUNITS_H
#define CDEVICEUNITS_H

#include <QString>
#include <QStringList>

// The device's pressure units. The sensor measures in mbar; "Einheit" selects
// the unit of the display and of the unit-dependent parameters (the limits,
// their hysteresis and the setpoint), which the device holds in that unit.
// Their range in the parameter description is in mbar.
namespace DeviceUnits {

// The parameter that selects the unit.
QString selectorName();

// The parameters held in the selected unit.
const QStringList &dependentNames();

// Factor from mbar into the unit named text ("mbar", "Pa", "kPa", "inH2O",
// "psi"); 1.0 for any other text.
double factor(const QString &text);

} // namespace DeviceUnits

#endif // CDEVICEUNITS_H

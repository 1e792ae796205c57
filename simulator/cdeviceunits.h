#ifndef CDEVICEUNITS_H
#define CDEVICEUNITS_H

#include <QString>

// How the simulated device reads its unit parameter: the factor from mbar
// into the unit whose text is given, blanks around it ignored; a text the
// device does not know counts as mbar (factor 1).
namespace DeviceUnits {

double factor(const QString &text);

} // namespace DeviceUnits

#endif // CDEVICEUNITS_H

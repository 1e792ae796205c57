#include "cdeviceunits.h"

#include "device/pv8120units.h"

namespace DeviceUnits {

double factor(const QString &text)
{
    const double known = Pv8120::unitFactor(text.trimmed());
    return known > 0.0 ? known : 1.0;
}

} // namespace DeviceUnits

#ifndef CTRENDLIMITS_H
#define CTRENDLIMITS_H

#include "ctrenddata.h"

class CDeviceData;
class CParameterTransfer;

// The horizontal lines of a trend: every parameter the description marks as
// drawn in a chart, at the value the device holds (never an edit not yet
// written), in its colour and on its axis. A hysteresis that the device data
// tie to a limit is drawn where it takes effect: below a limit it belongs
// to ("side": "below") or above it, dashed. A line on the value's axis is
// drawn only when the device holds it in the value's unit, so no line stands
// in a unit other than the axis's.
class CTrendLimits
{
public:
    static QVector<CTrendData::Line> lines(const CParameterTransfer &transfer, const CDeviceData &data,
                                           const QString &valueUnit);
};

#endif // CTRENDLIMITS_H

#ifndef CFLEETDEVICE_H
#define CFLEETDEVICE_H

#include "clinksettings.h"

#include <QString>

// One device of a fleet list: the link it is reached over, its unit id and,
// when given, the serial number it must have.
struct CFleetDevice
{
    CLinkSettings link; // with the unit id as server address
    int unitId = 1;
    QString serialNumber; // empty: any
    int line = 0;         // where the list names it (1-based; entry number in JSON)
};

#endif // CFLEETDEVICE_H

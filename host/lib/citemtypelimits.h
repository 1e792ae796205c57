#ifndef CITEMTYPELIMITS_H
#define CITEMTYPELIMITS_H

#include "loomworkhost_global.h"

#include <QPair>

// The numbers a parameter's register can hold by its data type, in register
// units: the whole numbers of its width (0 .. 0 for types that hold no
// whole number: floats, texts, containers).
class LOOMWORKHOST_EXPORT CItemTypeLimits
{
public:
    static QPair<double, double> limits(int type);
};

#endif // CITEMTYPELIMITS_H

#ifndef PV8120UNITS_H
#define PV8120UNITS_H

#include <QString>
#include <QStringList>
#include <QVector>

// The pressure units of the PV 8120. The sensor measures in mbar; the list
// parameter "Einheit" selects the unit of the display and of the
// unit-dependent parameters, which the device holds in that unit.
namespace Pv8120 {

struct Unit
{
    const char *text; // untranslated entry text of "Einheit" (context "CItem")
    double factor;    // from mbar into this unit
};

// The units in the entry order of "Einheit".
const QVector<Unit> &units();

// Factor from mbar into the unit whose untranslated text is text; 0 when no
// unit has that text.
double unitFactor(const QString &text);

// The parameters whose ranges, values and unit follow "Einheit", in the
// order the backend converts them.
const QStringList &unitDependentItems();

} // namespace Pv8120

#endif // PV8120UNITS_H

#ifndef CVALUEFORMAT_H
#define CVALUEFORMAT_H

#include "loomworkhost_global.h"

#include <QString>
#include <QVariant>

class CItem;

// How the host shows a value so that the number identifies what the device
// holds. An item writes its value with the decimals of its description entry
// whatever the unit, so a hysteresis of 0.5 in kPa would read "1". Here a
// number gets as many more decimals as it needs to read back to the held
// value: exactly, or to within Tolerance of the parameter's range. Texts
// that need no more digits are the item's own, with its rules. Numbers carry
// the default locale's decimal separator.
class LOOMWORKHOST_EXPORT CValueFormat
{
public:
    // Share of a parameter's range by which a shown number may miss the value.
    static constexpr double Tolerance = 0.0005;
    static constexpr int MaxDecimals = 9;

    // Whether the item shows its value as a plain number (integers, floats,
    // bit sets, versions).
    static bool isNumeric(const CItem *item);
    // The number value stands for on screen: stored / decimal factor, floats
    // unscaled.
    static double displayNumber(const CItem *item, const QVariant &value);
    // The stored value a display number stands for (the inverse).
    static double storedNumber(const CItem *item, double display);
    // How far a shown number may be from the value, in display units: the
    // share of the item's range (0 without a range).
    static double tolerance(const CItem *item);
    // The decimals value needs: the item's precision, or more when fewer
    // would show a number that reads back to another value.
    static int decimals(const CItem *item, const QVariant &value);
    // The value's text with enough decimals (the item's own text otherwise).
    static QString text(const CItem *item);
    static QString text(const CItem *item, const QVariant &value);
    // A plain number the item wrote ("-12,5") with the default locale's
    // decimal separator; other texts unchanged.
    static QString localNumber(const QString &text);
    // The number shown for value (rounded to the shown decimals), as a
    // locale-independent double; invalid for values that are no number.
    static QVariant shownNumber(const CItem *item, const QVariant &value);
    // Decimals an editor needs to take any value of the item's range as
    // closely as shown, and to show the current value as the tree does.
    static int editorDecimals(const CItem *item);

private:
    static bool readsBack(const CItem *item, const QVariant &value, double shown);
};

#endif // CVALUEFORMAT_H

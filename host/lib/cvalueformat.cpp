#include "cvalueformat.h"

#include "items/citem.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace {

bool isFloat(const CItem *item)
{
    return item->type() == CItem::DATA_TYPE_FLOAT;
}

double factorOf(const CItem *item)
{
    return isFloat(item) || item->decimalFactor() == 0.0 ? 1.0 : item->decimalFactor();
}

int baseDecimals(const CItem *item)
{
    return qBound(0, int(item->precision()), int(CValueFormat::MaxDecimals));
}

double rounded(double number, int decimals)
{
    return QString::number(number, 'f', decimals).toDouble();
}

} // namespace

bool CValueFormat::isNumeric(const CItem *item)
{
    switch (item->type()) {
    case CItem::DATA_TYPE_INT16:
    case CItem::DATA_TYPE_UINT16:
    case CItem::DATA_TYPE_INT8:
    case CItem::DATA_TYPE_UINT8:
    case CItem::DATA_TYPE_INT32:
    case CItem::DATA_TYPE_UINT32:
    case CItem::DATA_TYPE_FLOAT:
    case CItem::DATA_TYPE_VERSION16:
    case CItem::DATA_TYPE_VERSION32:
    case CItem::DATA_TYPE_BIT8:
    case CItem::DATA_TYPE_BIT16:
    case CItem::DATA_TYPE_BIT32:
        return true;
    default:
        return false;
    }
}

double CValueFormat::displayNumber(const CItem *item, const QVariant &value)
{
    return value.toDouble() / factorOf(item);
}

double CValueFormat::storedNumber(const CItem *item, double display)
{
    return display * factorOf(item);
}

double CValueFormat::tolerance(const CItem *item)
{
    return Tolerance * std::fabs(item->maximum() - item->minimum()) / factorOf(item);
}

// A shown number identifies the value when it is within the tolerance, or
// when it stores as the very same register value.
bool CValueFormat::readsBack(const CItem *item, const QVariant &value, double shown)
{
    const double held = displayNumber(item, value);
    const double slack = 1e-12 * qMax(1.0, std::fabs(held));
    if (std::fabs(shown - held) <= tolerance(item) + slack)
        return true;
    if (isFloat(item))
        return float(shown) == value.toFloat();
    return std::llround(shown * factorOf(item)) == std::llround(value.toDouble());
}

int CValueFormat::decimals(const CItem *item, const QVariant &value)
{
    const double number = displayNumber(item, value);
    int decimals = baseDecimals(item);
    if (!std::isfinite(number))
        return decimals;
    while (decimals < MaxDecimals && !readsBack(item, value, rounded(number, decimals)))
        ++decimals;
    return decimals;
}

QString CValueFormat::text(const CItem *item)
{
    return text(item, item->value());
}

QString CValueFormat::text(const CItem *item, const QVariant &value)
{
    if (!isNumeric(item))
        return item->valueText(value);
    const int needed = decimals(item, value);
    // Versions keep their point, like the item's own text.
    const bool version = item->type() == CItem::DATA_TYPE_VERSION16 || item->type() == CItem::DATA_TYPE_VERSION32;
    if (needed == baseDecimals(item))
        return version ? item->valueText(value) : localNumber(item->valueText(value));
    if (version)
        return QString::number(displayNumber(item, value), 'f', needed);
    return QLocale().toString(displayNumber(item, value), 'f', needed);
}

QString CValueFormat::localNumber(const QString &text)
{
    // The item writes plain numbers with a decimal comma; the user reads
    // them in the language's own way.
    static const QRegularExpression plainNumber(QStringLiteral("^-?\\d+(,\\d+)?$"));
    if (!plainNumber.match(text).hasMatch())
        return text;
    return QString(text).replace(QLatin1Char(','), QLocale().decimalPoint());
}

QVariant CValueFormat::shownNumber(const CItem *item, const QVariant &value)
{
    if (!isNumeric(item))
        return QVariant();
    return rounded(displayNumber(item, value), decimals(item, value));
}

int CValueFormat::editorDecimals(const CItem *item)
{
    int result = qMax(baseDecimals(item), decimals(item, item->value()));
    // Integers are entered in register steps; floats as finely as the
    // tolerance asks, whatever the unit.
    const double tolerance = CValueFormat::tolerance(item);
    if (isFloat(item) && tolerance > 0.0) {
        while (result < MaxDecimals && 0.5 * std::pow(10.0, -result) > tolerance)
            ++result;
    }
    return result;
}

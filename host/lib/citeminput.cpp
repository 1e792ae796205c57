#include "citeminput.h"

#include "chosttr.h"
#include "cvalueformat.h"
#include "items/citem.h"

#include <QStringList>

#include <cmath>
#include <limits>

namespace {

bool parseList(const CItem &item, const QString &text, QVariant *value, QString *error)
{
    const QStringList entries = item.textList();
    // The description's own entry texts work in every language (scripts).
    int index = entries.indexOf(text);
    if (index < 0)
        index = item.rawTextList().split(QLatin1Char(',')).indexOf(text);
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    if (index < 0 && isNumber && number >= 0 && number < entries.size())
        index = number;
    if (index < 0) {
        *error = CHostTr::tr("\"%1\" is none of: %2").arg(text, entries.join(QStringLiteral(", ")));
        return false;
    }
    *value = index;
    return true;
}

bool parseBool(const CItem &item, const QString &text, QVariant *value, QString *error)
{
    const QString lower = text.toLower();
    if (text == item.valueText(true) || lower == QLatin1String("on") || lower == QLatin1String("1")
        || lower == QLatin1String("true")) {
        *value = 1;
        return true;
    }
    if (text == item.valueText(false) || lower == QLatin1String("off") || lower == QLatin1String("0")
        || lower == QLatin1String("false")) {
        *value = 0;
        return true;
    }
    *error = CHostTr::tr("\"%1\" is neither on nor off").arg(text);
    return false;
}

// The numbers a parameter of this type can carry in its registers: a value
// beyond them would reach the device cut to another number.
void typeRange(int type, double *low, double *high)
{
    switch (type) {
    case CItem::DATA_TYPE_INT8: *low = -128; *high = 127; return;
    case CItem::DATA_TYPE_UINT8: case CItem::DATA_TYPE_BIT8: case CItem::DATA_TYPE_CHAR_TIME15:
        *low = 0; *high = 255; return;
    case CItem::DATA_TYPE_INT16: *low = -32768; *high = 32767; return;
    case CItem::DATA_TYPE_INT32: *low = -2147483648.0; *high = 2147483647.0; return;
    case CItem::DATA_TYPE_UINT32: case CItem::DATA_TYPE_LIST32: case CItem::DATA_TYPE_VERSION32:
    case CItem::DATA_TYPE_BIT32: case CItem::DATA_TYPE_LONG_TIME15:
        *low = 0; *high = 4294967295.0; return;
    case CItem::DATA_TYPE_FLOAT: *low = -std::numeric_limits<float>::max(); *high = -*low; return;
    default: *low = 0; *high = 65535; return;
    }
}

bool parseNumber(const CItem &item, const QString &text, QVariant *value, QString *error)
{
    bool ok = false;
    const double shown = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    // "nan" and "inf" parse, but no register holds them.
    if (!ok || !std::isfinite(shown)) {
        *error = CHostTr::tr("\"%1\" is not a number").arg(text);
        return false;
    }
    const bool isFloat = item.type() == CItem::DATA_TYPE_FLOAT;
    const double stored = isFloat ? shown : shown * item.decimalFactor();
    if (item.minimum() < item.maximum() && (stored < item.minimum() || stored > item.maximum())) {
        *error = CHostTr::tr("%1 is outside %2 .. %3")
                     .arg(text, CValueFormat::text(&item, item.minimum()), CValueFormat::text(&item, item.maximum()));
        return false;
    }
    double low = 0;
    double high = 0;
    typeRange(item.type(), &low, &high);
    if (!std::isfinite(stored) || stored < low || stored > high) {
        *error = CHostTr::tr("%1 is outside what the parameter can hold (%2 .. %3)")
                     .arg(text, CValueFormat::text(&item, low), CValueFormat::text(&item, high));
        return false;
    }
    *value = isFloat ? QVariant(stored) : QVariant(qint64(std::llround(stored)));
    return true;
}

} // namespace

bool CItemInput::parse(const CItem &item, const QString &text, QVariant *value, QString *error)
{
    switch (item.type()) {
    case CItem::DATA_TYPE_LIST16:
    case CItem::DATA_TYPE_LIST32:
        return parseList(item, text, value, error);
    case CItem::DATA_TYPE_BOOL:
        return parseBool(item, text, value, error);
    case CItem::DATA_TYPE_TEXT16:
    case CItem::DATA_TYPE_TEXT8:
    case CItem::DATA_TYPE_BUILDDATE:
        *value = text;
        return true;
    case CItem::DATA_TYPE_NONE:
    case CItem::DATA_TYPE_OBJECT:
    case CItem::DATA_TYPE_GROUP:
    case CItem::DATA_TYPE_DATETIME:
        *error = CHostTr::tr("%1 cannot be set from text").arg(item.objectName());
        return false;
    default:
        return parseNumber(item, text, value, error);
    }
}

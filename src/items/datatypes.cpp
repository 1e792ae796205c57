#include "items/datatypes.h"

#include "items/citem.h"

namespace {

QHash<int, QStringList> buildDataTypeNames()
{
    return {
        {CItem::DATA_TYPE_TEXT16, {"text", "text16_t"}},
        {CItem::DATA_TYPE_INT16, {"int16_t", "signed short", "short"}},
        {CItem::DATA_TYPE_UINT16, {"uint16_t", "unsigned short"}},
        {CItem::DATA_TYPE_INT8, {"int8_t", "signed char", "char"}},
        {CItem::DATA_TYPE_UINT8, {"uint8_t", "unsigned char"}},
        {CItem::DATA_TYPE_INT32, {"int32_t", "signed int", "int"}},
        {CItem::DATA_TYPE_UINT32, {"uint32_t", "unsigned int"}},
        {CItem::DATA_TYPE_BOOL, {"bool"}},
        {CItem::DATA_TYPE_FLOAT, {"float", "double"}},
        {CItem::DATA_TYPE_LIST16, {"list16_t", "list", "liste"}},
        {CItem::DATA_TYPE_LIST32, {"list32_t"}},
        {CItem::DATA_TYPE_PASSWORD, {"password", "passwort"}},
        {CItem::DATA_TYPE_VERSION16, {"version16_t", "version"}},
        {CItem::DATA_TYPE_VERSION32, {"version32_t"}},
        {CItem::DATA_TYPE_BIT8, {"bit8_t"}},
        {CItem::DATA_TYPE_BIT16, {"bit16_t"}},
        {CItem::DATA_TYPE_BIT32, {"bit32_t"}},
        {CItem::DATA_TYPE_DATETIME, {"datetime"}},
        {CItem::DATA_TYPE_CHAR_TIME15, {"char_time15_t", "char_time15"}},
        {CItem::DATA_TYPE_SHORT_TIME15, {"short_time15_t", "short_time15"}},
        {CItem::DATA_TYPE_LONG_TIME15, {"long_time15_t", "long_time15"}},
        {CItem::DATA_TYPE_TEXT8, {"text8_t"}},
        {CItem::DATA_TYPE_BUILDDATE, {"builddate"}},
    };
}

const QHash<int, QStringList> kDataTypeNames = buildDataTypeNames();

} // namespace

const QHash<int, QStringList> &dataTypeNames()
{
    return kDataTypeNames;
}

int dataTypeFromName(const QString &name)
{
    for (auto it = kDataTypeNames.cbegin(); it != kDataTypeNames.cend(); ++it) {
        if (it.value().contains(name))
            return it.key();
    }
    return 0;
}

QString dataTypeName(int type)
{
    return kDataTypeNames.value(type).value(0);
}

int decimalsFromDivider(const QString &divider)
{
    QString s = divider;
    for (const QChar separator : {QLatin1Char('.'), QLatin1Char(',')}) {
        const int at = s.indexOf(separator);
        if (at >= 0)
            s.truncate(at);
    }
    s.remove(QLatin1Char('-'));
    return s.isEmpty() ? 0 : s.size() - 1;
}

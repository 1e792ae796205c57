#include "citemtypelimits.h"

#include "items/citem.h"

QPair<double, double> CItemTypeLimits::limits(int type)
{
    switch (type) {
    case CItem::DATA_TYPE_INT8:
        return {-128.0, 127.0};
    case CItem::DATA_TYPE_UINT8:
    case CItem::DATA_TYPE_BIT8:
    case CItem::DATA_TYPE_CHAR_TIME15:
        return {0.0, 255.0};
    case CItem::DATA_TYPE_INT16:
        return {-32768.0, 32767.0};
    case CItem::DATA_TYPE_UINT16:
    case CItem::DATA_TYPE_LIST16:
    case CItem::DATA_TYPE_PASSWORD:
    case CItem::DATA_TYPE_VERSION16:
    case CItem::DATA_TYPE_BIT16:
    case CItem::DATA_TYPE_SHORT_TIME15:
    case CItem::DATA_TYPE_BOOL:
        return {0.0, 65535.0};
    case CItem::DATA_TYPE_INT32:
        return {-2147483648.0, 2147483647.0};
    case CItem::DATA_TYPE_UINT32:
    case CItem::DATA_TYPE_LIST32:
    case CItem::DATA_TYPE_VERSION32:
    case CItem::DATA_TYPE_BIT32:
    case CItem::DATA_TYPE_LONG_TIME15:
        return {0.0, 4294967295.0};
    default:
        return {0.0, 0.0};
    }
}

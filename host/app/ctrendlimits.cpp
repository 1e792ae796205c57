#include "ctrendlimits.h"

#include "cdevicedata.h"
#include "cparametertransfer.h"
#include "cvalueformat.h"
#include "items/citem.h"

#include <QVariantMap>

namespace {

struct Hysteresis
{
    QString limit;
    bool below = true;
};

// "chart": {"hysteresis": [{"item": ..., "limit": ..., "side": "below"|"above"}]}
QHash<QString, Hysteresis> hysteresisOf(const CDeviceData &data)
{
    QHash<QString, Hysteresis> result;
    const QVariantList list = data.section(QStringLiteral("chart")).value(QStringLiteral("hysteresis")).toList();
    for (const QVariant &entry : list) {
        const QVariantMap map = entry.toMap();
        result.insert(map.value(QStringLiteral("item")).toString(),
                      Hysteresis{map.value(QStringLiteral("limit")).toString(),
                                 map.value(QStringLiteral("side")).toString() != QLatin1String("above")});
    }
    return result;
}

bool deviceNumber(const CParameterTransfer &transfer, const CItem *item, double *number)
{
    if (!item || !transfer.wasRead(item) || !CValueFormat::isNumeric(item))
        return false;
    const QByteArray bytes = transfer.deviceBytes(item).left(item->byteSize());
    *number = CValueFormat::displayNumber(item, CItem::fromByteArray(bytes, item->type()));
    return true;
}

} // namespace

QVector<CTrendData::Line> CTrendLimits::lines(const CParameterTransfer &transfer, const CDeviceData &data,
                                              const QString &valueUnit)
{
    const QHash<QString, Hysteresis> hysteresis = hysteresisOf(data);
    QVector<CTrendData::Line> lines;
    for (const CItem *item : transfer.items()) {
        if (!item->isChartVisible())
            continue;
        CTrendData::Line line;
        line.caption = item->caption();
        line.color = item->color().isValid() ? item->color() : QColor(Qt::darkGray);
        line.axis = item->yAxis() == 1 ? 1 : 0;
        if (!deviceNumber(transfer, item, &line.value))
            continue;
        if (line.axis == 0 && (valueUnit.isEmpty() || transfer.deviceUnit(item) != valueUnit))
            continue;
        const auto relative = hysteresis.constFind(item->objectName());
        if (relative != hysteresis.constEnd()) {
            double limit = 0.0;
            if (!deviceNumber(transfer, transfer.item(relative->limit), &limit))
                continue;
            line.value = relative->below ? limit - line.value : limit + line.value;
            line.dashed = true;
        }
        lines.append(line);
    }
    return lines;
}

#include "cparameterset.h"

#include "cvalueformat.h"
#include "items/citem.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <limits>

namespace {

const char *const formatTag = "loomwork-parameter-set";

bool isTextType(int type)
{
    return type == CItem::DATA_TYPE_TEXT16 || type == CItem::DATA_TYPE_TEXT8
        || type == CItem::DATA_TYPE_BUILDDATE;
}

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

QJsonValue toJson(const QVariant &value)
{
    if (value.type() == QVariant::DateTime)
        return value.toDateTime().toString(Qt::ISODateWithMs);
    return QJsonValue::fromVariant(value);
}

} // namespace

void CParameterSet::collect(const QObject *parent, QList<CItem *> *items)
{
    for (QObject *child : parent->children()) {
        auto *item = qobject_cast<CItem *>(child);
        if (!item)
            continue;
        const int type = item->type();
        if (type > CItem::DATA_TYPE_GROUP && type != CItem::DATA_TYPE_BITFIELD_ENTRY)
            items->append(item);
        collect(item, items);
    }
}

QList<CItem *> CParameterSet::parameterItems(const QObject *root)
{
    QList<CItem *> items;
    if (root)
        collect(root, &items);
    return items;
}

CParameterSet CParameterSet::fromItems(const QObject *root)
{
    CParameterSet set;
    set.timeStamp = QDateTime::currentDateTime();
    for (const CItem *item : parameterItems(root))
        set.values.append({item->objectName(), item->value()});
    return set;
}

bool CParameterSet::save(const QString &fileName, QString *error) const
{
    QJsonObject entries;
    for (const auto &entry : values)
        entries.insert(entry.first, toJson(entry.second));
    QJsonObject document{{"format", formatTag},
                         {"model", model},
                         {"orderNumber", orderNumber},
                         {"parameterVersion", parameterVersion},
                         {"timeStamp", timeStamp.toString(Qt::ISODate)},
                         {"values", entries}};
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, file.errorString());
        return false;
    }
    file.write(QJsonDocument(document).toJson(QJsonDocument::Indented));
    if (!file.commit()) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}

bool CParameterSet::load(const QString &fileName, QString *error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, file.errorString());
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    const QJsonObject object = document.object();
    if (document.isNull() || object.value("format").toString() != QLatin1String(formatTag)) {
        setError(error, document.isNull() ? parseError.errorString() : QCoreApplication::translate("CParameterSet", "not a parameter set"));
        return false;
    }
    model = object.value("model").toString();
    orderNumber = object.value("orderNumber").toString();
    parameterVersion = object.value("parameterVersion").toString();
    timeStamp = QDateTime::fromString(object.value("timeStamp").toString(), Qt::ISODate);
    values.clear();
    const QJsonObject entries = object.value("values").toObject();
    for (auto it = entries.begin(); it != entries.end(); ++it)
        values.append({it.key(), it.value().toVariant()});
    return true;
}

QVariant CParameterSet::value(const QString &name) const
{
    for (const auto &entry : values) {
        if (entry.first == name)
            return entry.second;
    }
    return QVariant();
}

QVariant CParameterSet::convertForItem(const CItem *item, const QVariant &value)
{
    const int type = item->type();
    if (isTextType(type))
        return value.toString();
    if (type == CItem::DATA_TYPE_DATETIME)
        return QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
    if (type == CItem::DATA_TYPE_BOOL)
        return value.toBool();
    const double number = value.toDouble();
    if (type == CItem::DATA_TYPE_FLOAT || number != qRound64(number))
        return number;
    if (number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max())
        return int(number);
    return qlonglong(number);
}

QList<CParameterSet::Difference> CParameterSet::compare(const QObject *root) const
{
    QList<Difference> rows;
    for (CItem *item : parameterItems(root)) {
        const QVariant raw = value(item->objectName());
        if (!raw.isValid())
            continue;
        Difference row;
        row.item = item;
        row.name = item->objectName();
        row.caption = item->fullCaption();
        row.fileValue = convertForItem(item, raw);
        row.fileText = CValueFormat::text(item, row.fileValue);
        row.deviceText = CValueFormat::text(item);
        row.differs = row.fileValue != item->value();
        rows.append(row);
    }
    return rows;
}

QList<CItem *> CParameterSet::applyTo(const QObject *root) const
{
    QList<CItem *> changed;
    for (CItem *item : parameterItems(root)) {
        const QVariant raw = value(item->objectName());
        if (!raw.isValid() || item->isReadOnly())
            continue;
        const QVariant converted = convertForItem(item, raw);
        if (converted == item->value())
            continue;
        item->setValue(converted);
        emit item->valueEdited();
        changed.append(item);
    }
    return changed;
}

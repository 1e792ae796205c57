#include "cparameterset.h"

#include "chosttr.h"
#include "cwritecheck.h"
#include "items/citem.h"

#include <QFile>
#include <QJsonArray>
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

// A value as it stands in the file.
QString jsonText(const QVariant &value)
{
    const QByteArray array = QJsonDocument(QJsonArray{QJsonValue::fromVariant(value)}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
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
    for (const CItem *item : parameterItems(root)) {
        set.values.append({item->objectName(), item->value()});
        if (!item->unit().isEmpty())
            set.units.insert(item->objectName(), item->unit());
    }
    return set;
}

bool CParameterSet::save(const QString &fileName, QString *error) const
{
    QJsonObject entries;
    for (const auto &entry : values)
        entries.insert(entry.first, toJson(entry.second));
    QJsonObject unitEntries;
    for (auto it = units.cbegin(); it != units.cend(); ++it)
        unitEntries.insert(it.key(), it.value());
    QJsonObject document{{"format", formatTag},
                         {"version", FormatVersion},
                         {"model", model},
                         {"orderNumber", orderNumber},
                         {"parameterVersion", parameterVersion},
                         {"timeStamp", timeStamp.toString(Qt::ISODate)},
                         {"values", entries},
                         {"units", unitEntries}};
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
        setError(error, document.isNull() ? parseError.errorString() : CHostTr::tr("not a parameter set"));
        return false;
    }
    const int fileVersion = object.value("version").toInt(1);
    if (fileVersion < 1 || fileVersion > FormatVersion) {
        setError(
            error,
            CHostTr::tr("parameter-set version %1 is not supported (up to %2)").arg(fileVersion).arg(FormatVersion));
        return false;
    }
    if (!object.value("values").isObject()) {
        setError(error, CHostTr::tr("the set holds no values"));
        return false;
    }
    version = fileVersion;
    model = object.value("model").toString();
    orderNumber = object.value("orderNumber").toString();
    parameterVersion = object.value("parameterVersion").toString();
    timeStamp = QDateTime::fromString(object.value("timeStamp").toString(), Qt::ISODate);
    values.clear();
    const QJsonObject entries = object.value("values").toObject();
    for (auto it = entries.begin(); it != entries.end(); ++it)
        values.append({it.key(), it.value().toVariant()});
    units.clear();
    const QJsonObject unitEntries = object.value("units").toObject();
    for (auto it = unitEntries.begin(); it != unitEntries.end(); ++it)
        units.insert(it.key(), it.value().toString());
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

bool CParameterSet::convertForItem(const CItem *item, const QVariant &raw, QVariant *value, QString *reason)
{
    const int type = item->type();
    QVariant converted;
    if (isTextType(type)) {
        converted = raw.toString();
    } else if (type == CItem::DATA_TYPE_DATETIME) {
        converted = QDateTime::fromString(raw.toString(), Qt::ISODateWithMs);
    } else if (raw.type() == QVariant::String || !raw.isValid() || raw.type() == QVariant::Map
               || raw.type() == QVariant::List) {
        *reason = CHostTr::tr("%1 is not a number").arg(jsonText(raw));
        return false;
    } else if (type == CItem::DATA_TYPE_BOOL && raw.type() == QVariant::Bool) {
        converted = raw.toBool();
    } else {
        converted = raw.toDouble();
    }
    // Checked before any conversion to an integer: a huge number has none.
    const QString problem = CWriteCheck::valueProblem(item, converted, false);
    if (!problem.isEmpty()) {
        *reason = problem;
        return false;
    }
    if (converted.type() == QVariant::Double && type != CItem::DATA_TYPE_FLOAT) {
        const double number = converted.toDouble();
        converted = number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max()
            ? QVariant(int(number))
            : QVariant(qlonglong(number));
    }
    if (type == CItem::DATA_TYPE_BOOL)
        converted = converted.toBool();
    *value = converted;
    return true;
}

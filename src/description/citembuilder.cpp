#include "description/citembuilder.h"

#include "items/itemkeys.h"

#include <QObject>

namespace {

const QString ListKey = QStringLiteral("List");
const QString BitfieldKey = QStringLiteral("Bitfield");
// Chart settings of a parameter: drawn in a chart, its colour and axis.
const QString ChartKey = QStringLiteral("Chart");
const QString ColorKey = QStringLiteral("Color");
const QString AxisKey = QStringLiteral("YAxis");
const QString BitKey = QStringLiteral("Bit");
const QString BitsKey = QStringLiteral("Bits");

QList<FeatureElement> toFeatures(const QList<DefaultValue> &defaults)
{
    QList<FeatureElement> features;
    for (const DefaultValue &entry : defaults)
        features.append(FeatureElement(entry.first, entry.second));
    return features;
}

CItem *newContainer(QObject *parent, CItem::ENUM_DATA_TYPES type, const QString &name, const QString &caption)
{
    auto *item = new CItem(parent);
    item->setType(type);
    item->setObjectName(name);
    item->setCaption(caption);
    return item;
}

const AttributeSet *findListType(const ObjectDescription &object, const QString &name)
{
    for (const AttributeSet &type : object.listTypes) {
        if (type.value(Qvr::Name) == name)
            return &type;
    }
    return nullptr;
}

const BitfieldType *findBitfieldType(const ObjectDescription &object, const QString &name)
{
    for (const BitfieldType &type : object.bitfields) {
        if (type.name == name)
            return &type;
    }
    return nullptr;
}

bool isListType(CItem::ENUM_DATA_TYPES type)
{
    return type == CItem::DATA_TYPE_LIST16 || type == CItem::DATA_TYPE_LIST32;
}

bool isBitSetType(CItem::ENUM_DATA_TYPES type)
{
    return type >= CItem::DATA_TYPE_BIT8 && type <= CItem::DATA_TYPE_BIT32;
}

BitfieldEntry bitfieldEntry(const AttributeSet &field)
{
    BitfieldEntry entry;
    entry.name = field.value(Qvr::Name);
    entry.bitCount = field.value(BitsKey, QStringLiteral("1")).toInt();
    entry.visible = field.value(Qvr::Visibility) != QLatin1String("false");
    entry.caption = field.value(Qvr::Text);
    entry.textList = field.value(ListKey);
    return entry;
}

} // namespace

CItemBuilder::CItemBuilder(const CParameterDescription &description)
    : m_description(description)
{
}

void CItemBuilder::setLanguage(const LanguageTable &table, const QString &languageId)
{
    m_language = table;
    m_languageId = languageId;
    m_hasLanguage = true;
}

QList<CItem *> CItemBuilder::build(QObject *parent)
{
    m_problems.clear();
    QList<CItem *> objects;
    const CParameterDescription::ObjectMap &described = m_description.objects();
    for (auto it = described.cbegin(); it != described.cend(); ++it)
        objects.append(buildObject(it.key(), *it.value(), parent));
    return objects;
}

QStringList CItemBuilder::problems() const
{
    return m_problems;
}

const QStringList &CItemBuilder::featureEntryNames()
{
    using namespace FeatureEntries;
    static const QStringList names{Access, Enabled, FC_RD, FC_WR, FC_WRS, FC_RW, Address_RD, Address_WR,
                                   Address_WRS, Address_RW, FunctionPrefix, Function_RD, Function_WR,
                                   Function_RW, Anzahl, List, Type, IOs, Reference, Format};
    return names;
}

CItem *CItemBuilder::buildObject(const QString &name, const ObjectDescription &object, QObject *parent)
{
    m_objectName = name;
    CItem *container = newContainer(parent, CItem::DATA_TYPE_OBJECT, name, QString());
    container->setFeatures(toFeatures(object.defaults));
    for (const LineDescription &line : object.lines)
        buildLine(line, object, container);
    applyLanguage(container);
    return container;
}

void CItemBuilder::buildLine(const LineDescription &line, const ObjectDescription &object, CItem *parent)
{
    CItem *lineItem = newContainer(parent, CItem::DATA_TYPE_GROUP, line.name, line.text);
    lineItem->setFeatures(toFeatures(line.defaults));
    for (const GroupDescription &group : line.groups) {
        // An anonymous sub-group adds no level of its own to the tree.
        CItem *container = lineItem;
        if (!group.name.isEmpty() || !group.text.isEmpty())
            container = newContainer(lineItem, CItem::DATA_TYPE_GROUP, group.name, group.text);
        for (const AttributeSet &attributes : group.values)
            buildParameter(attributes, object, container);
    }
}

void CItemBuilder::buildParameter(const AttributeSet &attributes, const ObjectDescription &object, CItem *parent)
{
    auto *item = new CItem(parent);
    item->setObjectName(attributes.value(Qvr::Name));
    if (item->objectName().isEmpty())
        report(item, QStringLiteral("value without a name"));
    const QString datatype = attributes.value(Keys::Datatype);
    if (item->setAttributes(attributes))
        report(item, QStringLiteral("unknown data type \"%1\"").arg(datatype));
    else if (datatype.isEmpty())
        report(item, QStringLiteral("no data type"));

    QList<FeatureElement> features;
    for (const QString &entry : featureEntryNames()) {
        if (attributes.contains(entry))
            features.append(FeatureElement(entry, attributes.value(entry)));
    }
    item->setFeatures(features);
    applyChart(item, attributes);

    if (isListType(item->type()))
        applyTextList(item, attributes, object);
    else if (isBitSetType(item->type()))
        applyBitfields(item, attributes, object);
}

void CItemBuilder::applyChart(CItem *item, const AttributeSet &attributes)
{
    const QString chart = attributes.value(ChartKey);
    if (chart == QLatin1String("true"))
        item->setChartVisible(true);
    else if (!chart.isEmpty() && chart != QLatin1String("false"))
        report(item, QStringLiteral("chart flag \"%1\" is neither true nor false").arg(chart));
    if (attributes.contains(ColorKey)) {
        const QColor color(attributes.value(ColorKey));
        if (color.isValid())
            item->setColor(color);
        else
            report(item, QStringLiteral("unknown chart colour \"%1\"").arg(attributes.value(ColorKey)));
    }
    const QString axis = attributes.value(AxisKey);
    if (axis == QLatin1String("0") || axis == QLatin1String("1"))
        item->setYAxis(axis.toInt());
    else if (!axis.isEmpty())
        report(item, QStringLiteral("chart axis \"%1\" is neither 0 nor 1").arg(axis));
}

void CItemBuilder::applyTextList(CItem *item, const AttributeSet &attributes, const ObjectDescription &object)
{
    const QString typeName = attributes.value(ListKey);
    const AttributeSet *listType = findListType(object, typeName);
    if (!listType) {
        report(item, QStringLiteral("list type \"%1\" not found").arg(typeName));
        return;
    }
    // setTextList re-applies the default, which setAttributes could not
    // store while the item had no entries yet.
    item->setTextList(listType->value(ListKey));
}

void CItemBuilder::applyBitfields(CItem *item, const AttributeSet &attributes, const ObjectDescription &object)
{
    const QString typeName = attributes.value(BitfieldKey);
    const BitfieldType *type = findBitfieldType(object, typeName);
    if (!type) {
        report(item, QStringLiteral("bit-field type \"%1\" not found").arg(typeName));
        return;
    }
    BitfieldDescription fields;
    for (const AttributeSet &field : type->values) {
        bool ok = false;
        const int position = field.value(BitKey).toInt(&ok);
        if (!ok || position < 0 || fields.contains(position)) {
            report(item, QStringLiteral("bit field \"%1\" of \"%2\" has no free bit position")
                             .arg(field.value(Qvr::Name), typeName));
            continue;
        }
        fields.insert(position, bitfieldEntry(field));
    }
    item->setBitfieldEntries(fields);
    // The fields start at 0; give them the parameter's default.
    item->setValue(item->defaultValue());
}

void CItemBuilder::applyLanguage(CItem *item) const
{
    if (!m_hasLanguage)
        return;
    CItem::Translations translations;
    translations.insert(m_languageId, m_language.texts);
    item->setTranslations(translations);
    item->setLanguageId(m_languageId);
}

void CItemBuilder::report(const CItem *item, const QString &problem)
{
    m_problems.append(QStringLiteral("%1/%2: %3").arg(m_objectName, item->objectName(), problem));
}

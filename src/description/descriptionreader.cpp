#include "description/descriptionreader.h"

#include "description/cparameterdescription.h"
#include "description/descriptionvocabulary.h"
#include "description/cloomworktr.h"
#include "items/itemkeys.h"

#include <QFile>

namespace DescriptionReader {

namespace {

bool isGroup(const XmlElement &element) { return element.tag == Qvr::GroupTag; }
bool isValue(const XmlElement &element) { return element.tag == Qvr::ValueTag; }

bool isGroupNamed(const XmlElement &element, const QString &name)
{
    return isGroup(element) && element.attribute(Qvr::Name) == name;
}

// The attributes of a value element, taken out of the tree: the set shares
// their texts and the element's own list is freed at once.
AttributeSet attributeSet(XmlElement &element)
{
    AttributeSet set;
    set.reserve(element.attributes.size());
    for (const auto &attribute : qAsConst(element.attributes))
        set.insert(attribute.first, attribute.second);
    element.attributes = QVector<QPair<QString, QString>>();
    return set;
}

IndexedAttributeSet indexedAttributeSet(const XmlElement &element)
{
    IndexedAttributeSet set;
    for (int i = 0; i < element.attributes.size(); ++i)
        set.insert(i, element.attributes.at(i));
    return set;
}

QList<AttributeSet> valueSets(XmlElement &group)
{
    QList<AttributeSet> sets;
    for (const auto &child : group.children) {
        if (isValue(*child))
            sets.append(attributeSet(*child));
    }
    return sets;
}

// Value children with a non-empty "name" and "Default", as pairs.
QList<DefaultValue> defaultValues(const XmlElement &group)
{
    QList<DefaultValue> defaults;
    for (const auto &child : group.children) {
        if (!isValue(*child))
            continue;
        const QString name = child->attribute(Qvr::Name);
        const QString value = child->attribute(Qvr::Default);
        if (!name.isEmpty() && !value.isEmpty())
            defaults.append(qMakePair(name, value));
    }
    return defaults;
}

// Reads one project value's attributes into header; false when its table
// version is not accepted.
bool readProjectValue(const XmlElement &value, DescriptionHeader &header)
{
    for (const auto &attribute : value.attributes) {
        if (attribute.first == Qvr::ProjectName)
            header.projectName = attribute.second;
        else if (attribute.first == Qvr::ProjectOrderNumber)
            header.orderNumber = attribute.second;
        else if (attribute.first == Qvr::ProjectSwVersion)
            header.softwareVersion = attribute.second;
        else if (attribute.first == Qvr::ProjectTableVersion && !isTableVersionSupported(attribute.second.toInt()))
            return false;
    }
    return true;
}

bool readProject(const XmlElement &group, DescriptionHeader &header)
{
    for (const auto &child : group.children) {
        if (isValue(*child) && !readProjectValue(*child, header))
            return false;
    }
    if (!header.orderNumber.isEmpty()) {
        const QString none = QStringLiteral("0.00");
        if (header.pabOutVersion.isEmpty())
            header.pabOutVersion = none;
        if (header.parameterVersion.isEmpty())
            header.parameterVersion = none;
    }
    return true;
}

// "Default" / "Divider" with two decimals. A missing or zero divider leaves
// the default unscaled rather than writing an infinite number.
QString versionText(const XmlElement &value)
{
    const double number = value.attribute(Qvr::Default).toDouble();
    const double divider = value.attribute(Qvr::Divider).toDouble();
    return QString::number(divider == 0.0 ? number : number / divider, 'f', 2);
}

void readLineVersions(const XmlElement &lineGroup, QString &version)
{
    for (const auto &line : lineGroup.children) {
        if (!isGroup(*line))
            continue;
        for (const auto &value : line->children) {
            if (isValue(*value) && value->attribute(Qvr::Name) == QLatin1String("Version"))
                version = versionText(*value);
        }
    }
}

// The object "Parameter" carries the parameter version, objects whose name
// contains "PabOut" the PabOut version; the name must precede the lines.
void readObjectVersion(const XmlElement &object, DescriptionHeader &header)
{
    QString name;
    for (const auto &child : object.children) {
        if (isValue(*child) && child->hasAttribute(Qvr::ObjectName)) {
            name = child->attribute(Qvr::ObjectName);
        } else if (isGroupNamed(*child, Qvr::Line)) {
            if (name == Device::Parameter)
                readLineVersions(*child, header.parameterVersion);
            else if (name.contains(Device::PabOut))
                readLineVersions(*child, header.pabOutVersion);
        }
    }
}

void readFeatures(const XmlElement &group, DescriptionHeader &header)
{
    for (const auto &child : group.children) {
        if (isGroup(*child))
            header.features.insert(child->attribute(Qvr::Name), readGroupTable(*child));
    }
}

GroupDescription groupDescription(XmlElement &group)
{
    GroupDescription description;
    description.name = group.attribute(Qvr::Name);
    description.text = group.attribute(Qvr::Text);
    description.values = valueSets(group);
    return description;
}

LineDescription lineDescription(XmlElement &line)
{
    LineDescription description;
    description.name = line.attribute(Qvr::Name);
    description.text = line.attribute(Qvr::Text);
    description.defaults = defaultValues(line);
    for (const auto &child : line.children) {
        if (isGroup(*child))
            description.groups.append(groupDescription(*child));
    }
    return description;
}

void readLines(XmlElement &lineGroup, ObjectDescription &object)
{
    object.defaults += defaultValues(lineGroup);
    for (const auto &child : lineGroup.children) {
        if (isGroup(*child))
            object.lines.append(lineDescription(*child));
    }
}

void readBitfields(XmlElement &bitfieldGroup, ObjectDescription &object)
{
    for (const auto &child : bitfieldGroup.children) {
        if (!isGroup(*child))
            continue;
        const GroupDescription group = groupDescription(*child);
        object.bitfields.append(BitfieldType{group.name, group.text, group.values});
    }
}

// Reads one "QVR_OBJECT" group; named stays false when the group names no
// object (a second name replaces the first, so each object is filed once).
std::unique_ptr<ObjectDescription> readObject(XmlElement &group, QString &name, bool &named)
{
    auto object = std::make_unique<ObjectDescription>();
    for (const auto &child : group.children) {
        if (isValue(*child)) {
            if (child->hasAttribute(Qvr::ObjectName)) {
                name = child->attribute(Qvr::ObjectName);
                named = true;
            }
        } else if (isGroupNamed(*child, Qvr::Line)) {
            readLines(*child, *object);
        } else if (isGroupNamed(*child, Qvr::TypeList)) {
            object->listTypes += valueSets(*child);
        } else if (isGroupNamed(*child, Qvr::TypeBitfield)) {
            readBitfields(*child, *object);
        }
    }
    return object;
}

QHash<QString, QString> languageTexts(const XmlElement &lineGroup)
{
    QHash<QString, QString> texts;
    for (const auto &child : lineGroup.children) {
        if (!isValue(*child))
            continue;
        const QString key = child->attribute(Qvr::Text);
        const QString text = child->attribute(Qvr::LanguageValue);
        if (!key.isEmpty() && !text.isEmpty())
            texts.insert(key, text);
    }
    return texts;
}

void readLanguageGroup(const XmlElement &group, LanguageTable &table)
{
    for (const auto &child : group.children) {
        if (isValue(*child) && child->hasAttribute(Qvr::LanguageName))
            table.languageName = child->attribute(Qvr::LanguageName);
        else if (isGroupNamed(*child, Qvr::Line))
            table.texts = languageTexts(*child);
    }
}

XmlParseResult failed(const QString &reason)
{
    XmlParseResult result;
    result.reason = reason;
    return result;
}


} // namespace

XmlParseResult parseDescription(const QByteArray &bytes)
{
    if (bytes.size() > MaxDocumentBytes)
        return failed(CLoomworkTr::tr("larger than %1 MB").arg(MaxDocumentBytes >> 20));
    // Usual case first: a sealed file is read from its body in one pass.
    XmlParseResult body = parseSealedBody(bytes, true);
    if (body.status == XmlStatus::Ok)
        return body;
    QString reason;
    const QByteArray document = readDocumentBytes(bytes, 2, &reason);
    if (document.isEmpty())
        return failed(reason);
    return parseXml(document, true);
}

XmlParseResult parseFile(const QString &fileName, qint64 maximumBytes)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return failed(CLoomworkTr::tr("cannot open the file: %1").arg(file.errorString()));
    if (file.size() > maximumBytes)
        return failed(CLoomworkTr::tr("larger than %1 MB").arg(maximumBytes >> 20));
    const QByteArray bytes = file.readAll();
    file.close();
    XmlParseResult result = parseXml(bytes, true);
    if (result.status == XmlStatus::Malformed && hasValidChecksum(bytes))
        result = parseXml(bytes.left(bytes.size() - 2), true);
    return result;
}

DescriptionHeader readHeader(const XmlElement &root, const QString &fileName)
{
    DescriptionHeader header;
    if (root.tag != Qvr::Root)
        return header;
    for (const auto &child : root.children) {
        if (!isGroup(*child))
            continue;
        const QString name = child->attribute(Qvr::Name);
        if (name == Qvr::Project) {
            if (!readProject(*child, header))
                return DescriptionHeader();
        } else if (name == Qvr::ProjectFeatures) {
            readFeatures(*child, header);
        } else if (name == Qvr::Object) {
            readObjectVersion(*child, header);
        }
    }
    header.fileName = fileName;
    return header;
}

QString headerProblem(const XmlElement &root)
{
    if (root.tag != Qvr::Root)
        return CLoomworkTr::tr("the root element is <%1>, not <%2>").arg(root.tag, Qvr::Root);
    for (const auto &group : root.children) {
        if (!isGroupNamed(*group, Qvr::Project))
            continue;
        for (const auto &value : group->children) {
            const QString version = value->attribute(Qvr::ProjectTableVersion);
            if (isValue(*value) && !version.isNull() && !isTableVersionSupported(version.toInt()))
                return CLoomworkTr::tr("table version \"%1\" is not supported (this program reads %2 and later)")
                    .arg(version).arg(qMax(1, minimumTableVersion()));
        }
    }
    return CLoomworkTr::tr("the project header lacks the project name or the order number");
}

OwnedObjectMap readObjects(XmlElement &root)
{
    OwnedObjectMap objects;
    if (root.tag != Qvr::Root)
        return objects;
    for (const auto &child : root.children) {
        if (!isGroupNamed(*child, Qvr::Object))
            continue;
        QString name;
        bool named = false;
        std::unique_ptr<ObjectDescription> object = readObject(*child, name, named);
        // The object's elements are not needed again: the tree shrinks as
        // the records grow.
        child->children.clear();
        if (named)
            objects[name] = std::move(object); // displaces (and frees) an earlier one
    }
    return objects;
}

GroupTable readGroupTable(const XmlElement &element)
{
    GroupTable table;
    QList<IndexedAttributeSet> base;
    for (const auto &child : element.children) {
        if (isValue(*child))
            base.append(indexedAttributeSet(*child));
    }
    if (!base.isEmpty())
        table.insert(Features::Base, base);
    for (const auto &child : element.children) {
        if (!isGroup(*child))
            continue;
        QString name = child->attribute(Qvr::Name);
        if (name.isEmpty())
            name = Features::Entry;
        const GroupTable inner = readGroupTable(*child);
        for (auto it = inner.cbegin(); it != inner.cend(); ++it)
            table.insert(name, it.value());
    }
    return table;
}

LanguageTable readLanguage(const XmlElement &root)
{
    LanguageTable table;
    if (root.tag != Qvr::Root)
        return table;
    for (const auto &child : root.children) {
        if (isGroupNamed(*child, Qvr::Languages))
            readLanguageGroup(*child, table);
    }
    return table;
}

} // namespace DescriptionReader

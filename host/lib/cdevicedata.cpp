#include "cdevicedata.h"
#include "chosttr.h"

#include "items/itemkeys.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QDir>

namespace {

const QString FormatTag = QStringLiteral("loomwork-device-data");
const QHash<QString, CDeviceData::Rule::Kind> RuleKinds = {
    {QStringLiteral("within"), CDeviceData::Rule::Within},
    {QStringLiteral("above"), CDeviceData::Rule::Above},
    {QStringLiteral("rising"), CDeviceData::Rule::Rising},
};
const QStringList LineKeys = {QStringLiteral("address"), QStringLiteral("baudRate"), QStringLiteral("parity"),
                              QStringLiteral("stopBits")};
const QStringList IdentityKeys = {QStringLiteral("orderNumber"), QStringLiteral("serialNumber"),
                                  QStringLiteral("softwareVersion")};

// How well pattern matches name: 0 none; exact names beat prefixes
// ("Name*"), longer prefixes beat shorter ones, "*" matches last.
int matchQuality(const QString &pattern, const QString &name)
{
    if (pattern == name)
        return 1000000;
    if (pattern.endsWith(QLatin1Char('*')) && name.startsWith(pattern.chopped(1)))
        return pattern.size();
    return 0;
}

} // namespace

QString CDeviceData::fileFor(const QString &descriptionFile)
{
    const QFileInfo description(descriptionFile);
    return description.dir().filePath(description.completeBaseName() + QStringLiteral(".device.json"));
}

void CDeviceData::clear()
{
    *this = CDeviceData();
}

bool CDeviceData::load(const QString &fileName, QString *error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = CHostTr::tr("%1: %2").arg(fileName, file.errorString());
        return false;
    }
    if (!parse(file.readAll(), error)) {
        *error = CHostTr::tr("%1: %2").arg(fileName, *error);
        return false;
    }
    return true;
}

bool CDeviceData::parse(const QByteArray &json, QString *error)
{
    clear();
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    const QVariantMap data = document.object().toVariantMap();
    if (document.isNull()) {
        *error = parseError.errorString();
        return false;
    }
    if (data.value(QStringLiteral("format")).toString() != FormatTag) {
        *error = CHostTr::tr("not a device data file");
        return false;
    }
    if (data.value(QStringLiteral("version")).toInt() != FormatVersion) {
        *error = CHostTr::tr("device data version %1 is not supported")
                     .arg(data.value(QStringLiteral("version")).toString());
        return false;
    }
    m_sections = data;
    const QVariantMap unit = data.value(QStringLiteral("unit")).toMap();
    m_unitSelector = unit.value(QStringLiteral("selector")).toString();
    for (const QVariant &factor : unit.value(QStringLiteral("factors")).toList())
        m_unitFactors.append(factor.toDouble());
    m_unitItems = unit.value(QStringLiteral("items")).toStringList();
    parseLineSettings(data.value(QStringLiteral("lineSettings")).toMap());
    parseIdentity(data.value(QStringLiteral("identity")).toMap());
    parseDisplay(data.value(QStringLiteral("display")).toMap());
    if (parseStatusBlock(data.value(QStringLiteral("statusBlock")).toMap(), error)
        && parseOrder(data.value(QStringLiteral("writeOrder")), error)
        && parseRules(data.value(QStringLiteral("rules")), error))
        return true;
    clear();
    return false;
}

bool CDeviceData::parseOrder(const QVariant &order, QString *error)
{
    for (const QVariant &entry : order.toList()) {
        const QVariantMap group = entry.toMap();
        const QStringList names = group.value(QStringLiteral("names")).toStringList();
        if (names.isEmpty()) {
            *error = CHostTr::tr("a write-order group names no parameter");
            return false;
        }
        m_order.append(names);
        m_governs.append(group.value(QStringLiteral("governs")).toBool());
    }
    return true;
}

bool CDeviceData::parseRules(const QVariant &rules, QString *error)
{
    for (const QVariant &entry : rules.toList()) {
        const QVariantMap map = entry.toMap();
        const QString kind = map.value(QStringLiteral("kind")).toString();
        Rule rule;
        rule.kind = RuleKinds.value(kind, Rule::Within);
        rule.items = map.value(QStringLiteral("items")).toStringList();
        rule.low = map.value(QStringLiteral("low")).toString();
        rule.high = map.value(QStringLiteral("high")).toString();
        rule.inSelectedUnit = map.value(QStringLiteral("inSelectedUnit")).toBool();
        rule.other = map.value(QStringLiteral("other")).toString();
        rule.count = map.value(QStringLiteral("count")).toString();
        const QVariantMap when = map.value(QStringLiteral("when")).toMap();
        rule.when.item = when.value(QStringLiteral("item")).toString();
        for (const QVariant &value : when.value(QStringLiteral("values")).toList())
            rule.when.values.append(value.toInt());
        const bool complete = RuleKinds.contains(kind) && !rule.items.isEmpty()
            && (rule.kind != Rule::Within || (!rule.low.isEmpty() && !rule.high.isEmpty()))
            && (rule.kind != Rule::Above || !rule.other.isEmpty())
            && (rule.kind != Rule::Rising || (!rule.count.isEmpty() && rule.items.first().contains("%1")));
        if (!complete) {
            *error = CHostTr::tr("rule %1 (\"%2\") is incomplete").arg(m_rules.size() + 1).arg(kind);
            return false;
        }
        m_rules.append(rule);
    }
    return true;
}

void CDeviceData::parseLineSettings(const QVariantMap &line)
{
    for (int setting = 0; setting < LineKeys.size(); ++setting) {
        const QVariantMap entry = line.value(LineKeys.at(setting)).toMap();
        if (!entry.value(QStringLiteral("item")).toString().isEmpty())
            m_line.insert(setting, {entry.value(QStringLiteral("item")).toString(),
                                    entry.value(QStringLiteral("values")).toList()});
    }
}

void CDeviceData::parseIdentity(const QVariantMap &identity)
{
    for (int field = 0; field < IdentityKeys.size(); ++field) {
        const QString item = identity.value(IdentityKeys.at(field)).toString();
        if (!item.isEmpty())
            m_identity.insert(field, item);
    }
}

void CDeviceData::parseDisplay(const QVariantMap &display)
{
    m_firstFrame = display.value(QStringLiteral("firstFrame"), 1).toInt();
    m_frameCount = qMax(1, display.value(QStringLiteral("frames")).toList().size());
    for (const QVariant &entry : display.value(QStringLiteral("leds")).toList()) {
        QVariantMap names = entry.toMap();
        const int code = names.take(QStringLiteral("code")).toInt();
        names.remove(QStringLiteral("color")); // the rest are languages
        for (auto it = names.cbegin(); it != names.cend(); ++it)
            m_leds[code].insert(it.key(), it.value().toString());
    }
}

bool CDeviceData::parseStatusBlock(const QVariantMap &block, QString *error)
{
    // The plugin's request type by its name in CRequest::Type; a number
    // is taken as it is.
    static const QHash<QString, qint32> types = {{QStringLiteral("cyclicRead"), CRequest::CyclicRead},
                                                 {QStringLiteral("plain"), CRequest::Plain}};
    const QVariant type = block.value(QStringLiteral("requestType"), QStringLiteral("cyclicRead"));
    bool ok = type.userType() != QMetaType::QString;
    m_status.requestType = ok ? type.toInt(&ok) : types.value(type.toString(), -1);
    if (!ok && m_status.requestType < 0) {
        *error = CHostTr::tr("the status block's request type \"%1\" is neither cyclicRead, plain nor a number")
                     .arg(type.toString());
        return false;
    }
    m_status.address = block.value(QStringLiteral("address"), -1).toInt();
    m_status.registers = block.value(QStringLiteral("registers"), 0).toInt();
    return true;
}

int CDeviceData::rank(const QString &name) const
{
    int best = 0;
    int rank = m_order.size();
    for (int group = 0; group < m_order.size(); ++group) {
        for (const QString &pattern : m_order.at(group)) {
            const int quality = matchQuality(pattern, name);
            if (quality > best) {
                best = quality;
                rank = group;
            }
        }
    }
    return rank;
}

bool CDeviceData::governs(const QString &name) const
{
    return m_governs.value(rank(name), false);
}

QString CDeviceData::unitSelector() const
{
    return m_unitSelector;
}

double CDeviceData::unitFactor(int index) const
{
    return m_unitFactors.value(index, 0.0);
}

const QStringList &CDeviceData::unitItems() const
{
    return m_unitItems;
}

const QList<CDeviceData::Rule> &CDeviceData::rules() const
{
    return m_rules;
}

QString CDeviceData::lineItem(LineSetting setting) const
{
    return m_line.value(setting).item;
}

QVariant CDeviceData::lineValue(LineSetting setting, int index) const
{
    return m_line.value(setting).values.value(index);
}

QVariantList CDeviceData::lineValues(LineSetting setting) const
{
    return m_line.value(setting).values;
}

QString CDeviceData::identityItem(IdentityField field) const
{
    // The family names its nameplate parameters alike.
    static const QHash<int, QString> familyNames = {
        {OrderNumber, Device::Bestellnummer}, {SerialNumber, Device::Seriennummer},
        {SoftwareVersion, Device::SoftwareVersion}};
    return m_identity.value(field, familyNames.value(field));
}

bool CDeviceData::isLineItem(const QString &name) const
{
    for (const LineEntry &entry : m_line) {
        if (entry.item == name)
            return true;
    }
    return false;
}

QString CDeviceData::ledName(int code, const QString &language) const
{
    const QHash<QString, QString> names = m_leds.value(code);
    const QString name = names.value(language, names.value(QStringLiteral("en")));
    return name.isEmpty() ? QString::number(code) : name;
}

int CDeviceData::firstDisplayFrame() const
{
    return m_firstFrame;
}

int CDeviceData::displayFrameCount() const
{
    return m_frameCount;
}

const CDeviceData::StatusBlock &CDeviceData::statusBlock() const
{
    return m_status;
}

bool CDeviceData::isPoll(const CRequest &request) const
{
    return request.requestType == m_status.requestType
        && (m_status.address < 0 || request.startAddress == m_status.address)
        && (m_status.registers <= 0 || request.registerCount <= m_status.registers);
}

QVariantMap CDeviceData::section(const QString &key) const
{
    return m_sections.value(key).toMap();
}

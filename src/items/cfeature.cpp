#include "items/cfeature.h"

#include "items/itemkeys.h"

#include <QStringList>

namespace {

const CFeature::Entry *findEntry(const QList<CFeature::Entry> &entries, const QString &name)
{
    for (const CFeature::Entry &entry : entries) {
        if (entry.value(Features::Name) == name)
            return &entry;
    }
    return nullptr;
}

uint addressValue(const QString &text)
{
    if (text.startsWith(QLatin1String("0x")))
        return text.mid(2).toUInt(nullptr, 16);
    return text.toUInt();
}

} // namespace

CFeature::CFeature(const QString &name)
    : m_name(name)
{
}

QString CFeature::name() const { return m_name; }
int CFeature::kind() const { return m_kind; }
bool CFeature::isEnabled() const { return m_enabled; }
CFeature::Sections CFeature::featureSections() const { return m_sections; }

void CFeature::setName(const QString &name)
{
    const QString *const kinds[] = {&Features::RTC, &Features::Fehlerspeicher, &Features::Firmwareupdate,
                                    &Features::IOMapping, &Features::Programme, &Features::Datenlogger};
    m_name = name;
    m_kind = 0;
    for (int i = 0; i < 6; ++i) {
        if (name == *kinds[i])
            m_kind = i + 1;
    }
}

void CFeature::setKind(int kind) { m_kind = kind; }
void CFeature::setEnabled(bool enabled) { m_enabled = enabled; }

void CFeature::setFeatureSections(const Sections &sections)
{
    m_sections = sections;
    m_enabled = !sections.isEmpty();
    for (const QList<Entry> &entries : sections) {
        if (const Entry *enabled = findEntry(entries, FeatureEntries::Enabled))
            m_enabled = enabled->value(Features::Default) != FeatureValues::FalseText;
    }
}

QVariant CFeature::featureValue(const QString &name, const QString &section) const
{
    const auto found = m_sections.constFind(section);
    if (found == m_sections.cend())
        return QVariant();
    const Entry *entry = findEntry(found.value(), name);
    if (!entry)
        return QVariant();
    const QString text = entry->value(Features::Default);
    if (name == FeatureEntries::Access || name == FeatureEntries::Type || name == FeatureEntries::Reference
        || name == FeatureEntries::Format)
        return QVariant(text);
    if (name == FeatureEntries::List)
        return QVariant(text.split(QLatin1Char(','), Qt::KeepEmptyParts));
    if (name == FeatureEntries::Enabled)
        return QVariant(text == FeatureValues::TrueText);
    if (name == FeatureEntries::Address_RD || name == FeatureEntries::Address_WR
        || name == FeatureEntries::Address_RW || name == FeatureEntries::Address_WRS)
        return QVariant(addressValue(text));
    return QVariant(text.toUInt());
}

#include "items/citem.h"

namespace {

// 2^count - 1, computed in 64 bits so a full 32-bit field does not overflow.
quint64 lowMask(int count)
{
    if (count < 1)
        return 0;
    return count >= 64 ? ~quint64(0) : ((quint64(1) << count) - 1);
}

// Shift that tolerates positions outside the 64-bit word (they give 0).
quint64 shiftLeft(quint64 bits, int position)
{
    return position < 0 || position > 63 ? 0 : bits << position;
}

quint64 shiftRight(quint64 bits, int position)
{
    return position < 0 || position > 63 ? 0 : bits >> position;
}

bool isBitSet(int type)
{
    return type == CItem::DATA_TYPE_BIT8 || type == CItem::DATA_TYPE_BIT16
        || type == CItem::DATA_TYPE_BIT32;
}

// Stores value in field when it differs; tells whether it did.
template <typename T>
bool assignIfDifferent(T &field, const T &value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

bool isList(int type)
{
    return type == CItem::DATA_TYPE_LIST16 || type == CItem::DATA_TYPE_LIST32;
}

} // namespace

CItem::CItem(QObject *parent)
    : QObject(parent)
{
}

CItem::~CItem() = default;

// ---- plain getters -------------------------------------------------------

bool CItem::isVisible() const { return m_visible; }
bool CItem::isReadOnly() const { return m_readOnly; }
QString CItem::languageId() const { return m_languageId; }
QString CItem::rawCaption() const { return m_caption; }
CItem::Translations CItem::translations() const { return m_translations; }
int CItem::id() const { return m_id; }
CItem::ENUM_DATA_TYPES CItem::type() const { return m_type; }
QColor CItem::color() const { return m_color; }
QString CItem::rawUnit() const { return m_unit; }
QVariant CItem::value() const { return m_value; }
QVariant CItem::defaultValue() const { return m_defaultValue; }
double CItem::minimum() const { return m_minimum; }
double CItem::maximum() const { return m_maximum; }
double CItem::decimalFactor() const { return m_decimalFactor; }
double CItem::precision() const { return m_precision; }
QString CItem::rawSpecialValueText() const { return m_specialValueText; }
QString CItem::rawSpecialOutput() const { return m_specialOutput; }
QString CItem::infoNumber() const { return m_infoNumber; }
QString CItem::rawTextList() const { return m_textList; }
int CItem::bitPosition() const { return m_bitPosition; }
int CItem::bitCount() const { return m_bitCount; }
int CItem::yAxis() const { return m_yAxis; }
QList<FeatureElement> CItem::features() const { return m_features; }
bool CItem::isChartVisible() const { return m_chartVisible; }

// ---- simple setters ------------------------------------------------------

void CItem::setUnit(const QVariant &unit)
{
    const QString text = unit.toString();
    m_unit = text.isEmpty() ? QString() : text;
    emit unitChanged(m_unit);
}

void CItem::setLanguageId(const QString &languageId)
{
    m_languageId = languageId;
    const QList<CItem *> children = childItems();
    for (CItem *child : children)
        child->setLanguageId(languageId);
}

void CItem::setCaption(const QString &caption) { m_caption = caption; }
void CItem::setType(CItem::ENUM_DATA_TYPES type) { m_type = type; }

void CItem::setReadOnly(bool state)
{
    if (state == m_readOnly)
        return;
    m_readOnly = state;
    // Every descendant is visited, not only direct children: a child that
    // already has the state does nothing and would not reach its own subtree.
    const QList<CItem *> descendants = descendantItems();
    for (CItem *item : descendants)
        item->setReadOnly(state);
    emit readOnlyChanged(state);
}

void CItem::setVisible(bool state)
{
    if (assignIfDifferent(m_visible, state))
        emit visibleChanged(state);
}

void CItem::setRange(double min, double max)
{
    m_minimum = min;
    m_maximum = max;
}

void CItem::setDecimalFactor(double factor)
{
    if (assignIfDifferent(m_decimalFactor, factor))
        emit decimalFactorChanged(factor);
}

void CItem::setPrecision(double precision)
{
    if (assignIfDifferent(m_precision, precision))
        emit precisionChanged(precision);
}

void CItem::setDefaultValue(const QVariant &value)
{
    const QVariant copy(value);
    m_defaultValue = copy;
    setValue(copy);
}

void CItem::setSpecialValueText(const QString &text) { m_specialValueText = text; }
void CItem::setSpecialOutput(const QString &text) { m_specialOutput = text; }
void CItem::setInfoNumber(const QString &text) { m_infoNumber = text; }

void CItem::setTextList(const QString &texte)
{
    m_textList = texte;
    setValue(m_defaultValue);
}

void CItem::setColor(const QColor &color)
{
    m_color = color;
    emit colorChanged(color);
}

void CItem::setId(int id) { m_id = id; }

void CItem::setYAxis(int index)
{
    const int axis = index == 1 ? 1 : 0;
    if (assignIfDifferent(m_yAxis, axis))
        emit yAxisChanged(axis);
}

void CItem::setFeatures(const QList<FeatureElement> &data) { m_features = data; }

void CItem::setChartVisible(bool state)
{
    if (assignIfDifferent(m_chartVisible, state))
        emit chartVisibleChanged(state);
}

void CItem::setBitPosition(int position) { m_bitPosition = position; }
void CItem::setBitCount(int count) { m_bitCount = count; }

// ---- value ---------------------------------------------------------------

void CItem::setValue(const QVariant &value)
{
    // The argument may alias a member (setTextList passes m_defaultValue) and
    // receivers may re-enter; work on a private copy.
    const QVariant v(value);
    if (m_type >= DATA_TYPE_TEXT16)
        emit newValue(v);
    if (isList(m_type)) {
        setListValue(v);
        return;
    }
    if (isBitSet(m_type))
        distributeBits(v);
    if (v == m_value)
        return;
    m_value = v;
    emit valueChanged(v);
}

void CItem::setListValue(const QVariant &v)
{
    if (v == m_value)
        return;
    const int index = v.toInt();
    if (index >= textList().size() || index < 0)
        return;
    m_value = v;
    emit valueChanged(QVariant(textList().value(index)));
}

void CItem::distributeBits(const QVariant &v)
{
    const quint64 bits = v.toUInt();
    const QList<CItem *> children = childItems();
    for (CItem *child : children) {
        const int position = child->bitPosition();
        const quint64 mask = shiftLeft(lowMask(child->bitCount()), position);
        child->setValue(QVariant(uint(shiftRight(bits & mask, position))));
    }
}

void CItem::childValueChanged(const QVariant &newValue)
{
    const CItem *child = qobject_cast<const CItem *>(sender());
    if (!child)
        return;
    const int position = child->bitPosition();
    const quint64 mask = lowMask(child->bitCount());
    // The register is a uint: parts of a field beyond bit 31 do not exist.
    const uint field = uint(shiftLeft(mask, position));
    const uint bits = uint(shiftLeft(newValue.toUInt() & mask, position));
    uint current = m_value.toUInt();
    if (bits != (current & field)) {
        current = (current & ~field) + bits;
        setValue(QVariant(current));
    }
    emit childChanged(QVariant(current));
}

void CItem::childVisibilityChanged(bool state)
{
    if (state && !m_visible) {
        m_visible = true;
        emit visibleChanged(true);
    } else if (!state && m_visible && !hasVisibleDescendant()) {
        m_visible = false;
        emit visibleChanged(false);
    }
}

void CItem::setBitfieldEntries(const BitfieldDescription &bitfield)
{
    for (auto it = bitfield.cbegin(); it != bitfield.cend(); ++it) {
        const BitfieldEntry &entry = it.value();
        CItem *child = new CItem(this);
        child->setType(DATA_TYPE_BITFIELD_ENTRY);
        child->setObjectName(objectName() + QLatin1Char('_') + entry.name);
        child->setCaption(entry.caption);
        child->setTextList(entry.textList);
        child->setBitPosition(it.key());
        child->setBitCount(entry.bitCount);
        child->setVisible(entry.visible);
        // Text-based connections keep the signature texts the host family
        // uses when it inspects or rebinds these links.
        connect(child, SIGNAL(valueChanged(QVariant)), this, SLOT(childValueChanged(QVariant)));
        connect(child, SIGNAL(visibleChanged(bool)), this, SLOT(childVisibilityChanged(bool)));
    }
}

// ---- translations and features --------------------------------------------

void CItem::setTranslations(const Translations &dictionary)
{
    const QString texts[] = {m_caption, m_unit, m_specialValueText, m_textList};
    for (auto lang = dictionary.cbegin(); lang != dictionary.cend(); ++lang) {
        QHash<QString, QString> found;
        for (const QString &text : texts) {
            const auto hit = lang.value().constFind(text);
            if (hit != lang.value().cend())
                found.insert(text, hit.value());
        }
        if (!found.isEmpty())
            m_translations.insert(lang.key(), found);
    }
    const QList<CItem *> children = childItems();
    for (CItem *child : children)
        child->setTranslations(dictionary);
}

QVariant CItem::feature(const QString &name) const
{
    for (const FeatureElement &element : m_features) {
        if (element.first != name)
            continue;
        const QString &text = element.second;
        if (name == QLatin1String("Access") || name == QLatin1String("Function_RD")
            || name == QLatin1String("Function_WR") || name == QLatin1String("Function_RW"))
            return QVariant(text);
        if (name == QLatin1String("Enabled"))
            return QVariant(text == QLatin1String("true"));
        if (isAddressName(name))
            return QVariant(parseAddress(text));
        return QVariant(text.toUInt());
    }
    return QVariant();
}

bool CItem::hasFeature(const QString &name) const
{
    for (const FeatureElement &element : m_features) {
        if (element.first == name)
            return true;
    }
    return false;
}

bool CItem::isAddressName(const QString &name)
{
    return name == QLatin1String("Address_RD") || name == QLatin1String("Address_WR")
        || name == QLatin1String("Address_RW") || name == QLatin1String("Address_WRS");
}

uint CItem::parseAddress(const QString &text)
{
    if (text.startsWith(QLatin1String("0x")))
        return text.mid(2).toUInt(nullptr, 16);
    return text.toUInt();
}

// ---- tree ------------------------------------------------------------------

QList<CItem *> CItem::childItems() const
{
    return findChildren<CItem *>(QString(), Qt::FindDirectChildrenOnly);
}

QList<CItem *> CItem::descendantItems() const
{
    // findChildren walks the child list depth first, parents before children.
    return findChildren<CItem *>(QString(), Qt::FindChildrenRecursively);
}

int CItem::byteSize() const
{
    int size = encodedSize(m_type);
    const QList<CItem *> children = childItems();
    for (const CItem *child : children)
        size += child->byteSize();
    return size;
}

int CItem::countDescendantsOfType(ENUM_DATA_TYPES type) const
{
    int count = 0;
    const QList<CItem *> descendants = descendantItems();
    for (const CItem *item : descendants)
        count += item->type() == type ? 1 : 0;
    return count;
}

bool CItem::hasVisibleDescendant() const
{
    const QList<CItem *> descendants = descendantItems();
    for (const CItem *item : descendants) {
        if (item->isVisible())
            return true;
    }
    return false;
}

QList<CItem *> CItem::visibleChildren() const
{
    QList<CItem *> result;
    const QList<CItem *> children = childItems();
    for (CItem *child : children) {
        if (child->isVisible())
            result.append(child);
    }
    return result;
}

int CItem::row() const
{
    const CItem *parentItem = qobject_cast<const CItem *>(parent());
    if (!parentItem || !m_visible)
        return 0;
    return parentItem->childItems().indexOf(const_cast<CItem *>(this));
}

bool CItem::hasFilledContainer() const
{
    const QList<CItem *> descendants = descendantItems();
    for (const CItem *item : descendants) {
        const bool container = item->type() == DATA_TYPE_OBJECT || item->type() == DATA_TYPE_GROUP;
        if (container && !item->descendantItems().isEmpty())
            return true;
    }
    return false;
}

bool CItem::lessById(const CItem *first, const CItem *second)
{
    return first->id() < second->id();
}

#include "cregistermap.h"

#include "cdeviceunits.h"
#include "csimdevicerules.h"
#include "device/pv8120constants.h"
#include "device/pv8120status.h"
#include "device/pv8120units.h"

#include "description/citemregisters.h"
#include "items/citem.h"

#include <QVariant>

namespace {

bool isNumeric(CItem::ENUM_DATA_TYPES type)
{
    switch (type) {
    case CItem::DATA_TYPE_TEXT16:
    case CItem::DATA_TYPE_TEXT8:
    case CItem::DATA_TYPE_BUILDDATE:
    case CItem::DATA_TYPE_DATETIME:
        return false;
    default:
        return true;
    }
}

// Parameters whose "Access" feature lacks W (e.g. "R") are read-only on the device.
bool isWritable(const CItem &item)
{
    const QString access = QStringLiteral("Access");
    return !item.hasFeature(access) || item.feature(access).toString().contains('W', Qt::CaseInsensitive);
}

} // namespace

CRegisterMap::CRegisterMap(const QList<CItem *> &items)
{
    for (CItem *item : items)
        add(item);
}

void CRegisterMap::add(CItem *item)
{
    if (!CItemRegisters::isRegisterItem(item))
        return;
    Entry entry;
    entry.address = CItemRegisters::address(item);
    entry.count = CItemRegisters::registerCount(item);
    entry.item = item;
    for (int i = 0; i < entry.count; ++i) {
        if (entryAt(quint16(entry.address + i)) || int(entry.address) + i > 0xFFFF) {
            m_problems << QStringLiteral("%1 at 0x%2 overlaps another parameter")
                              .arg(item->objectName())
                              .arg(entry.address, 4, 16, QLatin1Char('0'));
            return;
        }
    }
    m_entries.insert(entry.address, entry);
    m_byName.insert(item->objectName(), item);
}

const CRegisterMap::Entry *CRegisterMap::entryAt(quint16 address) const
{
    auto it = m_entries.upperBound(address);
    if (it == m_entries.begin())
        return nullptr;
    --it;
    if (int(address) < int(it->address) + it->count)
        return &it.value();
    return nullptr;
}

CRegisterMap::Result CRegisterMap::read(quint16 start, quint16 count, QVector<quint16> *values) const
{
    QVector<quint16> words;
    for (int address = start; address < int(start) + count; ++address) {
        const Entry *entry = address <= 0xFFFF ? entryAt(quint16(address)) : nullptr;
        if (!entry)
            return IllegalDataAddress;
        const QVector<quint16> itemWords = CItemRegisters::toWords(entry->item->toByteArray());
        words << itemWords.value(address - entry->address, 0);
    }
    *values = words;
    return Ok;
}

double CRegisterMap::unitFactor() const
{
    const CItem *unit = item(Pv8120::einheit);
    return unit ? DeviceUnits::factor(unit->valueText()) : 1.0;
}

CRegisterMap::Result CRegisterMap::write(quint16 start, const QVector<quint16> &values)
{
    QList<QPair<CItem *, QByteArray>> changes;
    double factor = unitFactor();
    int offset = 0;
    while (offset < values.size()) {
        const Entry *entry = entryAt(quint16(start + offset));
        if (!entry || entry->address != start + offset || offset + entry->count > values.size()
            || !isWritable(*entry->item))
            return IllegalDataAddress;
        const QByteArray bytes = CItemRegisters::toBytes(values.mid(offset, entry->count)).left(entry->item->byteSize());
        const QVariant value = CItem::fromByteArray(bytes, entry->item->type());
        const QString name = entry->item->objectName();
        if (!accepts(*entry->item, value, heldInUnit(name) ? factor : 1.0))
            return IllegalDataValue;
        if (name == Pv8120::einheit)
            factor = DeviceUnits::factor(entry->item->valueText(value));
        changes << qMakePair(entry->item, bytes);
        offset += entry->count;
    }
    if (!acceptsTogether(changes))
        return IllegalDataValue;
    for (const auto &change : changes)
        change.first->setByteArray(change.second);
    return Ok;
}

bool CRegisterMap::acceptsTogether(const QList<QPair<CItem *, QByteArray>> &changes) const
{
    QStringList written;
    for (const auto &change : changes)
        written << change.first->objectName();
    const auto value = [&](const QString &name) -> QVariant {
        for (const auto &change : changes) {
            if (change.first->objectName() == name)
                return CItem::fromByteArray(change.second, change.first->type());
        }
        const CItem *held = item(name);
        return held ? held->value() : QVariant();
    };
    const CItem *unit = item(Pv8120::einheit);
    const auto unitFactor = [unit](int index) {
        return unit ? DeviceUnits::factor(unit->valueText(index)) : 1.0;
    };
    return CSimDeviceRules::accepts(written, value, unitFactor);
}

// The setpoint is a pressure in the selected unit; the limits are too on a
// linear characteristic, else they are display values.
bool CRegisterMap::heldInUnit(const QString &name) const
{
    if (!Pv8120::unitDependentItems().contains(name))
        return false;
    const CItem *characteristic = item(Pv8120::kennlinie);
    return name == Pv8120::sollwert || !characteristic
        || characteristic->value().toInt() == Pv8120::CharacteristicLinear;
}

CItem *CRegisterMap::item(const QString &objectName) const
{
    return m_byName.value(objectName, nullptr);
}

bool CRegisterMap::accepts(const CItem &item, const QVariant &value, double rangeScale)
{
    const CItem::ENUM_DATA_TYPES type = item.type();
    if (!isNumeric(type))
        return true;
    const double number = value.toDouble();
    if (type == CItem::DATA_TYPE_BOOL && number != 0.0 && number != 1.0)
        return false;
    if (type == CItem::DATA_TYPE_LIST16 || type == CItem::DATA_TYPE_LIST32) {
        const int entries = item.textList().size();
        if (entries > 0 && (number < 0.0 || number >= entries))
            return false;
    }
    const double low = qMin(item.minimum(), item.maximum()) * rangeScale;
    const double high = qMax(item.minimum(), item.maximum()) * rangeScale;
    if (low == 0.0 && high == 0.0)
        return true; // no range given
    // A float register cannot hold a decimal bound exactly; allow its rounding.
    const double slack = type == CItem::DATA_TYPE_FLOAT ? 1e-6 * qMax(1.0, qMax(qAbs(low), qAbs(high))) : 0.0;
    return number >= low - slack && number <= high + slack;
}

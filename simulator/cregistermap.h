#ifndef CREGISTERMAP_H
#define CREGISTERMAP_H

#include <QHash>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

class CItem;

// The device's parameter registers. Every item with the feature "Address_RW"
// occupies (byteSize() + 1) / 2 holding registers from that address; the
// register words are the bytes of the item's toByteArray() read as big-endian
// 16-bit words (a trailing odd byte is padded with 0).
//
// Reads may cover any registers that belong to parameters. Writes must cover
// whole, writable parameters (feature "Access" with a W, or no "Access");
// each written value is decoded by the item's type and checked against its
// range, and the request against the device's rules across parameters
// (CSimDeviceRules), before any item changes. The unit-dependent parameters (see
// DeviceUnits) hold values in the unit that "Einheit" selects (the limits only
// on a linear characteristic), so their range is scaled into that unit for
// the check; a unit written earlier in the same
// request already counts. Writing the unit leaves their values as they are:
// the master converts them and writes them itself.
class CRegisterMap
{
public:
    // Modbus exception codes the map answers with (0: no exception).
    enum Result { Ok = 0, IllegalDataAddress = 2, IllegalDataValue = 3 };

    // Builds the map from items (not owned; they must outlive the map).
    // Items without the feature or without bytes are skipped; an item that
    // overlaps an earlier one is skipped and reported in problems().
    explicit CRegisterMap(const QList<CItem *> &items);

    // Reads count registers from start into values.
    Result read(quint16 start, quint16 count, QVector<quint16> *values) const;

    // Writes values from start; nothing is stored unless every touched
    // parameter is covered completely and accepts its new value.
    Result write(quint16 start, const QVector<quint16> &values);

    // The parameter item with this object name, or nullptr.
    CItem *item(const QString &objectName) const;

    // Number of parameters in the map.
    int size() const { return m_entries.size(); }

    QStringList problems() const { return m_problems; }

    // Whether value is an acceptable value for item: within its range (times
    // rangeScale) when the item has one, a valid index of its text list for
    // list types, 0 or 1 for booleans.
    static bool accepts(const CItem &item, const QVariant &value, double rangeScale = 1.0);

private:
    struct Entry
    {
        quint16 address = 0;
        int count = 0;
        CItem *item = nullptr;
    };

    const Entry *entryAt(quint16 address) const;
    // The device's rules across parameters, on the values after the request.
    bool acceptsTogether(const QList<QPair<CItem *, QByteArray>> &changes) const;
    double unitFactor() const;
    bool heldInUnit(const QString &name) const;
    void add(CItem *item);

    QMap<quint16, Entry> m_entries; // by first register
    QHash<QString, CItem *> m_byName;
    QStringList m_problems;
};

#endif // CREGISTERMAP_H

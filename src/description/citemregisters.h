#ifndef CITEMREGISTERS_H
#define CITEMREGISTERS_H

#include "items/loomwork_global.h"

#include <QByteArray>
#include <QVector>
#include <QtGlobal>

class CItem;

// Where a described parameter lives on the device. The description gives each
// parameter its first holding register as the feature "Address_RW"; the
// parameter spans (byteSize() + 1) / 2 registers whose words are the bytes of
// toByteArray() read big-endian, an odd last byte padded with 0.
class LOOMWORK_EXPORT CItemRegisters
{
public:
    // Whether item is a device register: it has an address and bytes.
    static bool isRegisterItem(const CItem *item);
    // The item's first register (0 when it has no address).
    static quint16 address(const CItem *item);
    static int registerCount(const CItem *item);
    // The item's value as register bytes (even length).
    static QByteArray registerBytes(const CItem *item);
    // Big-endian words of bytes; an odd last byte is the high byte of a word.
    static QVector<quint16> toWords(const QByteArray &bytes);
    static QByteArray toBytes(const QVector<quint16> &words);
};

#endif // CITEMREGISTERS_H

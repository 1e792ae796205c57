#ifndef CREGISTERPLAN_H
#define CREGISTERPLAN_H

#include <QByteArray>
#include <QList>
#include <QVector>
#include <QtGlobal>

class CItem;

// Maps parameter items onto holding registers and groups them into as few
// Modbus requests as the protocol allows. An item's first register is its
// feature "Address_RW"; it spans (byteSize() + 1) / 2 registers whose words
// are the bytes of toByteArray() read big-endian (an odd byte padded with 0).
class CRegisterPlan
{
public:
    // One request: a register range and the items it carries.
    struct Block
    {
        quint16 start = 0;
        int count = 0;
        QList<CItem *> items;
        bool hasGaps = false; // covers registers that belong to no item
    };

    // Whether item is a device register (has the feature and bytes).
    static bool isRegisterItem(const CItem *item);
    static quint16 address(const CItem *item);
    static int registerCount(const CItem *item);
    // The item's value as register bytes (even length).
    static QByteArray registerBytes(const CItem *item);
    static QVector<quint16> toWords(const QByteArray &bytes);
    static QByteArray toBytes(const QVector<quint16> &words);

    // Read blocks in address order, each at most maxRegisters long, joining
    // neighbours separated by at most maxGap unused registers.
    static QList<Block> readBlocks(QList<CItem *> items, int maxRegisters, int maxGap);
    // Write blocks: runs of items that follow each other in the given order
    // with no register between them, at most maxRegisters long.
    static QList<Block> writeBlocks(const QList<CItem *> &items, int maxRegisters);
    // The gap-free pieces of block.
    static QList<Block> splitAtGaps(const Block &block);
};

#endif // CREGISTERPLAN_H

#ifndef CREGISTERPLAN_H
#define CREGISTERPLAN_H

#include "loomworkhost_global.h"

#include <QByteArray>
#include <QList>
#include <QVector>
#include <QtGlobal>

class CItem;

// Groups parameter items into as few Modbus requests as the protocol allows;
// where each item lives is CItemRegisters' business.
class LOOMWORKHOST_EXPORT CRegisterPlan
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

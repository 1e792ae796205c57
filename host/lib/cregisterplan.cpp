#include "cregisterplan.h"

#include "description/citemregisters.h"
#include "items/citem.h"

#include <algorithm>

namespace {

int blockEnd(const CRegisterPlan::Block &block)
{
    return int(block.start) + block.count;
}

// Appends item to the last block when it fits (gap and size), else opens a new one.
void place(QList<CRegisterPlan::Block> &blocks, CItem *item, int maxRegisters, int maxGap)
{
    const int start = CItemRegisters::address(item);
    const int count = CItemRegisters::registerCount(item);
    if (!blocks.isEmpty()) {
        CRegisterPlan::Block &last = blocks.last();
        const int gap = start - blockEnd(last);
        const int end = qMax(blockEnd(last), start + count);
        if (gap >= 0 && gap <= maxGap && end - last.start <= maxRegisters) {
            last.hasGaps = last.hasGaps || gap > 0;
            last.count = end - last.start;
            last.items.append(item);
            return;
        }
    }
    CRegisterPlan::Block block;
    block.start = quint16(start);
    block.count = count;
    block.items.append(item);
    blocks.append(block);
}

} // namespace

QList<CRegisterPlan::Block> CRegisterPlan::readBlocks(QList<CItem *> items, int maxRegisters, int maxGap)
{
    std::stable_sort(items.begin(), items.end(), [](const CItem *a, const CItem *b) {
        return CItemRegisters::address(a) < CItemRegisters::address(b);
    });
    QList<Block> blocks;
    for (CItem *item : qAsConst(items))
        place(blocks, item, maxRegisters, maxGap);
    return blocks;
}

QList<CRegisterPlan::Block> CRegisterPlan::writeBlocks(const QList<CItem *> &items, int maxRegisters)
{
    QList<Block> blocks;
    for (CItem *item : items) {
        // Only a directly following item joins: a write never skips registers.
        if (!blocks.isEmpty() && CItemRegisters::address(item) != blockEnd(blocks.last())) {
            Block block;
            block.start = CItemRegisters::address(item);
            block.count = CItemRegisters::registerCount(item);
            block.items.append(item);
            blocks.append(block);
            continue;
        }
        place(blocks, item, maxRegisters, 0);
    }
    return blocks;
}

QList<CRegisterPlan::Block> CRegisterPlan::splitAtGaps(const Block &block)
{
    return readBlocks(block.items, block.count, 0);
}

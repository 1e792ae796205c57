#include "cregisterplan.h"

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
    const int start = CRegisterPlan::address(item);
    const int count = CRegisterPlan::registerCount(item);
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

bool CRegisterPlan::isRegisterItem(const CItem *item)
{
    return item && item->hasFeature(QStringLiteral("Address_RW")) && registerCount(item) > 0;
}

quint16 CRegisterPlan::address(const CItem *item)
{
    return quint16(item->feature(QStringLiteral("Address_RW")).toUInt());
}

int CRegisterPlan::registerCount(const CItem *item)
{
    return (item->byteSize() + 1) / 2;
}

QByteArray CRegisterPlan::registerBytes(const CItem *item)
{
    QByteArray bytes = item->toByteArray();
    if (bytes.size() % 2)
        bytes.append('\0');
    return bytes;
}

QVector<quint16> CRegisterPlan::toWords(const QByteArray &bytes)
{
    QVector<quint16> words;
    for (int i = 0; i + 1 < bytes.size(); i += 2)
        words.append(quint16((quint8(bytes.at(i)) << 8) | quint8(bytes.at(i + 1))));
    return words;
}

QByteArray CRegisterPlan::toBytes(const QVector<quint16> &words)
{
    QByteArray bytes;
    bytes.reserve(words.size() * 2);
    for (quint16 word : words) {
        bytes.append(char(word >> 8));
        bytes.append(char(word & 0xFF));
    }
    return bytes;
}

QList<CRegisterPlan::Block> CRegisterPlan::readBlocks(QList<CItem *> items, int maxRegisters, int maxGap)
{
    std::stable_sort(items.begin(), items.end(), [](const CItem *a, const CItem *b) {
        return address(a) < address(b);
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
        if (!blocks.isEmpty() && address(item) != blockEnd(blocks.last())) {
            Block block;
            block.start = address(item);
            block.count = registerCount(item);
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

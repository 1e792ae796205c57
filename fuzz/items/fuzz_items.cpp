// libFuzzer target: the item codec and value texts on arbitrary bytes. The
// first byte picks the data type (0 .. 27), the second the decimal factor and
// precision, the rest is the device block.
#include "items/citem.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Integer types other than lists (a list rejects indexes outside its texts).
bool isInteger(int type)
{
    const int integers[] = {4, 5, 6, 7, 8, 9, 10, 14, 15, 16, 17, 18, 19, 22, 23, 24};
    for (int t : integers) {
        if (t == type)
            return true;
    }
    return false;
}

// Bit sets get two overlapping fields so distribution and recombination run.
void addFields(CItem &item)
{
    BitfieldDescription fields;
    fields.insert(0, {QStringLiteral("a"), 3, true, QString(), QStringLiteral("x,y")});
    fields.insert(2, {QStringLiteral("b"), 32, false, QString(), QString()});
    item.setBitfieldEntries(fields);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const int type = data[0] % 28;
    const QByteArray block(reinterpret_cast<const char *>(data + 2), int(size - 2));
    CItem item;
    item.setType(CItem::ENUM_DATA_TYPES(type));
    item.setDecimalFactor(double(data[1] >> 4) - 4.0);
    item.setPrecision(double(data[1] & 0x0F));
    item.setTextList(QStringLiteral("a,b,,c"));
    addFields(item);
    item.setByteArray(block);
    const QByteArray encoded = item.toByteArray();
    // Integers decode and encode back to the same bytes (zero padded).
    QByteArray expected = block.left(encoded.size());
    expected.append(QByteArray(encoded.size() - expected.size(), '\0'));
    if (isInteger(type) && encoded != expected)
        std::abort();
    volatile int sink = item.valueText().size() + item.valueText(item.value(), false).size()
        + item.fullCaption().size() + CItem::displayValue(item.value(), item.type(), 3.0).isValid();
    (void)sink;
    return 0;
}

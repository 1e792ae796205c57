// Arbitrary device bytes through the item codec. The first input byte picks
// the data type (every value, also the ones without a codec), the rest is
// the device block.
#include "items/citem.h"

#include <QCoreApplication>

#include <cstdlib>

namespace {

constexpr int typeCount = 27;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    if (size == 0)
        return 0;
    const int selector = bytes[0];
    const auto type = static_cast<CItem::ENUM_DATA_TYPES>(selector % (typeCount + 3));
    const QByteArray block(reinterpret_cast<const char *>(bytes + 1), int(size - 1));

    const QVariant decoded = CItem::fromByteArray(block, type);
    const bool hasCodec = type >= CItem::DATA_TYPE_TEXT16 && type < typeCount
                          && type != CItem::DATA_TYPE_BITFIELD_ENTRY;
    check(decoded.isValid() == hasCodec);

    // Through an item: whatever the first decoding stored, encoding it is a
    // fixed point of decode-then-encode and has the type's width.
    CItem item;
    item.setType(type);
    item.setPrecision(selector / typeCount % 4);
    item.setByteArray(block);
    const QByteArray encoded = item.toByteArray();
    check(encoded.size() == item.byteSize());
    item.valueText();

    CItem again;
    again.setType(type);
    again.setByteArray(encoded);
    check(again.toByteArray() == encoded);
    return 0;
}

#include "description/citemregisters.h"

#include "items/citem.h"

namespace {
const QString addressFeature = QStringLiteral("Address_RW");
}

bool CItemRegisters::isRegisterItem(const CItem *item)
{
    return item && item->hasFeature(addressFeature) && registerCount(item) > 0;
}

quint16 CItemRegisters::address(const CItem *item)
{
    return quint16(item->feature(addressFeature).toUInt());
}

int CItemRegisters::registerCount(const CItem *item)
{
    return (item->byteSize() + 1) / 2;
}

QByteArray CItemRegisters::registerBytes(const CItem *item)
{
    QByteArray bytes = item->toByteArray();
    if (bytes.size() % 2)
        bytes.append('\0');
    return bytes;
}

QVector<quint16> CItemRegisters::toWords(const QByteArray &bytes)
{
    QVector<quint16> words;
    words.reserve((bytes.size() + 1) / 2);
    for (int i = 0; i < bytes.size(); i += 2) {
        const quint8 low = i + 1 < bytes.size() ? quint8(bytes.at(i + 1)) : 0;
        words.append(quint16((quint8(bytes.at(i)) << 8) | low));
    }
    return words;
}

QByteArray CItemRegisters::toBytes(const QVector<quint16> &words)
{
    QByteArray bytes;
    bytes.reserve(words.size() * 2);
    for (quint16 word : words) {
        bytes.append(char(word >> 8));
        bytes.append(char(word & 0xFF));
    }
    return bytes;
}

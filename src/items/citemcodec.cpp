// Device byte layout of CItem values. The device is register oriented: 16-bit
// registers travel most significant byte first, wider values occupy several
// registers with the low-order register first, texts are packed two
// characters per register with the earlier character in the low byte.
#include "items/citem.h"

#include <QDataStream>
#include <QDateTime>

#include <cstring>

namespace {

// Encoded width of types 3 .. 26, indexed by type - 3.
const int kByteWidths[24] = {10, 2, 2, 1, 1, 4, 4, 2, 4, 2, 4, 2, 2, 4, 1, 2, 4, 0, 8, 1, 2, 4, 10, 12};

enum class Layout { None, Int8, UInt8, Int16, UInt16, Int32, UInt32, Float, DateTime, Registers, Bytes };

Layout layoutOf(int type)
{
    switch (type) {
    case CItem::DATA_TYPE_INT8:
        return Layout::Int8;
    case CItem::DATA_TYPE_UINT8: case CItem::DATA_TYPE_BIT8: case CItem::DATA_TYPE_CHAR_TIME15:
        return Layout::UInt8;
    case CItem::DATA_TYPE_INT16:
        return Layout::Int16;
    case CItem::DATA_TYPE_UINT16: case CItem::DATA_TYPE_BOOL: case CItem::DATA_TYPE_LIST16:
    case CItem::DATA_TYPE_PASSWORD: case CItem::DATA_TYPE_VERSION16: case CItem::DATA_TYPE_BIT16:
    case CItem::DATA_TYPE_SHORT_TIME15:
        return Layout::UInt16;
    case CItem::DATA_TYPE_INT32:
        return Layout::Int32;
    case CItem::DATA_TYPE_UINT32: case CItem::DATA_TYPE_LIST32: case CItem::DATA_TYPE_VERSION32:
    case CItem::DATA_TYPE_BIT32: case CItem::DATA_TYPE_LONG_TIME15:
        return Layout::UInt32;
    case CItem::DATA_TYPE_FLOAT:
        return Layout::Float;
    case CItem::DATA_TYPE_DATETIME:
        return Layout::DateTime;
    case CItem::DATA_TYPE_TEXT16: case CItem::DATA_TYPE_BUILDDATE:
        return Layout::Registers;
    case CItem::DATA_TYPE_TEXT8:
        return Layout::Bytes;
    default:
        return Layout::None;
    }
}

void writeWords(QDataStream &out, quint32 value)
{
    out << quint16(value & 0xFFFF) << quint16(value >> 16);
}

quint32 readWords(QDataStream &in)
{
    quint16 low = 0;
    quint16 high = 0;
    in >> low >> high;
    return (quint32(high) << 16) | low;
}

void writeDateTime(QDataStream &out, const QDateTime &dateTime)
{
    if (!dateTime.isValid()) {
        out << quint32(0) << quint32(0);
        return;
    }
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    out << quint8(time.second()) << quint8(date.dayOfWeek()) << quint8(time.hour())
        << quint8(time.minute()) << quint8(date.month()) << quint8(date.day()) << quint16(date.year());
}

QDateTime readDateTime(QDataStream &in)
{
    quint8 second = 0, dayOfWeek = 0, hour = 0, minute = 0, month = 0, day = 0;
    quint16 year = 0;
    in >> second >> dayOfWeek >> hour >> minute >> month >> day >> year;
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second, 0), Qt::LocalTime);
}

// Text packed into registers: each register holds the earlier character in
// its low byte.
void writeRegisterText(QDataStream &out, const QString &text, int width)
{
    QByteArray latin1 = text.toLatin1();
    if (latin1.size() < width)
        latin1.append(QByteArray(width - latin1.size(), '\0'));
    for (int i = 0; i + 1 < width; i += 2)
        out << quint16(quint8(latin1.at(i)) | (quint16(quint8(latin1.at(i + 1))) << 8));
}

QString readRegisterText(QDataStream &in, int width)
{
    QByteArray chars;
    for (int i = 0; i + 1 < width; i += 2) {
        quint16 word = 0;
        in >> word;
        chars.append(char(word & 0xFF)).append(char(word >> 8));
    }
    return QString::fromLatin1(chars.constData(), int(qstrnlen(chars.constData(), uint(chars.size()))));
}

void writeByteText(QDataStream &out, const QString &text, int width)
{
    const QByteArray latin1 = text.toLatin1();
    for (int i = 0; i < width; ++i)
        out << quint8(i < latin1.size() ? latin1.at(i) : '\0');
}

QString readByteText(const QByteArray &data, int width)
{
    return QString::fromLatin1(data.constData(), int(qstrnlen(data.constData(), uint(qMin(width, data.size())))));
}

void encode(QDataStream &out, const QVariant &value, int type, int width)
{
    switch (layoutOf(type)) {
    case Layout::Int8: case Layout::UInt8:
        out << value.value<quint8>();
        break;
    case Layout::Int16: case Layout::UInt16:
        out << value.value<quint16>();
        break;
    case Layout::Int32: case Layout::UInt32:
        writeWords(out, value.value<quint32>());
        break;
    case Layout::Float: {
        const float number = value.toFloat();
        quint32 bits = 0;
        std::memcpy(&bits, &number, sizeof bits);
        writeWords(out, bits);
        break;
    }
    case Layout::DateTime:
        writeDateTime(out, value.toDateTime());
        break;
    case Layout::Registers:
        writeRegisterText(out, value.toString(), width);
        break;
    case Layout::Bytes:
        writeByteText(out, value.toString(), width);
        break;
    case Layout::None:
        break;
    }
}

template <typename T>
T readAs(QDataStream &in)
{
    T number = 0;
    in >> number;
    return number;
}

QVariant decode(QDataStream &in, const QByteArray &block, int type, int width)
{
    switch (layoutOf(type)) {
    case Layout::Int8: return QVariant(int(readAs<qint8>(in)));
    case Layout::UInt8: return QVariant(int(readAs<quint8>(in)));
    case Layout::Int16: return QVariant(int(readAs<qint16>(in)));
    case Layout::UInt16: return QVariant(int(readAs<quint16>(in)));
    case Layout::Int32: return QVariant(int(readWords(in)));
    case Layout::UInt32: return QVariant(uint(readWords(in)));
    case Layout::Float: {
        const quint32 bits = readWords(in);
        float number = 0.0f;
        std::memcpy(&number, &bits, sizeof number);
        return QVariant(number);
    }
    case Layout::DateTime: return QVariant(readDateTime(in));
    case Layout::Registers: return QVariant(readRegisterText(in, width));
    case Layout::Bytes: return QVariant(readByteText(block, width));
    case Layout::None: break;
    }
    return QVariant();
}

} // namespace

int CItem::encodedSize(int type)
{
    return type >= DATA_TYPE_TEXT16 && type <= DATA_TYPE_BUILDDATE ? kByteWidths[type - DATA_TYPE_TEXT16] : 0;
}

QByteArray CItem::toByteArray() const
{
    QByteArray data;
    const int width = encodedSize(m_type);
    if (width == 0)
        return data;
    QDataStream out(&data, QIODevice::WriteOnly);
    encode(out, m_value, m_type, width);
    return data;
}

void CItem::setByteArray(const QByteArray &data)
{
    if (encodedSize(m_type) == 0)
        return;
    setValue(fromByteArray(data, m_type));
}

QVariant CItem::fromByteArray(const QByteArray &data, ENUM_DATA_TYPES type)
{
    const int width = encodedSize(type);
    if (width == 0)
        return QVariant();
    // Missing bytes of a short block read as zeros.
    QByteArray block = data.left(width);
    if (block.size() < width)
        block.append(QByteArray(width - block.size(), '\0'));
    QDataStream in(block);
    return decode(in, block, type, width);
}

// Display texts of CItem: value texts, translated field getters, caption paths.
#include "items/citem.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cmath>
#include <limits>

namespace {

// Truncates toward zero; NaN gives 0 and values beyond int saturate, so a zero
// decimal factor (infinite quotient) stays well defined.
int truncatedInt(double number)
{
    if (std::isnan(number))
        return 0;
    if (number >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (number <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(number);
}

QString zeroPadded(int number, int width)
{
    return QString::number(number).rightJustified(width, QLatin1Char('0'));
}

// The whole number, padded on the left with '0' to precision characters.
QString paddedNumber(const QVariant &value, double precision)
{
    return QString::number(value.toDouble(), 'f', 0).rightJustified(truncatedInt(precision), QLatin1Char('0'));
}

QString joinPath(const QString &path, const QString &caption)
{
    if (path.isEmpty())
        return caption;
    return QStringLiteral("%1 - %2").arg(path, caption);
}

} // namespace

// ---- translated getters -----------------------------------------------------

QString CItem::translatedText(const QString &text, const QString &languageId) const
{
    const auto language = m_translations.constFind(languageId);
    if (language == m_translations.cend() || language->isEmpty())
        return text;
    return language->value(text, text);
}

QString CItem::caption() const { return caption(m_languageId); }
QString CItem::caption(const QString &languageId) const { return translatedText(m_caption, languageId); }
QString CItem::unit() const { return unit(m_languageId); }
QString CItem::unit(const QString &languageId) const { return translatedText(m_unit, languageId); }
QString CItem::specialValueText() const { return specialValueText(m_languageId); }

QString CItem::specialValueText(const QString &languageId) const
{
    return translatedText(m_specialValueText, languageId);
}

QStringList CItem::textList() const { return textList(m_languageId); }

QStringList CItem::textList(const QString &languageId) const
{
    return translatedText(m_textList, languageId).split(QLatin1Char(','), Qt::KeepEmptyParts);
}

QString CItem::specialOutput() const { return translatedText(m_specialOutput, m_languageId); }

// ---- caption paths ----------------------------------------------------------

QString CItem::captionPath() const { return captionPath(m_languageId); }

QString CItem::captionPath(const QString &languageId) const
{
    const CItem *parentItem = qobject_cast<const CItem *>(parent());
    if (!parentItem || parentItem->type() == DATA_TYPE_OBJECT)
        return QString();
    return joinPath(parentItem->captionPath(languageId), parentItem->caption(languageId));
}

QString CItem::fullCaption() const { return fullCaption(m_languageId); }

QString CItem::fullCaption(const QString &languageId) const
{
    return joinPath(captionPath(languageId), caption(languageId));
}

// ---- value texts --------------------------------------------------------------

QString CItem::numberText(const QVariant &value, double divisor, bool decimalComma) const
{
    QString text = QString::number(value.toDouble() / divisor, 'f', truncatedInt(m_precision));
    if (decimalComma)
        text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

QString CItem::valueText() const { return valueText(m_value); }

QString CItem::valueText(const QVariant &value) const
{
    switch (int(m_type)) {
    case DATA_TYPE_OBJECT:
    case DATA_TYPE_GROUP:
        return QString();
    case DATA_TYPE_TEXT16:
    case DATA_TYPE_TEXT8:
    case DATA_TYPE_BUILDDATE:
        return value.toString();
    case DATA_TYPE_INT16: case DATA_TYPE_UINT16: case DATA_TYPE_INT8: case DATA_TYPE_UINT8:
    case DATA_TYPE_INT32: case DATA_TYPE_UINT32:
    case DATA_TYPE_BIT8: case DATA_TYPE_BIT16: case DATA_TYPE_BIT32:
        return numberText(value, m_decimalFactor, true);
    case DATA_TYPE_FLOAT:
        return numberText(value, 1.0, true);
    case DATA_TYPE_BOOL:
        if (value.toBool())
            return QCoreApplication::translate("CItem", "On");
        return QCoreApplication::translate("CItem", "Off");
    case DATA_TYPE_LIST16:
    case DATA_TYPE_LIST32:
    case DATA_TYPE_BITFIELD_ENTRY: {
        const QStringList entries = textList();
        const int index = value.toInt();
        return index < 0 || index >= entries.size() ? QStringLiteral("?") : entries.at(index);
    }
    case DATA_TYPE_PASSWORD:
        return paddedNumber(value, m_precision);
    case DATA_TYPE_VERSION16:
    case DATA_TYPE_VERSION32:
        return numberText(value, m_decimalFactor, false);
    case DATA_TYPE_DATETIME: {
        const QDateTime dateTime = value.toDateTime();
        return dateTime.isValid() ? dateTime.toString(dateTimeFormat(false)) : QStringLiteral("?");
    }
    case DATA_TYPE_CHAR_TIME15:
    case DATA_TYPE_SHORT_TIME15:
    case DATA_TYPE_LONG_TIME15: {
        const int quarters = truncatedInt(value.toDouble() / m_decimalFactor);
        return QStringLiteral("%1:%2").arg(zeroPadded(quarters / 4, 2), zeroPadded((quarters % 4) * 15, 2));
    }
    default:
        return QStringLiteral("?");
    }
}

QString CItem::valueText(const QVariant &value, bool applyFactor) const
{
    const double factor = applyFactor ? m_decimalFactor : 1.0;
    switch (int(m_type)) {
    case DATA_TYPE_INT16: case DATA_TYPE_UINT16: case DATA_TYPE_INT8: case DATA_TYPE_UINT8:
    case DATA_TYPE_INT32: case DATA_TYPE_UINT32:
    case DATA_TYPE_BIT8: case DATA_TYPE_BIT16: case DATA_TYPE_BIT32:
        return numberText(value, factor, true);
    case DATA_TYPE_FLOAT:
        return numberText(value, 1.0, true);
    case DATA_TYPE_BITFIELD_ENTRY:
        return paddedNumber(value, m_precision);
    case DATA_TYPE_VERSION16:
    case DATA_TYPE_VERSION32:
        return numberText(value, factor, false);
    default:
        return valueText(value);
    }
}

// ---- static helpers -----------------------------------------------------------

QString CItem::dateTimeFormat(bool withMilliseconds)
{
    if (withMilliseconds)
        return QCoreApplication::translate("CItem", "dd.MM.yyyy hh:mm:ss,zzz");
    return QCoreApplication::translate("CItem", "dd.MM.yyyy hh:mm:ss");
}

QString CItem::timeFormat(bool withMilliseconds)
{
    if (withMilliseconds)
        return QCoreApplication::translate("CItem", "hh:mm:ss,zzz");
    return QCoreApplication::translate("CItem", "hh:mm:ss");
}

QString CItem::dateFormat()
{
    return QCoreApplication::translate("CItem", "dd.MM.yyyy");
}

QVariant CItem::displayValue(const QVariant &value, ENUM_DATA_TYPES type, double factor)
{
    switch (int(type)) {
    case DATA_TYPE_INT16: case DATA_TYPE_UINT16: case DATA_TYPE_INT8: case DATA_TYPE_UINT8:
    case DATA_TYPE_INT32: case DATA_TYPE_UINT32:
    case DATA_TYPE_VERSION16: case DATA_TYPE_VERSION32:
    case DATA_TYPE_BIT8: case DATA_TYPE_BIT16: case DATA_TYPE_BIT32:
    case DATA_TYPE_CHAR_TIME15: case DATA_TYPE_SHORT_TIME15: case DATA_TYPE_LONG_TIME15:
        return QVariant(value.toDouble() / factor);
    case DATA_TYPE_FLOAT:
    case DATA_TYPE_LIST16: case DATA_TYPE_LIST32:
    case DATA_TYPE_PASSWORD:
    case DATA_TYPE_BITFIELD_ENTRY:
        return QVariant(value.toDouble());
    case DATA_TYPE_BOOL:
        return QVariant(value.toBool());
    default:
        return QVariant();
    }
}

QVariant CItem::bitFieldValue(const QVariant &value, ENUM_DATA_TYPES type, int position, int count)
{
    if (type != DATA_TYPE_BITFIELD_ENTRY)
        return QVariant();
    if (count < 1 || position < 0 || position > 31)
        return QVariant(uint(0));
    const quint64 mask = count >= 32 ? 0xFFFFFFFFull : ((quint64(1) << count) - 1);
    return QVariant(uint((quint64(value.toUInt()) >> position) & mask));
}

#include "cdisplayencoder.h"

#include "device/pv8120constants.h"
#include "device/pv8120status.h"

#include <QHash>
#include <QVector>

#include <cmath>

const QString CDisplayEncoder::OverflowText = QStringLiteral("----");

namespace {

QHash<QChar, quint8> buildReverse()
{
    QHash<QChar, quint8> reverse;
    const QStringList &table = Pv8120::displayCharacters;
    for (int i = 1; i < table.size(); ++i) {
        if (table.at(i) != QLatin1String(" "))
            reverse.insert(table.at(i).at(0), quint8(i));
    }
    // Look-alikes the display has no own shape for.
    const QList<QPair<QChar, QChar>> alike = {
        {'O', '0'}, {'S', '5'}, {'s', '5'}, {'Z', '2'}, {'z', '2'}, {'g', '9'}, {'B', '8'}};
    for (const auto &pair : alike)
        reverse.insert(pair.first, reverse.value(pair.second));
    return reverse;
}

int digitCount(const QString &text)
{
    int count = 0;
    for (int i = 0; i < text.size(); ++i) {
        const bool point = text.at(i) == '.' || text.at(i) == ',';
        if (!point || i == 0 || text.at(i - 1) == '.' || text.at(i - 1) == ',')
            ++count;
    }
    return count;
}

} // namespace

quint8 CDisplayEncoder::pattern(QChar character)
{
    static const QHash<QChar, quint8> reverse = buildReverse();
    if (reverse.contains(character))
        return reverse.value(character);
    if (reverse.contains(character.toUpper()))
        return reverse.value(character.toUpper());
    return reverse.value(character.toLower(), 0);
}

QByteArray CDisplayEncoder::encodeText(const QString &text, Qt::Alignment alignment)
{
    QByteArray digits;
    bool lastWasDigit = false;
    for (const QChar c : text) {
        if ((c == '.' || c == ',') && lastWasDigit) {
            digits[digits.size() - 1] = char(quint8(digits.back()) | Pv8120::decimalPoint);
            lastWasDigit = false;
            continue;
        }
        if (c == '.' || c == ',')
            digits.append(char(Pv8120::decimalPoint));
        else
            digits.append(char(pattern(c)));
        lastWasDigit = c != '.' && c != ',';
    }
    digits = digits.left(Pv8120::displayDigits);
    const QByteArray padding(Pv8120::displayDigits - digits.size(), '\0');
    return (alignment & Qt::AlignRight) ? padding + digits : digits + padding;
}

QString CDisplayEncoder::numberText(double value, int maxDecimals)
{
    if (!std::isfinite(value))
        return OverflowText;
    for (int decimals = qMax(0, maxDecimals); decimals >= 0; --decimals) {
        QString text = QString::number(value, 'f', decimals);
        // A value that rounds to zero shows without its sign.
        if (text.startsWith('-') && QString::number(-value, 'f', decimals).toDouble() == 0.0)
            text.remove(0, 1);
        if (digitCount(text) <= Pv8120::displayDigits)
            return text;
    }
    return OverflowText;
}

QByteArray CDisplayEncoder::encodeNumber(double value, int maxDecimals)
{
    return encodeText(numberText(value, maxDecimals), Qt::AlignRight);
}

QString CDisplayEncoder::decode(const QByteArray &digits)
{
    QString text;
    for (const char byte : digits) {
        text += Pv8120::displayCharacter(quint8(byte) & Pv8120::segmentMask);
        if (quint8(byte) & Pv8120::decimalPoint)
            text += '.';
    }
    return text;
}

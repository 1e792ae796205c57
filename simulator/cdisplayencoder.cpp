#include "cdisplayencoder.h"

#include <QHash>
#include <QVector>

#include <cmath>

const QString CDisplayEncoder::OverflowText = QStringLiteral("----");

namespace {

QStringList buildTable()
{
    QStringList table;
    for (int i = 0; i < 128; ++i)
        table << QStringLiteral(" ");
    const QList<QPair<int, QString>> defined = {
        {1, "-"}, {4, "i"}, {5, "r"}, {6, "I"}, {8, "_"}, {13, "c"}, {14, "L"}, {15, "t"},
        {21, "n"}, {23, "h"}, {28, "u"}, {29, "o"}, {31, "b"}, {48, "1"}, {51, "4"},
        {55, "H"}, {56, "J"}, {59, "y"}, {61, "d"}, {62, "U"}, {64, QString(QChar(0x00E1))},
        {71, "F"}, {78, "C"}, {79, "E"}, {91, "5"}, {94, "G"}, {95, "6"}, {103, "P"},
        {109, "2"}, {114, "7"}, {118, "N"}, {119, "A"}, {121, "3"}, {123, "9"}, {126, "0"},
        {127, "8"}};
    for (const auto &entry : defined)
        table[entry.first] = entry.second;
    return table;
}

QHash<QChar, quint8> buildReverse()
{
    QHash<QChar, quint8> reverse;
    const QStringList &table = CDisplayEncoder::characterTable();
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

const QStringList &CDisplayEncoder::characterTable()
{
    static const QStringList table = buildTable();
    return table;
}

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
            digits[digits.size() - 1] = char(quint8(digits.back()) | DecimalPoint);
            lastWasDigit = false;
            continue;
        }
        if (c == '.' || c == ',')
            digits.append(char(DecimalPoint));
        else
            digits.append(char(pattern(c)));
        lastWasDigit = c != '.' && c != ',';
    }
    digits = digits.left(DigitCount);
    const QByteArray padding(DigitCount - digits.size(), '\0');
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
        if (digitCount(text) <= DigitCount)
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
        text += characterTable().at(quint8(byte) & 0x7F);
        if (quint8(byte) & DecimalPoint)
            text += '.';
    }
    return text;
}

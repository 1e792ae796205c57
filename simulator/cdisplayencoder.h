#ifndef CDISPLAYENCODER_H
#define CDISPLAYENCODER_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <Qt>

// Turns texts and numbers into the four digit bytes of the device's
// seven-segment display. A digit byte holds the segment pattern in bits 0 to 6
// (bit 6 segment a, 5 b, 4 c, 3 d, 2 e, 1 f, 0 g) and the digit's decimal
// point in bit 7.
class CDisplayEncoder
{
public:
    // Segment pattern of one character: the table entry itself, else a
    // look-alike (other letter case, O for 0, S for 5, ...); 0 (blank) when
    // the display has no shape for it.
    static quint8 pattern(QChar character);

    // Four digit bytes for text. "." and "," light the decimal point of the
    // digit before them; the text is cut after four digits and padded with
    // blanks on the side opposite to the alignment (Qt::AlignLeft or
    // Qt::AlignRight).
    static QByteArray encodeText(const QString &text, Qt::Alignment alignment = Qt::AlignLeft);

    // Four digit bytes for a number, right-aligned, rounded to the most
    // decimals (at most maxDecimals) that fit into four digits; a number that
    // does not fit even without decimals shows as OverflowText.
    static QByteArray encodeNumber(double value, int maxDecimals = 3);

    // The text a number shows as, as encodeNumber() lays it out.
    static QString numberText(double value, int maxDecimals = 3);

    // Reads digit bytes back into text (for logging): the table character of
    // each pattern, "." after a digit with its point lit.
    static QString decode(const QByteArray &digits);

    static const QString OverflowText;
};

#endif // CDISPLAYENCODER_H

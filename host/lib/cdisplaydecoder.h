#ifndef CDISPLAYDECODER_H
#define CDISPLAYDECODER_H

#include "loomworkhost_global.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QVariantMap>
#include <QVector>

// Reads a device's display out of its status block, as the "display" section
// of the device data file describes it: which bytes of the block hold the
// digits and the status bytes of each display frame, which character each
// segment pattern stands for, how the status bytes select the LED code, and
// what each frame shows (the measured value in the unit of a parameter, or
// the output in a fixed unit). Bytes are counted from the block's first
// register, two per register, its low byte first.
class LOOMWORKHOST_EXPORT CDisplayDecoder
{
public:
    // What a display frame shows.
    enum Role { OtherRole, ValueRole, OutputRole };

    struct Frame
    {
        int number = 0;
        Role role = OtherRole;
        QString unit;       // a fixed unit ("%"), or empty
        QString unitOf;     // the parameter whose unit the frame follows, or empty
        QString color;      // chart colour, or empty
        QList<int> digits;  // byte positions, left to right
        QList<int> status;  // the two status byte positions
    };

    // One frame as the device shows it.
    struct Reading
    {
        QString text; // the characters, "." after a digit with its point lit
        int led = 0;  // LED code
    };

    // Reads the section; false with error set when it describes no frames or
    // a frame incompletely. A section without frames leaves the decoder
    // invalid (a device without a readable display).
    bool load(const QVariantMap &display, QString *error);
    bool isValid() const;

    const QList<Frame> &frames() const;
    // The frame with that role, or null.
    const Frame *frame(Role role) const;

    // The frame's text and LED code from the status registers (the block's
    // first register first); missing registers read as 0.
    Reading read(const Frame &frame, const QVector<quint16> &registers) const;
    // The character of a segment pattern; a blank when it has none.
    QString character(int pattern) const;
    // The chart colour of an LED code, empty when none is named.
    QString ledColor(int code) const;

    // The number a display text shows and its decimals (" -2.50" gives -2.5
    // and 2); false when the text is no plain number ("----", "Err", "").
    static bool number(const QString &text, double *value, int *decimals);

private:
    struct Counter
    {
        int status = 0; // first or second status byte
        int mask = 0;
        int a = 0;
        int b = 0;
    };

    bool loadFrames(const QVariantList &frames, QString *error);
    void loadLedRule(const QVariantMap &rule);
    int ledCode(quint8 first, quint8 second) const;
    static quint8 byteAt(const QVector<quint16> &registers, int position);

    QList<Frame> m_frames;
    QHash<int, QString> m_characters;
    int m_mask = 0x7F;
    int m_point = 0x80;
    QList<Counter> m_counters;
    QHash<QPair<int, int>, int> m_codes; // (a, b) -> LED code
    int m_otherCode = 0;
    QHash<int, QString> m_ledColors;
};

#endif // CDISPLAYDECODER_H

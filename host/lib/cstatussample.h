#ifndef CSTATUSSAMPLE_H
#define CSTATUSSAMPLE_H

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QtNumeric>

// One status answer of the device, as its display shows it: the text and
// number of the value frame with its unit, the output in percent and the LED.
// Numbers are NaN when the frame shows no number (a message, "----").
struct CStatusSample
{
    QDateTime time;         // when the answer arrived
    QString text;           // the value frame's text, without blank digits
    double value = qQNaN(); // the number it shows
    int valueDecimals = 0;
    QString unit;           // the value's unit; empty when none or not read
    double unitScale = 0.0; // the unit's factor from the device's base unit; 0 when unknown
    QString outputText;
    double output = qQNaN(); // percent
    int outputDecimals = 0;
    int led = -1;           // LED code; -1 when unknown
    QString ledName;
};

Q_DECLARE_METATYPE(CStatusSample)

#endif // CSTATUSSAMPLE_H

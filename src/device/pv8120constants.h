#ifndef PV8120CONSTANTS_H
#define PV8120CONSTANTS_H

#include <QString>
#include <QStringList>

// Fixed names of the PV 8120: device identity, the object names of the
// parameter items the backend works on, and the seven-segment character table.
// All are built during static initialisation and never written afterwards.
namespace Pv8120 {

// Seven-segment pattern (bit 6 = segment a ... bit 0 = segment g) -> character;
// exactly 128 one-character entries, " " where no character is defined.
extern const QStringList displayCharacters;

extern const QString deviceName;   // "PV 8120"
extern const QString deviceNumber; // "8120"

extern const QString typ;
extern const QString messbereichMax;
extern const QString messbereichMin;
extern const QString grenzwertMaxAlarm;
extern const QString grenzwertMinAlarm;
extern const QString grenzwertMaxHysterese;
extern const QString grenzwertMinHysterese;
extern const QString offset;
extern const QString einheit;
extern const QString messbereichAnfang;
extern const QString messbereichEnde;
extern const QString anzeigewertAnfang;
extern const QString anzeigewertEnde;
extern const QString kennlinie;
extern const QString anzahlStuetzstellen;
extern const QString stuetzpunktEingang;            // prefix, followed by 1..30
extern const QString stuetzpunktAusgangInProzent;   // prefix, followed by 1..30
extern const QString stuetzpunktEingang1;
extern const QString schleichmengenfunktion;
extern const QString schleichmengeSchwelle;
extern const QString sollwert;
extern const QString tasten;

// Number of interpolation point pairs the device offers.
constexpr int pointCount = 30;

// Object name of interpolation point item number (1..pointCount) under prefix.
QString pointName(const QString &prefix, int number);

// Character of one seven-segment pattern; " " for patterns outside the table.
QString displayCharacter(int pattern);

// Source texts carried for translation catalogues (context "CItem"), in their
// fixed order; only the characteristic, creep and unit texts are used at run time.
QStringList translationSourceTexts();

} // namespace Pv8120

#endif // PV8120CONSTANTS_H

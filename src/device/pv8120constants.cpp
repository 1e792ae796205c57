#include "device/pv8120constants.h"

#include <QCoreApplication>

namespace {

QStringList buildDisplayCharacters()
{
    static const struct { int pattern; const char16_t *text; } defined[] = {
        {1, u"-"},   {4, u"i"},   {5, u"r"},   {6, u"I"},   {8, u"_"},   {13, u"c"},
        {14, u"L"},  {15, u"t"},  {21, u"n"},  {23, u"h"},  {28, u"u"},  {29, u"o"},
        {31, u"b"},  {48, u"1"},  {51, u"4"},  {55, u"H"},  {56, u"J"},  {59, u"y"},
        {61, u"d"},  {62, u"U"},  {64, u"\u00e1"}, {71, u"F"}, {78, u"C"}, {79, u"E"},
        {91, u"5"},  {94, u"G"},  {95, u"6"},  {103, u"P"}, {109, u"2"}, {114, u"7"},
        {118, u"N"}, {119, u"A"}, {121, u"3"}, {123, u"9"}, {126, u"0"}, {127, u"8"},
    };
    QStringList table;
    table.reserve(128);
    for (int i = 0; i < 128; ++i)
        table.append(QStringLiteral(" "));
    for (const auto &entry : defined)
        table[entry.pattern] = QString::fromUtf16(entry.text);
    return table;
}

// Kept in one list so that lupdate finds every text in the context "CItem".
const char *const translationSources[] = {
    QT_TRANSLATE_NOOP("CItem", "Relay"),
    QT_TRANSLATE_NOOP("CItem", "Key down"),
    QT_TRANSLATE_NOOP("CItem", "Key up"),
    QT_TRANSLATE_NOOP("CItem", "Lower hysterese active"),
    QT_TRANSLATE_NOOP("CItem", "Lower limit"),
    QT_TRANSLATE_NOOP("CItem", "Upper hysterese active"),
    QT_TRANSLATE_NOOP("CItem", "Error parameter"),
    QT_TRANSLATE_NOOP("CItem", "Upper limit"),
    QT_TRANSLATE_NOOP("CItem", "Error dp calibration"),
    QT_TRANSLATE_NOOP("CItem", "Error pressure"),
    QT_TRANSLATE_NOOP("CItem", "Testmode A-Out"),
    QT_TRANSLATE_NOOP("CItem", "Password Menu"),
    QT_TRANSLATE_NOOP("CItem", "Autozero Menu"),
    QT_TRANSLATE_NOOP("CItem", "Reset Autozero"),
    QT_TRANSLATE_NOOP("CItem", "Wait double click"),
    QT_TRANSLATE_NOOP("CItem", "Edit"),
    QT_TRANSLATE_NOOP("CItem", "Running"),
    QT_TRANSLATE_NOOP("CItem", "Go to Running"),
    QT_TRANSLATE_NOOP("CItem", "Init"),
    QT_TRANSLATE_NOOP("CItem", "Intro"),
    QT_TRANSLATE_NOOP("CItem", "Testmode"),
    QT_TRANSLATE_NOOP("CItem", "None"),
    QT_TRANSLATE_NOOP("CItem", "50% bidirektional, frei in mbar"),
    QT_TRANSLATE_NOOP("CItem", "80% bidirektional, frei in mbar"),
    QT_TRANSLATE_NOOP("CItem", "100% bidirektional, frei in mbar"),
    QT_TRANSLATE_NOOP("CItem", "50% unidirektional, radiziert in %"),
    QT_TRANSLATE_NOOP("CItem", "80% unidirektional, radiziert in %"),
    QT_TRANSLATE_NOOP("CItem", "100% unidirektional, radiziert in %"),
    QT_TRANSLATE_NOOP("CItem", "50% bidirektional, radiziert in %"),
    QT_TRANSLATE_NOOP("CItem", "80% bidirektional, radiziert in %"),
    QT_TRANSLATE_NOOP("CItem", "100% bidirektional, radiziert in %"),
    QT_TRANSLATE_NOOP("CItem", "50% unidirektional in mbar"),
    QT_TRANSLATE_NOOP("CItem", "80% unidirektional in mbar"),
    QT_TRANSLATE_NOOP("CItem", "100% unidirektional in mbar"),
    QT_TRANSLATE_NOOP("CItem", "50% bidirektional in mbar"),
    QT_TRANSLATE_NOOP("CItem", "80% bidirektional in mbar"),
    QT_TRANSLATE_NOOP("CItem", "100% bidirektional in mbar"),
    QT_TRANSLATE_NOOP("CItem", "Parameter"),
    QT_TRANSLATE_NOOP("CItem", "linear"),
    QT_TRANSLATE_NOOP("CItem", "Sprung"),
    QT_TRANSLATE_NOOP("CItem", "keine"),
    QT_TRANSLATE_NOOP("CItem", "Tabelle"),
    QT_TRANSLATE_NOOP("CItem", "radiziert"),
    QT_TRANSLATE_NOOP("CItem", "linear"),
    QT_TRANSLATE_NOOP("CItem", "psi"),
    QT_TRANSLATE_NOOP("CItem", "inH2O"),
    QT_TRANSLATE_NOOP("CItem", "kPa"),
    QT_TRANSLATE_NOOP("CItem", "Pa"),
    QT_TRANSLATE_NOOP("CItem", "mbar"),
    QT_TRANSLATE_NOOP("CItem", "Premium"),
    QT_TRANSLATE_NOOP("CItem", "Basic"),
    QT_TRANSLATE_NOOP("CItem", "Lite"),
    QT_TRANSLATE_NOOP("CItem", "Unknown"),
    QT_TRANSLATE_NOOP("CItem", "Messbereich Max"),
    QT_TRANSLATE_NOOP("CItem", "Messbereich Min"),
    QT_TRANSLATE_NOOP("CItem", "Sensortyp"),
    QT_TRANSLATE_NOOP("CItem", "Description"),
    QT_TRANSLATE_NOOP("CItem", "MeasurementInfo"),
};

} // namespace

namespace Pv8120 {

// Definition order is the initialisation order: table, identity, object names.
const QStringList displayCharacters = buildDisplayCharacters();

const QString deviceName = QStringLiteral("PV 8120");
const QString deviceNumber = QStringLiteral("8120");

const QString typ = QStringLiteral("Typ");
const QString messbereichMax = QStringLiteral("MessbereichMax");
const QString messbereichMin = QStringLiteral("MessbereichMin");
const QString grenzwertMaxAlarm = QStringLiteral("GrenzwertMaxAlarm");
const QString grenzwertMinAlarm = QStringLiteral("GrenzwertMinAlarm");
const QString grenzwertMaxHysterese = QStringLiteral("GrenzwertMaxHysterese");
const QString grenzwertMinHysterese = QStringLiteral("GrenzwertMinHysterese");
const QString offset = QStringLiteral("Offset");
const QString einheit = QStringLiteral("Einheit");
const QString messbereichAnfang = QStringLiteral("MessbereichAnfang");
const QString messbereichEnde = QStringLiteral("MessbereichEnde");
const QString anzeigewertAnfang = QStringLiteral("AnzeigewertAnfang");
const QString anzeigewertEnde = QStringLiteral("AnzeigewertEnde");
const QString kennlinie = QStringLiteral("Kennlinie");
const QString anzahlStuetzstellen = QStringLiteral("AnzahlStuetzstellen");
const QString stuetzpunktEingang = QStringLiteral("StuetzpunktEingang_");
const QString stuetzpunktAusgangInProzent = QStringLiteral("StuetzpunktAusganginProzent_");
const QString stuetzpunktEingang1 = QStringLiteral("StuetzpunktEingang_1");
const QString schleichmengenfunktion = QStringLiteral("Schleichmengenfunktion");
const QString schleichmengeSchwelle = QStringLiteral("SchleichmengeSchwelle");
const QString sollwert = QStringLiteral("Sollwert");
const QString tasten = QStringLiteral("Tasten");

QString pointName(const QString &prefix, int number)
{
    return QStringLiteral("%1%2").arg(prefix).arg(number);
}

QString displayCharacter(int pattern)
{
    return displayCharacters.value(pattern, QStringLiteral(" "));
}

QStringList translationSourceTexts()
{
    QStringList texts;
    for (const char *text : translationSources)
        texts.append(QString::fromUtf8(text));
    return texts;
}

} // namespace Pv8120

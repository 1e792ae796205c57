#ifndef CHOSTSETTINGS_H
#define CHOSTSETTINGS_H

#include <QString>

// The choices the host keeps between runs, in the application's QSettings.
// Every key the host uses is defined here and nowhere else.
class CHostSettings
{
public:
    // The user-interface language last chosen; fallback when none was.
    static QString language(const QString &fallback);
    static void setLanguage(const QString &language);

    // The front's cyclic read interval in ms last set; fallback when none was.
    static int cycleInterval(int fallback);
    static void setCycleInterval(int milliseconds);

private:
    static const char LanguageKey[];
    static const char CycleIntervalKey[];
};

#endif // CHOSTSETTINGS_H

#include "chostsettings.h"

#include <QSettings>

const char CHostSettings::LanguageKey[] = "language";
const char CHostSettings::CycleIntervalKey[] = "cycleInterval";

QString CHostSettings::language(const QString &fallback)
{
    return QSettings().value(QLatin1String(LanguageKey), fallback).toString();
}

void CHostSettings::setLanguage(const QString &language)
{
    QSettings().setValue(QLatin1String(LanguageKey), language);
}

int CHostSettings::cycleInterval(int fallback)
{
    bool ok = false;
    const int value = QSettings().value(QLatin1String(CycleIntervalKey), fallback).toInt(&ok);
    return ok ? value : fallback;
}

void CHostSettings::setCycleInterval(int milliseconds)
{
    QSettings().setValue(QLatin1String(CycleIntervalKey), milliseconds);
}

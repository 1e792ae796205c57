#include "chostsettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

CHostSettings::CHostSettings()
    : m_settings(std::make_unique<QSettings>(fileName(), QSettings::IniFormat))
{
}

CHostSettings::~CHostSettings() = default;

QString CHostSettings::fileName()
{
    // The place Qt's native settings use on Linux, so earlier choices stay.
    const QString organization = QCoreApplication::organizationName().isEmpty()
        ? QStringLiteral("Loomwork")
        : QCoreApplication::organizationName();
    const QString application = QCoreApplication::applicationName().isEmpty()
        ? QStringLiteral("loomwork-host")
        : QCoreApplication::applicationName();
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("%1/%2.conf").arg(organization, application));
}

QString CHostSettings::keyName(Key key)
{
    switch (key) {
    case Language: return QStringLiteral("language");
    case CycleInterval: return QStringLiteral("cycleInterval");
    case WindowGeometry: return QStringLiteral("window/geometry");
    case WindowState: return QStringLiteral("window/state");
    case SplitterState: return QStringLiteral("window/splitter");
    case Link: return QStringLiteral("connection/link");
    case Host: return QStringLiteral("connection/host");
    case Port: return QStringLiteral("connection/port");
    case SerialPort: return QStringLiteral("connection/serialPort");
    case Address: return QStringLiteral("connection/address");
    case RecordInterval: return QStringLiteral("trend/recordInterval");
    case TrendWindow: return QStringLiteral("trend/window");
    }
    return QString();
}

QVariant CHostSettings::value(Key key, const QVariant &fallback) const
{
    return m_settings->value(keyName(key), fallback);
}

void CHostSettings::setValue(Key key, const QVariant &value)
{
    m_settings->setValue(keyName(key), value);
}

bool CHostSettings::contains(Key key) const
{
    return m_settings->contains(keyName(key));
}

void CHostSettings::clear()
{
    m_settings->clear();
}

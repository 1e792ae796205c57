#ifndef CHOSTSETTINGS_H
#define CHOSTSETTINGS_H

#include <QVariant>

#include <memory>

class QSettings;

// What the host remembers between runs: the language, the cycle interval,
// the window's geometry and splitter, the last connection, the trend's
// time window and the recording interval. Every key is
// named here once. The file lies in the generic configuration folder that
// QStandardPaths reports, so a test that enables its test mode never reads
// or writes the user's own file.
class CHostSettings
{
public:
    enum Key {
        Language,
        CycleInterval,
        WindowGeometry,
        WindowState,
        SplitterState,
        Link,
        Host,
        Port,
        SerialPort,
        Address,
        RecordInterval,
        TrendWindow,
    };

    CHostSettings();
    ~CHostSettings();

    // The stored value of key, or fallback when none is stored.
    QVariant value(Key key, const QVariant &fallback = QVariant()) const;
    void setValue(Key key, const QVariant &value);
    // Whether a value is stored for key.
    bool contains(Key key) const;
    // Forgets every remembered value.
    void clear();

    // The settings file in use.
    static QString fileName();
    // The key's name in the file.
    static QString keyName(Key key);

private:
    std::unique_ptr<QSettings> m_settings;
};

#endif // CHOSTSETTINGS_H

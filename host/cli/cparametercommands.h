#ifndef CPARAMETERCOMMANDS_H
#define CPARAMETERCOMMANDS_H

#include <QCoreApplication>
#include <QString>

class CDeviceSession;

// The CLI's commands on single parameters and the display: read all, write
// one (with the plugin's rules following, checked before it is sent), watch
// the display. Each returns the process exit code.
class CParameterCommands
{
    Q_DECLARE_TR_FUNCTIONS(LoomworkCli)

public:
    struct WatchOptions
    {
        int interval = 1000; // poll interval, ms
        int count = 0;       // stop after this many display changes (0: never)
        int seconds = 0;     // stop after this time (0: never)
        bool json = false;
        QString csvFile;     // also record to this CSV file
        int recordInterval = 0; // least time between two CSV rows, ms
    };

    // session is connected; language is the CLI's ("en", "de").
    CParameterCommands(CDeviceSession &session, const QString &language);

    int read(bool json);
    int write(const QString &name, const QString &text);
    int watch(const WatchOptions &options);

private:
    CDeviceSession &m_session;
    QString m_language;
};

#endif // CPARAMETERCOMMANDS_H

#ifndef CSIMOPTIONS_H
#define CSIMOPTIONS_H

#include "cfaultconfig.h"

#include <QString>

class QCommandLineParser;
#include <QStringList>

// The simulator's command line.
class CSimOptions
{
public:
    QString host = QStringLiteral("127.0.0.1");
    quint16 port = 0;                 // 0: a free port
    QString description;              // empty: the installed / built description
    QString language;                 // language file beside the description, e.g. "de"
    quint64 seed = 1;
    bool fixedPressure = false;
    double pressure = 0.0;            // mbar, with fixedPressure
    bool wrongStatusAddress = false;
    bool exitOnStdinEof = false;
    CFaultConfig faults;

    // Parses arguments (argv including the program name). --help and
    // --version print their text and exit the process. Returns false with
    // errorText() set for an invalid command line.
    bool parse(const QStringList &arguments);

    QString errorText() const { return m_error; }

private:
    void addOptions(QCommandLineParser *parser) const;
    bool readDevice(const QCommandLineParser &parser);
    bool readFaults(const QCommandLineParser &parser);
    bool fail(const QString &text);
    bool parseExceptionOption(const QString &text);

    QString m_error;
};

#endif // CSIMOPTIONS_H

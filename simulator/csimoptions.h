#ifndef CSIMOPTIONS_H
#define CSIMOPTIONS_H

#include "cfaultconfig.h"

#include <QList>
#include <QString>
#include <QStringList>

class QCommandLineParser;

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
    QList<int> unitIds;               // a device for each (empty: one device answers every unit id)
    int endpoints = 1;                // public ports, each with devices of its own
    quint32 serialNumber = 10001;     // of the first device; the others count up
    QString orderNumber;              // empty: the description's
    bool gateway = false;             // unit ids without a device get exception 11
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
    bool readFleet(const QCommandLineParser &parser);
    // "1-10,15" -> 1..10, 15; each a Modbus unit id (1 .. 247).
    static bool parseIds(const QString &text, QList<int> *ids);

    QString m_error;
};

#endif // CSIMOPTIONS_H

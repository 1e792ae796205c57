#ifndef CCLICONSOLE_H
#define CCLICONSOLE_H

#include "ccommissioningreport.h"
#include "cdevicerecord.h"
#include "cparameterproblem.h"
#include "csetjob.h"

#include <QJsonObject>
#include <QString>
#include <QTextStream>

#include <functional>

class CItem;
class CModbusMaster;
class CParameterTransfer;
struct CLinkSettings;

// What the CLI's commands share: the exit codes, the output streams, waiting
// for a transfer, and how a parameter is printed (as text and as JSON; a
// value that was not read is never printed as one).
class CCliConsole
{
public:
    enum ExitCode {
        ExitOk = 0,
        ExitUsage = 1,
        ExitSetup = 2,
        ExitConnection = 3,
        ExitRead = 4,
        ExitValue = 5,   // unknown parameter, unacceptable value, refused set
        ExitWrite = 6,
        ExitDiffers = 7, // the device does not hold the set
        ExitFile = 8,    // a parameter-set file cannot be read or written
        ExitFleet = 9    // a device of a fleet was skipped or failed
    };

    static QTextStream &out();
    static QTextStream &err();
    // Prints "loomwork-cli: text" on stderr; fail() also returns code.
    static void warn(const QString &text);
    static int fail(int code, const QString &text);
    static void warnAll(const CParameterProblems &problems);
    static void warnAll(const QStringList &texts);

    // The exit code of a device's outcome.
    static int exitCode(CDeviceRecord::Outcome outcome);
    // The commissioning report of records of request on source (the set
    // file or the save folder).
    static CCommissioningReport report(const CSetJob::Request &request, const QString &source,
                                       const QList<CDeviceRecord> &records, const QString &descriptionFile);
    // Writes report into directory; false (after a message) when it cannot.
    static bool writeReport(const QString &directory, const CCommissioningReport &report);

    // Starts a transfer with start and runs the event loop until it ends.
    static bool runTransfer(CParameterTransfer *transfer, const std::function<void()> &start);

    // "NAME  VALUE UNIT", or "NAME  (not read)".
    static QString itemLine(const CItem *item, const CParameterTransfer &parameters, int nameWidth);
    // name, caption, value (a number in display units for numbers, the
    // index for lists, true/false, text), text, unit, raw, read, address,
    // visible; value, text and raw are null when not read.
    static QJsonObject itemJson(const CItem *item, const CParameterTransfer &parameters);
    // The item's value as the host shows it, with its unit.
    static QString valueText(const CItem *item);
};

#endif // CCLICONSOLE_H

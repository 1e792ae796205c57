#ifndef CSETCOMMANDS_H
#define CSETCOMMANDS_H

#include "cdevicerecord.h"
#include "cparameterset.h"
#include "csetjob.h"

#include <QString>

class CDeviceSession;

// The CLI's parameter-set commands for the one device on the command line,
// with the file format the GUI host uses: save the device's values, compare
// a set with the device, and apply a set (only what differs, checked, read
// back). The work is CSetJob's, as for a fleet; these print its record. Each
// returns the exit code; with a report folder they also write the
// commissioning report.
class CSetCommands
{
public:
    // session is connected; descriptionFile gives model and version.
    CSetCommands(CDeviceSession &session, const QString &descriptionFile);

    // Where the commissioning report goes (empty: none).
    void setReportDirectory(const QString &directory);

    int save(const QString &fileName);
    // 0 when the device holds the set, 7 when it differs.
    int diff(const QString &fileName, bool json);
    // With force, a set with problems is applied without the offending
    // entries (unless they leave no usable rest); 0 only when the device
    // holds the set afterwards.
    int apply(const QString &fileName, bool dryRun, bool force);

private:
    int loadSet(const QString &fileName, CSetJob::Request *request) const;
    CDeviceRecord run(const CSetJob::Request &request, const QString &setFile) const;
    // Prints the record's rows (differences or what was written).
    static void printRows(const QList<CDeviceRecord::Change> &rows);
    static void printDifferencesJson(const QList<CDeviceRecord::Change> &rows);
    int finish(const CDeviceRecord &record) const;

    CDeviceSession &m_session;
    QString m_descriptionFile;
    QString m_reportDirectory;
};

#endif // CSETCOMMANDS_H

#ifndef CFLEETCOMMANDS_H
#define CFLEETCOMMANDS_H

#include "cdevicerecord.h"
#include "cfleetdevice.h"
#include "csetjob.h"

#include <QHash>
#include <QList>
#include <QString>

class CDeviceSession;

// save, diff and apply with --devices FLEET: the set job for every device of
// a fleet list. Devices behind one endpoint (a serial line, a gateway) go one
// after the other; with --jobs N up to N endpoints are served at once, each
// by a worker process of this program (the device plugin keeps one device
// logic per process), which prints its records as JSON lines. One line per
// device as it ends, a summary, the commissioning report with --report, the
// report's JSON with --json. Exit code 0 when every device ended as asked,
// 7 when the others did and some differ from the set, 9 when a device was
// skipped or failed.
class CFleetCommands
{
public:
    struct Options
    {
        CSetJob::Request request;
        QString source;     // the set file, or the folder of a save
        QString fleetFile;
        int jobs = 1;
        QString reportDirectory;
        bool json = false;
        QString endpoint;   // a worker: only the devices behind this endpoint
        CLinkSettings base; // line settings and time limits the links leave open
    };

    // session has description and plugin loaded.
    CFleetCommands(CDeviceSession &session, const QString &descriptionFile);

    int run(const Options &options);

private:
    QList<CDeviceRecord> runHere(const QList<QList<CFleetDevice>> &groups, const Options &options,
                                 bool asWorker) const;
    QList<CDeviceRecord> runInWorkers(const QList<QList<CFleetDevice>> &groups, const Options &options) const;
    static QStringList workerArguments(const QString &endpoint);
    static QList<CDeviceRecord> missingRecords(const QList<CFleetDevice> &devices,
                                               const QList<CDeviceRecord> &received, const QString &why);
    static void printRecord(const CDeviceRecord &record, bool json);
    void printSummary(const QList<CDeviceRecord> &records, const Options &options) const;
    static int exitCode(const QList<CDeviceRecord> &records);

    CDeviceSession &m_session;
    QString m_descriptionFile;
};

#endif // CFLEETCOMMANDS_H

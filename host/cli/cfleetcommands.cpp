#include "cfleetcommands.h"

#include "ccliconsole.h"
#include "cclitr.h"
#include "ccommissioningreport.h"
#include "cdevicesession.h"
#include "cfleetlist.h"
#include "cfleetrunner.h"
#include "clinkaddress.h"

#include <QDir>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <memory>

namespace {

const QString EndpointOption = QStringLiteral("--endpoint");
// Options of the parent that a worker does not take over (with their values).
const QStringList ParentOnly = {QStringLiteral("--jobs"), QStringLiteral("--report")};
const QStringList ParentOnlyFlags = {QStringLiteral("--json")};

QString deviceKey(const QString &link, int unitId)
{
    CLinkSettings settings;
    QString error;
    CLinkAddress::parse(link, &settings, &error);
    return QStringLiteral("%1#%2").arg(CLinkAddress::endpoint(settings)).arg(unitId);
}

} // namespace

CFleetCommands::CFleetCommands(CDeviceSession &session, const QString &descriptionFile)
    : m_session(session), m_descriptionFile(descriptionFile)
{
}

int CFleetCommands::run(const Options &options)
{
    CFleetList fleet;
    QString error;
    if (!fleet.load(options.fleetFile, options.base, &error))
        return CCliConsole::fail(CCliConsole::ExitFile, error);
    if (options.request.command == CSetJob::Save && !QDir().mkpath(options.request.directory))
        return CCliConsole::fail(CCliConsole::ExitFile, CCliTr::tr("%1: the folder cannot be made").arg(options.request.directory));
    QList<QList<CFleetDevice>> groups = fleet.byEndpoint();
    if (!options.endpoint.isEmpty()) {
        // A worker serves one endpoint and leaves the rest to its parent.
        groups.erase(std::remove_if(groups.begin(), groups.end(), [&](const QList<CFleetDevice> &group) {
            return CLinkAddress::endpoint(group.first().link) != options.endpoint;
        }), groups.end());
        runHere(groups, options, true);
        return CCliConsole::ExitOk;
    }
    QList<CDeviceRecord> records = options.jobs > 1 && groups.size() > 1 ? runInWorkers(groups, options)
                                                                         : runHere(groups, options, false);
    // The report lists the devices as the fleet list does.
    QHash<QString, int> order;
    for (const CFleetDevice &device : fleet.devices())
        order.insert(deviceKey(CLinkAddress::text(device.link), device.unitId), order.size());
    std::stable_sort(records.begin(), records.end(), [&](const CDeviceRecord &a, const CDeviceRecord &b) {
        return order.value(deviceKey(a.link, a.unitId)) < order.value(deviceKey(b.link, b.unitId));
    });
    printSummary(records, options);
    return exitCode(records);
}

QList<CDeviceRecord> CFleetCommands::runHere(const QList<QList<CFleetDevice>> &groups, const Options &options,
                                             bool asWorker) const
{
    CFleetRunner runner(m_session, m_descriptionFile);
    const bool json = options.json;
    QObject::connect(&runner, &CFleetRunner::deviceFinished, [asWorker, json](const CDeviceRecord &record) {
        if (!asWorker)
            return printRecord(record, json);
        CCliConsole::out() << QJsonDocument(record.toJson()).toJson(QJsonDocument::Compact) << '\n';
        CCliConsole::out().flush();
    });
    QList<CDeviceRecord> records;
    for (const QList<CFleetDevice> &group : groups)
        records += runner.run(group, options.request);
    return records;
}

// Up to options.jobs workers at a time, one per endpoint; each record is
// printed as it arrives.
QList<CDeviceRecord> CFleetCommands::runInWorkers(const QList<QList<CFleetDevice>> &groups,
                                                  const Options &options) const
{
    QList<CDeviceRecord> records;
    QEventLoop loop;
    int next = 0;
    int running = 0;
    std::function<void()> startNext = [&]() {
        while (running < options.jobs && next < groups.size()) {
            const QList<CFleetDevice> group = groups.at(next++);
            auto *worker = new QProcess(&loop);
            auto received = std::make_shared<QList<CDeviceRecord>>();
            const bool json = options.json;
            auto drain = [worker, received, &records, json]() {
                while (worker->canReadLine()) {
                    CDeviceRecord record;
                    if (!CDeviceRecord::fromJson(QJsonDocument::fromJson(worker->readLine()).object(), &record))
                        continue;
                    printRecord(record, json);
                    received->append(record);
                    records.append(record);
                }
            };
            QObject::connect(worker, &QProcess::readyReadStandardOutput, &loop, drain);
            QObject::connect(worker, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), &loop,
                             [&, worker, received, group, drain](int code, QProcess::ExitStatus status) {
                                 drain();
                                 const QString endpoint = CLinkAddress::endpoint(group.first().link);
                                 const QString errors = QString::fromLocal8Bit(worker->readAllStandardError()).trimmed();
                                 const QString why = status == QProcess::CrashExit
                                     ? CCliTr::tr("the worker for %1 crashed").arg(endpoint)
                                     : CCliTr::tr("the worker for %1 ended with code %2: %3").arg(endpoint).arg(code).arg(errors);
                                 for (const CDeviceRecord &record : missingRecords(group, *received, why)) {
                                     printRecord(record, json);
                                     records.append(record);
                                 }
                                 worker->deleteLater();
                                 --running;
                                 startNext();
                                 if (running == 0)
                                     loop.quit();
                             });
            worker->setProcessChannelMode(QProcess::SeparateChannels);
            worker->start(QCoreApplication::applicationFilePath(),
                          workerArguments(CLinkAddress::endpoint(group.first().link)));
            ++running;
        }
    };
    startNext();
    loop.exec();
    return records;
}

// The parent's command line for a worker: the same command, options and
// files, limited to one endpoint, without what only the parent does.
QStringList CFleetCommands::workerArguments(const QString &endpoint)
{
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    QStringList result;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const QString name = argument.section(QLatin1Char('='), 0, 0);
        if (ParentOnlyFlags.contains(argument) || name == EndpointOption)
            continue;
        if (ParentOnly.contains(name)) {
            i += argument.contains(QLatin1Char('=')) ? 0 : 1;
            continue;
        }
        result.append(argument);
    }
    return result << EndpointOption << endpoint;
}

// Records for the devices of group that a worker did not report.
QList<CDeviceRecord> CFleetCommands::missingRecords(const QList<CFleetDevice> &group,
                                                    const QList<CDeviceRecord> &received, const QString &why)
{
    QList<CDeviceRecord> missing;
    for (const CFleetDevice &device : group) {
        const bool reported = std::any_of(received.cbegin(), received.cend(), [&](const CDeviceRecord &record) {
            return record.unitId == device.unitId;
        });
        if (reported)
            continue;
        CDeviceRecord record;
        record.link = CLinkAddress::text(device.link);
        record.unitId = device.unitId;
        record.expectedSerial = device.serialNumber;
        record.started = record.finished = QDateTime::currentDateTime();
        record.outcome = CDeviceRecord::ReadFailed;
        record.message = why;
        missing.append(record);
    }
    return missing;
}

// One line per device; on stderr when stdout carries the report's JSON.
void CFleetCommands::printRecord(const CDeviceRecord &record, bool json)
{
    const QString serial = record.identity.serialNumber.isEmpty() ? QStringLiteral("-") : record.identity.serialNumber;
    QString detail = record.message;
    if (!record.changes.isEmpty())
        detail = CCliTr::tr("%1 (%n parameter(s) written)", nullptr, record.changes.size()).arg(detail);
    QTextStream &stream = json ? CCliConsole::err() : CCliConsole::out();
    stream << QStringLiteral("%1  %2  %3  %4: %5")
                  .arg(record.link, -30)
                  .arg(record.unitId, 3)
                  .arg(serial, -10)
                  .arg(CDeviceRecord::outcomeText(record.outcome), detail)
           << '\n';
    stream.flush();
}

void CFleetCommands::printSummary(const QList<CDeviceRecord> &records, const Options &options) const
{
    int succeeded = 0;
    for (const CDeviceRecord &record : records)
        succeeded += record.succeeded() ? 1 : 0;
    const CCommissioningReport report =
        CCliConsole::report(options.request, options.source, records, m_descriptionFile);
    if (options.json) {
        CCliConsole::out() << QJsonDocument(report.toJson()).toJson(QJsonDocument::Indented);
        CCliConsole::out().flush();
    }
    if (!options.reportDirectory.isEmpty() && CCliConsole::writeReport(options.reportDirectory, report))
        CCliConsole::warn(CCliTr::tr("report: %1").arg(QDir(options.reportDirectory).filePath(QStringLiteral("report.html"))));
    CCliConsole::warn(CCliTr::tr("%1 of %n device(s) ended as asked", nullptr, records.size()).arg(succeeded));
}

int CFleetCommands::exitCode(const QList<CDeviceRecord> &records)
{
    int code = CCliConsole::ExitOk;
    for (const CDeviceRecord &record : records) {
        if (record.outcome == CDeviceRecord::Differs && code == CCliConsole::ExitOk)
            code = CCliConsole::ExitDiffers;
        else if (!record.succeeded() && record.outcome != CDeviceRecord::Differs)
            code = CCliConsole::ExitFleet;
    }
    return code;
}

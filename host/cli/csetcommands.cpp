#include "csetcommands.h"

#include "ccliconsole.h"
#include "cclitr.h"
#include "ccommissioningreport.h"
#include "cdevicesession.h"
#include "clinkaddress.h"
#include "cmodbusmaster.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

CSetCommands::CSetCommands(CDeviceSession &session, const QString &descriptionFile)
    : m_session(session)
    , m_descriptionFile(descriptionFile)
{
}

void CSetCommands::setReportDirectory(const QString &directory)
{
    m_reportDirectory = directory;
}

int CSetCommands::loadSet(const QString &fileName, CSetJob::Request *request) const
{
    QString error;
    if (!request->set.load(fileName, &error))
        return CCliConsole::fail(CCliConsole::ExitFile, CCliTr::tr("%1: %2").arg(fileName, error));
    return CCliConsole::ExitOk;
}

// Runs the job on the device the link addresses and writes the report.
CDeviceRecord CSetCommands::run(const CSetJob::Request &request, const QString &setFile) const
{
    CDeviceRecord record;
    record.link = CLinkAddress::text(m_session.master()->settings());
    record.unitId = m_session.master()->settings().serverAddress;
    CSetJob(m_session).run(request, &record);
    CCliConsole::warnAll(record.problems);
    if (!m_reportDirectory.isEmpty())
        CCliConsole::writeReport(m_reportDirectory, CCliConsole::report(request, setFile, {record}, m_descriptionFile));
    return record;
}

void CSetCommands::printRows(const QList<CDeviceRecord::Change> &rows)
{
    for (const CDeviceRecord::Change &row : rows) {
        CCliConsole::out() << QStringLiteral("%1  %2 -> %3").arg(row.name, row.before, row.after);
        if (row.refused)
            CCliConsole::out() << "  " << CCliTr::tr("(refused, see above)");
        CCliConsole::out() << '\n';
    }
    CCliConsole::out().flush();
}

void CSetCommands::printDifferencesJson(const QList<CDeviceRecord::Change> &rows)
{
    QJsonArray array;
    for (const CDeviceRecord::Change &row : rows)
        array.append(QJsonObject{{"name", row.name}, {"device", row.before}, {"set", row.after},
                                 {"refused", row.refused}});
    CCliConsole::out() << QJsonDocument(array).toJson(QJsonDocument::Indented);
    CCliConsole::out().flush();
}

// The record's message on stdout when all went as asked, else on stderr
// with the outcome's exit code.
int CSetCommands::finish(const CDeviceRecord &record) const
{
    const int code = CCliConsole::exitCode(record.outcome);
    if (code != CCliConsole::ExitOk)
        return CCliConsole::fail(code, record.message);
    CCliConsole::out() << record.message << '\n';
    CCliConsole::out().flush();
    return code;
}

int CSetCommands::save(const QString &fileName)
{
    CSetJob::Request request;
    request.command = CSetJob::Save;
    request.fileName = fileName;
    const CDeviceRecord record = run(request, fileName);
    if (record.outcome == CDeviceRecord::ReadFailed)
        return CCliConsole::fail(CCliConsole::ExitRead, CCliTr::tr("%1; nothing saved").arg(record.message));
    return finish(record);
}

int CSetCommands::diff(const QString &fileName, bool json)
{
    CSetJob::Request request;
    request.command = CSetJob::Diff;
    if (const int code = loadSet(fileName, &request))
        return code;
    const CDeviceRecord record = run(request, fileName);
    if (record.outcome != CDeviceRecord::Unchanged && record.outcome != CDeviceRecord::Differs)
        return finish(record);
    if (json) {
        printDifferencesJson(record.differences);
        return CCliConsole::exitCode(record.outcome);
    }
    printRows(record.differences);
    return record.outcome == CDeviceRecord::Differs ? CCliConsole::ExitDiffers : finish(record);
}

int CSetCommands::apply(const QString &fileName, bool dryRun, bool force)
{
    CSetJob::Request request;
    request.command = CSetJob::Apply;
    request.dryRun = dryRun;
    request.force = force;
    if (const int code = loadSet(fileName, &request))
        return code;
    const CDeviceRecord record = run(request, fileName);
    if (record.outcome == CDeviceRecord::SetRefused && !force)
        return CCliConsole::fail(CCliConsole::ExitValue,
                                 CCliTr::tr("%1; --force applies the other values").arg(record.message));
    for (const CDeviceRecord::Change &change : record.changes)
        CCliConsole::out() << QStringLiteral("%1  %2 -> %3").arg(change.name, change.before, change.after) << '\n';
    printRows(record.differences);
    return finish(record);
}

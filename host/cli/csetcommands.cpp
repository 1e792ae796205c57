#include "csetcommands.h"

#include "ccliconsole.h"
#include "cclitr.h"
#include "cdeviceconnection.h"
#include "cdevicesession.h"
#include "clinechange.h"
#include "cmodbusmaster.h"
#include "cparametertransfer.h"
#include "csetrestore.h"
#include "description/cparameterdescription.h"
#include "items/citem.h"
#include "plugin/cloomworkplugin.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

CSetCommands::CSetCommands(CDeviceSession &session, const QString &descriptionFile)
    : m_session(session)
    , m_descriptionFile(descriptionFile)
{
    CParameterDescription description;
    if (description.loadHeader(descriptionFile))
        m_orderNumber = description.header().orderNumber;
}

int CSetCommands::save(const QString &fileName)
{
    CParameterTransfer *parameters = m_session.parameters();
    // A set holds what the device holds: nothing is saved after a failed read.
    if (!CCliConsole::runTransfer(parameters, [parameters]() { parameters->readAll(); }))
        return CCliConsole::fail(CCliConsole::ExitRead, CCliTr::tr("not every parameter could be read; nothing saved"));
    CParameterDescription description;
    description.loadHeader(m_descriptionFile);
    CParameterSet set = CParameterSet::fromItems(m_session.root());
    set.model = m_session.plugin() ? m_session.plugin()->modelName() : description.header().projectName;
    set.orderNumber = description.header().orderNumber;
    set.parameterVersion = description.header().parameterVersion;
    QString error;
    if (!set.save(fileName, &error))
        return CCliConsole::fail(CCliConsole::ExitFile, CCliTr::tr("%1: %2").arg(fileName, error));
    CCliConsole::out() << CCliTr::tr("saved %n value(s) to %1", nullptr, set.values.size()).arg(fileName) << '\n';
    return CCliConsole::ExitOk;
}

// Loads the set and reads the device; 0 or the exit code of the failure.
int CSetCommands::prepare(const QString &fileName, CParameterSet *set)
{
    QString error;
    if (!set->load(fileName, &error))
        return CCliConsole::fail(CCliConsole::ExitFile, CCliTr::tr("%1: %2").arg(fileName, error));
    CParameterTransfer *parameters = m_session.parameters();
    if (!CCliConsole::runTransfer(parameters, [parameters]() { parameters->readAll(); }))
        return CCliConsole::fail(CCliConsole::ExitRead, CCliTr::tr("not every parameter could be read"));
    return CCliConsole::ExitOk;
}

int CSetCommands::printDifferences(const CParameterSet &set, bool json)
{
    const CSetRestore restore(m_session.root(), m_session.parameters(), m_orderNumber);
    int differing = 0;
    QJsonArray array;
    for (const CParameterSet::Difference &row : restore.compare(set)) {
        // The device's own values (status, serial number) are no part of a
        // configuration.
        if (!row.differs || row.readOnly)
            continue;
        differing += row.writable ? 1 : 0;
        if (json) {
            array.append(QJsonObject{{"name", row.name}, {"device", row.deviceText}, {"set", row.fileText},
                                     {"refused", !row.writable}});
            continue;
        }
        CCliConsole::out() << QStringLiteral("%1  %2 -> %3").arg(row.name, row.deviceText, row.fileText);
        if (!row.writable)
            CCliConsole::out() << "  " << CCliTr::tr("(refused, see above)");
        CCliConsole::out() << '\n';
    }
    if (json)
        CCliConsole::out() << QJsonDocument(array).toJson(QJsonDocument::Indented);
    CCliConsole::out().flush();
    return differing;
}

// Entries the device cannot take count as differences; names it does not
// know do not.
int CSetCommands::offendingParameters(const CParameterProblems &problems) const
{
    int count = 0;
    for (const QString &name : CSetRestore::names(problems))
        count += m_session.parameters()->item(name) ? 1 : 0;
    return count;
}

int CSetCommands::diff(const QString &fileName, bool json)
{
    CParameterSet set;
    if (const int code = prepare(fileName, &set))
        return code;
    const CSetRestore restore(m_session.root(), m_session.parameters(), m_orderNumber);
    const CParameterProblems problems = restore.check(set);
    CCliConsole::warnAll(problems);
    if (!CSetRestore::restIsUsable(problems))
        return CCliConsole::ExitValue;
    const int differing = printDifferences(set, json) + offendingParameters(problems);
    if (differing == 0 && !json)
        CCliConsole::out() << CCliTr::tr("the device holds the set") << '\n';
    return differing == 0 ? CCliConsole::ExitOk : CCliConsole::ExitDiffers;
}

int CSetCommands::apply(const QString &fileName, bool dryRun, bool force)
{
    CParameterSet set;
    if (const int code = prepare(fileName, &set))
        return code;
    CParameterTransfer *parameters = m_session.parameters();
    const CSetRestore restore(m_session.root(), parameters, m_orderNumber);
    const CParameterProblems problems = restore.check(set);
    CCliConsole::warnAll(problems);
    if (!problems.isEmpty() && (!force || !CSetRestore::restIsUsable(problems)))
        return CCliConsole::fail(CCliConsole::ExitValue,
                                 force ? CCliTr::tr("nothing was written: the rest of the set is of no use")
                                       : CCliTr::tr("nothing was written; --force applies the other values"));
    restore.apply(set, CSetRestore::names(problems));
    const QList<CItem *> changed = parameters->modifiedItems();
    if (changed.isEmpty())
        return verify(set);
    const CParameterProblems refused = parameters->checkWrite(changed);
    if (!refused.isEmpty()) {
        CCliConsole::warnAll(refused);
        return CCliConsole::fail(CCliConsole::ExitValue, CCliTr::tr("nothing was written"));
    }
    for (const CItem *item : changed)
        CCliConsole::out() << QStringLiteral("%1  %2 -> %3")
                                  .arg(item->objectName(), parameters->deviceText(item), CCliConsole::valueText(item))
                           << '\n';
    if (dryRun) {
        CCliConsole::out() << CCliTr::tr("dry run: nothing written") << '\n';
        return CCliConsole::ExitOk;
    }
    CLineChange line;
    const bool lineChanges = line.compute(*parameters, changed, m_session.master()->settings());
    if (!CCliConsole::runTransfer(parameters, [parameters, changed]() { parameters->writeItems(changed); }))
        return CCliConsole::fail(CCliConsole::ExitWrite, CCliTr::tr("the write did not complete"));
    if (lineChanges) {
        // The device answers only with its new settings now.
        QString error;
        CCliConsole::warn(
            CCliTr::tr("following the device's new line settings:\n%1").arg(line.descriptions().join('\n')));
        if (!m_session.connection()->openAndWait(line.settings(), &error))
            return CCliConsole::fail(CCliConsole::ExitConnection, error);
    }
    return verify(set);
}

// Reads the device again: 0 only when it holds every writable value of the set.
int CSetCommands::verify(const CParameterSet &set)
{
    CParameterTransfer *parameters = m_session.parameters();
    if (!CCliConsole::runTransfer(parameters, [parameters]() { parameters->readAll(); }))
        return CCliConsole::fail(CCliConsole::ExitRead, CCliTr::tr("the device could not be read back"));
    const CSetRestore restore(m_session.root(), parameters, m_orderNumber);
    const CParameterProblems problems = restore.check(set);
    const int differing = printDifferences(set, false) + offendingParameters(problems);
    if (differing > 0)
        return CCliConsole::fail(CCliConsole::ExitDiffers, CCliTr::tr("the device does not hold the set"));
    CCliConsole::out() << CCliTr::tr("the device holds the set") << '\n';
    return CCliConsole::ExitOk;
}

#include "csetjob.h"

#include "cdeviceconnection.h"
#include "cdevicedata.h"
#include "cdevicesession.h"
#include "chosttr.h"
#include "cidentityreader.h"
#include "clinechange.h"
#include "clinkaddress.h"
#include "cmodbusmaster.h"
#include "cparametertransfer.h"
#include "csetrestore.h"
#include "csynclink.h"
#include "cwritejournal.h"
#include "cwritecheck.h"
#include "items/citem.h"
#include "plugin/cloomworkplugin.h"

#include <QDir>
#include <QHostAddress>
#include <QRegularExpression>

namespace {

QStringList texts(const CParameterProblems &problems)
{
    QStringList result;
    for (const CParameterProblem &problem : problems)
        result.append(problem.text);
    return result;
}

} // namespace

CSetJob::CSetJob(CDeviceSession &session) : m_session(session)
{
}

const DescriptionHeader &CSetJob::header() const
{
    return m_session.header();
}

void CSetJob::fail(CDeviceRecord *record, CDeviceRecord::Outcome outcome, const QString &message)
{
    record->outcome = outcome;
    record->message = message;
}

void CSetJob::run(const Request &request, CDeviceRecord *record) const
{
    record->started = QDateTime::currentDateTime();
    if (identify(record) && readDevice(record)) {
        switch (request.command) {
        case Save:
            save(request.fileName.isEmpty() ? QDir(request.directory).filePath(backupName(*record))
                                            : request.fileName,
                 record);
            break;
        case Diff:
            diff(request.set, record);
            break;
        case Apply:
            apply(request.set, request.dryRun, request.force, record);
            break;
        }
    }
    record->finished = QDateTime::currentDateTime();
}

bool CSetJob::identify(CDeviceRecord *record) const
{
    const CIdentityReader reader(m_session, m_session.plugin());
    const CIdentityReader::Answer answer = CSyncLink::readIdentity(reader, m_session.master());
    record->identity = answer.identity;
    if (answer.kind == CIdentityReader::Answer::NoAnswer) {
        fail(record, CDeviceRecord::NoAnswer, CHostTr::tr("the device does not answer: %1").arg(answer.error));
        return false;
    }
    if (answer.kind == CIdentityReader::Answer::Exception) {
        fail(record, CDeviceRecord::ReadFailed,
             CHostTr::tr("the device answered the nameplate read with exception %1 (%2)")
                 .arg(answer.exceptionCode).arg(CModbusFrame::exceptionText(answer.exceptionCode)));
        return false;
    }
    const CDeviceIdentity &identity = answer.identity;
    if (identity.orderNumber != header().orderNumber) {
        fail(record, CDeviceRecord::WrongModel,
             CHostTr::tr("the device has order number \"%1\" (%2), the description is for %3 (%4)")
                 .arg(identity.orderNumber, identity.model.isEmpty() ? CHostTr::tr("a model no plugin serves") : identity.model,
                      header().orderNumber, header().projectName));
        return false;
    }
    if (!record->expectedSerial.isEmpty() && identity.serialNumber != record->expectedSerial) {
        fail(record, CDeviceRecord::WrongSerial, CHostTr::tr("the device has serial number %1, expected %2")
                                                     .arg(identity.serialNumber, record->expectedSerial));
        return false;
    }
    return true;
}

bool CSetJob::readDevice(CDeviceRecord *record) const
{
    CParameterTransfer *parameters = m_session.parameters();
    if (CSyncLink::runTransfer(parameters, [parameters]() { parameters->readAll(); }))
        return true;
    fail(record, CDeviceRecord::ReadFailed, CHostTr::tr("not every parameter could be read"));
    return false;
}

void CSetJob::save(const QString &fileName, CDeviceRecord *record) const
{
    CParameterSet set = CParameterSet::fromItems(m_session.root());
    set.model = m_session.plugin() ? m_session.plugin()->modelName() : header().projectName;
    set.orderNumber = header().orderNumber;
    set.parameterVersion = header().parameterVersion;
    QString error;
    record->file = fileName;
    if (!set.save(fileName, &error))
        return fail(record, CDeviceRecord::FileFailed, CHostTr::tr("%1: %2").arg(fileName, error));
    fail(record, CDeviceRecord::Saved, CHostTr::tr("saved %n value(s) to %1", nullptr, set.values.size()).arg(fileName));
}

int CSetJob::differences(const CSetRestore &restore, const CParameterSet &set, const CParameterProblems &problems,
                         QList<CDeviceRecord::Change> *rows) const
{
    int count = 0;
    rows->clear();
    for (const CParameterSet::Difference &row : restore.compare(set)) {
        // The device's own values (status, serial number) are no part of a
        // configuration.
        if (!row.differs || row.readOnly)
            continue;
        count += row.writable ? 1 : 0;
        CDeviceRecord::Change change;
        change.name = row.name;
        change.caption = row.caption;
        change.before = row.deviceText;
        change.after = row.fileText;
        change.refused = !row.writable;
        rows->append(change);
    }
    // Entries the device cannot take count as differences; names it does not
    // know do not.
    for (const QString &name : CSetRestore::names(problems))
        count += m_session.parameters()->item(name) ? 1 : 0;
    return count;
}

void CSetJob::diff(const CParameterSet &set, CDeviceRecord *record) const
{
    const CSetRestore restore(m_session.root(), m_session.parameters(), header().orderNumber);
    const CParameterProblems problems = restore.check(set);
    record->problems = texts(problems);
    if (!CSetRestore::restIsUsable(problems))
        return fail(record, CDeviceRecord::SetRefused, CHostTr::tr("the set cannot be compared with this device"));
    const int differing = differences(restore, set, problems, &record->differences);
    if (differing == 0)
        return fail(record, CDeviceRecord::Unchanged, CHostTr::tr("the device holds the set"));
    fail(record, CDeviceRecord::Differs, CHostTr::tr("%n parameter(s) differ from the set", nullptr, differing));
}

void CSetJob::apply(const CParameterSet &set, bool dryRun, bool force, CDeviceRecord *record) const
{
    CParameterTransfer *parameters = m_session.parameters();
    const CSetRestore restore(m_session.root(), parameters, header().orderNumber);
    const CParameterProblems problems = restore.check(set);
    record->problems = texts(problems);
    if (!problems.isEmpty() && (!force || !CSetRestore::restIsUsable(problems)))
        return fail(record, CDeviceRecord::SetRefused,
                    force ? CHostTr::tr("nothing was written: the rest of the set is of no use")
                          : CHostTr::tr("nothing was written: the set has values this device cannot take"));
    restore.apply(set, CSetRestore::names(problems));
    const QList<CItem *> changed = parameters->modifiedItems();
    if (changed.isEmpty())
        return verify(set, false, record);
    const CParameterProblems refused = parameters->checkWrite(changed);
    if (!refused.isEmpty()) {
        record->problems += texts(refused);
        return fail(record, CDeviceRecord::SetRefused, CHostTr::tr("nothing was written"));
    }
    if (dryRun) {
        for (const CItem *item : parameters->inWriteOrder(changed))
            record->differences.append({item->objectName(), item->caption(), parameters->deviceText(item),
                                        CWriteCheck::valueWithUnit(item), CDeviceRecord::NotWritten, false});
        return fail(record, CDeviceRecord::WouldChange, CHostTr::tr("dry run: nothing written"));
    }
    if (write(changed, record))
        verify(set, true, record);
}

// Writes items (checked by the transfer, read back) and records each
// parameter's value before and after. False when the device cannot be
// reached any more or a write failed.
bool CSetJob::write(const QList<CItem *> &items, CDeviceRecord *record) const
{
    CParameterTransfer *parameters = m_session.parameters();
    CLineChange line;
    const bool lineChanges = line.compute(*parameters, items, m_session.master()->settings());
    CWriteJournal journal(parameters);
    const bool written = CSyncLink::runTransfer(parameters, [parameters, items]() { parameters->writeItems(items); });
    record->changes = journal.changes();
    for (const CItem *item : parameters->inWriteOrder(items)) {
        if (!parameters->writeFailure(item).isEmpty())
            record->problems.append(parameters->writeFailure(item));
    }
    if (!written) {
        fail(record, CDeviceRecord::WriteFailed, CHostTr::tr("the write did not complete"));
        return false;
    }
    if (!lineChanges)
        return true;
    // The device answers only with its new settings now.
    record->problems << CHostTr::tr("following the device's new line settings:\n%1").arg(line.descriptions().join('\n'));
    QString error;
    if (m_session.connection()->openAndWait(line.settings(), &error)) {
        record->link = CLinkAddress::text(line.settings());
        record->unitId = line.settings().serverAddress;
        return true;
    }
    fail(record, CDeviceRecord::NoAnswer, CHostTr::tr("no answer on the device's new line settings: %1").arg(error));
    return false;
}

// Reads the device again after a write: it holds every writable value of the
// set, or the record lists where it does not.
void CSetJob::verify(const CParameterSet &set, bool wrote, CDeviceRecord *record) const
{
    // Without a write the read just made is what the device holds.
    CParameterTransfer *parameters = m_session.parameters();
    if (wrote && !CSyncLink::runTransfer(parameters, [parameters]() { parameters->readAll(); }))
        return fail(record, CDeviceRecord::ReadFailed, CHostTr::tr("the device could not be read back"));
    const CSetRestore restore(m_session.root(), parameters, header().orderNumber);
    if (differences(restore, set, restore.check(set), &record->differences) > 0)
        return fail(record, CDeviceRecord::Differs, CHostTr::tr("the device does not hold the set"));
    fail(record, wrote ? CDeviceRecord::Changed : CDeviceRecord::Unchanged, CHostTr::tr("the device holds the set"));
}

QString CSetJob::backupName(const CDeviceRecord &record)
{
    CLinkSettings link;
    QString error;
    const QString endpoint =
        CLinkAddress::parse(record.link, &link, &error) ? CLinkAddress::endpoint(link) : record.link;
    QString name = endpoint.section(QLatin1Char(':'), 1);
    // An IPv6 address keeps all its groups ("[::1]" and "1" must not meet).
    const int close = name.indexOf(QLatin1Char(']'));
    if (name.startsWith(QLatin1Char('[')) && close > 0) {
        const Q_IPV6ADDR address = QHostAddress(name.mid(1, close - 1)).toIPv6Address();
        QStringList groups;
        for (int i = 0; i < 16; i += 2)
            groups << QString::number(address[i] << 8 | address[i + 1], 16);
        name = groups.join(QLatin1Char('-')) + name.mid(close + 1);
    }
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9.-]+")), QStringLiteral("_"));
    name.remove(QRegularExpression(QStringLiteral("^_+")));
    QString serial = record.identity.serialNumber;
    serial.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9.-]+")), QStringLiteral("_"));
    return QStringLiteral("%1_u%2%3.json").arg(name).arg(record.unitId).arg(serial.isEmpty() ? QString()
                                                                                             : QLatin1Char('_') + serial);
}

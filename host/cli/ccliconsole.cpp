#include "ccliconsole.h"

#include "cclitr.h"
#include "ccommissioningreport.h"
#include "clinksettings.h"
#include "cmodbusmaster.h"
#include "cparametertransfer.h"
#include "csynclink.h"
#include "cvalueformat.h"
#include "cwritecheck.h"
#include "description/citemregisters.h"
#include "description/cparameterdescription.h"
#include "items/citem.h"

#include <QFileInfo>
#include <QJsonValue>

namespace {

// A value as a JSON value that does not depend on the locale.
QJsonValue jsonValue(const CItem *item)
{
    const QVariant value = item->value();
    if (CValueFormat::isNumeric(item))
        return CValueFormat::shownNumber(item, value).toDouble();
    switch (item->type()) {
    case CItem::DATA_TYPE_LIST16:
    case CItem::DATA_TYPE_LIST32:
        return value.toInt();
    case CItem::DATA_TYPE_BOOL:
        return value.toBool();
    case CItem::DATA_TYPE_TEXT16:
    case CItem::DATA_TYPE_TEXT8:
    case CItem::DATA_TYPE_BUILDDATE:
        return value.toString();
    case CItem::DATA_TYPE_DATETIME:
        return value.toDateTime().toString(Qt::ISODate);
    default:
        return value.toDouble();
    }
}

} // namespace

QTextStream &CCliConsole::out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &CCliConsole::err()
{
    static QTextStream stream(stderr);
    return stream;
}

void CCliConsole::warn(const QString &text)
{
    out().flush();
    err() << "loomwork-cli: " << text << '\n';
    err().flush();
}

int CCliConsole::fail(int code, const QString &text)
{
    warn(text);
    return code;
}

void CCliConsole::warnAll(const CParameterProblems &problems)
{
    for (const CParameterProblem &problem : problems)
        warn(problem.text);
}

void CCliConsole::warnAll(const QStringList &texts)
{
    for (const QString &text : texts)
        warn(text);
}

int CCliConsole::exitCode(CDeviceRecord::Outcome outcome)
{
    switch (outcome) {
    case CDeviceRecord::Unchanged:
    case CDeviceRecord::Changed:
    case CDeviceRecord::WouldChange:
    case CDeviceRecord::Saved:
        return ExitOk;
    case CDeviceRecord::Differs:
        return ExitDiffers;
    case CDeviceRecord::NoAnswer:
        return ExitConnection;
    case CDeviceRecord::ReadFailed:
        return ExitRead;
    case CDeviceRecord::WrongSerial:
    case CDeviceRecord::WrongModel:
    case CDeviceRecord::SetRefused:
        return ExitValue;
    case CDeviceRecord::WriteFailed:
        return ExitWrite;
    case CDeviceRecord::FileFailed:
        return ExitFile;
    }
    return ExitFleet;
}

CCommissioningReport CCliConsole::report(const CSetJob::Request &request, const QString &source,
                                         const QList<CDeviceRecord> &records, const QString &descriptionFile)
{
    static const QStringList commands = {QStringLiteral("save"), QStringLiteral("diff"), QStringLiteral("apply")};
    CCommissioningReport report;
    report.command = commands.value(request.command);
    report.dryRun = request.dryRun;
    report.source = QFileInfo(source).absoluteFilePath();
    CParameterDescription description;
    description.loadHeader(descriptionFile);
    const bool fromSet = request.command != CSetJob::Save;
    report.model = fromSet ? request.set.model : description.header().projectName;
    report.orderNumber = fromSet ? request.set.orderNumber : description.header().orderNumber;
    report.parameterVersion = fromSet ? request.set.parameterVersion : description.header().parameterVersion;
    report.program = QStringLiteral("%1 %2").arg(QCoreApplication::applicationName(),
                                                 QCoreApplication::applicationVersion());
    report.records = records;
    for (const CDeviceRecord &record : records) {
        if (!report.started.isValid() || record.started < report.started)
            report.started = record.started;
        report.finished = qMax(report.finished, record.finished);
    }
    return report;
}

bool CCliConsole::writeReport(const QString &directory, const CCommissioningReport &report)
{
    QString error;
    if (report.write(directory, &error))
        return true;
    warn(CCliTr::tr("the report was not written: %1").arg(error));
    return false;
}

bool CCliConsole::runTransfer(CParameterTransfer *transfer, const std::function<void()> &start)
{
    return CSyncLink::runTransfer(transfer, start);
}

QString CCliConsole::valueText(const CItem *item)
{
    return CWriteCheck::valueWithUnit(item);
}

QString CCliConsole::itemLine(const CItem *item, const CParameterTransfer &parameters, int nameWidth)
{
    const QString value = parameters.wasRead(item) ? valueText(item) : CCliTr::tr("(not read)");
    return QStringLiteral("%1  %2").arg(item->objectName(), -nameWidth).arg(value);
}

QJsonObject CCliConsole::itemJson(const CItem *item, const CParameterTransfer &parameters)
{
    const bool read = parameters.wasRead(item);
    QJsonObject object;
    object.insert(QStringLiteral("name"), item->objectName());
    object.insert(QStringLiteral("caption"), item->caption());
    object.insert(QStringLiteral("value"), read ? jsonValue(item) : QJsonValue());
    object.insert(QStringLiteral("text"), read ? QJsonValue(CValueFormat::text(item)) : QJsonValue());
    object.insert(QStringLiteral("unit"), item->unit());
    object.insert(QStringLiteral("raw"), read ? QJsonValue::fromVariant(item->value()) : QJsonValue());
    object.insert(QStringLiteral("read"), read);
    object.insert(QStringLiteral("address"), int(CItemRegisters::address(item)));
    object.insert(QStringLiteral("visible"), item->isVisible());
    return object;
}

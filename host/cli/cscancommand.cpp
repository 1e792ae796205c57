#include "cscancommand.h"

#include "ccliconsole.h"
#include "cclitr.h"
#include "cdevicesession.h"
#include "clinkaddress.h"
#include "cmodbusmaster.h"
#include "cscanplan.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <unistd.h>

namespace {

// Column widths: link, unit id, serial number, model, order number.
const int LinkWidth = 30;
const int UnitWidth = 7;
const int SerialWidth = 13;
const int ModelWidth = 10;
const int OrderWidth = 12;

QString row(const QString &link, const QString &unit, const QString &serial, const QString &rest)
{
    return QStringLiteral("%1  %2  %3  %4").arg(link, -LinkWidth).arg(unit, UnitWidth).arg(serial, -SerialWidth)
        .arg(rest);
}

} // namespace

CScanCommand::CScanCommand(CDeviceSession &session) : m_session(session)
{
}

bool CScanCommand::parseUnitIds(const QString &text, int *first, int *last, QString *error)
{
    const QStringList bounds = text.split(QLatin1Char('-'));
    bool ok = bounds.size() <= 2;
    *first = ok ? bounds.first().toInt(&ok) : 0;
    bool lastOk = ok;
    *last = ok ? bounds.last().toInt(&lastOk) : 0;
    if (!ok || !lastOk || *first < 1 || *last > 247 || *first > *last) {
        *error = CCliTr::tr("--unit-ids expects FIRST-LAST within 1 .. 247, not \"%1\"").arg(text);
        return false;
    }
    return true;
}

int CScanCommand::run(const CLinkSettings &base, int first, int last, int timeout, bool allSettings, bool json)
{
    CBusScanner scanner(&m_session, m_session.plugin());
    const QList<CLinkSettings> candidates = CScanPlan::candidates(base, m_session.deviceData());
    scanner.setCandidates(candidates);
    scanner.setUnitIds(first, last);
    scanner.setTimeout(timeout);
    scanner.setAllSettings(allSettings);
    const qint64 bound = CScanPlan::worstCaseMs(candidates, last - first + 1, scanner.requestRegisters(), timeout);
    CCliConsole::warn(CCliTr::tr("scanning unit ids %1 .. %2 at %n line setting(s); at most %3 s", nullptr,
                         candidates.size())
                          .arg(first).arg(last).arg(double(bound) / 1000.0, 0, 'f', 1));
    QJsonArray array;
    m_array = &array;
    if (!json)
        CCliConsole::out() << row(QStringLiteral("# ") + CCliTr::tr("link"), CCliTr::tr("unit id"), CCliTr::tr("serial number"),
                                  QStringLiteral("%1  %2  %3").arg(CCliTr::tr("model"), -ModelWidth)
                                      .arg(CCliTr::tr("order number"), -OrderWidth).arg(CCliTr::tr("software version")))
                           << '\n';
    const bool terminal = isatty(STDERR_FILENO);
    QObject::connect(&scanner, &CBusScanner::deviceFound, [this, json](const CBusScanner::Hit &hit) {
        print(hit, json);
    });
    QObject::connect(&scanner, &CBusScanner::progress, [terminal](int done, int total) {
        if (terminal)
            CCliConsole::err() << '\r' << CCliTr::tr("%1 of %2 requests").arg(done).arg(total) << Qt::flush;
    });
    QEventLoop loop;
    QObject::connect(&scanner, &CBusScanner::finished, &loop, &QEventLoop::quit);
    scanner.start();
    loop.exec();
    if (terminal)
        CCliConsole::err() << '\r' << QString(40, QLatin1Char(' ')) << '\r' << Qt::flush;
    if (json)
        CCliConsole::out() << QJsonDocument(array).toJson(QJsonDocument::Indented);
    CCliConsole::out().flush();
    if (!scanner.errorString().isEmpty())
        return CCliConsole::fail(CCliConsole::ExitConnection, scanner.errorString());
    if (scanner.hits().isEmpty())
        return CCliConsole::fail(CCliConsole::ExitConnection, CCliTr::tr("no device answered"));
    CCliConsole::warn(CCliTr::tr("%n device(s) found", nullptr, scanner.hits().size()));
    return CCliConsole::ExitOk;
}

void CScanCommand::print(const CBusScanner::Hit &hit, bool json)
{
    if (json) {
        m_array->append(hitJson(hit));
        return;
    }
    const CIdentityReader::Answer &answer = hit.answer;
    const CDeviceIdentity &identity = answer.identity;
    const QString rest = answer.kind == CIdentityReader::Answer::Exception
        ? CCliTr::tr("(answered with exception %1: %2)")
              .arg(answer.exceptionCode).arg(CModbusFrame::exceptionText(answer.exceptionCode))
        : QStringLiteral("%1  %2  %3")
              .arg(identity.model.isEmpty() ? CCliTr::tr("(unknown)") : identity.model, -ModelWidth)
              .arg(identity.orderNumber, -OrderWidth).arg(identity.softwareVersion);
    const QString serial = identity.serialNumber.isEmpty() ? QStringLiteral("-") : identity.serialNumber;
    CCliConsole::out() << row(CLinkAddress::text(hit.link), QString::number(hit.unitId), serial, rest) << '\n';
    CCliConsole::out().flush();
}

QJsonObject CScanCommand::hitJson(const CBusScanner::Hit &hit)
{
    QJsonObject object = hit.answer.identity.toJson();
    object.insert(QStringLiteral("link"), CLinkAddress::text(hit.link));
    object.insert(QStringLiteral("unitId"), hit.unitId);
    const bool exception = hit.answer.kind == CIdentityReader::Answer::Exception;
    object.insert(QStringLiteral("exception"), exception ? QJsonValue(hit.answer.exceptionCode) : QJsonValue());
    if (exception)
        object.insert(QStringLiteral("serialNumber"), QJsonValue());
    return object;
}

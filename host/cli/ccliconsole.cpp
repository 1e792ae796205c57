#include "ccliconsole.h"

#include "cclitr.h"
#include "clinksettings.h"
#include "cmodbusmaster.h"
#include "cparametertransfer.h"
#include "cvalueformat.h"
#include "cwritecheck.h"
#include "description/citemregisters.h"
#include "items/citem.h"
#include "widgets/cmessagesender.h"

#include <QDateTime>
#include <QEventLoop>
#include <QJsonValue>
#include <QTimer>

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

bool CCliConsole::runTransfer(CParameterTransfer *transfer, const std::function<void()> &start)
{
    QEventLoop loop;
    bool success = false;
    QObject::connect(transfer, &CParameterTransfer::finished, &loop, [&](bool ok) {
        success = ok;
        loop.quit();
    });
    start();
    loop.exec();
    return success;
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

#include "cparametercommands.h"

#include "ccliconsole.h"
#include "cclitr.h"
#include "cdevicedata.h"
#include "cdevicesession.h"
#include "cdisplaywatcher.h"
#include "cwatchrecording.h"
#include "citeminput.h"
#include "clinechange.h"
#include "cmodbusmaster.h"
#include "cparametertransfer.h"
#include "items/citem.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTimer>

CParameterCommands::CParameterCommands(CDeviceSession &session, const QString &language)
    : m_session(session)
    , m_language(language)
{
}

int CParameterCommands::read(bool json)
{
    CParameterTransfer *parameters = m_session.parameters();
    const bool ok = CCliConsole::runTransfer(parameters, [parameters]() { parameters->readAll(); });
    const QList<CItem *> &items = parameters->items();
    if (json) {
        QJsonArray array;
        for (const CItem *item : items)
            array.append(CCliConsole::itemJson(item, *parameters));
        CCliConsole::out() << QJsonDocument(array).toJson(QJsonDocument::Indented);
    } else {
        int width = 4;
        for (const CItem *item : items)
            width = qMax(width, item->objectName().size());
        for (const CItem *item : items)
            CCliConsole::out() << CCliConsole::itemLine(item, *parameters, width).trimmed() << '\n';
    }
    CCliConsole::out().flush();
    return ok ? CCliConsole::ExitOk
              : CCliConsole::fail(CCliConsole::ExitRead, CCliTr::tr("not every parameter could be read"));
}

int CParameterCommands::write(const QString &name, const QString &text)
{
    CParameterTransfer *parameters = m_session.parameters();
    CItem *item = parameters->item(name);
    if (!item)
        return CCliConsole::fail(CCliConsole::ExitValue, CCliTr::tr("the device has no parameter \"%1\"").arg(name));
    if (!CParameterTransfer::isWritable(item))
        return CCliConsole::fail(CCliConsole::ExitValue, CCliTr::tr("%1 is read-only").arg(name));
    if (!CCliConsole::runTransfer(parameters, [parameters]() { parameters->readAll(); }))
        return CCliConsole::fail(CCliConsole::ExitRead, CCliTr::tr("the current parameters could not be read"));
    QVariant value;
    QString error;
    if (!CItemInput::parse(*item, text, &value, &error))
        return CCliConsole::fail(CCliConsole::ExitValue, CCliTr::tr("%1: %2").arg(name, error));
    // As in an editor: store the value, then announce the user's edit so the
    // plugin's rules update the dependent parameters.
    item->setValue(value);
    emit item->valueEdited();
    const QList<CItem *> changed = parameters->modifiedItems();
    if (changed.isEmpty()) {
        CCliConsole::out() << CCliTr::tr("%1 = %2 (unchanged)").arg(name, CCliConsole::valueText(item)) << '\n';
        return CCliConsole::ExitOk;
    }
    const CParameterProblems problems = parameters->checkWrite(changed);
    if (!problems.isEmpty()) {
        CCliConsole::warnAll(problems);
        return CCliConsole::fail(CCliConsole::ExitValue, CCliTr::tr("nothing was written"));
    }
    CLineChange line;
    const bool lineChanges = line.compute(*parameters, changed, m_session.master()->settings());
    const bool ok = CCliConsole::runTransfer(parameters, [parameters, changed]() { parameters->writeItems(changed); });
    for (const CItem *written : changed) {
        if (parameters->writeFailure(written).isEmpty())
            CCliConsole::out() << QStringLiteral("%1 = %2").arg(written->objectName(), CCliConsole::valueText(written))
                               << '\n';
    }
    CCliConsole::out().flush();
    if (!ok)
        return CCliConsole::fail(CCliConsole::ExitWrite, CCliTr::tr("the write did not complete"));
    if (lineChanges)
        CCliConsole::warn(
            CCliTr::tr("the device now works with other line settings; reach it with them from now on:\n%1")
                .arg(line.descriptions().join(QLatin1Char('\n'))));
    return CCliConsole::ExitOk;
}

int CParameterCommands::watch(const WatchOptions &options)
{
    QObject *backend = m_session.backend();
    if (!backend)
        return CCliConsole::fail(CCliConsole::ExitSetup, CCliTr::tr("the plugin created no backend"));
    CDisplayWatcher watcher(CCliConsole::out(), m_session.deviceData(), m_language, options.json);
    if (!watcher.watch(backend))
        return CCliConsole::fail(CCliConsole::ExitSetup, CCliTr::tr("the plugin's backend reports no display"));
    CWatchRecording recording(m_session, m_language);
    QString error;
    if (!options.csvFile.isEmpty() && !recording.start(options.csvFile, options.recordInterval, &error))
        return CCliConsole::fail(CCliConsole::ExitFile, error);
    QEventLoop loop;
    QObject::connect(&recording, &CWatchRecording::failed, &loop, [&](const QString &reason) {
        error = reason;
        loop.quit();
    });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, backend, [this]() { m_session.requestPoll(); });
    QObject::connect(&watcher, &CDisplayWatcher::changed, &loop, [&]() {
        if (options.count > 0 && watcher.updates() >= options.count)
            loop.quit();
    });
    if (options.seconds > 0)
        QTimer::singleShot(options.seconds * 1000, &loop, &QEventLoop::quit);
    if (!m_session.requestPoll())
        return CCliConsole::fail(CCliConsole::ExitSetup, CCliTr::tr("the plugin's backend does not poll"));
    poll.start(options.interval);
    loop.exec();
    recording.stop();
    if (!error.isEmpty())
        return CCliConsole::fail(CCliConsole::ExitFile, error);
    if (watcher.updates() == 0)
        return CCliConsole::fail(CCliConsole::ExitRead, CCliTr::tr("the device display never arrived"));
    return CCliConsole::ExitOk;
}

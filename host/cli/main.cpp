// loomwork-cli: reads and writes the device's parameters and watches its
// display from the command line, through the same host library as the GUI.
#include "cdevicesession.h"
#include "cdisplaywatcher.h"
#include "citeminput.h"
#include "cmodbusmaster.h"
#include "cparametertransfer.h"
#include "cvalueformat.h"
#include "description/citemregisters.h"
#include "items/citem.h"
#include "widgets/cmessagesender.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <QTimer>

namespace {

enum ExitCode {
    ExitOk = 0,
    ExitUsage = 1,
    ExitSetup = 2,
    ExitConnection = 3,
    ExitRead = 4,
    ExitValue = 5,
    ExitWrite = 6
};

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

int fail(int code, const QString &text)
{
    err() << "loomwork-cli: " << text << '\n';
    err().flush();
    return code;
}

// Runs the event loop until finished(bool) of the transfer; returns success.
bool waitForTransfer(CParameterTransfer *transfer)
{
    QEventLoop loop;
    bool success = false;
    QObject::connect(transfer, &CParameterTransfer::finished, &loop, [&](bool ok) {
        success = ok;
        loop.quit();
    });
    loop.exec();
    return success;
}

bool parseLink(const QCommandLineParser &args, CLinkSettings *settings, QString *error)
{
    if (args.isSet(QStringLiteral("tcp")) == args.isSet(QStringLiteral("serial"))) {
        *error = QStringLiteral("give exactly one of --tcp HOST:PORT and --serial PORT");
        return false;
    }
    if (args.isSet(QStringLiteral("serial"))) {
        settings->transport = CLinkSettings::Rtu;
        settings->serialPort = args.value(QStringLiteral("serial"));
    } else {
        const QString target = args.value(QStringLiteral("tcp"));
        const int colon = target.lastIndexOf(QLatin1Char(':'));
        bool ok = colon > 0;
        const uint port = ok ? target.mid(colon + 1).toUInt(&ok) : 0;
        if (!ok || port == 0 || port > 65535) {
            *error = QStringLiteral("--tcp expects HOST:PORT, not \"%1\"").arg(target);
            return false;
        }
        settings->transport = CLinkSettings::Tcp;
        settings->host = target.left(colon);
        settings->port = quint16(port);
    }
    bool ok = true;
    if (args.isSet(QStringLiteral("timeout")))
        settings->responseTimeout = qMax(1, args.value(QStringLiteral("timeout")).toInt(&ok));
    if (ok && args.isSet(QStringLiteral("retries")))
        settings->retries = qMax(0, args.value(QStringLiteral("retries")).toInt(&ok));
    if (ok && args.isSet(QStringLiteral("unit-id")))
        settings->serverAddress = args.value(QStringLiteral("unit-id")).toInt(&ok);
    if (!ok)
        *error = QStringLiteral("--timeout, --retries and --unit-id take whole numbers");
    return ok;
}

// Opens the link; false when no connection came up within the connect timeout.
bool connectLink(CModbusMaster *master, QString *error)
{
    QEventLoop loop;
    QObject::connect(master, &CModbusMaster::stateChanged, &loop, [&](CModbusMaster::State state) {
        if (state == CModbusMaster::Connected)
            loop.quit();
    });
    QObject::connect(master->messageSender(), &CMessageSender::errorMessage, &loop,
                     [&](const QString &, const QString &text) {
                         *error = text;
                         loop.quit();
                     });
    QTimer::singleShot(master->settings().connectTimeout + 500, &loop, &QEventLoop::quit);
    master->connectDevice();
    if (master->state() != CModbusMaster::Connected)
        loop.exec();
    if (master->state() == CModbusMaster::Connected)
        return true;
    if (error->isEmpty())
        *error = QStringLiteral("no connection within %1 ms").arg(master->settings().connectTimeout);
    master->disconnectDevice();
    return false;
}

QJsonObject itemJson(const CItem *item)
{
    QJsonObject object;
    object.insert(QStringLiteral("name"), item->objectName());
    object.insert(QStringLiteral("caption"), item->caption());
    object.insert(QStringLiteral("value"), CValueFormat::text(item));
    object.insert(QStringLiteral("raw"), QJsonValue::fromVariant(item->value()));
    object.insert(QStringLiteral("unit"), item->unit());
    object.insert(QStringLiteral("address"), int(CItemRegisters::address(item)));
    object.insert(QStringLiteral("visible"), item->isVisible());
    return object;
}

void printItems(const QList<CItem *> &items, bool json)
{
    if (json) {
        QJsonArray array;
        for (const CItem *item : items)
            array.append(itemJson(item));
        out() << QJsonDocument(array).toJson(QJsonDocument::Indented);
        return;
    }
    int width = 4;
    for (const CItem *item : items)
        width = qMax(width, item->objectName().size());
    for (const CItem *item : items) {
        out() << QStringLiteral("%1  %2 %3").arg(item->objectName(), -width).arg(CValueFormat::text(item)).arg(item->unit())
                     .trimmed()
              << '\n';
    }
}

int commandRead(CDeviceSession &session, bool json)
{
    const bool ok = waitForTransfer(session.parameters());
    printItems(session.parameters()->items(), json);
    out().flush();
    return ok ? ExitOk : fail(ExitRead, QStringLiteral("not every parameter could be read"));
}

int commandWrite(CDeviceSession &session, const QString &name, const QString &text)
{
    CParameterTransfer *parameters = session.parameters();
    CItem *item = parameters->item(name);
    if (!item)
        return fail(ExitValue, QStringLiteral("the device has no parameter \"%1\"").arg(name));
    if (!CParameterTransfer::isWritable(item))
        return fail(ExitValue, QStringLiteral("%1 is read-only").arg(name));
    parameters->readAll();
    if (!waitForTransfer(parameters))
        return fail(ExitRead, QStringLiteral("the current parameters could not be read"));
    QVariant value;
    QString error;
    if (!CItemInput::parse(*item, text, &value, &error))
        return fail(ExitValue, QStringLiteral("%1: %2").arg(name, error));
    // As in an editor: store the value, then announce the user's edit so the
    // plugin's rules update the dependent parameters.
    item->setValue(value);
    emit item->valueEdited();
    const QList<CItem *> changed = parameters->modifiedItems();
    parameters->writeModified();
    const bool ok = waitForTransfer(parameters);
    for (const CItem *written : changed)
        out() << QStringLiteral("%1 = %2 %3").arg(written->objectName(), CValueFormat::text(written), written->unit()).trimmed()
              << '\n';
    out().flush();
    return ok ? ExitOk : fail(ExitWrite, QStringLiteral("the write did not complete"));
}

int commandWatch(CDeviceSession &session, int interval, int count, int seconds)
{
    QObject *backend = session.backend();
    if (!backend)
        return fail(ExitSetup, QStringLiteral("the plugin created no backend"));
    CDisplayWatcher watcher(out());
    if (!watcher.watch(backend))
        return fail(ExitSetup, QStringLiteral("the plugin's backend reports no display"));
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, backend, [backend]() {
        QMetaObject::invokeMethod(backend, "cyclicTimeout");
    });
    QObject::connect(&watcher, &CDisplayWatcher::changed, &loop, [&]() {
        if (count > 0 && watcher.updates() >= count)
            loop.quit();
    });
    if (seconds > 0)
        QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    QMetaObject::invokeMethod(backend, "cyclicTimeout");
    poll.start(interval);
    loop.exec();
    if (watcher.updates() == 0)
        return fail(ExitRead, QStringLiteral("the device display never arrived"));
    return ExitOk;
}

void addOptions(QCommandLineParser &args)
{
    args.setApplicationDescription(QStringLiteral(
        "Reads and writes the parameters of a PV 8120 and watches its display.\n\n"
        "Commands:\n"
        "  read              print all parameters (name, value text, unit)\n"
        "  write NAME VALUE  set one parameter (list entry text or number in display\n"
        "                    units), let the device rules follow, write what changed\n"
        "  watch             print the display text and LED as they change\n\n"
        "Exit codes: 0 ok, 1 usage, 2 setup (description, plugin), 3 connection,\n"
        "4 read failed, 5 unknown parameter or bad value, 6 write failed."));
    args.addHelpOption();
    args.addVersionOption();
    args.addPositionalArgument(QStringLiteral("command"), QStringLiteral("read, write or watch"));
    args.addOptions({
        {QStringLiteral("tcp"), QStringLiteral("Modbus TCP device at HOST:PORT."), QStringLiteral("HOST:PORT")},
        {QStringLiteral("serial"), QStringLiteral("Modbus RTU device on serial PORT."), QStringLiteral("PORT")},
        {QStringLiteral("plugin-dir"), QStringLiteral("Directory of the device plugins."), QStringLiteral("DIR"),
         CDeviceSession::defaultPluginDirectory()},
        {QStringLiteral("description"), QStringLiteral("The device's parameter description."), QStringLiteral("FILE"),
         CDeviceSession::defaultDescriptionFile()},
        {QStringLiteral("json"), QStringLiteral("read: print JSON.")},
        {QStringLiteral("timeout"), QStringLiteral("Response timeout in ms (1000)."), QStringLiteral("MS")},
        {QStringLiteral("retries"), QStringLiteral("Retries after a timeout (3)."), QStringLiteral("N")},
        {QStringLiteral("unit-id"), QStringLiteral("Modbus unit id (1)."), QStringLiteral("N")},
        {QStringLiteral("interval"), QStringLiteral("watch: poll interval in ms."), QStringLiteral("MS"),
         QStringLiteral("1000")},
        {QStringLiteral("count"), QStringLiteral("watch: stop after N display changes."), QStringLiteral("N"),
         QStringLiteral("0")},
        {QStringLiteral("duration"), QStringLiteral("watch: stop after S seconds."), QStringLiteral("S"),
         QStringLiteral("0")},
    });
}

int run(const QCommandLineParser &args)
{
    const QStringList positional = args.positionalArguments();
    const QString command = positional.value(0);
    const int expected = command == QLatin1String("write") ? 3 : 1;
    if ((command != QLatin1String("read") && command != QLatin1String("write") && command != QLatin1String("watch"))
        || positional.size() != expected)
        return fail(ExitUsage, QStringLiteral("usage: loomwork-cli [options] read|watch|write NAME VALUE (see --help)"));
    CLinkSettings settings;
    QString error;
    if (!parseLink(args, &settings, &error))
        return fail(ExitUsage, error);

    CDeviceSession session;
    if (!session.open(args.value(QStringLiteral("description")), args.value(QStringLiteral("plugin-dir"))))
        return fail(ExitSetup, session.errorString());
    CModbusMaster *master = session.master();
    master->setSettings(settings);
    if (!connectLink(master, &error))
        return fail(ExitConnection, error);
    QObject::connect(master->messageSender(), &CMessageSender::errorMessage,
                     [](const QString &, const QString &text) { err() << "loomwork-cli: " << text << '\n'; err().flush(); });

    if (command == QLatin1String("read")) {
        session.parameters()->readAll();
        return commandRead(session, args.isSet(QStringLiteral("json")));
    }
    if (command == QLatin1String("write"))
        return commandWrite(session, positional.at(1), positional.at(2));
    return commandWatch(session, qMax(10, args.value(QStringLiteral("interval")).toInt()),
                        args.value(QStringLiteral("count")).toInt(), args.value(QStringLiteral("duration")).toInt());
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("loomwork-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LOOMWORK_CLI_VERSION));
    QCommandLineParser args;
    addOptions(args);
    args.process(app);
    return run(args);
}

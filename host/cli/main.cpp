// loomwork-cli: reads and writes the device's parameters and watches its
// display from the command line, through the same host library as the GUI.
#include "ccliconsole.h"
#include "cclitr.h"
#include "cdeviceconnection.h"
#include "cdevicesession.h"
#include "cfleetcommands.h"
#include "clinkendpoint.h"
#include "clanguagemanager.h"
#include "cmodbusmaster.h"
#include "cparametercommands.h"
#include "cscancommand.h"
#include "csetcommands.h"
#include "widgets/cmessagesender.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

namespace {

// Commands and how many words each takes after its name.
const QHash<QString, int> Commands = {{QStringLiteral("read"), 0}, {QStringLiteral("write"), 2},
                                      {QStringLiteral("watch"), 0}, {QStringLiteral("save"), 1},
                                      {QStringLiteral("diff"), 1},  {QStringLiteral("apply"), 1},
                                      {QStringLiteral("scan"), 0}};
const QStringList ValueOptions = {"tcp",     "serial",  "plugin-dir", "description", "timeout", "retries",
                                  "unit-id", "interval", "count",     "duration",    "language",
                                  "unit-ids", "report",  "devices",    "jobs",        "endpoint"};
// Marks a negative number so the parser takes it as an argument, not options.
const QChar NumberMark(0x1F);

// "-5" or "-0,25" after the command is a value, not a cluster of options.
QStringList protectNegativeNumbers(QStringList arguments)
{
    static const QRegularExpression negative(QStringLiteral("^-[0-9.,]"));
    for (int i = 1; i < arguments.size(); ++i) {
        const QString previous = arguments.at(i - 1);
        const bool optionValue = previous.startsWith(QLatin1String("--")) && !previous.contains(QLatin1Char('='))
            && ValueOptions.contains(previous.mid(2));
        if (!optionValue && negative.match(arguments.at(i)).hasMatch())
            arguments[i].prepend(NumberMark);
    }
    return arguments;
}

// The language asked for on the command line, before the parser runs (its
// help texts are translated too).
QString requestedLanguage(const QStringList &arguments)
{
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--language") && i + 1 < arguments.size())
            return arguments.at(i + 1);
        if (arguments.at(i).startsWith(QLatin1String("--language=")))
            return arguments.at(i).mid(11);
    }
    return CLanguageManager::systemLanguage();
}

int fail(int code, const QString &text)
{
    return CCliConsole::fail(code, text);
}

bool parseLimits(const QCommandLineParser &args, CLinkSettings *settings, QString *error);

// Reads option name as a whole number from minimum to maximum into *target
// (left alone when the option is not given); false with a usage error.
bool readNumber(const QCommandLineParser &args, const QString &name, int minimum, int maximum, int *target,
                QString *error)
{
    const QString text = args.value(name);
    if (text.isEmpty() && !args.isSet(name))
        return true;
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < minimum || value > maximum) {
        *error = CCliTr::tr("--%1 takes a whole number from %2 to %3, not \"%4\"")
                     .arg(name).arg(minimum).arg(maximum).arg(text);
        return false;
    }
    *target = value;
    return true;
}

bool parseLink(const QCommandLineParser &args, CLinkSettings *settings, QString *error)
{
    if (args.isSet(QStringLiteral("tcp")) == args.isSet(QStringLiteral("serial"))) {
        *error = CCliTr::tr("give exactly one of --tcp HOST:PORT and --serial PORT");
        return false;
    }
    if (args.isSet(QStringLiteral("serial"))) {
        settings->transport = CLinkSettings::Rtu;
        settings->serialPort = args.value(QStringLiteral("serial"));
    } else {
        settings->transport = CLinkSettings::Tcp;
        QString endpointError;
        if (!CLinkEndpoint::parse(args.value(QStringLiteral("tcp")), &settings->host, &settings->port, &endpointError)) {
            *error = QStringLiteral("--tcp: %1").arg(endpointError);
            return false;
        }
    }
    return parseLimits(args, settings, error);
}

// The time limits and the unit id, for a link or a fleet.
bool parseLimits(const QCommandLineParser &args, CLinkSettings *settings, QString *error)
{
    // Modbus addresses a single device with 1 .. 247.
    return readNumber(args, QStringLiteral("timeout"), 10, 60000, &settings->responseTimeout, error)
        && readNumber(args, QStringLiteral("retries"), 0, 10, &settings->retries, error)
        && readNumber(args, QStringLiteral("unit-id"), 1, 247, &settings->serverAddress, error);
}

// The watch command's options, its numbers range-checked.
bool parseWatch(const QCommandLineParser &args, CParameterCommands::WatchOptions *watch, QString *error)
{
    watch->json = args.isSet(QStringLiteral("json"));
    watch->csvFile = args.value(QStringLiteral("csv"));
    return readNumber(args, QStringLiteral("interval"), 10, 3600000, &watch->interval, error)
        && readNumber(args, QStringLiteral("count"), 0, 1000000000, &watch->count, error)
        && readNumber(args, QStringLiteral("duration"), 0, 604800, &watch->seconds, error)
        && readNumber(args, QStringLiteral("record-interval"), 0, 3600000, &watch->recordInterval, error);
}

void addOptions(QCommandLineParser &args)
{
    args.setApplicationDescription(CCliTr::tr(
        "Reads and writes the parameters of a device and watches its display.\n\n"
        "Commands:\n"
        "  read              print all parameters (name, value, unit; --json)\n"
        "  write NAME VALUE  set one parameter (list entry text or number in display\n"
        "                    units), let the device rules follow, write what changed\n"
        "  watch             print the display text and LED as they change (--json);\n"
        "                    --csv FILE records every status answer\n"
        "  save FILE         save the device's parameters as a parameter set\n"
        "  diff FILE         show where the device differs from a parameter set\n"
        "  apply FILE        write the set's differing values (--dry-run, --force)\n"
        "  scan              find the devices on the link (--unit-ids FIRST-LAST)\n\n"
        "save DIR, diff FILE and apply FILE with --devices FLEET work on every device\n"
        "of a fleet list instead of one link (--jobs N endpoints at once, --report DIR).\n\n"
        "Exit codes: 0 ok, 1 usage, 2 setup (description, plugin), 3 connection,\n"
        "4 read failed, 5 unknown parameter, bad value or refused set, 6 write failed,\n"
        "7 the device differs from the set, 8 set file not readable or writable,\n"
        "9 a device of a fleet was skipped or failed."));
    args.addHelpOption();
    args.addVersionOption();
    args.addPositionalArgument(QStringLiteral("command"),
                               CCliTr::tr("read, write, watch, save, diff, apply or scan"));
    args.addOptions({
        {QStringLiteral("tcp"), CCliTr::tr("Modbus TCP device at HOST:PORT ([ADDRESS]:PORT for IPv6)."),
         QStringLiteral("HOST:PORT")},
        {QStringLiteral("serial"), CCliTr::tr("Modbus RTU device on serial PORT."), QStringLiteral("PORT")},
        {QStringLiteral("plugin-dir"), CCliTr::tr("Directory of the device plugins."), QStringLiteral("DIR"),
         CDeviceSession::defaultPluginDirectory()},
        {QStringLiteral("description"), CCliTr::tr("The device's parameter description."), QStringLiteral("FILE"),
         CDeviceSession::defaultDescriptionFile()},
        {QStringLiteral("json"), CCliTr::tr("read, watch, diff, scan: print JSON.")},
        {QStringLiteral("dry-run"), CCliTr::tr("apply: show what would be written, write nothing.")},
        {QStringLiteral("force"), CCliTr::tr("apply: leave out the set's offending values, apply the rest.")},
        {QStringLiteral("language"), CCliTr::tr("Language of captions and list texts: en or de."), QStringLiteral("ID")},
        {QStringLiteral("timeout"), CCliTr::tr("Response timeout in ms, 10 .. 60000 (1000)."), QStringLiteral("MS")},
        {QStringLiteral("retries"), CCliTr::tr("Further attempts of a request, 0 .. 10 (3)."), QStringLiteral("N")},
        {QStringLiteral("unit-id"), CCliTr::tr("Modbus unit id, 1 .. 247 (1)."), QStringLiteral("N")},
        {QStringLiteral("report"), CCliTr::tr("save, diff, apply: write report.json and report.html into DIR."),
         QStringLiteral("DIR")},
        {QStringLiteral("devices"), CCliTr::tr("save, diff, apply: every device of the fleet list FILE (lines "
                                            "\"LINK UNIT-ID [SERIAL]\", CSV or JSON) instead of --tcp or --serial."),
         QStringLiteral("FILE")},
        {QStringLiteral("jobs"), CCliTr::tr("With --devices: serve up to N endpoints at once (1)."), QStringLiteral("N"),
         QStringLiteral("1")},
        {QStringLiteral("unit-ids"), CCliTr::tr("scan: the unit ids to ask (1-247)."), QStringLiteral("FIRST-LAST"),
         QStringLiteral("1-247")},
        {QStringLiteral("all-settings"), CCliTr::tr("scan: try every line setting, not only up to the first "
                                                 "at which a device answers.")},
        {QStringLiteral("interval"), CCliTr::tr("watch: poll interval in ms, 10 .. 3600000."), QStringLiteral("MS"),
         QStringLiteral("1000")},
        {QStringLiteral("count"), CCliTr::tr("watch: stop after N display changes."), QStringLiteral("N"),
         QStringLiteral("0")},
        {QStringLiteral("duration"), CCliTr::tr("watch: stop after S seconds."), QStringLiteral("S"),
         QStringLiteral("0")},
        {QStringLiteral("csv"), CCliTr::tr("watch: also record every status answer to a CSV file."),
         QStringLiteral("FILE")},
        {QStringLiteral("record-interval"),
         CCliTr::tr("watch --csv: least time between two rows in ms (0: every answer)."), QStringLiteral("MS"),
         QStringLiteral("0")},
    });
    // A fleet's worker process serves the devices behind one endpoint.
    QCommandLineOption endpoint(QStringLiteral("endpoint"), QString(), QStringLiteral("ENDPOINT"));
    endpoint.setFlags(QCommandLineOption::HiddenFromHelp);
    args.addOption(endpoint);
}

// Builds the items in the chosen language, then loads the plugin with its
// catalogue of that language: the plugin compares item texts in it.
bool openSession(CDeviceSession &session, CLanguageManager &language, const QCommandLineParser &args,
                 QString *error)
{
    session.setLanguageManager(&language);
    const bool opened = session.open(args.value(QStringLiteral("description")),
                                     args.value(QStringLiteral("plugin-dir")));
    if (!opened)
        *error = session.errorString();
    return opened;
}

int dispatch(CDeviceSession &session, const QCommandLineParser &args, const QStringList &words,
             const QString &language, const CParameterCommands::WatchOptions &watch)
{
    const QString command = words.value(0);
    const bool json = args.isSet(QStringLiteral("json"));
    CParameterCommands parameters(session, language);
    CSetCommands sets(session, args.value(QStringLiteral("description")));
    sets.setReportDirectory(args.value(QStringLiteral("report")));
    if (command == QLatin1String("read"))
        return parameters.read(json);
    if (command == QLatin1String("write"))
        return parameters.write(words.at(1), words.at(2));
    if (command == QLatin1String("save"))
        return sets.save(words.at(1));
    if (command == QLatin1String("diff"))
        return sets.diff(words.at(1), json);
    if (command == QLatin1String("apply"))
        return sets.apply(words.at(1), args.isSet(QStringLiteral("dry-run")), args.isSet(QStringLiteral("force")));
    return parameters.watch(watch);
}

// A scan starts on a serial line at the plugin's line settings and tries the
// device's others; only the time limit is the scan's own unless given.
int scan(CDeviceSession &session, const QCommandLineParser &args, CLinkSettings settings)
{
    int first = 0;
    int last = 0;
    QString error;
    if (!CScanCommand::parseUnitIds(args.value(QStringLiteral("unit-ids")), &first, &last, &error))
        return fail(CCliConsole::ExitUsage, error);
    const CLinkSettings line = session.master()->settings();
    settings.baudRate = line.baudRate;
    settings.parity = line.parity;
    settings.stopBits = line.stopBits;
    settings.dataBits = line.dataBits;
    const int timeout = args.isSet(QStringLiteral("timeout")) ? settings.responseTimeout : 0;
    return CScanCommand(session).run(settings, first, last, timeout, args.isSet(QStringLiteral("all-settings")),
                                     args.isSet(QStringLiteral("json")));
}

// save, diff and apply for every device of a fleet list.
int fleet(CDeviceSession &session, const QCommandLineParser &args, const QStringList &words)
{
    static const QHash<QString, CSetJob::Command> commands = {
        {QStringLiteral("save"), CSetJob::Save}, {QStringLiteral("diff"), CSetJob::Diff},
        {QStringLiteral("apply"), CSetJob::Apply}};
    bool ok = false;
    CFleetCommands::Options options;
    options.jobs = args.value(QStringLiteral("jobs")).toInt(&ok);
    if (!ok || options.jobs < 1 || options.jobs > 64)
        return fail(CCliConsole::ExitUsage, CCliTr::tr("--jobs takes 1 .. 64, not %1").arg(args.value("jobs")));
    options.base = session.master()->settings();
    QString error;
    if (!parseLimits(args, &options.base, &error))
        return fail(CCliConsole::ExitUsage, error);
    options.request.command = commands.value(words.at(0));
    options.request.directory = words.at(1);
    options.request.dryRun = args.isSet(QStringLiteral("dry-run"));
    options.request.force = args.isSet(QStringLiteral("force"));
    options.source = words.at(1);
    if (options.request.command != CSetJob::Save && !options.request.set.load(words.at(1), &error))
        return fail(CCliConsole::ExitFile, CCliTr::tr("%1: %2").arg(words.at(1), error));
    options.fleetFile = args.value(QStringLiteral("devices"));
    options.reportDirectory = args.value(QStringLiteral("report"));
    options.json = args.isSet(QStringLiteral("json"));
    options.endpoint = args.value(QStringLiteral("endpoint"));
    const QString description = args.value(QStringLiteral("description"));
    return CFleetCommands(session, description).run(options);
}

int run(const QCommandLineParser &args, CLanguageManager &language)
{
    QStringList words = args.positionalArguments();
    words.replaceInStrings(QString(NumberMark), QString());
    const QString command = words.value(0);
    if (!Commands.contains(command) || words.size() != 1 + Commands.value(command))
        return fail(CCliConsole::ExitUsage,
                    CCliTr::tr("usage: loomwork-cli [options] read|watch|write NAME VALUE|save FILE|diff FILE|apply FILE"
                            "|scan (see --help)"));
    if (args.isSet(QStringLiteral("language")) && language.language() != args.value(QStringLiteral("language")))
        return fail(CCliConsole::ExitUsage, CCliTr::tr("--language takes en or de"));
    CLinkSettings settings;
    CParameterCommands::WatchOptions watch;
    QString error;
    const bool forFleet = args.isSet(QStringLiteral("devices"));
    if (forFleet && (!QStringList{"save", "diff", "apply"}.contains(command) || args.isSet(QStringLiteral("tcp"))
                     || args.isSet(QStringLiteral("serial"))))
        return fail(CCliConsole::ExitUsage, CCliTr::tr("--devices goes with save, diff or apply, without --tcp or --serial"));
    if ((!forFleet && !parseLink(args, &settings, &error)) || !parseWatch(args, &watch, &error))
        return fail(CCliConsole::ExitUsage, error);

    CDeviceSession session;
    if (!openSession(session, language, args, &error))
        return fail(CCliConsole::ExitSetup, error);
    if (forFleet)
        return fleet(session, args, words);
    CModbusMaster *master = session.master();
    if (command == QLatin1String("scan"))
        return scan(session, args, settings);
    // The plugin's line settings stay; the command line names the device.
    settings.baudRate = master->settings().baudRate;
    settings.parity = master->settings().parity;
    settings.stopBits = master->settings().stopBits;
    settings.dataBits = master->settings().dataBits;
    settings.flowControl = master->settings().flowControl;
    if (!session.connection()->openAndWait(settings, &error))
        return fail(CCliConsole::ExitConnection, error);
    QObject::connect(master->messageSender(), &CMessageSender::errorMessage,
                     [](const QString &, const QString &text) { CCliConsole::warn(text); });
    return dispatch(session, args, words, language.language(), watch);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("loomwork-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LOOMWORK_CLI_VERSION));
    const QStringList arguments = protectNegativeNumbers(QCoreApplication::arguments());
    CLanguageManager language;
    if (!language.setLanguage(requestedLanguage(arguments)))
        language.setLanguage(QStringLiteral("en"));
    QCommandLineParser args;
    addOptions(args);
    args.process(arguments);
    return run(args, language);
}

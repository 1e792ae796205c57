#include "chostoptions.h"
#include "chostapptr.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

const int headlessQuitAfter = 6000;

bool toInt(const QString &text, int minimum, int maximum, int *result)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < minimum || value > maximum)
        return false;
    *result = value;
    return true;
}

} // namespace

bool CHostOptions::noDisplay()
{
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

bool CHostOptions::parse(const QStringList &arguments, QString *error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(CHostAppTr::tr(
        "Configures a device over Modbus through its plugin. Without a device it starts the simulator."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption pluginDir("plugin-dir", "Directory of the device plugins.", "dir");
    const QCommandLineOption description("description", "Parameter description file.", "file");
    const QCommandLineOption hostOption("host", "Modbus TCP device host.", "host");
    const QCommandLineOption portOption("port", "Modbus TCP port (default 502).", "port");
    const QCommandLineOption serial("serial", "Modbus RTU serial port.", "device");
    const QCommandLineOption address("address", "Device address 1-247 (default 1).", "n");
    const QCommandLineOption simulatorOption("simulator", "Simulator program to start.", "program");
    const QCommandLineOption languageOption("language",
                                            "User interface language: en or de (default: the last one chosen).", "id");
    const QCommandLineOption cycle("cycle-interval", "Cyclic read interval in ms (default: the last one set, else 1000).", "ms");
    const QCommandLineOption shot("screenshot", "Write the main window to a PNG file.", "file");
    const QCommandLineOption quit("quit-after", "Quit after this many ms (0: never).", "ms");
    parser.addOptions({pluginDir, description, hostOption, portOption, serial, address, simulatorOption,
                       languageOption, cycle, shot, quit});
    parser.process(arguments);

    pluginDirectory = parser.value(pluginDir);
    descriptionFile = parser.value(description);
    host = parser.value(hostOption);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2); // an IPv6 address as written in URLs
    serialPort = parser.value(serial);
    simulator = parser.value(simulatorOption);
    language = parser.value(languageOption);
    screenshot = parser.value(shot);
    const struct
    {
        const QCommandLineOption &option;
        int minimum;
        int maximum;
        int *target;
    } numbers[] = {{portOption, 1, 65535, &port},
                   {address, 1, 247, &this->address},
                   {cycle, MinimumCycleInterval, MaximumCycleInterval, &cycleInterval},
                   {quit, 0, 86400000, &quitAfter}};
    for (const auto &number : numbers) {
        if (parser.isSet(number.option)
            && !toInt(parser.value(number.option), number.minimum, number.maximum, number.target)) {
            *error = CHostAppTr::tr("invalid value for --%1: %2 (a whole number from %3 to %4)")
                         .arg(number.option.names().first(), parser.value(number.option))
                         .arg(number.minimum).arg(number.maximum);
            return false;
        }
    }
    if (headless) {
        if (screenshot.isEmpty())
            screenshot = QStringLiteral("loomwork-host.png");
        if (quitAfter == 0)
            quitAfter = headlessQuitAfter;
    }
    return true;
}

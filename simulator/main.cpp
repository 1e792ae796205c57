// pv8120-sim: a PV 8120 transmitter on Modbus TCP, driven by the device's
// parameter description, with optional fault injection.

#include "cdeviceserver.h"
#include "cexitwatcher.h"
#include "cfaultproxy.h"
#include "cdeviceparameters.h"
#include "cregistermap.h"
#include "csimdevice.h"
#include "csimoptions.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QTextStream>
#include <QUrl>
#include <QVariant>

namespace {

constexpr quint8 ServerUnitId = 1;

int failWith(const QString &text)
{
    QTextStream(stderr) << "pv8120-sim: " << text << '\n';
    return 1;
}

bool startServer(CDeviceServer *server)
{
    server->setConnectionParameter(QModbusDevice::NetworkAddressParameter, QStringLiteral("127.0.0.1"));
    server->setConnectionParameter(QModbusDevice::NetworkPortParameter, 0);
    server->setServerAddress(ServerUnitId);
    return server->connectDevice() && server->listeningPort() != 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pv8120-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LOOMWORK_VERSION));

    CSimOptions options;
    if (!options.parse(QCoreApplication::arguments()))
        return failWith(options.errorText());

    CDeviceParameters parameters;
    const QString descriptionFile =
        options.description.isEmpty() ? CDeviceParameters::defaultDescriptionPath() : options.description;
    if (!parameters.load(descriptionFile, options.language))
        return failWith(parameters.errorText());
    CRegisterMap map(parameters.items());
    for (const QString &problem : parameters.problems() + map.problems())
        QTextStream(stderr) << "pv8120-sim: " << problem << '\n';

    CSimDevice device(&map, options.seed);
    if (options.fixedPressure)
        device.setFixedPressure(options.pressure);
    device.start();

    CDeviceServer server(&map, &device);
    server.setWrongStatusAddress(options.wrongStatusAddress);
    if (!startServer(&server))
        return failWith(QStringLiteral("cannot start the internal Modbus server: %1").arg(server.errorString()));

    CFaultProxy proxy(server.listeningPort(), ServerUnitId, options.faults);
    if (!proxy.listen(QHostAddress(options.host), options.port))
        return failWith(QStringLiteral("cannot listen on %1:%2: %3")
                            .arg(options.host).arg(options.port).arg(proxy.errorString()));

    CExitWatcher watcher;
    QObject::connect(&watcher, &CExitWatcher::exitRequested, &app, &QCoreApplication::quit);
    if (!watcher.watchSignals())
        return failWith(QStringLiteral("cannot install the signal handlers"));
    if (options.exitOnStdinEof)
        watcher.watchStdin();

    QTextStream out(stdout);
    out << "listening on " << options.host << ':' << proxy.serverPort() << '\n';
    out.flush();
    const int result = app.exec();
    // Connections still open end here, the device side last.
    proxy.closeAll();
    server.closeConnections();
    return result;
}

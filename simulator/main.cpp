// pv8120-sim: a PV 8120 transmitter on Modbus TCP, driven by the device's
// parameter description, with optional fault injection.

#include "cexitwatcher.h"
#include "csimoptions.h"
#include "csimplant.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QTextStream>

namespace {

int failWith(const QString &text)
{
    QTextStream(stderr) << "pv8120-sim: " << text << '\n';
    return 1;
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

    CSimPlant plant;
    QStringList warnings;
    QString error;
    const bool started = plant.start(options, &warnings, &error);
    for (const QString &problem : qAsConst(warnings))
        QTextStream(stderr) << "pv8120-sim: " << problem << '\n';
    if (!started)
        return failWith(error);

    CExitWatcher watcher;
    QObject::connect(&watcher, &CExitWatcher::exitRequested, &app, &QCoreApplication::quit);
    if (!watcher.watchSignals())
        return failWith(QStringLiteral("cannot install the signal handlers"));
    if (options.exitOnStdinEof)
        watcher.watchStdin();

    QTextStream out(stdout);
    const bool ipv6 = QHostAddress(options.host).protocol() == QAbstractSocket::IPv6Protocol;
    const QString shownHost = ipv6 ? QStringLiteral("[%1]").arg(options.host) : options.host;
    for (const quint16 port : plant.ports())
        out << "listening on " << shownHost << ':' << port << '\n';
    out.flush();
    const int result = app.exec();
    // Connections still open end here, the device side last.
    plant.closeAll();
    const QString faults = plant.faultSummary();
    if (!faults.isEmpty())
        out << faults << '\n';
    return result;
}

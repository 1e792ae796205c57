// bench_fleet [--line-baud N]: how long `loomwork-cli apply --devices` takes
// for 1, 10 and 100 devices with --jobs 1 and 8, on one gateway and spread
// over ten. The simulator answers as over a serial line at N bit/s (115200
// by default; 0: at once), so the time is the bus's, as in a plant. Every
// run writes: each gets a set with a damping no device holds yet. Runs with
// --jobs 1 and 8 alternate, so both see the same machine load.
#include "benchreport.h"
#include "simprocess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

QTextStream out(stdout);

struct Fleet
{
    QString name;     // for figure names
    QString title;
    QStringList lines; // the fleet file
    int devices = 0;
    int endpoints = 0;
};

int cli(const QStringList &args, QByteArray *output = nullptr)
{
    QProcess process;
    process.start(QStringLiteral(LOOMWORK_CLI), args);
    if (!process.waitForFinished(600000))
        return -1;
    if (output)
        *output = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

Fleet fleet(const QString &name, const QList<quint16> &ports, int endpoints, int perEndpoint)
{
    Fleet result;
    result.name = name;
    result.devices = endpoints * perEndpoint;
    result.endpoints = endpoints;
    result.title = QStringLiteral("%1 device(s) on %2 endpoint(s)").arg(result.devices).arg(endpoints);
    for (int unit = 1; unit <= perEndpoint; ++unit) {
        for (int endpoint = 0; endpoint < endpoints; ++endpoint)
            result.lines << QStringLiteral("tcp:127.0.0.1:%1 %2").arg(ports.at(endpoint)).arg(unit);
    }
    return result;
}

bool writeFile(const QString &fileName, const QByteArray &content)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// A set that differs from every device in its damping (register units).
QString setFile(const QTemporaryDir &dir, const QByteArray &base, int run)
{
    QJsonObject set = QJsonDocument::fromJson(base).object();
    QJsonObject values = set.value("values").toObject();
    values.insert("Daempfung", 20 + run);
    set.insert("values", values);
    const QString fileName = dir.filePath(QStringLiteral("set%1.json").arg(run));
    return writeFile(fileName, QJsonDocument(set).toJson()) ? fileName : QString();
}

// Seconds for one fleet apply; negative when not every device took the set.
double timeApply(const QTemporaryDir &dir, const QByteArray &base, const Fleet &fleet, int jobs, int run)
{
    const QString fleetFile = dir.filePath(QStringLiteral("fleet%1.txt").arg(run));
    const QString set = setFile(dir, base, run);
    if (set.isEmpty() || !writeFile(fleetFile, fleet.lines.join('\n').toUtf8()))
        return -1.0;
    QElapsedTimer clock;
    clock.start();
    QByteArray report;
    const int code = cli({"apply", set, "--devices", fleetFile, "--jobs", QString::number(jobs), "--json",
                          "--timeout", "3000"}, &report);
    const double seconds = clock.nsecsElapsed() / 1e9;
    const QJsonObject summary = QJsonDocument::fromJson(report).object().value("summary").toObject();
    return code == 0 && summary.value("changed").toInt() == fleet.devices ? seconds : -1.0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    BenchReport::printMachine(out);
    const QStringList args = app.arguments();
    const int index = args.indexOf(QStringLiteral("--line-baud"));
    const QString baud = index > 0 ? args.value(index + 1) : QStringLiteral("115200");
    // Ten gateways with ten devices each, and one gateway with a hundred.
    SimProcess plant;
    SimProcess gateway;
    if (!plant.start({"--endpoints", "10", "--unit-ids", "1-10", "--line-baud", baud})
        || !gateway.start({"--unit-ids", "1-100", "--line-baud", baud, "--serial-number", "20001"})) {
        QTextStream(stderr) << "bench_fleet: the simulator did not start\n";
        return 1;
    }
    QTemporaryDir dir;
    const QString baseFile = dir.filePath("base.json");
    QFile base(baseFile);
    if (cli({"--tcp", QStringLiteral("127.0.0.1:%1").arg(gateway.port()), "save", baseFile}) != 0
        || !base.open(QIODevice::ReadOnly)) {
        QTextStream(stderr) << "bench_fleet: no set could be saved\n";
        return 1;
    }
    const QByteArray baseSet = base.readAll();
    const QList<Fleet> fleets = {fleet("1x1", {gateway.port()}, 1, 1), fleet("10x1", {gateway.port()}, 1, 10),
                                 fleet("100x1", {gateway.port()}, 1, 100), fleet("10x10", plant.ports(), 10, 1),
                                 fleet("100x10", plant.ports(), 10, 10)};
    out << "fleet apply, simulator answering " << (baud.toInt() > 0 ? QStringLiteral("as at %1 bit/s").arg(baud)
                                                                     : QStringLiteral("at once"))
        << "; seconds (per device)\n";
    // The best --jobs 8 can do: endpoints served in rounds of eight.
    out << QStringLiteral("%1 %2 %3 %4 %5\n")
               .arg("fleet", -28).arg("--jobs 1", 18).arg("--jobs 8", 18).arg("ratio", 8).arg("best", 6);
    int run = 0;
    bool failed = false;
    for (const Fleet &entry : fleets) {
        const double one = timeApply(dir, baseSet, entry, 1, ++run);
        const double eight = timeApply(dir, baseSet, entry, 8, ++run);
        failed = failed || one < 0 || eight < 0;
        const double best = double(entry.endpoints) / ((entry.endpoints + 7) / 8);
        out << QStringLiteral("%1 %2 (%3) %4 (%5) %6 %7\n")
                   .arg(entry.title, -28)
                   .arg(one, 8, 'f', 2).arg(one / entry.devices, 7, 'f', 3)
                   .arg(eight, 8, 'f', 2).arg(eight / entry.devices, 7, 'f', 3)
                   .arg(one / eight, 7, 'f', 2).arg(best, 6, 'f', 1);
        out << "figure fleet_apply_" << entry.name << "_jobs1_s " << one << '\n'
            << "figure fleet_apply_" << entry.name << "_jobs8_s " << eight << '\n'
            << "figure fleet_apply_" << entry.name << "_speedup " << one / eight << '\n';
        out.flush();
    }
    if (failed)
        QTextStream(stderr) << "bench_fleet: a run did not bring every device to the set\n";
    return failed ? 1 : 0;
}

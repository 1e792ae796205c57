// Device link on loopback: status-poll round trip of the host's Modbus master
// and of a plain libmodbus client (the baseline), both against a minimal
// libmodbus server and against the simulator, rounds alternating; the poll
// latency paced at 1,000 polls/s for 10 s; the highest poll rate the master
// sustains without a backlog; and the time to read all parameters.
//
//   bench_link [polls]     (default 5000 round trips per client and server)
#include "benchreport.h"
#include "cdevicesession.h"
#include "cmodbusmaster.h"
#include "cminimalmodbusserver.h"
#include "cparametertransfer.h"
#include "device/pv8120status.h"
#include "simprocess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QTimer>

#include <modbus.h>

#include <algorithm>
#include <cstdio>

namespace {

struct Spread
{
    double median = 0;
    double p99 = 0;
};

Spread spread(QVector<double> samples)
{
    Spread s;
    if (samples.isEmpty())
        return s;
    std::sort(samples.begin(), samples.end());
    s.median = samples.at(samples.size() / 2);
    s.p99 = samples.at(qMin(samples.size() - 1, int(samples.size() * 0.99)));
    return s;
}

CRequest statusPoll()
{
    CRequest request;
    request.requestType = CRequest::CyclicRead;
    request.functionCode = CRequest::ReadHoldingRegisters;
    request.startAddress = Pv8120::statusAddress;
    request.registerCount = Pv8120::statusRegisterCount;
    return request;
}

// Runs the event loop (sleeping in the dispatcher, not spinning) until done
// or ms have passed.
bool waitUntil(const std::function<bool()> &done, int ms)
{
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&]() {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    check.start(1);
    if (!done())
        loop.exec();
    return done();
}

// Round trips in microseconds: one poll after the other, each from
// buildRequest to dataResponse; the next poll leaves from the answer.
QVector<double> masterRoundTrips(CModbusMaster &master, int polls)
{
    QVector<double> samples;
    QElapsedTimer clock;
    QEventLoop loop;
    const auto connection = QObject::connect(&master, &CModbusMaster::dataResponse, &loop, [&]() {
        samples.append(clock.nsecsElapsed() / 1000.0);
        if (samples.size() >= polls) {
            loop.quit();
            return;
        }
        clock.start();
        master.buildRequest(statusPoll());
    });
    QTimer::singleShot(polls * 10 + 1000, &loop, &QEventLoop::quit);
    clock.start();
    master.buildRequest(statusPoll());
    loop.exec();
    QObject::disconnect(connection);
    return samples;
}

QVector<double> libmodbusRoundTrips(quint16 port, int polls)
{
    QVector<double> samples;
    modbus_t *context = modbus_new_tcp("127.0.0.1", port);
    if (!context || modbus_connect(context) != 0) {
        if (context)
            modbus_free(context);
        return samples;
    }
    modbus_set_slave(context, 1);
    uint16_t registers[Pv8120::statusRegisterCount];
    QElapsedTimer clock;
    for (int i = 0; i < polls; ++i) {
        clock.start();
        if (modbus_read_registers(context, Pv8120::statusAddress, Pv8120::statusRegisterCount, registers)
            != Pv8120::statusRegisterCount)
            break;
        samples.append(clock.nsecsElapsed() / 1000.0);
    }
    modbus_close(context);
    modbus_free(context);
    return samples;
}

// Polls at rate per second for ms. A poll is due every 1/rate s; due polls
// leave on the 1 ms tick or, when the tick came late, as soon as the
// previous answer arrives, so a late timer does not turn into a burst.
// Sustained: at least 99 % of the polls due in the window were answered
// within it, none timed out and none had to be merged into a waiting one.
// With latencies, also collects each poll's time from leaving to its answer
// in microseconds.
bool sustains(CModbusMaster &master, int rate, int ms, double *achieved, QVector<double> *latencies = nullptr)
{
    master.resetStatistics();
    int issued = 0;
    int answered = 0;
    qint64 leftNs = 0;
    QElapsedTimer clock;
    clock.start();
    auto issueDue = [&]() {
        const qint64 due = qMin<qint64>(clock.nsecsElapsed() * rate / 1000000000LL, qint64(rate) * ms / 1000);
        if (issued < due && issued <= answered) {
            ++issued;
            leftNs = clock.nsecsElapsed();
            master.buildRequest(statusPoll());
        }
    };
    const auto connection = QObject::connect(&master, &CModbusMaster::dataResponse, [&]() {
        ++answered;
        if (latencies)
            latencies->append((clock.nsecsElapsed() - leftNs) / 1000.0);
        issueDue();
    });
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, issueDue);
    tick.start(1);
    waitUntil([&]() { return clock.elapsed() >= ms; }, ms + 1000);
    tick.stop();
    QObject::disconnect(connection);
    waitUntil([&]() { return master.isIdle(); }, 2000);
    const CLinkStatistics &stats = master.statistics();
    *achieved = answered * 1000.0 / ms;
    return answered >= rate * ms / 1000 * 99 / 100 && stats.timeouts == 0 && stats.skippedPolls == 0;
}

// Connects master to the loopback port; false when that fails within 5 s.
bool connectTo(CModbusMaster &master, quint16 port)
{
    CLinkSettings settings = master.settings();
    settings.port = port;
    master.setSettings(settings);
    master.connectDevice();
    return waitUntil([&]() { return master.state() == CModbusMaster::Connected; }, 5000);
}

struct Comparison
{
    Spread baseline;
    Spread ours;
    int polls = 0;
};

// libmodbus and the master against the server on port, in ten alternating
// rounds after a warm-up, so both see the same machine load.
Comparison compare(CModbusMaster &master, quint16 port, int polls)
{
    masterRoundTrips(master, 200);
    libmodbusRoundTrips(port, 200);
    QVector<double> baselineSamples;
    QVector<double> ourSamples;
    for (int round = 0; round < 10; ++round) {
        baselineSamples += libmodbusRoundTrips(port, polls / 10);
        ourSamples += masterRoundTrips(master, polls / 10);
    }
    return {spread(baselineSamples), spread(ourSamples), ourSamples.size()};
}

void printComparison(QTextStream &out, const QString &server, const Comparison &c)
{
    out << "Status poll round trip against " << server << " (" << c.polls
        << " polls each, 10 alternating rounds; CModbusMaster checks every answer against its request)\n";
    out << QStringLiteral("  libmodbus (baseline)  median %1 us  p99 %2 us\n").arg(c.baseline.median, 0, 'f', 1).arg(c.baseline.p99, 0, 'f', 1);
    out << QStringLiteral("  CModbusMaster         median %1 us  p99 %2 us\n").arg(c.ours.median, 0, 'f', 1).arg(c.ours.p99, 0, 'f', 1);
    out << QStringLiteral("  ratio to baseline     median %1x  p99 %2x\n")
               .arg(c.ours.median / c.baseline.median, 0, 'f', 2).arg(c.ours.p99 / c.baseline.p99, 0, 'f', 2);
    out.flush();
}

QVector<double> readAllTimes(CDeviceSession &session, int runs)
{
    QVector<double> samples;
    CParameterTransfer *parameters = session.parameters();
    for (int i = 0; i < runs; ++i) {
        bool done = false;
        const auto connection = QObject::connect(parameters, &CParameterTransfer::finished, [&]() { done = true; });
        QElapsedTimer clock;
        clock.start();
        parameters->readAll();
        waitUntil([&]() { return done; }, 10000);
        samples.append(clock.nsecsElapsed() / 1000000.0);
        QObject::disconnect(connection);
    }
    return samples;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(LOOMWORK_VERSION));
    const int polls = argc > 1 ? qMax(100, atoi(argv[1])) : 5000;
    QTextStream out(stdout);

    BenchReport::printMachine(out);

    CMinimalModbusServer minimal;
    CModbusMaster plainMaster;
    if (!minimal.start(Pv8120::statusAddress, Pv8120::statusRegisterCount) || !connectTo(plainMaster, minimal.port())) {
        fprintf(stderr, "bench_link: the minimal server did not answer\n");
        return 1;
    }
    const Comparison bare = compare(plainMaster, minimal.port(), polls);
    printComparison(out, QStringLiteral("a minimal libmodbus server"), bare);
    plainMaster.disconnectDevice();

    SimProcess sim;
    if (!sim.start({QStringLiteral("--pressure"), QStringLiteral("100")})) {
        fprintf(stderr, "bench_link: the simulator did not start (%s)\n", PV8120_SIM);
        return 1;
    }
    CDeviceSession session;
    if (!session.open(QStringLiteral(LOOMWORK_DATA_DIR "/pv8120.xml"), QStringLiteral(LOOMWORK_PLUGIN_DIR))) {
        fprintf(stderr, "bench_link: %s\n", qPrintable(session.errorString()));
        return 1;
    }
    CModbusMaster &master = *session.master();
    if (!connectTo(master, sim.port())) {
        fprintf(stderr, "bench_link: no connection to the simulator\n");
        return 1;
    }
    printComparison(out, QStringLiteral("the simulator"), compare(master, sim.port(), polls));

    // Polls as a host makes them: paced, not back to back.
    QVector<double> latencies;
    double pacedRate = 0;
    const bool paced = sustains(master, 1000, 10000, &pacedRate, &latencies);
    std::sort(latencies.begin(), latencies.end());
    const Spread pacedSpread = spread(latencies);
    out << QStringLiteral("Paced at 1000 polls/s for 10 s against the simulator: %1 answered/s (%2), "
                          "latency median %3 us, p99 %4 us, max %5 us\n")
               .arg(pacedRate, 0, 'f', 0).arg(paced ? "sustained" : "backlog")
               .arg(pacedSpread.median, 0, 'f', 1).arg(pacedSpread.p99, 0, 'f', 1)
               .arg(latencies.isEmpty() ? 0.0 : latencies.last(), 0, 'f', 1);
    out.flush();

    // Capacity: polls back to back, each leaving as the previous answer arrives.
    QElapsedTimer window;
    window.start();
    const int closedLoop = masterRoundTrips(master, 20000).size();
    out << QStringLiteral("Back-to-back polls: %1 polls/s\n").arg(closedLoop * 1000.0 / window.elapsed(), 0, 'f', 0);

    int best = 0;
    out << "Paced polling (2 s per step; sustained: >= 99 % of the due polls answered in time)\n";
    for (int rate : {250, 500, 1000, 2000, 4000, 8000, 16000}) {
        double achieved = 0;
        const bool ok = sustains(master, rate, 2000, &achieved);
        out << QStringLiteral("  %1 polls/s due: %2 answered/s  %3\n")
                   .arg(rate, 5).arg(achieved, 7, 'f', 0).arg(ok ? "sustained" : "backlog");
        out.flush();
        if (!ok)
            break;
        best = rate;
    }
    out << QStringLiteral("  highest sustained: %1 polls/s (target >= 1000)\n").arg(best);

    const QVector<double> reads = readAllTimes(session, 21);
    const Spread steady = spread(reads.mid(1));
    out << QStringLiteral("Read all %1 parameters: first %2 ms, then median %3 ms, p99 %4 ms (target < 100 ms)\n")
               .arg(session.parameters()->items().size())
               .arg(reads.value(0), 0, 'f', 2).arg(steady.median, 0, 'f', 2).arg(steady.p99, 0, 'f', 2);
    out << QStringLiteral("Master counters: sent %1, answered %2, timeouts %3, exceptions %4\n")
               .arg(master.statistics().sent).arg(master.statistics().answered)
               .arg(master.statistics().timeouts).arg(master.statistics().exceptions);
    out << "load average at the end: " << BenchReport::loadAverage() << "\n";
    out << "(poll_vs_libmodbus: medians against the minimal server; poll_p99_paced_us: the simulator, 1000/s, 10 s)\n";
    BenchReport::printFigure(out, "poll_vs_libmodbus", bare.ours.median / bare.baseline.median);
    BenchReport::printFigure(out, "poll_p99_paced_us", pacedSpread.p99, 0);
    return 0;
}

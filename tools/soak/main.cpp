// soak_link: the host's Modbus master against pv8120-sim with faults of every
// kind injected at random. Reads and writes the device's parameters, checks
// every value read against what the simulator holds (the values it started
// with and every write it confirmed), counts the failed attempts against the
// faults the simulator says it injected, and samples the memory of both
// processes.
//
//   soak_link --sim PROGRAM --description FILE [--requests N] [--fault-rate P]
//             [--seed N] [--timeout MS]
#include "cdevicesession.h"
#include "cmodbusmaster.h"
#include "cparametertransfer.h"
#include "description/citemregisters.h"
#include "items/citem.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTimer>

#include <cstdio>

namespace {

// Faults that cost no attempt (the answer arrives whole in the end), and the
// one that costs an attempt only when a request is on its way as the
// connection closes.
const QStringList HarmlessFaults = {QStringLiteral("byte-per-segment"), QStringLiteral("two-frames")};
const QString Disconnect = QStringLiteral("disconnect");

qint64 rssKb(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

CModbusMaster::Result runRequest(CModbusMaster &master, quint16 start, quint16 count, const QVector<quint16> &words)
{
    CModbusMaster::Result result;
    QEventLoop loop;
    bool done = false;
    const auto finish = [&](const CModbusMaster::Result &r) {
        result = r;
        done = true;
        loop.quit();
    };
    if (words.isEmpty())
        master.read(start, count, finish, false);
    else
        master.write(start, words, finish, false);
    if (!done)
        loop.exec();
    return result;
}

struct Totals
{
    quint64 requests = 0;
    quint64 reads = 0;
    quint64 writes = 0;
    quint64 failedRequests = 0;
    quint64 wrongValues = 0;
    quint64 uncheckedReads = 0; // of read-only parameters
    quint64 refusedValues = 0; // the device's own refusals (exceptions 2 and 3, its rules)
};

class Soak
{
public:
    Soak(CModbusMaster &master, const QList<CItem *> &items, quint64 seed)
        : m_master(master), m_random(quint32(seed))
    {
        for (CItem *item : items) {
            m_items.append(item);
            if (CParameterTransfer::isWritable(item) && item->objectName() != QLatin1String("Einheit")
                && valueFor(item).isValid())
                m_writable.append(item);
            // Read-only parameters the device computes (its status) change
            // on their own; they are read, but not compared.
            if (!CParameterTransfer::isWritable(item))
                m_volatile.insert(item);
        }
    }

    // What the device holds at the start: every parameter read until it answers.
    bool readAll()
    {
        for (CItem *item : qAsConst(m_items)) {
            if (!resync(item))
                return false;
        }
        return true;
    }

    void step()
    {
        ++m_totals.requests;
        const bool write = !m_writable.isEmpty() && m_random.bounded(100) < 40;
        CItem *item = write ? m_writable.at(int(m_random.bounded(quint32(m_writable.size()))))
                            : m_items.at(int(m_random.bounded(quint32(m_items.size()))));
        write ? writeItem(item) : readItem(item);
    }

    const Totals &totals() const { return m_totals; }

private:
    static quint16 start(const CItem *item) { return CItemRegisters::address(item); }
    static quint16 count(const CItem *item) { return quint16(CItemRegisters::registerCount(item)); }

    QVector<quint16> held(const CItem *item) const { return m_model.value(start(item)); }

    bool resync(CItem *item)
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const CModbusMaster::Result result = runRequest(m_master, start(item), count(item), {});
            if (result.ok) {
                m_model.insert(start(item), result.registers);
                return true;
            }
        }
        std::fprintf(stderr, "soak_link: %s cannot be read\n", qPrintable(item->objectName()));
        return false;
    }

    void readItem(CItem *item)
    {
        ++m_totals.reads;
        const CModbusMaster::Result result = runRequest(m_master, start(item), count(item), {});
        if (!result.ok) {
            failed(result);
            return;
        }
        if (m_volatile.contains(item)) {
            ++m_totals.uncheckedReads;
            return;
        }
        if (result.registers != held(item)) {
            ++m_totals.wrongValues;
            std::fprintf(stderr, "soak_link: WRONG VALUE %s: read %s, the simulator holds %s\n",
                         qPrintable(item->objectName()), qPrintable(hex(result.registers)), qPrintable(hex(held(item))));
        }
    }

    void writeItem(CItem *item)
    {
        ++m_totals.writes;
        item->setValue(valueFor(item));
        const QVector<quint16> words = CItemRegisters::toWords(CItemRegisters::registerBytes(item));
        const CModbusMaster::Result result = runRequest(m_master, start(item), count(item), words);
        if (result.ok) {
            m_model.insert(start(item), words);
            return;
        }
        if (result.exceptionCode == 2 || result.exceptionCode == 3)
            ++m_totals.refusedValues;
        else
            failed(result);
        // What the device holds now is not known from here.
        resync(item);
    }

    void failed(const CModbusMaster::Result &result)
    {
        ++m_totals.failedRequests;
        if (qgetenv("SOAK_VERBOSE") == "1")
            std::fprintf(stderr, "soak_link: failed: %s\n", qPrintable(result.error));
    }

    // A value the parameter accepts: within its range, an entry of its list.
    QVariant valueFor(const CItem *item)
    {
        switch (item->type()) {
        case CItem::DATA_TYPE_LIST16:
        case CItem::DATA_TYPE_LIST32:
            return item->textList().isEmpty() ? QVariant() : QVariant(int(m_random.bounded(quint32(item->textList().size()))));
        case CItem::DATA_TYPE_BOOL:
            return int(m_random.bounded(2));
        case CItem::DATA_TYPE_INT16:
        case CItem::DATA_TYPE_UINT16:
        case CItem::DATA_TYPE_INT32:
        case CItem::DATA_TYPE_UINT32:
        case CItem::DATA_TYPE_FLOAT: {
            if (!(item->minimum() < item->maximum()))
                return QVariant();
            const double value = item->minimum() + m_random.generateDouble() * (item->maximum() - item->minimum());
            return item->type() == CItem::DATA_TYPE_FLOAT ? QVariant(float(value)) : QVariant(qint64(value));
        }
        default:
            return QVariant();
        }
    }

    static QString hex(const QVector<quint16> &words)
    {
        QStringList parts;
        for (quint16 word : words)
            parts << QStringLiteral("%1").arg(word, 4, 16, QLatin1Char('0'));
        return parts.join(' ');
    }

    CModbusMaster &m_master;
    QRandomGenerator m_random;
    QList<CItem *> m_items;
    QList<CItem *> m_writable;
    QSet<CItem *> m_volatile;
    QHash<quint16, QVector<quint16>> m_model;
    Totals m_totals;
};

struct Options
{
    QString sim;
    QString description;
    quint64 requests = 1000000;
    double faultRate = 1.0;
    quint64 seed = 1;
    int timeout = 200;
};

bool parse(Options *options)
{
    QCommandLineParser parser;
    parser.addOptions({{"sim", "The simulator program.", "PROGRAM"},
                       {"description", "The sealed parameter description.", "FILE"},
                       {"requests", "Requests to make (default 1000000).", "N", "1000000"},
                       {"fault-rate", "Percent of requests the simulator damages (default 1).", "P", "1"},
                       {"seed", "Seed of the requests and the faults (default 1).", "N", "1"},
                       {"timeout", "Response timeout in ms (default 200).", "MS", "200"}});
    parser.process(*QCoreApplication::instance());
    bool ok[4] = {};
    options->sim = parser.value("sim");
    options->description = parser.value("description");
    options->requests = parser.value("requests").toULongLong(&ok[0]);
    options->faultRate = parser.value("fault-rate").toDouble(&ok[1]);
    options->seed = parser.value("seed").toULongLong(&ok[2]);
    options->timeout = parser.value("timeout").toInt(&ok[3]);
    return ok[0] && ok[1] && ok[2] && ok[3] && !options->sim.isEmpty() && !options->description.isEmpty()
        && options->timeout >= 10 && options->faultRate >= 0 && options->faultRate <= 100;
}

// The simulator's "faults injected: N in M requests (kind n, ...)" line.
QHash<QString, quint64> injectedFaults(const QByteArray &output)
{
    QHash<QString, quint64> faults;
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("faults injected: \\d+ in \\d+ requests \\((.*)\\)")).match(QString::fromUtf8(output));
    for (const QString &part : match.captured(1).split(QStringLiteral(", "), Qt::SkipEmptyParts))
        faults.insert(part.section(' ', 0, 0), part.section(' ', 1, 1).toULongLong());
    return faults;
}

int report(const Options &options, const Totals &totals, const CLinkStatistics &stats,
           const QHash<QString, quint64> &faults, const qint64 memory[2][2], double seconds)
{
    quint64 harmful = 0;
    quint64 all = 0;
    std::printf("faults injected by the simulator:");
    for (auto it = faults.cbegin(); it != faults.cend(); ++it) {
        std::printf(" %s %llu", qPrintable(it.key()), it.value());
        all += it.value();
        if (!HarmlessFaults.contains(it.key()) && it.key() != Disconnect)
            harmful += it.value();
    }
    const quint64 disconnects = faults.value(Disconnect);
    // A value the device refuses by its own rules is its answer (one exception
    // each), not a fault of the link.
    const quint64 failures =
        stats.timeouts + stats.invalidAnswers + stats.exceptions - totals.refusedValues + stats.interrupted;
    std::printf("\n\n%llu requests (%llu reads, %llu writes) in %.0f s, %llu attempts on the wire\n",
                totals.requests, totals.reads, totals.writes, seconds, stats.sent);
    std::printf("wrong values taken:        %llu (%llu reads of read-only parameters not compared)\n",
                totals.wrongValues, totals.uncheckedReads);
    std::printf("faults injected:           %llu (%llu that must cost an attempt, %llu harmless, %llu disconnects)\n",
                all, harmful, all - harmful - disconnects, disconnects);
    std::printf("failed attempts:           %llu (timeouts %llu, invalid answers %llu, exceptions %llu, "
                "connection closed %llu)\n",
                failures, stats.timeouts, stats.invalidAnswers, stats.exceptions - totals.refusedValues,
                stats.interrupted);
    std::printf("late answers skipped:      %llu; writes confirmed by reading back: %llu\n", stats.staleAnswers,
                stats.verifiedWrites);
    std::printf("requests failed in the end: %llu; writes the device refused by its rules: %llu\n",
                totals.failedRequests, totals.refusedValues);
    std::printf("memory (VmRSS) at 10 %% and at the end: soak_link %lld -> %lld kB, pv8120-sim %lld -> %lld kB\n",
                memory[0][0], memory[1][0], memory[0][1], memory[1][1]);
    const bool failuresMatch = failures >= harmful && failures <= harmful + disconnects;
    const qint64 flat = 4096; // kB of growth still called flat (allocator noise)
    const bool memoryFlat = memory[1][0] - memory[0][0] < flat && memory[1][1] - memory[0][1] < flat;
    const bool ok = totals.wrongValues == 0 && failuresMatch && memoryFlat && (options.faultRate == 0 || all > 0);
    std::printf("%s: %s\n", ok ? "PASS" : "FAIL",
                ok ? "no wrong value, one failed attempt per damaging fault, flat memory"
                   : qPrintable(QStringLiteral("wrong values %1, failures match faults: %2, memory flat: %3")
                                    .arg(totals.wrongValues).arg(failuresMatch ? "yes" : "no")
                                    .arg(memoryFlat ? "yes" : "no")));
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(LOOMWORK_VERSION));
    Options options;
    if (!parse(&options)) {
        std::fprintf(stderr, "soak_link: see --help; --sim and --description are needed\n");
        return 2;
    }
    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(options.sim, {"--port", "0", "--exit-on-stdin-eof", "--fault-rate", QString::number(options.faultRate),
                            "--fault-seed", QString::number(options.seed), "--description", options.description});
    if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(10000)) {
        std::fprintf(stderr, "soak_link: the simulator did not start\n");
        return 2;
    }
    const quint16 port = quint16(QString::fromLatin1(sim.readLine()).trimmed().section(':', -1).toUInt());

    CDeviceSession session;
    if (!session.loadDescription(options.description)) {
        std::fprintf(stderr, "soak_link: %s\n", qPrintable(session.errorString()));
        return 2;
    }
    CModbusMaster &master = *session.master();
    CLinkSettings settings;
    settings.port = port;
    settings.responseTimeout = options.timeout;
    master.setSettings(settings);
    master.connectDevice();
    QEventLoop connecting;
    QObject::connect(&master, &CModbusMaster::stateChanged, &connecting, [&]() {
        if (master.state() == CModbusMaster::Connected)
            connecting.quit();
    });
    QTimer::singleShot(5000, &connecting, &QEventLoop::quit);
    if (master.state() != CModbusMaster::Connected)
        connecting.exec();

    Soak soak(master, session.parameters()->items(), options.seed);
    if (master.state() != CModbusMaster::Connected || !soak.readAll()) {
        std::fprintf(stderr, "soak_link: no link to the simulator\n");
        return 2;
    }
    master.resetStatistics();
    qint64 memory[2][2] = {};
    QElapsedTimer clock;
    clock.start();
    for (quint64 i = 0; i < options.requests; ++i) {
        soak.step();
        if (i == options.requests / 10) {
            memory[0][0] = rssKb(QCoreApplication::applicationPid());
            memory[0][1] = rssKb(sim.processId());
        }
        if (options.requests >= 100000 && (i + 1) % (options.requests / 10) == 0)
            std::fprintf(stderr, "soak_link: %llu requests, %.0f s\n", i + 1, clock.elapsed() / 1000.0);
    }
    memory[1][0] = rssKb(QCoreApplication::applicationPid());
    memory[1][1] = rssKb(sim.processId());
    const double seconds = clock.elapsed() / 1000.0;
    master.disconnectDevice();
    sim.closeWriteChannel();
    sim.waitForFinished(10000);
    return report(options, soak.totals(), master.statistics(), injectedFaults(sim.readAllStandardOutput()), memory,
                  seconds);
}

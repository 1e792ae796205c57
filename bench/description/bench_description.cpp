// Loading a large parameter description against a bare DOM parse of the same
// bytes, and the CRC-16 against a single-table CRC, measured in one run.
// Every load and every DOM parse runs in a fresh process of this program, the
// two alternating, so neither inherits the other's heap or warm caches.
//
//   bench_description [objects] [samples]   (default 4000 objects, about 10 MB; 7 samples)
//   bench_description --measure dom|load FILE   (one sample; used by the above)

#include "benchreport.h"
#include "description/cparameterdescription.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <functional>

namespace {

QByteArray generatedDescription(int objects)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<QVR>\n<group name=\"QVR_PROJECT\"><value "
                     "QVR_PROJECT_NAME=\"Bench\" QVR_PROJECT_ORDER_NUMBER=\"1\" QVR_PROJECT_TABLE_VERSION=\"500\"/>"
                     "</group>\n";
    for (int o = 0; o < objects; ++o) {
        const QByteArray name = "Objekt_" + QByteArray::number(o);
        xml += "<group name=\"QVR_OBJECT\">\n  <value QVR_OBJECT_NAME=\"" + name + "\"/>\n  <group name=\"QVR_LINE\">\n";
        for (int l = 0; l < 2; ++l) {
            xml += "    <group name=\"Zeile_" + QByteArray::number(l) + "\" Text=\"Zeile\">\n"
                   "      <value name=\"Version\" Default=\"100\" Divider=\"100\"/>\n"
                   "      <group name=\"Gruppe\" Text=\"Werte\">\n";
            for (int v = 0; v < 6; ++v) {
                xml += "        <value name=\"" + name + "_" + QByteArray::number(l * 6 + v)
                       + "\" DataId=\"" + QByteArray::number(o * 12 + l * 6 + v)
                       + "\" Datatype=\"float\" Text=\"Messwert\" Divider=\"10\" Min=\"0\" Max=\"1000\" "
                         "Default=\"5\" Unit=\"mbar\" Access=\"RW\" Address_RW=\"0x0100\"/>\n";
            }
            xml += "      </group>\n    </group>\n";
        }
        xml += "  </group>\n  <group name=\"QVR_TYPE_LIST\"><value name=\"Liste\" List=\"a,b,c\"/></group>\n</group>\n";
    }
    return xml + "</QVR>\n";
}

// body with its checksum appended as it stands (hostile texts included).
QByteArray sealed(const QByteArray &body)
{
    const quint16 crc = crc16(body);
    return body + char(crc >> 8) + char(crc & 0xFF);
}

double threadCpuMs()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// A field of /proc/self/status in KB (VmRSS: resident now, VmHWM: peak), or 0.
long statusKb(const char *field)
{
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

// Sets the peak resident set back to the current one, so that the peak read
// later is the measured work's own, not that of start-up.
void resetPeakRss()
{
    QFile file(QStringLiteral("/proc/self/clear_refs"));
    if (file.open(QIODevice::WriteOnly))
        file.write("5");
}

// Modbus CRC-16 one bit at a time, in crc16()'s byte order: the reference.
quint16 bitwiseCrc(const char *data, qsizetype length)
{
    unsigned crc = 0xFFFF;
    for (qsizetype i = 0; i < length; ++i) {
        crc ^= uchar(data[i]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1u) ? (crc >> 1) ^ 0xA001u : crc >> 1;
    }
    return quint16((crc << 8) | (crc >> 8));
}

// The common table-driven CRC, one table lookup per byte: the baseline.
quint16 singleTableCrc(const QByteArray &bytes)
{
    static quint16 table[256];
    static bool filled = false;
    if (!filled) {
        for (unsigned n = 0; n < 256; ++n) {
            unsigned crc = n;
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc & 1u) ? (crc >> 1) ^ 0xA001u : crc >> 1;
            table[n] = quint16(crc);
        }
        filled = true;
    }
    quint16 crc = 0xFFFF;
    for (const char byte : bytes)
        crc = quint16((crc >> 8) ^ table[(crc ^ uchar(byte)) & 0xFF]);
    return quint16((crc << 8) | (crc >> 8));
}

int countElements(const QDomElement &element, const QString &tag)
{
    int count = element.tagName() == tag ? 1 : 0;
    for (QDomElement child = element.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
        count += countElements(child, tag);
    return count;
}

int countParameters(const CParameterDescription &description)
{
    int count = 0;
    for (const ObjectDescription *object : description.objects()) {
        for (const LineDescription &line : object->lines) {
            for (const GroupDescription &group : line.groups)
                count += group.values.size();
        }
    }
    return count;
}

QString writeTemp(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// One sample in this process: a bare DOM parse of the bytes of path (read
// beforehand, untimed) or load() of path. Prints wall ms, CPU ms, growth of
// the peak resident set in KB and what was read.
int measureOnce(const QString &what, const QString &path)
{
    QByteArray bytes;
    if (what == QLatin1String("dom")) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return 2;
        bytes = file.readAll();
    }
    resetPeakRss();
    const long rssBefore = statusKb("VmRSS:");
    QElapsedTimer timer;
    const double cpuStart = threadCpuMs();
    timer.start();
    QDomDocument document;
    CParameterDescription description;
    const bool ok = bytes.isEmpty() ? description.load(path) : document.setContent(bytes);
    const double wallMs = timer.nsecsElapsed() / 1e6;
    const double cpuMs = threadCpuMs() - cpuStart;
    QByteArray result = "failed";
    if (ok && bytes.isEmpty())
        result = QByteArray::number(description.objects().size()) + "/" + QByteArray::number(countParameters(description));
    else if (ok)
        result = QByteArray::number(countElements(document.documentElement(), QStringLiteral("value")));
    std::printf("%.3f %.3f %ld %s\n", wallMs, cpuMs, statusKb("VmHWM:") - rssBefore, result.constData());
    return 0;
}

struct Sample
{
    double wallMs = 0;
    double cpuMs = 0;
    double rssMb = 0;
    QString result;
};

Sample runFresh(const QString &what, const QString &path)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--measure"), what, path});
    if (!child.waitForFinished(-1) || child.exitCode() != 0)
        qFatal("measuring process failed: %s %s", qPrintable(what), qPrintable(path));
    const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 4)
        qFatal("measuring process answered nothing usable");
    return {fields.at(0).toDouble(), fields.at(1).toDouble(), fields.at(2).toDouble() / 1024,
            QString::fromLatin1(fields.at(3))};
}

struct Series
{
    QVector<double> wall, cpu;
    QString result;
    void add(const Sample &s)
    {
        wall << s.wallMs;
        cpu << s.cpuMs;
        result = s.result;
    }
};

void printSeries(QTextStream &out, const char *name, const Series &s, const char *note = "")
{
    const BenchReport::Summary w = BenchReport::summarize(s.wall);
    const BenchReport::Summary c = BenchReport::summarize(s.cpu);
    out << QString::asprintf("  %-38s: %8.1f %8.1f   %8.1f %8.1f  %s\n", name, w.min, w.median, c.min, c.median, note);
}

// Fresh-process loads against fresh-process DOM parses, alternating which
// goes first. Returns load / DOM of the median CPU times.
double benchLoad(QTextStream &out, int objects, int samples)
{
    const QByteArray body = generatedDescription(objects);
    QTemporaryDir dir;
    const QString sealedPath = writeTemp(dir, QStringLiteral("bench.xml"), sealDocument(body));
    const QString bodyPath = writeTemp(dir, QStringLiteral("body.xml"), body);
    Series dom, load;
    for (int i = 0; i < samples; ++i) {
        if (i % 2 == 0)
            dom.add(runFresh(QStringLiteral("dom"), bodyPath));
        load.add(runFresh(QStringLiteral("load"), sealedPath));
        if (i % 2 == 1)
            dom.add(runFresh(QStringLiteral("dom"), bodyPath));
    }
    const bool same = dom.result == QString::number(1 + objects * 16)
                      && load.result == QStringLiteral("%1/%2").arg(objects).arg(objects * 12);
    out << QString::asprintf("description: %.1f MB, %d objects, %d parameters; %d fresh processes each, "
                             "alternating (results %s)\n",
                             body.size() / 1e6, objects, objects * 12, samples,
                             same ? "match the DOM" : "DIFFER");
    out << "                                           wall ms min / median   cpu ms min / median\n";
    printSeries(out, "QDomDocument::setContent (bare parse)", dom, "(bytes already in memory)");
    printSeries(out, "CParameterDescription::load", load, "(file read, checks, CRC, records)");
    const double wallRatio = BenchReport::summarize(load.wall).median / BenchReport::summarize(dom.wall).median;
    const double cpuRatio = BenchReport::summarize(load.cpu).median / BenchReport::summarize(dom.cpu).median;
    out << QString::asprintf("  %-38s: %17.2f   %17.2f  (medians)\n", "load / bare DOM parse", wallRatio, cpuRatio);
    out.flush();
    return cpuRatio;
}

// crc16() against the bit-by-bit reference at every length up to 4096 bytes
// from an aligned and from odd start addresses, and over a large buffer.
bool crcMatchesReference(const QByteArray &large)
{
    QByteArray buffer(4096 + 8, Qt::Uninitialized);
    for (int i = 0; i < buffer.size(); ++i)
        buffer[i] = char(i * 167 + (i >> 7) + 13);
    for (const int offset : {0, 1, 3, 5, 7}) {
        for (int length = 0; length <= 4096; ++length) {
            const char *data = buffer.constData() + offset;
            if (crc16(data, length) != bitwiseCrc(data, length))
                return false;
        }
    }
    return crc16(large) == bitwiseCrc(large.constData(), large.size()) && crc16(large) == singleTableCrc(large);
}

void benchCrc(QTextStream &out, int samples)
{
    QByteArray buffer(64 * 1024 * 1024, Qt::Uninitialized);
    for (int i = 0; i < buffer.size(); ++i)
        buffer[i] = char(i * 131 + (i >> 9));
    out << "crc16 against a bit-by-bit reference (every length 0..4096 at offsets 0, 1, 3, 5, 7; 64 MB): "
        << (crcMatchesReference(buffer) ? "match" : "MISMATCH") << "\n";
    volatile quint16 sink = 0;
    Series sliced, table;
    const auto time = [](Series &series, const std::function<void()> &work) {
        QElapsedTimer timer;
        const double cpuStart = threadCpuMs();
        timer.start();
        work();
        series.wall << timer.nsecsElapsed() / 1e6;
        series.cpu << threadCpuMs() - cpuStart;
    };
    for (int i = 0; i < samples; ++i) {
        time(sliced, [&] { sink = crc16(buffer); });
        time(table, [&] { sink = singleTableCrc(buffer); });
    }
    const double gb = buffer.size() / 1e9;
    const auto rate = [gb](const QVector<double> &ms) { return gb / (BenchReport::summarize(ms).median / 1e3); };
    out << QString::asprintf("crc16 over %d MB, %d runs each, alternating:   wall GB/s  cpu GB/s (medians)\n",
                             int(buffer.size() >> 20), samples);
    out << QString::asprintf("  crc16 (4 lanes of slicing-by-8)       : %8.2f  %8.2f\n", rate(sliced.wall), rate(sliced.cpu));
    out << QString::asprintf("  single table (baseline)               : %8.2f  %8.2f\n", rate(table.wall), rate(table.cpu));
    out << QString::asprintf("  speed-up                              : %8.2f  %8.2f  (target >= 2 GB/s)\n",
                             rate(sliced.wall) / rate(table.wall), rate(sliced.cpu) / rate(table.cpu));
    out.flush();
}

struct Refusals
{
    double worstMs = 0;
    double worstMb = 0;
};

// load() of hostile files in fresh processes, each sealed with a valid
// trailer so that only the safety checks stand between them and the reader.
Refusals benchRefusals(QTextStream &out)
{
    const QByteArray deep = "<QVR>" + QByteArray("<group>").repeated(30000) + QByteArray("</group>").repeated(30000)
                            + "</QVR>\n";
    QByteArray exponential = "<?xml version=\"1.0\"?>\n<!DOCTYPE QVR [\n<!ENTITY e0 \"boom\">\n";
    for (int i = 1; i <= 9; ++i)
        exponential += "<!ENTITY e" + QByteArray::number(i) + " \"" + ("&e" + QByteArray::number(i - 1) + ";").repeated(10)
                       + "\">\n";
    exponential += "]>\n<QVR><value name=\"&e9;\"/></QVR>\n";
    const QByteArray quadratic = "<!DOCTYPE QVR [<!ENTITY a \"" + QByteArray(4096, 'a') + "\">]>\n<QVR><value name=\""
                                 + QByteArray("&a;").repeated(50000) + "\"/></QVR>\n";
    const QByteArray oversized = "<QVR><value name=\"" + QByteArray(64 << 20, 'x') + "\"/></QVR>\n";

    QTemporaryDir dir;
    const struct { const char *name; QByteArray bytes; } files[] = {
        {"nesting 30000 deep", deep},
        {"exponential entities (10^9)", exponential},
        {"quadratic entities (50000 x 4 KB)", quadratic},
        {"oversized (64 MB attribute)", oversized},
    };
    out << "refusals (load() in a fresh process, median of 3; peak memory growth):\n";
    Refusals worst;
    for (const auto &file : files) {
        const QString path = writeTemp(dir, QStringLiteral("hostile.xml"), sealed(file.bytes));
        Series series;
        double rssMb = 0;
        for (int i = 0; i < 3; ++i) {
            const Sample sample = runFresh(QStringLiteral("load"), path);
            series.add(sample);
            rssMb = std::max(rssMb, sample.rssMb);
        }
        const double ms = BenchReport::summarize(series.wall).median;
        out << QString::asprintf("  %-36s: %8.2f ms  %6.2f MB  %s  (%.2f MB file)\n", file.name, ms, rssMb,
                                 series.result == QLatin1String("failed") ? "refused" : "LOADED",
                                 file.bytes.size() / 1e6);
        worst.worstMs = std::max(worst.worstMs, ms);
        worst.worstMb = std::max(worst.worstMb, rssMb);
    }
    out.flush();
    return worst;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral("1.7.0"));
    const QStringList args = app.arguments();
    if (args.size() == 4 && args.at(1) == QLatin1String("--measure"))
        return measureOnce(args.at(2), args.at(3));
    const int objects = args.size() > 1 && args.at(1).toInt() > 0 ? args.at(1).toInt() : 4000;
    const int samples = args.size() > 2 && args.at(2).toInt() > 0 ? args.at(2).toInt() : 7;
    QTextStream out(stdout);
    BenchReport::printMachine(out);
    const double loadVsDom = benchLoad(out, objects, samples);
    benchCrc(out, samples);
    const Refusals refusals = benchRefusals(out);
    out << "load average at the end: " << BenchReport::loadAverage() << "\n";
    out << "(load_vs_dom: medians of the measuring process's CPU time)\n";
    BenchReport::printFigure(out, "load_vs_dom", loadVsDom);
    BenchReport::printFigure(out, "refusal_worst_ms", refusals.worstMs);
    BenchReport::printFigure(out, "refusal_worst_mb", refusals.worstMb);
    return 0;
}

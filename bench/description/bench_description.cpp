// Loading a large parameter description against a bare DOM parse of the same
// bytes, and the CRC-16 against a single-table CRC, measured in one run.
//
//   bench_description [objects]     (default 4000 objects, about 10 MB)

#include "description/cparameterdescription.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

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

struct Timing
{
    double wallMs;
    double cpuMs; // CPU time of this thread: what the code costs on a busy machine
};

// Best (shortest) wall and CPU times in ms of runs calls of work: the figures
// least disturbed by other load on the machine.
Timing best(int runs, const std::function<void()> &work)
{
    Timing result{1e300, 1e300};
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        const double cpuStart = threadCpuMs();
        timer.start();
        work();
        result.wallMs = std::min(result.wallMs, timer.nsecsElapsed() / 1e6);
        result.cpuMs = std::min(result.cpuMs, threadCpuMs() - cpuStart);
    }
    return result;
}

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

void benchLoad(int objects)
{
    const QByteArray body = generatedDescription(objects);
    const QByteArray file = sealDocument(body);
    QTemporaryDir dir;
    const QString path = writeTemp(dir, QStringLiteral("bench.xml"), file);

    CParameterDescription description;
    QDomDocument domDocument;
    const int runs = 7;
    const Timing dom = best(runs, [&] { domDocument.setContent(body); });
    const Timing load = best(runs, [&] { description.load(path); });

    // Same results as the DOM sees: every object and every parameter.
    const bool same = description.objects().size() == objects && countParameters(description) == objects * 12
                      && countElements(domDocument.documentElement(), QStringLiteral("value")) == 1 + objects * 16;
    std::printf("description: %.1f MB, %d objects, %d parameters (results %s)\n", body.size() / 1e6, objects,
                countParameters(description), same ? "match the DOM" : "DIFFER");
    std::printf("                                           wall ms    cpu ms\n");
    std::printf("  QDomDocument::setContent (bare parse) : %8.1f  %8.1f\n", dom.wallMs, dom.cpuMs);
    std::printf("  CParameterDescription::load           : %8.1f  %8.1f  (file read, checks, CRC, records)\n",
                load.wallMs, load.cpuMs);
    std::printf("  ratio load / bare DOM parse           : %8.2f  %8.2f  (target <= 1.20)\n", load.wallMs / dom.wallMs,
                load.cpuMs / dom.cpuMs);
}

void benchCrc()
{
    QByteArray buffer(64 * 1024 * 1024, Qt::Uninitialized);
    for (int i = 0; i < buffer.size(); ++i)
        buffer[i] = char(i * 131 + (i >> 9));
    volatile quint16 sink = 0;
    const Timing sliced = best(5, [&] { sink = crc16(buffer); });
    const Timing table = best(5, [&] { sink = singleTableCrc(buffer); });
    if (crc16(buffer) != singleTableCrc(buffer))
        std::printf("  CRC MISMATCH\n");
    const double gb = buffer.size() / 1e9;
    std::printf("crc16 over %d MB:                          wall GB/s  cpu GB/s\n", int(buffer.size() >> 20));
    std::printf("  crc16 (4 lanes of slicing-by-8)       : %8.2f  %8.2f\n", gb / (sliced.wallMs / 1e3),
                gb / (sliced.cpuMs / 1e3));
    std::printf("  single table (baseline)               : %8.2f  %8.2f\n", gb / (table.wallMs / 1e3),
                gb / (table.cpuMs / 1e3));
    std::printf("  speed-up                              : %8.2f  %8.2f  (target >= 2 GB/s)\n",
                table.wallMs / sliced.wallMs, table.cpuMs / sliced.cpuMs);
}

// load() of hostile files, each sealed with a valid trailer so that only the
// safety checks stand between them and the reader.
void benchRefusals()
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
    std::printf("refusals (load() returns false):\n");
    for (const auto &file : files) {
        const QString path = writeTemp(dir, QStringLiteral("hostile.xml"), sealed(file.bytes));
        CParameterDescription description;
        bool loaded = false;
        const Timing timing = best(5, [&] { loaded = description.load(path); });
        std::printf("  %-36s: %8.2f ms  %s  (%.2f MB file)\n", file.name, timing.wallMs,
                    loaded ? "LOADED" : "refused", file.bytes.size() / 1e6);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral("1.7.0"));
    const int objects = argc > 1 ? QByteArray(argv[1]).toInt() : 4000;
    benchLoad(objects > 0 ? objects : 4000);
    benchCrc();
    benchRefusals();
    return 0;
}

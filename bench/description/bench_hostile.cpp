// Hostile description files up to the size cap: the time and peak memory of
// CParameterDescription::load() for each shape, against a bare
// QXmlStreamReader pass over an ordinary description of the same size in the
// same run. Each load runs in a child process of its own, so its peak memory
// is its own.
//
//   bench_hostile [MB]      (default 60 MB per file)

#include "benchreport.h"
#include "description/cparameterdescription.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QXmlStreamReader>

#include <cstdio>
#include <functional>

namespace {

const QByteArray Header = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<QVR>\n<group name=\"QVR_PROJECT\"><value "
                          "QVR_PROJECT_NAME=\"Bench\" QVR_PROJECT_ORDER_NUMBER=\"1\" "
                          "QVR_PROJECT_TABLE_VERSION=\"500\"/></group>\n";
const QByteArray Footer = "</QVR>\n";
const QByteArray ListObject = "<group name=\"QVR_OBJECT\"><value QVR_OBJECT_NAME=\"L\"/><group name=\"QVR_TYPE_LIST\">";

// Header, then piece(i) for i = 0, 1, ... until size bytes, then footer.
QByteArray filled(qint64 size, const std::function<QByteArray(int)> &piece, const QByteArray &before = {},
                  const QByteArray &after = {})
{
    QByteArray bytes = Header + before;
    bytes.reserve(int(size + 4096));
    for (int i = 0; bytes.size() < size; ++i)
        bytes += piece(i);
    return bytes + after + Footer;
}

// An ordinary description: objects of lines of parameter values.
QByteArray ordinaryObject(int o)
{
    QByteArray object = "<group name=\"QVR_OBJECT\"><value QVR_OBJECT_NAME=\"O" + QByteArray::number(o)
                        + "\"/><group name=\"QVR_LINE\"><group name=\"Zeile\" Text=\"Zeile\">\n";
    for (int v = 0; v < 6; ++v)
        object += "  <value name=\"P" + QByteArray::number(o * 6 + v) + "\" Datatype=\"float\" Text=\"Messwert\" "
                  "Divider=\"10\" Min=\"0\" Max=\"1000\" Default=\"5\" Unit=\"mbar\" Access=\"RW\"/>\n";
    return object + "</group></group></group>\n";
}

QByteArray sealed(const QByteArray &body)
{
    const quint16 crc = crc16(body);
    return body + char(crc >> 8) + char(crc & 0xFF);
}

qint64 statusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

// Child: loads (or, bare, only tokenises) the file; prints ms, the peak
// memory it added in KB, and the outcome.
int child(const QString &mode, const QString &path)
{
    const qint64 before = statusKb("VmRSS:");
    QElapsedTimer clock;
    clock.start();
    QString outcome;
    if (mode == QLatin1String("--bare")) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        QXmlStreamReader reader(bytes.left(bytes.size() - 2));
        int tokens = 0;
        while (!reader.atEnd()) {
            reader.readNext();
            ++tokens;
        }
        outcome = reader.hasError() ? reader.errorString() : QStringLiteral("%1 tokens").arg(tokens);
    } else {
        CParameterDescription description;
        outcome = description.load(path) ? QStringLiteral("loaded, %1 objects").arg(description.objects().size())
                                         : QStringLiteral("refused: ") + description.errorString();
    }
    const qint64 ms = clock.elapsed();
    std::printf("%lld %lld %s\n", ms, statusKb("VmHWM:") - before, qPrintable(outcome));
    return 0;
}

struct Run
{
    double ms = 0;
    double mb = 0; // peak memory added
    QString outcome;
};

Run runChild(const QString &mode, const QString &path)
{
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(), {mode, path});
    process.waitForFinished(-1);
    const QString line = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    Run run;
    run.ms = line.section(' ', 0, 0).toDouble();
    run.mb = line.section(' ', 1, 1).toDouble() / 1024.0;
    run.outcome = line.section(' ', 2);
    return run;
}

void bench(qint64 size)
{
    QByteArray attributes;
    for (int i = 0; i < 70; ++i)
        attributes += " a" + QByteArray::number(i) + "=\"" + QByteArray::number(i) + "\"";
    const struct
    {
        const char *name;
        std::function<QByteArray()> make;
    } shapes[] = {
        {"ordinary description", [&] { return filled(size, ordinaryObject); }},
        {"one element, all attributes",
         [&] { return filled(size, [](int i) { return " a" + QByteArray::number(i) + "=\"\""; }, "<value", "/>"); }},
        {"elements of 70 attributes", [&] { return filled(size, [&](int) { return "<value" + attributes + "/>\n"; }); }},
        {"list sets of 60 attributes",
         [&] {
             return filled(size, [&](int) { return "<value" + attributes.left(attributes.indexOf(" a60")) + "/>\n"; },
                           ListObject, "</group></group>");
         }},
        {"... with distinct values",
         [&] {
             return filled(size, [&](int i) {
                 QByteArray value = "<value";
                 for (int a = 0; a < 60; ++a)
                     value += " a" + QByteArray::number(a) + "=\"" + QByteArray::number(i * 60 + a, 36) + "\"";
                 return value + "/>\n";
             }, ListObject, "</group></group>");
         }},
        {"empty elements", [&] { return filled(size, [](int) { return QByteArray("<value/>"); }); }},
        {"one attribute value", [&] { return filled(size, [](int) { return QByteArray(4096, 'x'); }, "<value name=\"", "\"/>"); }},
        {"one text", [&] { return filled(size, [](int) { return QByteArray(4096, 'x'); }, "<value>", "</value>"); }},
        {"one comment", [&] { return filled(size, [](int) { return QByteArray(4096, 'x'); }, "<!--", "-->"); }},
        {"nesting", [&] { return filled(size / 2, [](int) { return QByteArray("<group>"); }); }},
        {"values of 64 KB", [&] { return filled(size, [](int) { return "<value a=\"" + QByteArray(65000, 'x') + "\"/>\n"; }); }},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("file.xml"));
    std::printf("load() of sealed files of %.0f MB, each in a child process (interleaved with a bare\n"
                "QXmlStreamReader pass over the ordinary description of the same size):\n\n",
                size / 1e6);
    std::printf("%-30s %8s %8s %9s %9s  %s\n", "shape", "MB", "ms", "ms/MB", "peak/size", "outcome");
    const QString ordinary = dir.filePath(QStringLiteral("ordinary.xml"));
    {
        QFile file(ordinary);
        file.open(QIODevice::WriteOnly);
        file.write(sealed(shapes[0].make()));
    }
    double bareMs = 0;
    int bareRuns = 0;
    for (const auto &shape : shapes) {
        const QByteArray bytes = sealed(shape.make());
        {
            QFile file(path);
            file.open(QIODevice::WriteOnly);
            file.write(bytes);
        }
        const Run bare = runChild(QStringLiteral("--bare"), ordinary);
        bareMs += bare.ms;
        ++bareRuns;
        const Run run = runChild(QStringLiteral("--load"), path);
        const double mb = bytes.size() / 1e6;
        std::printf("%-30s %8.1f %8.0f %9.1f %8.1fx  %s\n", shape.name, mb, run.ms, run.ms / mb,
                    run.mb * 1.048576 / mb, qPrintable(run.outcome.left(90)));
    }
    const double mb = QFile(ordinary).size() / 1e6;
    std::printf("\nbare QXmlStreamReader pass, ordinary description: %.1f ms/MB (mean of %d runs)\n",
                bareMs / bareRuns / mb, bareRuns);
    std::printf("targets: < 100 ms/MB, peak memory < 10x the file size\n");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral("1.7.0"));
    if (argc == 3)
        return child(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 60;
    QTextStream out(stdout);
    BenchReport::printMachine(out);
    bench(qBound<qint64>(1, megabytes, 64) * 1000 * 1000);
    return 0;
}

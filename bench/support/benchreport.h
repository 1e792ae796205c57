#ifndef BENCHREPORT_H
#define BENCHREPORT_H

// What every benchmark prints besides its own figures: the machine it ran on,
// how busy that machine was, and min and median of repeated samples.

#include <QFile>
#include <QString>
#include <QTextStream>
#include <QThread>
#include <QVector>

#include <algorithm>

namespace BenchReport {

// The processor's model name as the kernel reports it, or "unknown".
inline QString cpuModel()
{
    QFile file(QStringLiteral("/proc/cpuinfo"));
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        for (const QByteArray &line : file.readAll().split('\n')) {
            if (line.startsWith("model name")) {
                const int colon = line.indexOf(':');
                return QString::fromUtf8(line.mid(colon + 1)).trimmed();
            }
        }
    }
    return QStringLiteral("unknown");
}

// The 1, 5 and 15 minute load averages, or an empty string.
inline QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    return QString::fromLatin1(file.readAll()).section(QLatin1Char(' '), 0, 2);
}

// Prints the CPU model, the number of cores and the load.
inline void printMachine(QTextStream &out)
{
    out << "cpu: " << cpuModel() << " (" << QThread::idealThreadCount() << " cores)\n";
    out << "load average: " << loadAverage() << "\n";
    out.flush();
}

struct Summary
{
    double min = 0;
    double median = 0;
};

// Min and median of samples; zeros for no samples.
inline Summary summarize(QVector<double> samples)
{
    Summary s;
    if (samples.isEmpty())
        return s;
    std::sort(samples.begin(), samples.end());
    s.min = samples.first();
    const int n = samples.size();
    s.median = n % 2 ? samples.at(n / 2) : (samples.at(n / 2 - 1) + samples.at(n / 2)) / 2;
    return s;
}

// The closing line a goal is read from: "figure NAME VALUE".
inline void printFigure(QTextStream &out, const char *name, double value, int decimals = 2)
{
    out << "figure " << name << " " << QString::number(value, 'f', decimals) << "\n";
    out.flush();
}

} // namespace BenchReport

#endif // BENCHREPORT_H

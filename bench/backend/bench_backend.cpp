// Cost per event of the PV 8120 backend on the device's item tree and on the
// same tree padded with unrelated items up to 100,000 items, against a
// baseline backend that looks items up by collecting all regular-expression
// matches. Backend and baseline samples alternate, so both see the same
// machine load.
#include "backend/cpv8120backend.h"
#include "benchreport.h"
#include "ctesthosttree.h"
#include "ctestmodbusmaster.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QLibrary>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

typedef QObject *(*BackendFactory)(QObject *parent);

struct Setup
{
    std::unique_ptr<CTestHostTree> tree;
    QObject *backend = nullptr;
    QHash<QString, CItem *> items; // resolved once, so the events time only the backend

    CItem *item(const char *name)
    {
        const QString key = QString::fromLatin1(name);
        auto it = items.find(key);
        if (it == items.end())
            it = items.insert(key, tree->item(key));
        return it.value();
    }
    void select(const char *name, const char *text) { CTestHostTree::selectText(item(name), QString::fromLatin1(text)); }
};

struct Event
{
    const char *name;
    bool lookups; // whether the backend looks items up to handle it
    std::function<void(Setup &)> prepare; // untimed, run once before the event
    std::function<void(Setup &, int)> run;  // one event; iteration parity alternates the direction
};

const QByteArray statusResponse = QByteArray::fromHex("7000" "7e306db3" "0050" "4f677e30" "0050" "00000000000000000000");

QList<Event> events()
{
    const auto resolve = [](Setup &s) {
        for (const char *name : {"Kennlinie", "Einheit", "MessbereichMax", "AnzahlStuetzstellen"})
            s.item(name);
    };
    return {
        {"characteristic change", true, resolve,
         [](Setup &s, int i) { s.select("Kennlinie", i % 2 ? "linear" : "Tabelle"); }},
        {"unit edit", true, resolve,
         [](Setup &s, int i) {
             s.select("Einheit", i % 2 ? "mbar" : "Pa");
             emit s.item("Einheit")->valueEdited();
         }},
        {"measuring-range change", true, resolve,
         [](Setup &s, int i) { s.item("MessbereichMax")->setValue(i % 2 ? 25 : 30); }},
        {"point-count change", true, [resolve](Setup &s) { resolve(s); s.select("Kennlinie", "Tabelle"); },
         [](Setup &s, int i) { s.item("AnzahlStuetzstellen")->setValue(i % 2 ? 4 : 5); }},
        {"status response + 2 ticks", false, nullptr,
         [](Setup &s, int) {
             s.tree->master()->respond(statusResponse);
             QMetaObject::invokeMethod(s.backend, "setDisplay");
             QMetaObject::invokeMethod(s.backend, "setDisplay");
         }},
    };
}

// Mean nanoseconds per event over at least budgetNs; an even number of runs
// leaves the tree as it was.
double measure(Setup &setup, const Event &event, qint64 budgetNs)
{
    event.run(setup, 0);
    event.run(setup, 1);
    QElapsedTimer timer;
    int runs = 0;
    timer.start();
    do {
        event.run(setup, runs++);
    } while (timer.nsecsElapsed() < budgetNs || runs % 2);
    return double(timer.nsecsElapsed()) / runs;
}

// Whether every item below both roots has the same value, range, flags and unit.
bool sameState(const Setup &a, const Setup &b)
{
    const QList<CItem *> left = a.tree->root()->findChildren<CItem *>();
    const QList<CItem *> right = b.tree->root()->findChildren<CItem *>();
    if (left.size() != right.size())
        return false;
    for (int i = 0; i < left.size(); ++i) {
        const CItem *x = left.at(i);
        const CItem *y = right.at(i);
        if (x->objectName() != y->objectName() || x->value() != y->value() || x->minimum() != y->minimum()
            || x->maximum() != y->maximum() || x->isVisible() != y->isVisible()
            || x->isReadOnly() != y->isReadOnly() || x->unit() != y->unit())
            return false;
    }
    return true;
}

QString us(double ns)
{
    return QString::number(ns / 1000, 'f', ns < 10000 ? 2 : 1);
}

struct Options
{
    qint64 budgetNs = 30 * 1000000;
    int rounds = 7;
    int baselineLimit = 10000; // the baseline takes seconds per event beyond this
};

Options parseOptions(const QStringList &args)
{
    Options o;
    if (args.size() > 1)
        o.budgetNs = args.at(1).toLongLong() * 1000000;
    if (args.size() > 2)
        o.rounds = std::max(1, args.at(2).toInt());
    if (args.size() > 3)
        o.baselineLimit = args.at(3).toInt();
    return o;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QLibrary baselineModule(QStringLiteral(BASELINE_MODULE));
    auto createBaseline = reinterpret_cast<BackendFactory>(baselineModule.resolve("createBaselineBackend"));
    if (!createBaseline) {
        std::fprintf(stderr, "cannot load the baseline: %s\n", qPrintable(baselineModule.errorString()));
        return 1;
    }
    const Options options = parseOptions(app.arguments());
    const int deviceItems = CTestHostTree().itemCount();
    QTextStream out(stdout);
    BenchReport::printMachine(out);
    out << "usage: bench_backend [ms per sample] [samples] [baseline up to items]; here " << options.budgetNs / 1000000 << " ms, "
        << options.rounds << " samples per cell, backend and baseline alternating\n\n";
    out << "items | event | backend us/event min / median | baseline us/event min / median | baseline/backend (medians)\n";
    out << "---|---|---|---|---\n";
    const QList<int> sizes = {deviceItems, 1000, 10000, 100000};
    QHash<QString, QHash<int, double>> medians; // event -> items -> backend median
    double speedup10k = 0;
    for (int items : sizes) {
        Setup fast;
        fast.tree = std::make_unique<CTestHostTree>(items - deviceItems);
        auto *backend = new CPV8120Backend(fast.tree->root());
        backend->bindItems();
        fast.backend = backend;
        Setup naive;
        const bool withBaseline = items <= options.baselineLimit;
        if (withBaseline) {
            naive.tree = std::make_unique<CTestHostTree>(items - deviceItems);
            naive.backend = createBaseline(naive.tree->root());
        }
        for (const Event &event : events()) {
            if (event.prepare) {
                event.prepare(fast);
                if (withBaseline)
                    event.prepare(naive);
            }
            QVector<double> fastNs, naiveNs;
            for (int round = 0; round < options.rounds; ++round) {
                fastNs << measure(fast, event, options.budgetNs);
                if (withBaseline)
                    naiveNs << measure(naive, event, options.budgetNs);
            }
            const BenchReport::Summary f = BenchReport::summarize(fastNs);
            medians[QString::fromLatin1(event.name)][items] = f.median;
            out << fast.tree->itemCount() << " | " << event.name << " | " << us(f.min) << " / " << us(f.median);
            if (withBaseline) {
                const BenchReport::Summary n = BenchReport::summarize(naiveNs);
                out << " | " << us(n.min) << " / " << us(n.median) << " | "
                    << QString::number(n.median / f.median, 'f', 1) << "\n";
                if (items == 10000 && event.lookups)
                    speedup10k = speedup10k == 0 ? n.median / f.median : std::min(speedup10k, n.median / f.median);
            } else {
                out << " | (not run) | \n";
            }
            out.flush();
        }
        if (withBaseline) {
            out << "(" << fast.tree->itemCount() << " items: both backends leave the same item state: "
                << (sameState(fast, naive) ? "yes" : "NO") << ")\n";
        }
    }

    out << "\ngrowth of the backend's median cost (10x the items each step):\n";
    out << "event | 1k -> 10k | 10k -> 100k | 1k -> 100k (100x items)\n---|---|---|---\n";
    double growth1k = 0;
    double growth10k = 0;
    for (const Event &event : events()) {
        const QHash<int, double> &m = medians[QString::fromLatin1(event.name)];
        const double a = m.value(10000) / m.value(1000);
        const double b = m.value(100000) / m.value(10000);
        out << event.name << " | " << QString::number(a, 'f', 1) << "x | " << QString::number(b, 'f', 1) << "x | "
            << QString::number(m.value(100000) / m.value(1000), 'f', 1) << "x\n";
        if (event.lookups) {
            growth1k = std::max(growth1k, a);
            growth10k = std::max(growth10k, b);
        }
    }
    out << "\nload average at the end: " << BenchReport::loadAverage() << "\n";
    out << "(figures: smallest speedup and largest growth over the events that look items up)\n";
    BenchReport::printFigure(out, "lookup_speedup_10k", speedup10k, 0);
    BenchReport::printFigure(out, "lookup_growth_1k_10k", growth1k, 1);
    BenchReport::printFigure(out, "lookup_growth_10k_100k", growth10k, 1);
    return 0;
}

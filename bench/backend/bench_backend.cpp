// Cost per event of the PV 8120 backend on the device's item tree and on the
// same tree padded with unrelated items, against a baseline backend that
// looks items up by collecting all regular-expression matches.
#include "backend/cpv8120backend.h"
#include "ctesthosttree.h"
#include "ctestmodbusmaster.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLibrary>
#include <QTextStream>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

typedef QObject *(*BackendFactory)(QObject *parent);

struct Setup
{
    std::unique_ptr<CTestHostTree> tree;
    QObject *backend = nullptr;

    void select(const char *name, const char *text) const
    {
        CTestHostTree::selectText(tree->item(QString::fromLatin1(name)), QString::fromLatin1(text));
    }
};

struct Event
{
    const char *name;
    std::function<void(Setup &)> prepare; // untimed, run once before the event
    std::function<void(Setup &, int)> run;  // one event; iteration parity alternates the direction
};

const QByteArray statusResponse = QByteArray::fromHex("7000" "7e306db3" "0050" "4f677e30" "0050" "00000000000000000000");

QList<Event> events()
{
    return {
        {"characteristic change", nullptr,
         [](Setup &s, int i) { s.select("Kennlinie", i % 2 ? "linear" : "Tabelle"); }},
        {"unit edit", nullptr,
         [](Setup &s, int i) {
             s.select("Einheit", i % 2 ? "mbar" : "Pa");
             emit s.tree->item("Einheit")->valueEdited();
         }},
        {"measuring-range change", nullptr,
         [](Setup &s, int i) { s.tree->item("MessbereichMax")->setValue(i % 2 ? 25 : 30); }},
        {"point-count change", [](Setup &s) { s.select("Kennlinie", "Tabelle"); },
         [](Setup &s, int i) { s.tree->item("AnzahlStuetzstellen")->setValue(i % 2 ? 4 : 5); }},
        {"status response + 2 ticks", nullptr,
         [](Setup &s, int) {
             s.tree->master()->respond(statusResponse);
             QMetaObject::invokeMethod(s.backend, "setDisplay");
             QMetaObject::invokeMethod(s.backend, "setDisplay");
         }},
    };
}

// Mean nanoseconds per event; an even number of runs leaves the tree as it was.
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
    const qint64 budgetNs = (argc > 1 ? QByteArray(argv[1]).toLongLong() : 300) * 1000000;
    const int deviceItems = CTestHostTree().itemCount();
    QTextStream out(stdout);
    out << "items | event | backend us/event | baseline us/event | baseline/backend\n";
    out << "---|---|---|---|---\n";
    QMap<QString, QList<double>> costs;
    for (int items : {deviceItems, 1000, 10000}) {
        Setup fast{std::make_unique<CTestHostTree>(items - deviceItems)};
        auto *backend = new CPV8120Backend(fast.tree->root());
        backend->bindItems();
        fast.backend = backend;
        Setup naive{std::make_unique<CTestHostTree>(items - deviceItems)};
        naive.backend = createBaseline(naive.tree->root());
        for (const Event &event : events()) {
            if (event.prepare) {
                event.prepare(fast);
                event.prepare(naive);
            }
            const double fastNs = measure(fast, event, budgetNs);
            const double naiveNs = measure(naive, event, budgetNs);
            costs[QString::fromLatin1(event.name)] << fastNs;
            out << fast.tree->itemCount() << " | " << event.name << " | " << QString::number(fastNs / 1000, 'f', 1)
                << " | " << QString::number(naiveNs / 1000, 'f', 1) << " | "
                << QString::number(naiveNs / fastNs, 'f', 1) << "\n";
            out.flush();
        }
        out << "(" << fast.tree->itemCount() << " items: both backends leave the same item state: "
            << (sameState(fast, naive) ? "yes" : "NO") << ")\n";
    }
    out << "\ngrowth of the backend's cost from 1000 to 10000 items (10x the items):\n";
    for (auto it = costs.cbegin(); it != costs.cend(); ++it)
        out << "  " << it.key() << ": " << QString::number(it.value().at(2) / it.value().at(1), 'f', 1) << "x\n";
    return 0;
}

// The host's parameter-set loader on arbitrary files: every value it reads
// converted for a parameter of each data type of the device's description,
// and each set that loads checked against the device's items as opening a
// set does.
#include "cdevicesession.h"
#include "cparameterset.h"
#include "cparametertransfer.h"
#include "csetrestore.h"
#include "items/citem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>

#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

QList<CItem *> items;
QString path;
CDeviceSession *session = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The description in the source tree is not sealed.
    static int argc = 2;
    static char name[] = "fuzz_parameterset";
    static char noCheck[] = "--no-xml-check";
    static char *argv[] = {name, noCheck, nullptr};
    static QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral("1.7.0"));
    session = new CDeviceSession;
    check(session->loadDescription(QStringLiteral(LOOMWORK_SOURCE_DIR "/data/pv8120.xml")));
    // One parameter of each data type: the conversion depends on the type.
    QSet<int> types;
    for (CItem *item : CParameterSet::parameterItems(session->root())) {
        if (!types.contains(item->type()))
            items.append(item);
        types.insert(item->type());
    }
    check(!items.isEmpty());
    const QDir memory(QStringLiteral("/dev/shm"));
    path = (memory.exists() ? memory : QDir::temp())
               .filePath(QStringLiteral("fuzz_parameterset_%1.json").arg(QCoreApplication::applicationPid()));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    {
        QFile file(path);
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        check(file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size));
    }
    CParameterSet set;
    QString error;
    const bool loaded = set.load(path, &error);
    check(loaded == error.isEmpty());
    if (!loaded)
        return 0;
    for (const auto &entry : qAsConst(set.values)) {
        for (const CItem *item : qAsConst(items)) {
            QVariant value;
            QString reason;
            const bool converted = CParameterSet::convertForItem(item, entry.second, &value, &reason);
            check(converted == reason.isEmpty());
            if (converted)
                item->valueText(value);
        }
    }
    // Checking applies the set and puts the items back as they were (for
    // small sets: applying touches every parameter, which keeps the
    // executions per second low).
    if (set.values.size() > 8)
        return 0;
    const CParameterSet before = CParameterSet::fromItems(session->root());
    CSetRestore(session->root(), session->parameters(), QStringLiteral("8120")).check(set);
    const CParameterSet after = CParameterSet::fromItems(session->root());
    check(before.values == after.values);
    return 0;
}

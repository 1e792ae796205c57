// The command-line client's value parser on arbitrary text, for every
// parameter of the device's description. The first input byte chooses the
// parameter; the rest is the text a user typed (UTF-8).
#include "citeminput.h"
#include "description/citembuilder.h"
#include "description/cparameterdescription.h"
#include "items/citem.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

QList<CItem *> items;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The description in the source tree is not sealed.
    static int argc = 2;
    static char name[] = "fuzz_iteminput";
    static char noCheck[] = "--no-xml-check";
    static char *argv[] = {name, noCheck, nullptr};
    static QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral("1.7.0"));
    static CParameterDescription description;
    check(description.load(QStringLiteral(LOOMWORK_SOURCE_DIR "/data/pv8120.xml")));
    static QObject root;
    CItemBuilder(description).build(&root);
    items = root.findChildren<CItem *>();
    check(!items.isEmpty());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const CItem &item = *items.at(data[0] % items.size());
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), int(size - 1));
    QVariant value;
    QString error;
    const bool accepted = CItemInput::parse(item, text, &value, &error);
    check(accepted == error.isEmpty());
    check(!accepted || value.isValid());
    // An accepted number is finite and inside the parameter's range.
    if (accepted && value.type() != QVariant::String && item.type() != CItem::DATA_TYPE_BOOL) {
        const double number = value.toDouble();
        check(std::isfinite(number));
        const double stored = item.type() == CItem::DATA_TYPE_LIST16 || item.type() == CItem::DATA_TYPE_LIST32
            ? -1 : number;
        check(!(item.minimum() < item.maximum()) || stored == -1
              || (stored >= item.minimum() - 0.5 && stored <= item.maximum() + 0.5));
    }
    return 0;
}

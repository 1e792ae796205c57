// loomwork-demo: builds a few parameter items the way a host does, edits them
// and prints their display texts and device encodings.
#include "items/citem.h"
#include "items/cglobals.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTextStream>

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

void show(const CItem &item)
{
    const QString text = QStringLiteral("%1 %2").arg(item.valueText(), item.unit()).trimmed();
    out() << QStringLiteral("  %1 = %2  [%3]\n")
                 .arg(item.objectName(), -20)
                 .arg(text, QString::fromLatin1(item.toByteArray().toHex(' ')));
}

CItem *makeItem(QObject *parent, const QString &name, const QHash<QString, QString> &attributes)
{
    auto *item = new CItem(parent);
    item->setObjectName(name);
    item->setAttributes(attributes);
    return item;
}

void editUnitList(QObject *root)
{
    CItem *unit = makeItem(root, QStringLiteral("Einheit"), {{"Datatype", "list16_t"}});
    unit->setTextList(QStringLiteral("mbar,bar,Pa,kPa,psi"));
    QObject::connect(unit, &CItem::valueChanged, root, [](const QVariant &text) {
        out() << "  (valueChanged: " << text.toString() << ")\n";
    });
    out() << "Unit list:\n";
    show(*unit);
    unit->setValue(3);
    show(*unit);
    unit->setValue(9); // outside the list: ignored
    show(*unit);
}

void editNumbers(QObject *root)
{
    CItem *pressure = makeItem(root, QStringLiteral("MessbereichEnde"),
                               {{"Datatype", "int16_t"}, {"Divider", "10"}, {"Unit", "mbar"}, {"Default", "2500"}});
    out() << "Int16 with factor 10:\n";
    show(*pressure);
    pressure->setValue(-125);
    show(*pressure);
    pressure->setByteArray(QByteArray::fromHex("04d2"));
    show(*pressure);
}

void editBitSet(QObject *root)
{
    CItem *status = makeItem(root, QStringLiteral("Status"), {{"Datatype", "bit16_t"}});
    BitfieldDescription fields;
    fields.insert(0, {QStringLiteral("Mode"), 2, true, QStringLiteral("Mode"), QStringLiteral("off,low,high,auto")});
    fields.insert(4, {QStringLiteral("Level"), 4, true, QStringLiteral("Level"), QString()});
    status->setBitfieldEntries(fields);
    out() << "Bit16 with two fields:\n";
    status->setValue(0x00F3);
    show(*status);
    for (const CItem *field : status->findChildren<CItem *>()) {
        out() << "    " << field->objectName() << " = " << field->valueText(field->value(), false);
        if (field->textList().size() > 1)
            out() << " (" << field->valueText() << ")";
        out() << "\n";
    }
    status->findChild<CItem *>(QStringLiteral("Status_Mode"))->setValue(1);
    show(*status);
}

void editTexts(QObject *root)
{
    CItem *text = makeItem(root, QStringLiteral("Messstelle"), {{"Datatype", "text16_t"}});
    CItem *when = makeItem(root, QStringLiteral("Zeitstempel"), {{"Datatype", "datetime"}});
    out() << "Text16 and datetime:\n";
    text->setValue(QStringLiteral("Tank 7"));
    show(*text);
    when->setValue(QDateTime(QDate(2026, 12, 5), QTime(14, 30, 15)));
    show(*when);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    out() << CGlobals::deviceTitle(QStringLiteral("PV 8120"), QStringLiteral("8120"), QStringLiteral("1.00"))
          << "\n\n";
    QObject root;
    editUnitList(&root);
    editNumbers(&root);
    editBitSet(&root);
    editTexts(&root);
    out().flush();
    return 0;
}

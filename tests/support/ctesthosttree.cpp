#include "ctesthosttree.h"

#include "ctestmodbusmaster.h"
#include "ctestparameter.h"

namespace {

constexpr int deviceGroups = 5;

// A group or container; the list and number items start as one too.
CItem *addGroup(QObject *parent, const QString &name, CItem::ENUM_DATA_TYPES type)
{
    auto *item = new CItem(parent);
    item->setObjectName(name);
    item->setType(type);
    item->setCaption(name);
    return item;
}

CItem *addList(QObject *parent, const QString &name, const QString &texts, int index)
{
    CItem *item = addGroup(parent, name, CItem::DATA_TYPE_LIST16);
    item->setTextList(texts);
    item->setRange(0, texts.count(QLatin1Char(',')));
    item->setValue(index);
    return item;
}

CItem *addNumber(QObject *parent, const QString &name, CItem::ENUM_DATA_TYPES type, double factor, double min,
                 double max, double value)
{
    CItem *item = addGroup(parent, name, type);
    item->setDecimalFactor(factor);
    item->setPrecision(factor > 1 ? 1 : 0);
    // Ranges and values are stored in device units: displayed number times factor.
    item->setRange(min * factor, max * factor);
    item->setValue(type == CItem::DATA_TYPE_FLOAT ? QVariant(value) : QVariant(int(value * factor)));
    return item;
}

} // namespace

CTestHostTree::CTestHostTree(int padding) : m_root(new QObject)
{
    m_root->setObjectName(QStringLiteral("Device"));
    const int before = padding / 2;
    const int perGroup = (padding - before) / (deviceGroups + 1);
    addPadding(addGroup(m_root.get(), QStringLiteral("Extras"), CItem::DATA_TYPE_OBJECT), before);
    buildDevice(addGroup(m_root.get(), QStringLiteral("Device_PV8120"), CItem::DATA_TYPE_OBJECT), perGroup);
    addPadding(addGroup(m_root.get(), QStringLiteral("Service"), CItem::DATA_TYPE_OBJECT),
               padding - m_padded);
    m_parameter = new CTestParameter(m_root.get());
    m_master = new CTestModbusMaster(m_root.get());
}

CTestHostTree::~CTestHostTree() = default;

void CTestHostTree::buildDevice(QObject *device, int paddingPerGroup)
{
    CItem *group = addGroup(device, QStringLiteral("Group_Device"), CItem::DATA_TYPE_GROUP);
    addNumber(group, QStringLiteral("Typ"), CItem::DATA_TYPE_UINT16, 1, 0, 10, 3);
    addList(group, QStringLiteral("Tasten"), QStringLiteral("gesperrt,frei"), 1);
    addNumber(group, QStringLiteral("MessbereichMin"), CItem::DATA_TYPE_INT16, 1, -1000, 1000, 0);
    addNumber(group, QStringLiteral("MessbereichMax"), CItem::DATA_TYPE_INT16, 1, -1000, 1000, 25);
    addPadding(group, paddingPerGroup);

    group = addGroup(device, QStringLiteral("Group_Range"), CItem::DATA_TYPE_GROUP);
    addList(group, QStringLiteral("Einheit"), QStringLiteral("mbar,Pa,kPa,inH2O,psi"), 0);
    addList(group, QStringLiteral("Kennlinie"), QStringLiteral("linear,radiziert,Tabelle"), 0);
    addNumber(group, QStringLiteral("MessbereichAnfang"), CItem::DATA_TYPE_FLOAT, 1, 0, 25, 0);
    addNumber(group, QStringLiteral("MessbereichEnde"), CItem::DATA_TYPE_FLOAT, 1, 0, 25, 25);
    addNumber(group, QStringLiteral("Offset"), CItem::DATA_TYPE_FLOAT, 1, 0, 25, 0);
    addNumber(group, QStringLiteral("AnzeigewertAnfang"), CItem::DATA_TYPE_FLOAT, 1, -9999, 9999, 0);
    addNumber(group, QStringLiteral("AnzeigewertEnde"), CItem::DATA_TYPE_FLOAT, 1, -9999, 9999, 100);
    addPadding(group, paddingPerGroup);

    group = addGroup(device, QStringLiteral("Group_Limits"), CItem::DATA_TYPE_GROUP);
    addNumber(group, QStringLiteral("GrenzwertMaxAlarm"), CItem::DATA_TYPE_FLOAT, 1, 0, 25, 20);
    addNumber(group, QStringLiteral("GrenzwertMaxHysterese"), CItem::DATA_TYPE_FLOAT, 1, 0, 25, 1);
    addNumber(group, QStringLiteral("GrenzwertMinAlarm"), CItem::DATA_TYPE_FLOAT, 1, 0, 25, 5);
    addNumber(group, QStringLiteral("GrenzwertMinHysterese"), CItem::DATA_TYPE_FLOAT, 1, 0, 25, 1);
    addNumber(group, QStringLiteral("Sollwert"), CItem::DATA_TYPE_FLOAT, 1, 0, 25, 10);
    addPadding(group, paddingPerGroup);

    group = addGroup(device, QStringLiteral("Group_Creep"), CItem::DATA_TYPE_GROUP);
    addList(group, QStringLiteral("Schleichmengenfunktion"), QStringLiteral("keine,linear,Sprung"), 0);
    addNumber(group, QStringLiteral("SchleichmengeSchwelle"), CItem::DATA_TYPE_FLOAT, 1, 0, 100, 0);
    addPadding(group, paddingPerGroup);

    group = addGroup(device, QStringLiteral("Group_Points"), CItem::DATA_TYPE_GROUP);
    addNumber(group, QStringLiteral("AnzahlStuetzstellen"), CItem::DATA_TYPE_UINT16, 1, 2, 30, 2);
    for (int i = 1; i <= 30; ++i) {
        CItem *pair = addGroup(group, QStringLiteral("Group_Point%1").arg(i), CItem::DATA_TYPE_GROUP);
        addNumber(pair, QStringLiteral("StuetzpunktEingang_%1").arg(i), CItem::DATA_TYPE_INT32, 10, 0, 250, 0);
        addNumber(pair, QStringLiteral("StuetzpunktAusganginProzent_%1").arg(i), CItem::DATA_TYPE_INT16, 10,
                  0, 1000, 0);
    }
    addPadding(group, paddingPerGroup);
}

void CTestHostTree::addPadding(QObject *parent, int count)
{
    for (int i = 0; i < count; ++i, ++m_padded)
        addNumber(parent, QStringLiteral("Pad_%1").arg(m_padded), CItem::DATA_TYPE_INT16, 1, 0, 100, 0);
}

bool CTestHostTree::selectText(CItem *item, const QString &text)
{
    const int index = item->textList().indexOf(text);
    if (index < 0)
        return false;
    item->setValue(index);
    return true;
}

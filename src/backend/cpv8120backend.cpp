#include "backend/cpv8120backend.h"

#include "backend/cobjectindex.h"
#include "device/pv8120constants.h"
#include "device/pv8120status.h"
#include "device/pv8120units.h"
#include "items/citem.h"

#include <QCoreApplication>
#include <QTimer>

#include <utility>
#include <vector>

namespace {

constexpr int displayInterval = 500;
constexpr int displayTimeout = 5000;
// The six registers R0..R5 the display is decoded from.
constexpr int statusBytes = 12;

QString translated(const char *text)
{
    return QCoreApplication::translate("CItem", text);
}

const QStringList &limitItems()
{
    static const QStringList names = {Pv8120::grenzwertMaxAlarm, Pv8120::grenzwertMaxHysterese,
                                      Pv8120::grenzwertMinAlarm, Pv8120::grenzwertMinHysterese};
    return names;
}

struct ItemBinding
{
    const QString *item;
    const char *signal;
    const char *slot;
};

// Which item signal runs which slot; rows of one item stay together.
const std::vector<ItemBinding> &itemBindings()
{
    static const std::vector<ItemBinding> rows = {
        {&Pv8120::einheit, "2valueChanged(QVariant)", "1setUnits(QVariant)"},
        {&Pv8120::einheit, "2valueEdited()", "1setCurrentValues()"},
        {&Pv8120::typ, "2valueChanged(QVariant)", "1setDeviceType()"},
        {&Pv8120::kennlinie, "2valueChanged(QVariant)", "1setUnits()"},
        {&Pv8120::kennlinie, "2valueChanged(QVariant)", "1setVisibility(QVariant)"},
        {&Pv8120::kennlinie, "2valueChanged(QVariant)", "1setStuetzpunktVisibility(QVariant)"},
        {&Pv8120::kennlinie, "2valueChanged(QVariant)", "1setGrenzwertLimits()"},
        {&Pv8120::kennlinie, "2valueChanged(QVariant)", "1setSchleichLimits()"},
        {&Pv8120::messbereichMin, "2valueChanged(QVariant)", "1messbereichChanged()"},
        {&Pv8120::messbereichMax, "2valueChanged(QVariant)", "1messbereichChanged()"},
        {&Pv8120::anzahlStuetzstellen, "2valueChanged(QVariant)", "1recalcStuetzpunkte()"},
        {&Pv8120::anzahlStuetzstellen, "2visibleChanged(bool)", "1recalcStuetzpunkte()"},
        {&Pv8120::anzeigewertAnfang, "2valueChanged(QVariant)", "1setGrenzwertLimits()"},
        {&Pv8120::anzeigewertAnfang, "2valueChanged(QVariant)", "1setSchleichLimits()"},
        {&Pv8120::anzeigewertEnde, "2valueChanged(QVariant)", "1setGrenzwertLimits()"},
        {&Pv8120::anzeigewertEnde, "2valueChanged(QVariant)", "1setSchleichLimits()"},
        {&Pv8120::messbereichAnfang, "2valueChanged(QVariant)", "1recalcStuetzpunkte()"},
        {&Pv8120::messbereichEnde, "2valueChanged(QVariant)", "1recalcStuetzpunkte()"},
        {&Pv8120::schleichmengenfunktion, "2valueChanged(QVariant)", "1setSchleichVisibility()"},
        {&Pv8120::schleichmengenfunktion, "2visibleChanged(bool)", "1setSchleichVisibility()"},
    };
    return rows;
}

// Sorts two bounds so that the smaller one comes first.
void order(double &min, double &max)
{
    if (min > max)
        std::swap(min, max);
}

// Big-endian word number index of data; a word not fully present reads as 0.
quint16 responseWord(const QByteArray &data, int index)
{
    const int high = 2 * index;
    if (high + 1 >= data.size())
        return 0;
    return quint16((quint8(data.at(high)) << 8) | quint8(data.at(high + 1)));
}

} // namespace

CPV8120Backend::CPV8120Backend(QObject *parent)
    : QObject(parent),
      displayTimer(new QTimer(this)),
      displayTimeoutTimer(new QTimer(this)),
      currentFactor(1.0),
      displayPhase(false),
      objectIndex(new CObjectIndex)
{
    setObjectName(QStringLiteral("%1_Backend").arg(Pv8120::deviceName));
    connect(displayTimer, SIGNAL(timeout()), this, SLOT(setDisplay()));
    connect(displayTimeoutTimer, SIGNAL(timeout()), displayTimer, SLOT(stop()));

    // Make the items consistent before any of their signals is connected.
    setDeviceType();
    setCurrentFactor();
    recalcStuetzpunkte();
    setUnits();
    setVisibility();
    setSchleichVisibility();
    setGrenzwertLimits();
    setSchleichLimits();
}

CPV8120Backend::~CPV8120Backend() = default;

void CPV8120Backend::bindItems()
{
    const CObjectIndex::Run run(*objectIndex);
    QList<Connection> connections;
    const QString *lastName = nullptr;
    QObject *found = nullptr;
    for (const ItemBinding &row : itemBindings()) {
        if (lastName != row.item)
            found = findObject(*row.item);
        lastName = row.item;
        if (found) {
            connections.append({found->objectName(), QString::fromLatin1(row.signal), objectName(),
                                QString::fromLatin1(row.slot)});
        }
    }
    connectByName(connections);

    connections = {
        {QStringLiteral("Parameter"), QStringLiteral("2dataFinished(QByteArray)"), objectName(),
         QStringLiteral("1recalcValues()")},
        {objectName(), QStringLiteral("2buildRequest(CRequest)"), QStringLiteral("ModbusMaster"),
         QStringLiteral("1buildRequest(CRequest)")},
        {QStringLiteral("ModbusMaster"), QStringLiteral("2dataResponse(QByteArray)"), objectName(),
         QStringLiteral("1decodeData(QByteArray)")},
    };
    connectByExactName(connections);
}

void CPV8120Backend::connectByName(const QList<Connection> &connections)
{
    for (const Connection &c : connections) {
        QObject *sender = findObject(c.at(0));
        QObject *receiver = findObject(c.at(2));
        if (sender && receiver)
            connect(sender, c.at(1).toLatin1().constData(), receiver, c.at(3).toLatin1().constData());
    }
}

void CPV8120Backend::connectByExactName(const QList<Connection> &connections)
{
    const QObject *root = parent();
    if (!root)
        return;
    for (const Connection &c : connections) {
        QObject *sender = root->findChild<QObject *>(c.at(0));
        QObject *receiver = root->findChild<QObject *>(c.at(2));
        if (sender && receiver)
            connect(sender, c.at(1).toLatin1().constData(), receiver, c.at(3).toLatin1().constData());
    }
}

QObject *CPV8120Backend::findObject(const QString &name) const
{
    return objectIndex->find(parent(), name);
}

CItem *CPV8120Backend::findItem(const QString &name) const
{
    return qobject_cast<CItem *>(findObject(name));
}

double CPV8120Backend::itemValue(const QString &name) const
{
    const CItem *item = findItem(name);
    return item ? item->value().toDouble() : 0.0;
}

void CPV8120Backend::setItemVisible(const QString &name, bool visible)
{
    if (CItem *item = findItem(name))
        item->setVisible(visible);
}

void CPV8120Backend::setItemRange(const QString &name, double min, double max)
{
    if (CItem *item = findItem(name))
        item->setRange(min, max);
}

// ---- device type, units and measuring range

void CPV8120Backend::setDeviceType()
{
    const CObjectIndex::Run run(*objectIndex);
    const CItem *typeItem = findItem(Pv8120::typ);
    if (!typeItem)
        return;
    const int type = typeItem->value().toInt();
    emit displayType(type);
    setItemVisible(Pv8120::tasten, static_cast<unsigned>(type) > 2u);
}

void CPV8120Backend::setCurrentFactor()
{
    const CObjectIndex::Run run(*objectIndex);
    readCurrentFactor();
}

void CPV8120Backend::readCurrentFactor()
{
    const CItem *unitItem = findItem(Pv8120::einheit);
    if (!unitItem)
        return;
    const QString text = unitItem->valueText();
    for (const Pv8120::Unit &entry : Pv8120::units()) {
        if (translated(entry.text) == text) {
            currentFactor = entry.factor;
            return;
        }
    }
}

void CPV8120Backend::setCurrentValues()
{
    const CObjectIndex::Run run(*objectIndex);
    convertUnitDependents(true);
}

void CPV8120Backend::recalcValues()
{
    const CObjectIndex::Run run(*objectIndex);
    convertUnitDependents(false);
}

// Converts from the unit of the old factor back to mbar, reads the new factor
// and converts into the new unit.
void CPV8120Backend::convertUnitDependents(bool withValues)
{
    scaleUnitDependents(currentFactor, false, withValues);
    readCurrentFactor();
    scaleUnitDependents(currentFactor, true, withValues);
}

void CPV8120Backend::scaleUnitDependents(double factor, bool multiply, bool withValues)
{
    for (const QString &name : Pv8120::unitDependentItems()) {
        CItem *item = findItem(name);
        if (!item)
            continue;
        if (multiply)
            item->setRange(item->minimum() * factor, item->maximum() * factor);
        else
            item->setRange(item->minimum() / factor, item->maximum() / factor);
        if (withValues) {
            const double value = item->value().toDouble();
            item->setValue(QVariant(multiply ? value * factor : value / factor));
        }
    }
}

void CPV8120Backend::setUnits(const QVariant &value)
{
    const CObjectIndex::Run run(*objectIndex);
    applyUnit(value);
}

void CPV8120Backend::applyUnit(const QVariant &value)
{
    const CItem *characteristic = findItem(Pv8120::kennlinie);
    if (!characteristic)
        return;
    const bool linear = characteristic->valueText() == translated("linear");
    const QString unit = linear ? value.toString() : QString();
    for (const QString &name : Pv8120::unitDependentItems()) {
        if (CItem *item = findItem(name))
            item->setUnit(QVariant(unit));
    }
}

void CPV8120Backend::setUnits()
{
    const CObjectIndex::Run run(*objectIndex);
    applyUnitOfUnitItem();
}

void CPV8120Backend::applyUnitOfUnitItem()
{
    if (const CItem *unitItem = findItem(Pv8120::einheit))
        applyUnit(QVariant(unitItem->valueText()));
}

void CPV8120Backend::reorganizeUnits()
{
    const CObjectIndex::Run run(*objectIndex);
    applyUnitOfUnitItem();
}

void CPV8120Backend::messbereichChanged()
{
    const CObjectIndex::Run run(*objectIndex);
    const double min = itemValue(Pv8120::messbereichMin);
    const double max = itemValue(Pv8120::messbereichMax);
    applyLimitRanges();
    for (const QString &name : {Pv8120::offset, Pv8120::messbereichAnfang, Pv8120::messbereichEnde})
        setItemRange(name, min, max);

    const QObject *firstPoint = findObject(Pv8120::stuetzpunktEingang1);
    if (!firstPoint)
        return;
    const CItem *firstItem = qobject_cast<const CItem *>(firstPoint);
    const double pointFactor = firstItem ? firstItem->decimalFactor() : 100.0;
    for (int i = 1; i <= Pv8120::pointCount; ++i)
        setItemRange(Pv8120::pointName(Pv8120::stuetzpunktEingang, i), min * pointFactor, max * pointFactor);
}

// ---- interpolation points, creep suppression and limits

void CPV8120Backend::setStuetpunkteMode(const QVariant &value)
{
    const CObjectIndex::Run run(*objectIndex);
    layOutPoints(value.toInt());
}

void CPV8120Backend::layOutPoints(int count)
{
    for (int i = 1; i <= Pv8120::pointCount; ++i) {
        layOutInputPoint(i, count);
        layOutOutputPoint(i, count);
    }
}

// Points below the count stay editable (the first is pinned to the range
// start); the point at the count is pinned to the range end; points above are
// hidden and zero.
void CPV8120Backend::layOutInputPoint(int number, int count)
{
    CItem *point = findItem(Pv8120::pointName(Pv8120::stuetzpunktEingang, number));
    if (!point)
        return;
    if (number >= count) {
        const CItem *rangeEnd = findItem(Pv8120::messbereichEnde);
        if (!rangeEnd)
            return;
        const double pinned = rangeEnd->value().toDouble() * point->decimalFactor();
        point->setValue(QVariant(number == count ? pinned : 0.0));
        point->setVisible(number == count);
        point->setReadOnly(true);
        return;
    }
    point->setReadOnly(number == 1);
    point->setVisible(true);
    if (number == 1) {
        if (const CItem *rangeStart = findItem(Pv8120::messbereichAnfang))
            point->setValue(QVariant(rangeStart->value().toDouble() * point->decimalFactor()));
    }
}

void CPV8120Backend::layOutOutputPoint(int number, int count)
{
    CItem *point = findItem(Pv8120::pointName(Pv8120::stuetzpunktAusgangInProzent, number));
    if (!point)
        return;
    if (number >= count) {
        point->setValue(QVariant(number == count ? 100.0 * point->decimalFactor() : 0.0));
        point->setVisible(number == count);
        point->setReadOnly(true);
        return;
    }
    point->setReadOnly(number == 1);
    point->setVisible(true);
    if (number == 1)
        point->setValue(QVariant(int(0)));
}

void CPV8120Backend::recalcStuetzpunkte()
{
    const CObjectIndex::Run run(*objectIndex);
    const CItem *countItem = findItem(Pv8120::anzahlStuetzstellen);
    if (countItem && countItem->isVisible())
        layOutPoints(countItem->value().toInt());
}

void CPV8120Backend::setStuetzpunktVisibility(const QVariant &value)
{
    const CObjectIndex::Run run(*objectIndex);
    applyPointVisibility(value);
}

void CPV8120Backend::applyPointVisibility(const QVariant &value)
{
    const bool table = value.toString() == translated("Tabelle");
    for (int i = 1; i <= Pv8120::pointCount; ++i) {
        setItemVisible(Pv8120::pointName(Pv8120::stuetzpunktEingang, i), table);
        setItemVisible(Pv8120::pointName(Pv8120::stuetzpunktAusgangInProzent, i), table);
    }
    // Last, so that the count item's visibleChanged re-applies the point count.
    setItemVisible(Pv8120::anzahlStuetzstellen, table);
}

void CPV8120Backend::setVisibility(const QVariant &value)
{
    const CObjectIndex::Run run(*objectIndex);
    applyVisibility(value);
}

void CPV8120Backend::applyVisibility(const QVariant &value)
{
    const QString text = value.toString();
    const bool linear = text == translated("linear");
    const bool root = text == translated("radiziert");
    setItemVisible(Pv8120::einheit, linear);
    setItemVisible(Pv8120::anzeigewertAnfang, !linear);
    setItemVisible(Pv8120::anzeigewertEnde, !linear);
    setItemVisible(Pv8120::schleichmengenfunktion, root);
}

void CPV8120Backend::setVisibility()
{
    const CObjectIndex::Run run(*objectIndex);
    const CItem *characteristic = findItem(Pv8120::kennlinie);
    if (!characteristic)
        return;
    const QVariant text(characteristic->valueText());
    applyVisibility(text);
    applyPointVisibility(text);
}

void CPV8120Backend::setSchleichVisibility()
{
    const CObjectIndex::Run run(*objectIndex);
    const CItem *characteristic = findItem(Pv8120::kennlinie);
    CItem *threshold = findItem(Pv8120::schleichmengeSchwelle);
    const CItem *function = findItem(Pv8120::schleichmengenfunktion);
    if (!characteristic || !threshold || !function)
        return;
    threshold->setVisible(characteristic->valueText() == translated("radiziert")
                          && function->valueText() != translated("keine"));
}

void CPV8120Backend::setSchleichLimits()
{
    const CObjectIndex::Run run(*objectIndex);
    double min = itemValue(Pv8120::anzeigewertAnfang);
    double max = itemValue(Pv8120::anzeigewertEnde);
    order(min, max);
    setItemRange(Pv8120::schleichmengeSchwelle, min, max);
}

void CPV8120Backend::setGrenzwertLimits()
{
    const CObjectIndex::Run run(*objectIndex);
    applyLimitRanges();
}

void CPV8120Backend::applyLimitRanges()
{
    const CItem *characteristic = findItem(Pv8120::kennlinie);
    const bool linear = characteristic && characteristic->valueText() == translated("linear");
    double min = 0.0;
    double max = 0.0;
    if (linear) {
        min = itemValue(Pv8120::messbereichMin) * currentFactor;
        max = itemValue(Pv8120::messbereichMax) * currentFactor;
    } else {
        min = itemValue(Pv8120::anzeigewertAnfang);
        max = itemValue(Pv8120::anzeigewertEnde);
    }
    order(min, max);
    for (const QString &name : limitItems())
        setItemRange(name, min, max);
}

// ---- status polling and display

void CPV8120Backend::cyclicTimeout()
{
    requestRead(Pv8120::statusAddress, Pv8120::statusRegisterCount);
}

void CPV8120Backend::requestRead(quint16 startAddress, quint16 registerCount)
{
    if (registerCount == 0)
        return;
    CRequest request;
    request.requestType = CRequest::CyclicRead;
    request.deviceAddress = 0;
    request.functionCode = CRequest::ReadHoldingRegisters;
    request.startAddress = startAddress;
    request.registerCount = registerCount;
    emit buildRequest(request);
}

void CPV8120Backend::decodeData(const QByteArray &data)
{
    if (responseWord(data, 0) != Pv8120::statusAddress)
        return;
    QByteArray registers(statusBytes, '\0');
    for (int i = 0; i < statusBytes / 2; ++i) {
        const quint16 word = responseWord(data, i + 1);
        registers[2 * i] = char(word & 0xFF);
        registers[2 * i + 1] = char(word >> 8);
    }
    displayData = registers;
    if (!displayTimer->isActive())
        displayTimer->start(displayInterval);
    displayTimeoutTimer->start(displayTimeout);
}

void CPV8120Backend::setDisplay()
{
    displayPhase = !displayPhase;
    if (displayData.isEmpty())
        return;
    emit displayLed(frameLed());
    emit displayText(frameText());
}

// Digits of the current frame: bytes 6..9 when displayPhase is set, else 0..3.
QString CPV8120Backend::frameText() const
{
    const int first = displayPhase ? 6 : 0;
    QString text;
    for (int i = first; i < first + Pv8120::displayDigits; ++i) {
        const quint8 digit = quint8(displayData.at(i));
        text += Pv8120::displayCharacter(digit & Pv8120::segmentMask);
        if (digit & Pv8120::decimalPoint)
            text += QLatin1Char('.');
    }
    return text;
}

// LED code from the frame's two status bytes (bytes 4/5 or 10/11).
int CPV8120Backend::frameLed() const
{
    const int first = displayPhase ? 4 : 10;
    const quint8 s1 = quint8(displayData.at(first));
    const quint8 s2 = quint8(displayData.at(first + 1));
    const int a = ((s1 & 0x40) ? 1 : 0) + ((s2 & 0x02) ? 2 : 0);
    const int b = ((s1 & 0x30) ? 1 : 0) + ((s2 & 0x01) ? 2 : 0);
    static const struct { int a; int b; Pv8120::Led code; } codes[] = {
        {0, 3, Pv8120::LedYellowWhite}, {1, 1, Pv8120::LedGreen}, {1, 3, Pv8120::LedYellowGreen},
        {2, 3, Pv8120::LedYellowRed},   {2, 2, Pv8120::LedRed},
    };
    for (const auto &entry : codes) {
        if (entry.a == a && entry.b == b)
            return entry.code;
    }
    return Pv8120::LedWhite;
}

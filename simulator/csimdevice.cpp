#include "csimdevice.h"

#include "cdeviceunits.h"
#include "cdisplayencoder.h"
#include "cregistermap.h"
#include "device/pv8120constants.h"
#include "items/citem.h"

namespace {

constexpr int ValueDecimals = 3;   // the display shows as many as fit
constexpr int PercentDecimals = 1;

} // namespace

CSimDevice::CSimDevice(const CRegisterMap *map, quint64 seed, QObject *parent)
    : QObject(parent), m_map(map), m_model(seed)
{
    m_timer.setInterval(SampleIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, [this]() { sample(m_clock.elapsed()); });
    sample(0);
}

void CSimDevice::setFixedPressure(double pressure)
{
    m_model.setFixedPressure(pressure);
}

void CSimDevice::start()
{
    m_clock.start();
    m_timer.start();
    sample(0);
}

CMeasurementChain::Characteristic CSimDevice::characteristic(const QString &text)
{
    const QString lower = text.toLower();
    if (lower.contains(QLatin1String("radiz")) || lower.contains(QLatin1String("root")))
        return CMeasurementChain::SquareRoot;
    if (lower.contains(QLatin1String("tab")))
        return CMeasurementChain::Table;
    return CMeasurementChain::Linear;
}

double CSimDevice::number(const QString &name, double fallback) const
{
    const CItem *item = m_map->item(name);
    if (!item)
        return fallback;
    const double factor = item->decimalFactor() != 0.0 ? item->decimalFactor() : 1.0;
    return item->value().toDouble() / factor;
}

QString CSimDevice::text(const QString &name) const
{
    const CItem *item = m_map->item(name);
    return item ? item->valueText() : QString();
}

QVector<QPointF> CSimDevice::readPoints() const
{
    const int used = qBound(0, int(number(Pv8120::anzahlStuetzstellen)), Pv8120::pointCount);
    QVector<QPointF> points;
    for (int i = 1; i <= used; ++i) {
        points << QPointF(number(Pv8120::pointName(Pv8120::stuetzpunktEingang, i)),
                          number(Pv8120::pointName(Pv8120::stuetzpunktAusgangInProzent, i)));
    }
    return points;
}

CMeasurementChain::Settings CSimDevice::readSettings() const
{
    CMeasurementChain::Settings settings;
    settings.characteristic = characteristic(text(Pv8120::kennlinie));
    settings.unitFactor = DeviceUnits::factor(text(Pv8120::einheit));
    settings.offset = number(Pv8120::offset);
    settings.rangeStart = number(Pv8120::messbereichAnfang, settings.rangeStart);
    settings.rangeEnd = number(Pv8120::messbereichEnde, settings.rangeEnd);
    settings.displayStart = number(Pv8120::anzeigewertAnfang, settings.displayStart);
    settings.displayEnd = number(Pv8120::anzeigewertEnde, settings.displayEnd);
    const QString creep = text(Pv8120::schleichmengenfunktion).trimmed().toLower();
    settings.creepSuppression = m_map->item(Pv8120::schleichmengenfunktion) && !creep.isEmpty()
        && creep != QLatin1String("keine") && creep != QLatin1String("none");
    settings.creepThreshold = number(Pv8120::schleichmengeSchwelle);
    settings.points = readPoints();
    return settings;
}

bool CSimDevice::superviseInMbar(const CMeasurementChain::Settings &settings)
{
    return settings.characteristic == CMeasurementChain::Linear && settings.unitFactor > 0.0;
}

void CSimDevice::configureModelAndLimits(const CMeasurementChain::Settings &settings)
{
    m_model.setSensorRange(number(Pv8120::messbereichMin), number(Pv8120::messbereichMax));
    // On a linear characteristic the limits are pressures in the selected
    // unit: back to mbar with them. Otherwise they are display values.
    const double toMonitor = superviseInMbar(settings) ? 1.0 / settings.unitFactor : 1.0;
    m_monitor.configure(number(Pv8120::grenzwertMaxAlarm) * toMonitor,
                        number(Pv8120::grenzwertMaxHysterese) * toMonitor,
                        number(Pv8120::grenzwertMinAlarm) * toMonitor,
                        number(Pv8120::grenzwertMinHysterese) * toMonitor);
}

void CSimDevice::sample(qint64 elapsedMs)
{
    const CMeasurementChain::Settings settings = readSettings();
    configureModelAndLimits(settings);
    m_chain.setSettings(settings);
    m_result = m_chain.evaluate(m_model.pressureAt(elapsedMs));
    const CLimitMonitor::State state =
        m_monitor.update(superviseInMbar(settings) ? m_result.pressure : m_result.displayValue);

    CStatusBlock::Content content;
    content.frame1 = CDisplayEncoder::encodeNumber(m_result.displayValue, ValueDecimals);
    content.frame2 = CDisplayEncoder::encodeNumber(m_result.outputPercent, PercentDecimals);
    content.ledCode = CLimitMonitor::ledCode(state);
    content.outputPercent = m_result.outputPercent;
    content.limitState = int(state);
    content.pressure = m_result.pressure;
    content.counter = ++m_counter;
    m_status = CStatusBlock::registers(content);
    publishDeviceStatus(state);
}

void CSimDevice::publishDeviceStatus(CLimitMonitor::State state) const
{
    // The bits of the "Geraetestatus" register: relay (any alarm latched),
    // upper and lower limit, and the operating state "Running" in bits 8-10.
    CItem *status = m_map->item(QStringLiteral("Geraetestatus"));
    if (!status)
        return;
    const bool upper = state == CLimitMonitor::UpperAlarm || state == CLimitMonitor::UpperHysteresis;
    const bool lower = state == CLimitMonitor::LowerAlarm || state == CLimitMonitor::LowerHysteresis;
    constexpr uint Running = 2;
    const uint bits = uint(upper || lower) | (uint(upper) << 1) | (uint(lower) << 2) | (Running << 8);
    status->setValue(QVariant(bits));
}

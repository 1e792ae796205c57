#ifndef CSIMDEVICE_H
#define CSIMDEVICE_H

#include "climitmonitor.h"
#include "cmeasurementchain.h"
#include "cpressuremodel.h"
#include "cstatusblock.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QVector>

class CItem;
class CRegisterMap;

// The simulated transmitter: samples the pressure model every 100 ms, runs
// the value through the measurement chain configured by the current parameter
// values, supervises the limits and keeps the resulting status block.
class CSimDevice : public QObject
{
    Q_OBJECT

public:
    static constexpr int SampleIntervalMs = 100;

    // map is not owned and must outlive the device.
    CSimDevice(const CRegisterMap *map, quint64 seed, QObject *parent = nullptr);

    // Holds the pressure at a constant value (mbar) instead of the waveform.
    void setFixedPressure(double pressure);

    // Starts sampling on a 100 ms timer.
    void start();

    // Takes one sample at elapsedMs after the start: reads the parameters,
    // evaluates the pressure and updates limit state and status block.
    void sample(qint64 elapsedMs);

    // The 12 status registers of the last sample.
    QVector<quint16> statusRegisters() const { return m_status; }

    const CMeasurementChain::Result &lastResult() const { return m_result; }
    CLimitMonitor::State limitState() const { return m_monitor.state(); }

    // The measurement settings the current parameter values give.
    CMeasurementChain::Settings readSettings() const;

    // The characteristic an entry text of "Kennlinie" stands for.
    static CMeasurementChain::Characteristic characteristic(const QString &text);

private:
    double number(const QString &name, double fallback = 0.0) const;
    QString text(const QString &name) const;
    QVector<QPointF> readPoints() const;
    void configureModelAndLimits(const CMeasurementChain::Settings &settings);
    // Whether the limits are supervised on the pressure in mbar (a linear
    // characteristic) rather than on the display value.
    static bool superviseInMbar(const CMeasurementChain::Settings &settings);
    void publishDeviceStatus(CLimitMonitor::State state) const;

    const CRegisterMap *m_map;
    CPressureModel m_model;
    CMeasurementChain m_chain;
    CLimitMonitor m_monitor;
    CMeasurementChain::Result m_result;
    QVector<quint16> m_status;
    quint16 m_counter = 0;
    QTimer m_timer;
    QElapsedTimer m_clock;
};

#endif // CSIMDEVICE_H

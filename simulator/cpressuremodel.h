#ifndef CPRESSUREMODEL_H
#define CPRESSUREMODEL_H

#include <QtGlobal>

// The simulated differential pressure in mbar: a slow sine across most of the
// sensor range plus pseudo-noise, both fixed by a seed, so that the same seed
// and time always give the same pressure. A fixed pressure replaces the
// waveform when set.
class CPressureModel
{
public:
    explicit CPressureModel(quint64 seed = 1);

    // The sensor range the waveform sweeps (mbar); an empty or inverted
    // range falls back to 0 to 100 mbar.
    void setSensorRange(double minimum, double maximum);

    // Replaces the waveform by a constant pressure (mbar).
    void setFixedPressure(double pressure);

    // Pressure in mbar at elapsedMs milliseconds after the start.
    double pressureAt(qint64 elapsedMs) const;

    // Period of the sine in milliseconds (30 to 90 s, chosen by the seed).
    qint64 periodMs() const { return m_periodMs; }

    // Deterministic pseudo-random number in [0, 1) for seed and index.
    static double noise(quint64 seed, quint64 index);

private:
    quint64 m_seed;
    qint64 m_periodMs;
    double m_phase;
    double m_minimum = 0.0;
    double m_maximum = 100.0;
    bool m_fixed = false;
    double m_fixedPressure = 0.0;
};

#endif // CPRESSUREMODEL_H

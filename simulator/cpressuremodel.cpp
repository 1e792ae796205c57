#include "cpressuremodel.h"

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr qint64 NoiseStepMs = 100;   // the noise changes every 100 ms
constexpr double SweepShare = 0.45;   // sine amplitude as a share of the range
constexpr double NoiseShare = 0.005;  // noise amplitude as a share of the range

quint64 splitMix(quint64 x)
{
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

} // namespace

CPressureModel::CPressureModel(quint64 seed)
    : m_seed(seed),
      m_periodMs(30000 + qint64(splitMix(seed) % 60001)),
      m_phase(2.0 * Pi * noise(seed, 0xFFFFFFFFULL))
{
}

void CPressureModel::setSensorRange(double minimum, double maximum)
{
    if (maximum > minimum) {
        m_minimum = minimum;
        m_maximum = maximum;
    } else {
        m_minimum = 0.0;
        m_maximum = 100.0;
    }
}

void CPressureModel::setFixedPressure(double pressure)
{
    m_fixed = true;
    m_fixedPressure = pressure;
}

double CPressureModel::pressureAt(qint64 elapsedMs) const
{
    if (m_fixed)
        return m_fixedPressure;
    const double span = m_maximum - m_minimum;
    const double centre = m_minimum + span / 2.0;
    const double angle = 2.0 * Pi * double(elapsedMs % m_periodMs) / double(m_periodMs) + m_phase;
    const double jitter = (noise(m_seed, quint64(elapsedMs / NoiseStepMs)) - 0.5) * 2.0;
    return centre + SweepShare * span * std::sin(angle) + NoiseShare * span * jitter;
}

double CPressureModel::noise(quint64 seed, quint64 index)
{
    const quint64 bits = splitMix(splitMix(seed) ^ index);
    return double(bits >> 11) / double(1ULL << 53);
}

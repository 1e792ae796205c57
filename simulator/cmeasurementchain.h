#ifndef CMEASUREMENTCHAIN_H
#define CMEASUREMENTCHAIN_H

#include <QPointF>
#include <QVector>

// What the device makes of a pressure: the zero offset, the measuring range,
// the characteristic (linear, square root or a table of interpolation
// points), creep suppression and the display scaling.
class CMeasurementChain
{
public:
    enum Characteristic { Linear, SquareRoot, Table };

    struct Settings
    {
        Characteristic characteristic = Linear;
        double unitFactor = 1.0;      // mbar -> selected unit (linear display)
        double offset = 0.0;          // mbar, added to the measured pressure
        double rangeStart = 0.0;      // mbar at 0 % output
        double rangeEnd = 100.0;      // mbar at 100 % output
        double displayStart = 0.0;    // display value at 0 % (non-linear modes)
        double displayEnd = 100.0;    // display value at 100 % (non-linear modes)
        bool creepSuppression = false;// square root only
        double creepThreshold = 0.0;  // display value below which the output is 0
        QVector<QPointF> points;      // (mbar, percent) of the points in use, in order
    };

    struct Result
    {
        double pressure = 0.0;        // corrected pressure, mbar
        double outputPercent = 0.0;   // output of the characteristic, percent
        double displayValue = 0.0;    // what the display shows as the value
    };

    void setSettings(const Settings &settings) { m_settings = settings; }
    const Settings &settings() const { return m_settings; }

    // Runs one measured pressure (mbar) through the chain.
    Result evaluate(double pressure) const;

    // Output percent of the interpolation table at pressure: linear between
    // neighbouring points, held at the first / last point outside them; 0
    // without points.
    static double interpolate(const QVector<QPointF> &points, double pressure);

private:
    double outputPercent(double pressure) const;
    bool suppressed(double percent) const;

    Settings m_settings;
};

#endif // CMEASUREMENTCHAIN_H

#ifndef CLIMITMONITOR_H
#define CLIMITMONITOR_H

// The device's limit supervision: an upper and a lower alarm value, each with
// a hysteresis band. An alarm is raised when the value passes its alarm value
// and stays latched (in hysteresis) until the value has come back by more than
// the hysteresis width.
class CLimitMonitor
{
public:
    enum State {
        Idle,           // no valid limit band configured (max alarm <= min alarm)
        Normal,         // between the limits, no alarm latched
        UpperAlarm,     // above the max alarm
        UpperHysteresis,// back below the max alarm, still within its hysteresis
        LowerAlarm,     // below the min alarm
        LowerHysteresis // back above the min alarm, still within its hysteresis
    };

    // Sets the limits (hysteresis values are widths; their sign is ignored).
    // A changed configuration keeps the latched state.
    void configure(double maxAlarm, double maxHysteresis, double minAlarm, double minHysteresis);

    // Feeds one measured value and returns the new state.
    State update(double value);

    State state() const { return m_state; }

    // LED code of a state: green normal, red above the max alarm, yellow+red
    // below the min alarm, yellow+green / yellow+white within the upper /
    // lower hysteresis, white when idle.
    static int ledCode(State state);

private:
    double m_maxAlarm = 0.0;
    double m_maxHysteresis = 0.0;
    double m_minAlarm = 0.0;
    double m_minHysteresis = 0.0;
    State m_state = Idle;
};

#endif // CLIMITMONITOR_H

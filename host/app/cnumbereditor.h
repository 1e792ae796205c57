#ifndef CNUMBEREDITOR_H
#define CNUMBEREDITOR_H

#include <QDoubleSpinBox>

// A number field that refuses a value outside its allowed range instead of
// clamping it: it takes any number while typing, and isAcceptable() /
// problem() say whether the value may be taken and why not (with the
// allowed range and unit). Owners check before they take a value; a
// refused value is shown beside the field (showProblem) and not taken.
class CNumberEditor : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit CNumberEditor(QWidget *parent = nullptr);

    // The values that may be taken, in the field's units; unit is shown
    // after the number and in the message.
    void setAllowedRange(double minimum, double maximum, const QString &unit = QString());
    double allowedMinimum() const;
    double allowedMaximum() const;

    // Whether the typed value lies in the allowed range.
    bool isAcceptable() const;
    // "99999999 is outside the allowed range 0 to 250 mbar"; empty when
    // the value is acceptable.
    QString problem() const;
    // Shows the problem as a tip under the field.
    void showProblem() const;

private:
    QString numberText(double value) const;

    double m_minimum = 0.0;
    double m_maximum = 0.0;
    QString m_unit;
};

#endif // CNUMBEREDITOR_H

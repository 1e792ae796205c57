#include "cnumbereditor.h"
#include "chostapptr.h"

#include <QLineEdit>
#include <QLocale>
#include <QToolTip>

#include <cmath>

namespace {

// What a field takes while typing: far beyond any device range, so a typed
// number is never cut to fit before it is checked.
const double typingLimit = 1e12;

} // namespace

CNumberEditor::CNumberEditor(QWidget *parent)
    : QDoubleSpinBox(parent)
{
    setRange(-typingLimit, typingLimit);
    setAccelerated(true);
}

void CNumberEditor::setAllowedRange(double minimum, double maximum, const QString &unit)
{
    m_minimum = qMin(minimum, maximum);
    m_maximum = qMax(minimum, maximum);
    m_unit = unit;
    setSuffix(unit.isEmpty() ? QString() : QLatin1Char(' ') + unit);
    setToolTip(CHostAppTr::tr("Allowed: %1 to %2").arg(numberText(m_minimum), numberText(m_maximum)));
}

double CNumberEditor::allowedMinimum() const
{
    return m_minimum;
}

double CNumberEditor::allowedMaximum() const
{
    return m_maximum;
}

bool CNumberEditor::isAcceptable() const
{
    // The value as typed, also before the field has taken it.
    const double typed = valueFromText(cleanText());
    const double slack = 0.5 * std::pow(10.0, -decimals());
    return typed >= m_minimum - slack && typed <= m_maximum + slack;
}

QString CNumberEditor::problem() const
{
    if (isAcceptable())
        return QString();
    return CHostAppTr::tr("%1 is outside the allowed range %2 to %3")
        .arg(cleanText(), numberText(m_minimum), numberText(m_maximum));
}

void CNumberEditor::showProblem() const
{
    const QString text = problem();
    if (!text.isEmpty())
        QToolTip::showText(mapToGlobal(QPoint(0, height())), text, const_cast<CNumberEditor *>(this));
}

QString CNumberEditor::numberText(double value) const
{
    const QString number = QLocale().toString(value, 'f', decimals());
    return m_unit.isEmpty() ? number : QStringLiteral("%1 %2").arg(number, m_unit);
}

#include "ccycleintervalfield.h"

#include "chostapptr.h"
#include "chostoptions.h"
#include "chostsettings.h"
#include "cnumbereditor.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>

CCycleIntervalField::CCycleIntervalField(int interval, QWidget *parent)
    : QWidget(parent)
    , m_label(new QLabel(this))
    , m_editor(new CNumberEditor(this))
    , m_interval(qBound(CHostOptions::MinimumCycleInterval, interval, CHostOptions::MaximumCycleInterval))
{
    m_editor->setObjectName(QStringLiteral("CycleInterval"));
    m_editor->setDecimals(0);
    m_editor->setSingleStep(100);
    m_editor->setKeyboardTracking(false);
    m_editor->setAllowedRange(CHostOptions::MinimumCycleInterval, CHostOptions::MaximumCycleInterval,
                              QStringLiteral("ms"));
    m_editor->setMaximumWidth(120);
    m_editor->setValue(m_interval);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch(1);
    row->addWidget(m_label);
    row->addWidget(m_editor);
    m_label->setText(CHostAppTr::tr("Cycle interval:"));
    connect(m_editor, &QAbstractSpinBox::editingFinished, this, &CCycleIntervalField::take);
    connect(m_editor, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, &CCycleIntervalField::take);
}

int CCycleIntervalField::interval() const
{
    return m_interval;
}

void CCycleIntervalField::setInterval(int milliseconds)
{
    if (int(m_editor->value()) != milliseconds)
        m_editor->setValue(milliseconds);
    take();
}

CNumberEditor *CCycleIntervalField::editor() const
{
    return m_editor;
}

void CCycleIntervalField::take()
{
    if (!m_editor->isAcceptable()) {
        emit refused(m_editor->problem());
        m_editor->showProblem();
        m_editor->setValue(m_interval);
        return;
    }
    m_interval = int(m_editor->value());
    CHostSettings().setValue(CHostSettings::CycleInterval, m_interval);
    emit intervalChanged(m_interval);
}

void CCycleIntervalField::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_label->setText(CHostAppTr::tr("Cycle interval:"));
    QWidget::changeEvent(event);
}

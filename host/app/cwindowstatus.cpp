#include "cwindowstatus.h"
#include "chostapptr.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>

CWindowStatus::CWindowStatus(QWidget *parent)
    : QWidget(parent)
    , m_pending(new QLabel(this))
    , m_cyclic(new QLabel(this))
    , m_link(new QLabel(this))
{
    setObjectName(QStringLiteral("WindowStatus"));
    m_pending->setObjectName(QStringLiteral("PendingEdits"));
    m_cyclic->setObjectName(QStringLiteral("CyclicReading"));
    m_link->setObjectName(QStringLiteral("LinkState"));
    m_pending->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; }"));
    // A long reason must not widen the window; the tool tip has it whole.
    m_link->setMinimumWidth(80);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(16);
    layout->addWidget(m_pending);
    layout->addWidget(m_cyclic);
    layout->addWidget(m_link);
    retranslate();
}

void CWindowStatus::setPendingEdits(int count)
{
    m_pendingCount = count;
    retranslate();
}

void CWindowStatus::setCyclicReading(bool on, int interval)
{
    m_reading = on;
    m_interval = interval;
    retranslate();
}

void CWindowStatus::setLinkState(const QString &text)
{
    m_link->setText(text);
    m_link->setToolTip(text);
}

QString CWindowStatus::pendingText() const
{
    return m_pending->text();
}

QString CWindowStatus::cyclicText() const
{
    return m_cyclic->text();
}

QString CWindowStatus::linkText() const
{
    return m_link->text();
}

void CWindowStatus::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void CWindowStatus::retranslate()
{
    m_pending->setText(m_pendingCount == 0 ? QString()
                                           : CHostAppTr::tr("%n edit(s) not written", nullptr, m_pendingCount));
    m_pending->setVisible(m_pendingCount > 0);
    m_cyclic->setText(m_reading ? CHostAppTr::tr("\u25B6 Cyclic reading every %1 ms").arg(m_interval)
                                : CHostAppTr::tr("\u25A0 Cyclic reading off"));
}

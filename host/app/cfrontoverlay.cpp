#include "cfrontoverlay.h"

#include "widgets/cbuttonbar.h"

#include <QEvent>
#include <QPainter>

CFrontOverlay::CFrontOverlay(QWidget *front)
    : QWidget(front->parentWidget())
    , m_front(front)
{
    setObjectName(QStringLiteral("FrontOverlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    front->installEventFilter(this);
    place();
}

void CFrontOverlay::setText(const QString &text)
{
    m_text = text;
    update();
}

QString CFrontOverlay::text() const
{
    return m_text;
}

void CFrontOverlay::freeze()
{
    if (!m_front)
        return;
    place();
    m_still = m_front->grab(geometry().translated(-m_front->pos()));
    update();
}

// Below the button bar, so its read button stays plain to see and use.
void CFrontOverlay::place()
{
    if (!m_front)
        return;
    QRect area = m_front->geometry();
    if (const auto *bar = m_front->findChild<CButtonBar *>()) {
        const int barBottom = bar->mapTo(m_front, QPoint(0, bar->height())).y();
        area.setTop(area.top() + barBottom);
    }
    setGeometry(area);
    raise();
}

bool CFrontOverlay::eventFilter(QObject *object, QEvent *event)
{
    if (object == m_front && (event->type() == QEvent::Resize || event->type() == QEvent::Move
                              || event->type() == QEvent::LayoutRequest || event->type() == QEvent::Show))
        place();
    return QWidget::eventFilter(object, event);
}

void CFrontOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_still.isNull())
        painter.fillRect(rect(), Qt::white);
    else
        painter.drawPixmap(rect(), m_still);
    painter.fillRect(rect(), QColor(255, 255, 255, 190));
    if (m_text.isEmpty())
        return;
    QFont font = painter.font();
    font.setPointSizeF(font.pointSizeF() * 1.3);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(90, 90, 90));
    painter.drawText(rect().adjusted(24, 0, -24, 0), Qt::AlignCenter | Qt::TextWordWrap, m_text);
}

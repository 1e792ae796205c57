#include "cfrontmonitor.h"

#include "cfrontoverlay.h"
#include "chostapptr.h"
#include "widgets/cbasewidget.h"
#include "widgets/cbuttonbar.h"
#include "widgets/cpushbutton.h"

#include <QEvent>
#include <QPainter>
#include <QTimer>

namespace {

// A front's display may go on showing its last frames for a while after the
// answers stopped; the host blanks it again until then.
const int blankInterval = 400; // ms
const int blankRounds = 20;
// LED code 0 is the state the family's fronts start with: no lamp lit.
const int ledUnlit = 0;

QPixmap stopSymbol(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x3d, 0x3d, 0x3c));
    const qreal side = size * 0.5;
    painter.drawRoundedRect(QRectF((size - side) / 2, (size - side) / 2, side, side), size * 0.06, size * 0.06);
    return pixmap;
}

} // namespace

CFrontMonitor::CFrontMonitor(CBaseWidget *front, CModbusMaster *master, QObject *parent)
    : QObject(parent)
    , m_front(front)
    , m_master(master)
    , m_overdue(new QTimer(this))
    , m_blanker(new QTimer(this))
{
    m_overdue->setSingleShot(true);
    connect(m_overdue, &QTimer::timeout, this, [this] {
        if (m_freshness == Live || m_freshness == Waiting)
            setFreshness(NoAnswer);
    });
    m_blanker->setInterval(blankInterval);
    connect(m_blanker, &QTimer::timeout, this, [this] {
        blankDisplay();
        if (--m_blanksLeft <= 0)
            m_blanker->stop();
    });
    if (front->parentWidget())
        m_overlay = new CFrontOverlay(front);
    connect(master, &CModbusMaster::stateChanged, this, &CFrontMonitor::onLinkState);
    // The answers to the front's own requests are what it shows.
    connect(master, &CModbusMaster::dataResponse, this, &CFrontMonitor::onAnswer);
    if (CPushButton *button = readButton()) {
        connect(button, &QAbstractButton::toggled, this, &CFrontMonitor::onReadToggled);
        decorateReadButton();
    }
    connect(front, &QObject::destroyed, this, [this] { m_overlay = nullptr; });
    blankDisplay();
    setFreshness(master->state() == CModbusMaster::Connected ? Stopped : NotConnected);
    retranslate();
}

// The front's button keeps its own symbol for "start"; while reading runs
// it shows a stop symbol, so the two states cannot be mistaken.
void CFrontMonitor::decorateReadButton()
{
    CPushButton *button = readButton();
    const QSize size = button->iconSize().isValid() ? button->iconSize() : QSize(26, 26);
    const int scale = 2; // sharp on high-density screens too
    QIcon icon;
    icon.addPixmap(button->icon().pixmap(size * scale), QIcon::Normal, QIcon::Off);
    icon.addPixmap(button->icon().pixmap(size * scale, QIcon::Disabled), QIcon::Disabled, QIcon::Off);
    icon.addPixmap(stopSymbol(size.width() * scale), QIcon::Normal, QIcon::On);
    button->setIcon(icon);
}

CFrontMonitor::Freshness CFrontMonitor::freshness() const
{
    return m_freshness;
}

QString CFrontMonitor::reason() const
{
    switch (m_freshness) {
    case NotConnected:
        return CHostAppTr::tr("Not connected");
    case Stopped:
        return CHostAppTr::tr("Cyclic reading is off:\nthe display is not current");
    case Waiting:
        return CHostAppTr::tr("Waiting for the device's status...");
    case NoAnswer:
        return CHostAppTr::tr("No answer from the device:\nthe display is not current");
    case Live:
        break;
    }
    return QString();
}

CFrontOverlay *CFrontMonitor::overlay() const
{
    return m_overlay;
}

CPushButton *CFrontMonitor::readButton() const
{
    if (!m_front)
        return nullptr;
    for (CButtonBar *bar : m_front->findChildren<CButtonBar *>()) {
        if (CPushButton *button = bar->button(CPushButton::CyclicRead))
            return button;
    }
    return nullptr;
}

bool CFrontMonitor::isReading() const
{
    const CPushButton *button = readButton();
    return button && button->isChecked();
}

void CFrontMonitor::setReading(bool on)
{
    CPushButton *button = readButton();
    if (button && button->isEnabled() && button->isChecked() != on)
        button->setChecked(on);
    if (m_front)
        m_front->updateToolTips();
}

void CFrontMonitor::setCycleInterval(int milliseconds)
{
    m_interval = milliseconds;
    if (m_front)
        m_front->setCycleInterval(milliseconds);
}

int CFrontMonitor::cycleInterval() const
{
    return m_interval;
}

void CFrontMonitor::onLinkState(CModbusMaster::State state)
{
    if (state != CModbusMaster::Connected)
        setFreshness(NotConnected);
    else if (m_freshness == NotConnected)
        setFreshness(isReading() ? Waiting : Stopped);
}

void CFrontMonitor::onReadToggled(bool on)
{
    if (on) {
        setFreshness(Waiting);
        restartOverdueTimer();
    } else {
        m_overdue->stop();
        setFreshness(m_master->state() == CModbusMaster::Connected ? Stopped : NotConnected);
    }
    emit readingChanged(on);
}

void CFrontMonitor::onAnswer()
{
    if (!isReading() || m_master->state() != CModbusMaster::Connected)
        return;
    setFreshness(Live);
    restartOverdueTimer();
}

// Late when neither this answer's follower nor its retries can have come.
void CFrontMonitor::restartOverdueTimer()
{
    const CLinkSettings &link = m_master->settings();
    m_overdue->start(2 * m_interval + link.responseTimeout * (link.retries + 1));
}

void CFrontMonitor::setFreshness(Freshness freshness)
{
    const bool changed = freshness != m_freshness;
    m_freshness = freshness;
    if (freshness == Live) {
        m_blanker->stop();
    } else if (changed) {
        blankDisplay();
        m_blanksLeft = blankRounds;
        m_blanker->start();
    }
    if (m_overlay) {
        m_overlay->setText(reason());
        if (changed && freshness != Live)
            m_overlay->freeze();
        m_overlay->setVisible(freshness != Live);
    }
    if (changed)
        emit freshnessChanged(freshness);
}

// Through the front's own display slots, where it has them.
void CFrontMonitor::blankDisplay()
{
    if (!m_front)
        return;
    const QMetaObject *meta = m_front->metaObject();
    if (meta->indexOfSlot("setDisplayText(QString)") >= 0)
        QMetaObject::invokeMethod(m_front, "setDisplayText", Q_ARG(QString, QString()));
    if (meta->indexOfSlot("setDisplayLed(int)") >= 0)
        QMetaObject::invokeMethod(m_front, "setDisplayLed", Q_ARG(int, ledUnlit));
}

void CFrontMonitor::retranslate()
{
    if (m_overlay)
        m_overlay->setText(reason());
    // The front has just put its placeholder back.
    if (m_freshness != Live) {
        QTimer::singleShot(0, this, [this] {
            blankDisplay();
            if (m_overlay)
                m_overlay->freeze();
        });
    }
}

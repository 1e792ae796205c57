#include "cdisplaywatcher.h"

#include <QDateTime>

CDisplayWatcher::CDisplayWatcher(QTextStream &out, QObject *parent)
    : QObject(parent)
    , m_out(out)
{
}

bool CDisplayWatcher::watch(QObject *backend)
{
    // The backend is known only through its meta-object, hence the names.
    return connect(backend, SIGNAL(displayLed(int)), this, SLOT(setLed(int)))
        && connect(backend, SIGNAL(displayText(QString)), this, SLOT(setText(QString)));
}

int CDisplayWatcher::updates() const
{
    return m_updates;
}

QString CDisplayWatcher::ledName(int code)
{
    switch (code) {
    case 1: return QStringLiteral("yellow+white");
    case 2: return QStringLiteral("green");
    case 3: return QStringLiteral("yellow+green");
    case 4: return QStringLiteral("yellow+red");
    case 5: return QStringLiteral("red");
    default: return QStringLiteral("white");
    }
}

void CDisplayWatcher::setLed(int code)
{
    m_led = code;
}

// The backend sends the LED first, then the text: the text completes a frame.
void CDisplayWatcher::setText(const QString &text)
{
    if (text == m_text && m_updates > 0)
        return;
    m_text = text;
    ++m_updates;
    m_out << QDateTime::currentDateTime().toString(QStringLiteral("hh:mm:ss.zzz")) << "  "
          << QStringLiteral("%1").arg(text, -8) << "  LED " << m_led << " (" << ledName(m_led) << ")\n";
    m_out.flush();
    emit changed();
}

#include "cdisplaywatcher.h"

#include "cclitr.h"
#include "cdevicedata.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>

CDisplayWatcher::CDisplayWatcher(QTextStream &out, const CDeviceData &data, const QString &language, bool json,
                                 QObject *parent)
    : QObject(parent)
    , m_out(out)
    , m_data(data)
    , m_language(language)
    , m_json(json)
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

void CDisplayWatcher::setLed(int code)
{
    m_led = code;
}

// The backend sends the LED first, then the text: the text completes a frame.
// It shows the frames of the status in turn, from the one it shows first.
void CDisplayWatcher::setText(const QString &text)
{
    const int frame = (m_data.firstDisplayFrame() - 1 + m_texts++) % m_data.displayFrameCount() + 1;
    if (text == m_text && m_led == m_printedLed && m_updates > 0)
        return;
    m_text = text;
    m_printedLed = m_led;
    ++m_updates;
    print(text, frame);
    emit changed();
}

void CDisplayWatcher::print(const QString &text, int frame)
{
    const QDateTime now = QDateTime::currentDateTime();
    const QString led = m_data.ledName(m_led, m_language);
    if (m_json) {
        const QJsonObject object{{"time", now.toString(Qt::ISODateWithMs)},
                                 {"text", text},
                                 {"led", m_led},
                                 {"ledName", led},
                                 {"frame", frame}};
        m_out << QJsonDocument(object).toJson(QJsonDocument::Compact) << '\n';
    } else {
        m_out << now.toString(QStringLiteral("hh:mm:ss.zzz")) << "  " << QStringLiteral("%1").arg(text, -8)
              << "  LED " << m_led << " (" << led << ")  " << CCliTr::tr("frame %1").arg(frame) << '\n';
    }
    m_out.flush();
}

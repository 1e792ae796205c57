#ifndef CDISPLAYWATCHER_H
#define CDISPLAYWATCHER_H

#include <QObject>
#include <QString>
#include <QTextStream>

class CDeviceData;

// Prints the device display as the plugin's backend reports it: one line (or
// one JSON object) whenever the text or the LED changes, with the time, the
// LED code and its name, and the display frame the text belongs to.
class CDisplayWatcher : public QObject
{
    Q_OBJECT

public:
    // data names the LED codes (in language) and the frame shown first.
    CDisplayWatcher(QTextStream &out, const CDeviceData &data, const QString &language, bool json,
                    QObject *parent = nullptr);

    // Connects to the backend's displayText(QString) and displayLed(int)
    // signals (by name: the backend's class lives in the plugin). False when
    // the backend lacks them.
    bool watch(QObject *backend);
    // Number of changes printed.
    int updates() const;

signals:
    void changed();

public slots:
    void setText(const QString &text);
    void setLed(int code);

private:
    void print(const QString &text, int frame);

    QTextStream &m_out;
    const CDeviceData &m_data;
    QString m_language;
    bool m_json;
    QString m_text;
    int m_led = -1;
    int m_printedLed = -1;
    int m_texts = 0;
    int m_updates = 0;
};

#endif // CDISPLAYWATCHER_H

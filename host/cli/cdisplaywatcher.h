#ifndef CDISPLAYWATCHER_H
#define CDISPLAYWATCHER_H

#include <QObject>
#include <QString>
#include <QTextStream>

// Prints the device display as the plugin's backend reports it: one line
// whenever the text or the LED changes.
class CDisplayWatcher : public QObject
{
    Q_OBJECT

public:
    explicit CDisplayWatcher(QTextStream &out, QObject *parent = nullptr);

    // Connects to the backend's displayText(QString) and displayLed(int)
    // signals (by name: the backend's class lives in the plugin). False when
    // the backend lacks them.
    bool watch(QObject *backend);
    int updates() const;

    static QString ledName(int code);

signals:
    void changed();

public slots:
    void setText(const QString &text);
    void setLed(int code);

private:
    QTextStream &m_out;
    QString m_text;
    int m_led = -1;
    int m_updates = 0;
};

#endif // CDISPLAYWATCHER_H

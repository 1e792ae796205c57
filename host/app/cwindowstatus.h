#ifndef CWINDOWSTATUS_H
#define CWINDOWSTATUS_H

#include <QWidget>

class QLabel;

// The permanent part of the main window's status bar: the edits not yet
// written, whether cyclic reading runs, and the link state with its detail.
class CWindowStatus : public QWidget
{
    Q_OBJECT

public:
    explicit CWindowStatus(QWidget *parent = nullptr);

    void setPendingEdits(int count);
    void setCyclicReading(bool on, int interval);
    void setLinkState(const QString &text);

    QString pendingText() const;
    QString cyclicText() const;
    QString linkText() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QLabel *m_pending;
    QLabel *m_cyclic;
    QLabel *m_link;
    int m_pendingCount = 0;
    bool m_reading = false;
    int m_interval = 0;
};

#endif // CWINDOWSTATUS_H

#ifndef CCYCLEINTERVALFIELD_H
#define CCYCLEINTERVALFIELD_H

#include <QWidget>

class CNumberEditor;
class QLabel;

// The front's cyclic read interval as the user sets it: a label and a number
// field. An interval outside the allowed range is refused (refused() says
// why), shown beside the field, and the interval in force stays; every
// interval taken is remembered for the next run.
class CCycleIntervalField : public QWidget
{
    Q_OBJECT

public:
    // interval: the one in force at the start (ms).
    explicit CCycleIntervalField(int interval, QWidget *parent = nullptr);

    // The interval in force (ms).
    int interval() const;
    // Puts milliseconds into the field and takes it when it is allowed.
    void setInterval(int milliseconds);
    CNumberEditor *editor() const;

signals:
    void intervalChanged(int milliseconds);
    void refused(const QString &problem);

protected:
    void changeEvent(QEvent *event) override;

private:
    void take();

    QLabel *m_label;
    CNumberEditor *m_editor;
    int m_interval;
};

#endif // CCYCLEINTERVALFIELD_H

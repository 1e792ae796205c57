#ifndef CFRONTOVERLAY_H
#define CFRONTOVERLAY_H

#include <QPointer>
#include <QWidget>

// A veil over the device front below its button bar, shown while what the
// front shows is not current: a pale still picture of the front, taken when
// its display was blanked, with the reason. Whatever the front draws under
// it meanwhile stays out of sight. Clicks pass through to the front.
class CFrontOverlay : public QWidget
{
    Q_OBJECT

public:
    // Covers front (which must have a parent); follows its size.
    explicit CFrontOverlay(QWidget *front);

    void setText(const QString &text);
    QString text() const;
    // Takes the still picture of the front as it is now.
    void freeze();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    void place();

    QPointer<QWidget> m_front;
    QString m_text;
    QPixmap m_still;
};

#endif // CFRONTOVERLAY_H

#ifndef CFRONTOVERLAY_H
#define CFRONTOVERLAY_H

#include <QPointer>
#include <QWidget>

// A veil over the device front below its button bar, shown while what the
// front shows is not current: it pales the display and LEDs and says why.
// Clicks pass through to the front.
class CFrontOverlay : public QWidget
{
    Q_OBJECT

public:
    // Covers front (which must have a parent); follows its size.
    explicit CFrontOverlay(QWidget *front);

    void setText(const QString &text);
    QString text() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    void place();

    QPointer<QWidget> m_front;
    QString m_text;
};

#endif // CFRONTOVERLAY_H

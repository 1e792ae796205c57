#ifndef CBUTTONBAR_H
#define CBUTTONBAR_H

#include "items/loomwork_global.h"

#include <QList>
#include <QWidget>

class CPushButton;
class QLayoutItem;
class QTimer;

namespace Ui {
class CButtonBar;
}

// A horizontal bar of CPushButtons. It wires each button by its type code and
// owns the one timer that drives cyclic reading or writing; clicks, toggles
// and timer ticks come out as readTriggered() and writeTriggered().
class LOOMWORK_EXPORT CButtonBar : public QWidget
{
    Q_OBJECT

public:
    // Builds the empty bar (object name "ButtonBar", 40 px high), interval 1000 ms.
    explicit CButtonBar(QWidget *parent = nullptr);
    ~CButtonBar() override;

    // Places the button left of the trailing spacer and wires it by its type
    // code as it is now. Null is ignored.
    void addButton(CPushButton *button);
    // Places any layout item left of the trailing spacer. Null is ignored.
    void addItem(QLayoutItem *item);
    // The first button, in layout order, with this type code; null if none.
    CPushButton *button(int type) const;
    // All buttons of the bar in layout order.
    QList<CPushButton *> buttons() const;
    // Interval for the next start of the cyclic timer, in milliseconds.
    void setInterval(int interval);

signals:
    void readTriggered();
    void writeTriggered();

public slots:
    // Enables or disables the bar's widgets; the bar's own state stays as is.
    void setEnabled(bool state);

protected slots:
    void readToggled(bool state);
    void writeToggled(bool state);

protected:
    void changeEvent(QEvent *event) override;

private:
    void wireButton(CPushButton *button);
    void startCycle(void (CButtonBar::*trigger)());
    int insertPosition() const;

    Ui::CButtonBar *ui;
    QTimer *timer;
    int interval;
};

#endif // CBUTTONBAR_H

#ifndef CPV8120FRONT_H
#define CPV8120FRONT_H

#include "widgets/cbasewidget.h"

#include <QString>

class CButtonBar;
class CPushButton;

namespace Ui {
class CPV8120Front;
}

// The on-screen front of the PV 8120: its seven-segment display, status LED
// and keys over a picture of the housing, plus a button bar whose toggle
// button starts and stops cyclic status reads. It holds no device logic:
// the backend drives the display slots and receives read().
class CPV8120Front : public CBaseWidget
{
    Q_OBJECT

public:
    // Builds the front; the read button starts disabled and unchecked.
    explicit CPV8120Front(QWidget *parent = nullptr);
    ~CPV8120Front() override;

    // Unchecks (when disabling) and enables or disables the cyclic-read button.
    void setButtonsEnabled(bool state) override;
    // Sets the read button's tool tip from its checked state.
    void updateToolTips() override;
    // The translated device name.
    QString deviceName() const override;

signals:
    // One cyclic status read is due.
    void read();

public slots:
    // Hides parts of the front that a device variant lacks (0..3); others are ignored.
    void setDisplayType(int type);
    // Shows the LED picture of state 0..5; unknown states show the white LED.
    void setDisplayLed(int state);
    // Shows the text on the display as it is.
    void setDisplayText(QString text);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void setupButtonBar();
    void fitDisplayFont();
    QList<CPushButton *> readButtons() const;
    static QString readToolTip(bool checked);

    Ui::CPV8120Front *ui;
    CButtonBar *buttonBar;
};

#endif // CPV8120FRONT_H

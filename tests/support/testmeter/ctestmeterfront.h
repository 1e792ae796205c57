#ifndef CTESTMETERFRONT_H
#define CTESTMETERFRONT_H

#include "widgets/cbasewidget.h"

class CButtonBar;
class QLabel;

// The test meter's front: its display text and LED code, and a button bar
// with the cyclic-read button.
class CTestMeterFront : public CBaseWidget
{
    Q_OBJECT

public:
    explicit CTestMeterFront(QWidget *parent = nullptr);

    CButtonBar *buttonBar() const;

public slots:
    void showText(const QString &text);
    void showLed(int code);

private:
    CButtonBar *m_bar;
    QLabel *m_display;
    QLabel *m_led;
};

#endif // CTESTMETERFRONT_H

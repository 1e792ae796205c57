#ifndef CTESTMETERFRONT_H
#define CTESTMETERFRONT_H

#include "widgets/cbasewidget.h"

#include <QLabel>

class CButtonBar;

// The test meter's front: display text, LED code and a button bar with the cyclic-read button.
class CTestMeterFront : public CBaseWidget
{
    Q_OBJECT

public:
    explicit CTestMeterFront(QWidget *parent = nullptr);

    CButtonBar *buttonBar() const { return m_bar; }

public slots:
    void showText(const QString &text) { m_display->setText(text); }
    void showLed(int code) { m_led->setText(QString::number(code)); }

private:
    CButtonBar *m_bar;
    QLabel *m_display;
    QLabel *m_led;
};

#endif // CTESTMETERFRONT_H

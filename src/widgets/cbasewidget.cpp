#include "widgets/cbasewidget.h"

#include "widgets/cbuttonbar.h"

CBaseWidget::CBaseWidget(QWidget *parent)
    : QWidget(parent)
{
}

void CBaseWidget::activate()
{
}

void CBaseWidget::deactivate()
{
}

void CBaseWidget::setButtonsEnabled(bool state)
{
    const QList<CButtonBar *> bars = findChildren<CButtonBar *>();
    for (CButtonBar *bar : bars)
        bar->setEnabled(state);
}

void CBaseWidget::updateToolTips()
{
}

void CBaseWidget::setCycleInterval(int interval)
{
    const QList<CButtonBar *> bars = findChildren<CButtonBar *>();
    for (CButtonBar *bar : bars)
        bar->setInterval(interval);
}

QString CBaseWidget::deviceName() const
{
    return objectName();
}

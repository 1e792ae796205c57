#include "widgets/cbuttonbar.h"

#include "ui_cbuttonbar.h"
#include "widgets/cpushbutton.h"

#include <QEvent>
#include <QTimer>

CButtonBar::CButtonBar(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::CButtonBar)
    , timer(nullptr)
    , interval(1000)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("ButtonBar"));
    timer = new QTimer(this);
}

CButtonBar::~CButtonBar()
{
    delete ui;
}

void CButtonBar::addButton(CPushButton *button)
{
    if (!button)
        return;
    wireButton(button);
    ui->horizontalLayout->insertWidget(insertPosition(), button);
}

void CButtonBar::addItem(QLayoutItem *item)
{
    if (!item)
        return;
    ui->horizontalLayout->insertItem(insertPosition(), item);
}

CPushButton *CButtonBar::button(int type) const
{
    const QList<CPushButton *> all = buttons();
    for (CPushButton *candidate : all) {
        if (candidate->type() == type)
            return candidate;
    }
    return nullptr;
}

QList<CPushButton *> CButtonBar::buttons() const
{
    QList<CPushButton *> result;
    for (int i = 0; i < ui->horizontalLayout->count(); ++i) {
        QWidget *widget = ui->horizontalLayout->itemAt(i)->widget();
        if (CPushButton *pushButton = qobject_cast<CPushButton *>(widget))
            result.append(pushButton);
    }
    return result;
}

void CButtonBar::setInterval(int interval)
{
    this->interval = interval;
}

void CButtonBar::setEnabled(bool state)
{
    for (int i = 0; i < ui->horizontalLayout->count(); ++i) {
        if (QWidget *widget = ui->horizontalLayout->itemAt(i)->widget())
            widget->setEnabled(state);
    }
}

void CButtonBar::readToggled(bool state)
{
    if (state)
        startCycle(&CButtonBar::readTriggered);
    else
        timer->stop();
}

void CButtonBar::writeToggled(bool state)
{
    if (state)
        startCycle(&CButtonBar::writeTriggered);
    else
        timer->stop();
}

void CButtonBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}

// Hosts and device plugins exchange these wirings by signature, so the
// connections are made by signature text.
void CButtonBar::wireButton(CPushButton *button)
{
    switch (button->type()) {
    case CPushButton::SingleRead:
        connect(button, SIGNAL(clicked(bool)), this, SIGNAL(readTriggered()));
        break;
    case CPushButton::CyclicRead:
        connect(timer, SIGNAL(timeout()), this, SIGNAL(readTriggered()));
        connect(button, SIGNAL(toggled(bool)), this, SLOT(readToggled(bool)));
        break;
    case CPushButton::SingleWrite:
    case CPushButton::SingleWriteAlt:
        connect(button, SIGNAL(clicked(bool)), this, SIGNAL(writeTriggered()));
        break;
    case CPushButton::CyclicWrite:
    case CPushButton::CyclicWriteAlt:
        connect(timer, SIGNAL(timeout()), this, SIGNAL(writeTriggered()));
        connect(button, SIGNAL(toggled(bool)), this, SLOT(writeToggled(bool)));
        break;
    default:
        break;
    }
}

// The first trigger goes out at once; the timer supplies the following ones.
void CButtonBar::startCycle(void (CButtonBar::*trigger)())
{
    emit(this->*trigger)();
    timer->start(interval);
}

// Directly before the trailing spacer.
int CButtonBar::insertPosition() const
{
    const int count = ui->horizontalLayout->count();
    return count > 0 ? count - 1 : 0;
}

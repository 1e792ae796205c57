#include "ctestmeterfront.h"

#include "widgets/cbuttonbar.h"
#include "widgets/cpushbutton.h"

#include <QLabel>
#include <QVBoxLayout>

CTestMeterFront::CTestMeterFront(QWidget *parent)
    : CBaseWidget(parent)
    , m_bar(new CButtonBar(this))
    , m_display(new QLabel(this))
    , m_led(new QLabel(this))
{
    setObjectName(QStringLiteral("TM 100_Front"));
    m_display->setObjectName(QStringLiteral("l_display"));
    m_led->setObjectName(QStringLiteral("l_led"));
    auto *button = new CPushButton(m_bar);
    button->setType(CPushButton::CyclicRead);
    button->setCheckable(true);
    m_bar->addButton(button);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_display);
    layout->addWidget(m_led);
    layout->addWidget(m_bar);
}

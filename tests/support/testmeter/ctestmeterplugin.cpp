#include "ctestmeterplugin.h"

#include "ctestmeterbackend.h"
#include "ctestmeterfront.h"
#include "widgets/cbuttonbar.h"

bool CTestMeterPlugin::init(QObject *parent)
{
    delete m_backend;
    m_backend = new CTestMeterBackend(parent);
    connectFront();
    return true;
}

CBaseWidget *CTestMeterPlugin::frontWidget()
{
    if (!m_front) {
        m_front = new CTestMeterFront;
        connectFront();
    }
    return m_front;
}

void CTestMeterPlugin::connectFront()
{
    if (!m_front || !m_backend)
        return;
    connect(m_front->buttonBar(), &CButtonBar::readTriggered, m_backend.data(), &CTestMeterBackend::cyclicTimeout,
            Qt::UniqueConnection);
    connect(m_backend.data(), &CTestMeterBackend::displayText, m_front.data(), &CTestMeterFront::showText,
            Qt::UniqueConnection);
    connect(m_backend.data(), &CTestMeterBackend::displayLed, m_front.data(), &CTestMeterFront::showLed,
            Qt::UniqueConnection);
}

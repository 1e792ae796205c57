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

bool CTestMeterPlugin::supportsModel(const QString &identification)
{
    return identification.startsWith(QLatin1String("TM100"));
}

QString CTestMeterPlugin::modelName()
{
    return QStringLiteral("TM 100");
}

QString CTestMeterPlugin::modelNumber()
{
    return QStringLiteral("100");
}

QStringList CTestMeterPlugin::nameList(const QString &name)
{
    return {name};
}

LineSettings CTestMeterPlugin::defaultLineSettings()
{
    return {19200, LineSettings::NoParity, LineSettings::NoFlowControl, 8, LineSettings::OneStop};
}

QList<CItem *> CTestMeterPlugin::extraItems()
{
    return {};
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

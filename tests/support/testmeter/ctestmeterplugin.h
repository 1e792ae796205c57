#ifndef CTESTMETERPLUGIN_H
#define CTESTMETERPLUGIN_H

#include "plugin/cloomworkplugin.h"

#include <QObject>
#include <QPointer>

class CTestMeterBackend;
class CTestMeterFront;

// The "TM 100" test meter, a second device of the family with its own description and
// device data file: tests load it through the same host code as the PV 8120.
class CTestMeterPlugin : public QObject, public CLoomworkPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID CLoomworkPlugin_iid)
    Q_INTERFACES(CLoomworkPlugin)

public:
    bool init(QObject *parent) override;
    bool supportsModel(const QString &identification) override
    {
        return identification.startsWith(QLatin1String("TM100"));
    }
    QString modelName() override { return QStringLiteral("TM 100"); }
    QString modelNumber() override { return QStringLiteral("100"); }
    QStringList nameList(const QString &name) override { return {name}; }
    LineSettings defaultLineSettings() override
    {
        return {19200, LineSettings::NoParity, LineSettings::NoFlowControl, 8, LineSettings::OneStop};
    }
    QList<CItem *> extraItems() override { return {}; }
    CBaseWidget *frontWidget() override;

private:
    void connectFront();

    QPointer<CTestMeterBackend> m_backend;
    QPointer<CTestMeterFront> m_front;
};

#endif // CTESTMETERPLUGIN_H

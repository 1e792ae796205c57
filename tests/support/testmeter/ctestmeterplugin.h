#ifndef CTESTMETERPLUGIN_H
#define CTESTMETERPLUGIN_H

#include "plugin/cloomworkplugin.h"

#include <QObject>
#include <QPointer>

class CTestMeterBackend;
class CTestMeterFront;

// The plugin of the "TM 100" test meter, a second device of the family with
// its own description and device data file: tests load it through the same
// host code as the PV 8120.
class CTestMeterPlugin : public QObject, public CLoomworkPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID CLoomworkPlugin_iid)
    Q_INTERFACES(CLoomworkPlugin)

public:
    bool init(QObject *parent) override;
    bool supportsModel(const QString &identification) override;
    QString modelName() override;
    QString modelNumber() override;
    QStringList nameList(const QString &name) override;
    LineSettings defaultLineSettings() override;
    QList<CItem *> extraItems() override;
    CBaseWidget *frontWidget() override;

private:
    void connectFront();

    QPointer<CTestMeterBackend> m_backend;
    QPointer<CTestMeterFront> m_front;
};

#endif // CTESTMETERPLUGIN_H

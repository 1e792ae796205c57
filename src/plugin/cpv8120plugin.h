#ifndef CPV8120PLUGIN_H
#define CPV8120PLUGIN_H

#include "plugin/cloomworkplugin.h"

#include <QObject>

// The PV 8120 plugin object: answers the host's questions about the device
// model, creates the device backend below the host's item tree and hands out
// the front-panel widget.
class CPV8120Plugin : public QObject, public CLoomworkPlugin
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

private slots:
    void frontDestroyed();
};

#endif // CPV8120PLUGIN_H

#ifndef CLOOMWORKPLUGIN_H
#define CLOOMWORKPLUGIN_H

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QtGlobal>

class CBaseWidget;
class CItem;

// Default serial-line settings of a device. The fields hold the codes of
// Qt's serial-port enumerations, named here for plugins that do not use
// Qt Serial Port.
struct LineSettings
{
    enum Parity : qint32 { NoParity = 0, EvenParity = 2, OddParity = 3, SpaceParity = 4, MarkParity = 5 };
    enum FlowControl : qint32 { NoFlowControl = 0, HardwareControl = 1, SoftwareControl = 2 };
    enum StopBits : qint32 { OneStop = 1, OneAndHalfStop = 3, TwoStop = 2 };

    qint32 baudRate;
    qint32 parity;
    qint32 flowControl;
    qint32 dataBits;
    qint32 stopBits;
};

// Interface of a device plugin as the host sees it. The host loads the
// plugin, selects it with supportsModel(), calls init() with the object that
// parents the device's items and then asks for the front widget. The
// operations are not const, so implementations are free to keep state.
class CLoomworkPlugin
{
public:
    virtual ~CLoomworkPlugin() {}

    // Creates the device logic below parent (replacing an earlier one) and
    // binds it to the items there. Returns true.
    virtual bool init(QObject *parent) = 0;
    // Whether identification names a device this plugin serves.
    virtual bool supportsModel(const QString &identification) = 0;
    // Device name shown to the user.
    virtual QString modelName() = 0;
    // Device number.
    virtual QString modelNumber() = 0;
    // Names under which the host lists the device for name.
    virtual QStringList nameList(const QString &name) = 0;
    // The device's default serial-line settings.
    virtual LineSettings defaultLineSettings() = 0;
    // Additional items the plugin contributes to the host's model.
    virtual QList<CItem *> extraItems() = 0;
    // The single front-panel widget; the host takes ownership.
    virtual CBaseWidget *frontWidget() = 0;
};

// The interface ids, defined here only. A device plugin names
// CLoomworkPlugin_iid in its metadata (Q_PLUGIN_METADATA(IID CLoomworkPlugin_iid));
// qobject_cast finds the interface under the versioned id.
#define CLoomworkPlugin_iid "org.vardo.loomwork.plugin"
#define CLoomworkPlugin_castIid CLoomworkPlugin_iid "/1.0"

Q_DECLARE_INTERFACE(CLoomworkPlugin, CLoomworkPlugin_castIid)

#endif // CLOOMWORKPLUGIN_H

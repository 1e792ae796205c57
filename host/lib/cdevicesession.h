#ifndef CDEVICESESSION_H
#define CDEVICESESSION_H

#include "description/descriptionrecords.h"
#include "loomworkhost_global.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>

class CDeviceConnection;
class CDeviceData;
class CLanguageManager;
class CLoomworkPlugin;
class CModbusMaster;
class CParameterTransfer;
class CPluginRegistry;

// One device as the host holds it: the items built from the device's
// parameter description, the host objects "ModbusMaster" and "Parameter",
// all under one root object, and the device plugin initialised on that root.
//
// This is the contract between a host and a device plugin, and the session
// keeps all of it; a host that builds its own tree must do the same:
// - load the plugin with QPluginLoader, accept it for the interface
//   CLoomworkPlugin_iid, cast the instance to CLoomworkPlugin (the versioned
//   id CLoomworkPlugin_castIid) and choose it with supportsModel()
//   (CPluginRegistry does this);
// - create one CItem per device parameter under one root object, named as
//   the description names them (CItemBuilder does this), and emit
//   valueEdited() on an item after the user changed its value;
// - place under the same root an object named "ModbusMaster" with a slot
//   buildRequest(CRequest) that carries out the plugin's requests and a
//   signal dataResponse(QByteArray) that feeds every answer back (the start
//   address, then the registers as big-endian words), and an object named
//   "Parameter" that emits dataFinished(QByteArray) after each completed
//   transfer with the device (CModbusMaster and CParameterTransfer are both);
// - call the plugin's init(root) before frontWidget(), and again whenever
//   the tree was rebuilt; take the front widget into the host's own widget
//   tree, which then owns it;
// - do all of this on the GUI thread, and supply the translations of the
//   plugin's texts (its catalogue beside the plugin file, installed before
//   init(): the plugin compares translated texts; a session with a
//   CLanguageManager does this) and the "7Segment" display font.
class LOOMWORKHOST_EXPORT CDeviceSession : public QObject
{
    Q_OBJECT

public:
    explicit CDeviceSession(QObject *parent = nullptr);
    ~CDeviceSession() override;

    // The language manager that follows this session's device (null: none):
    // from then on the items of a loaded description speak its language
    // (translated by the language files beside the description), and the
    // chosen plugin's catalogue is installed before the plugin's init().
    void setLanguageManager(CLanguageManager *manager);

    // Reads the description and builds its items under root(), replacing
    // those of an earlier description (a loaded plugin is initialised again),
    // and the device data file beside it when there is one. False (with
    // errorString()) when a file cannot be used.
    bool loadDescription(const QString &fileName);
    // Loads the plugins of directory (registry()) and takes the first that
    // supports identification (by default the description's order number):
    // applies its default line settings to the master and calls its
    // init(root()). Items must be loaded first. False (with errorString(),
    // which lists the refused libraries) when no plugin supports the device.
    bool loadPlugin(const QString &directory, const QString &identification = QString());
    // Both steps.
    bool open(const QString &descriptionFile, const QString &pluginDirectory,
              const QString &identification = QString());

    QString errorString() const;
    // What the item builder could not place (not fatal).
    QStringList problems() const;

    // The object passed to the plugin's init; parents items and host objects.
    QObject *root() const;
    // The header of the loaded description (empty before one is loaded).
    const DescriptionHeader &header() const;
    // The plugin loader, with the reasons for every refused library.
    CPluginRegistry *registry() const;
    // The file of the chosen plugin; empty before one was chosen.
    QString pluginFile() const;
    CModbusMaster *master() const;
    // Opens and follows the master's link (what its changes mean to a host).
    CDeviceConnection *connection() const;
    CParameterTransfer *parameters() const;
    CLoomworkPlugin *plugin() const;
    // What the device data file says (empty without one).
    const CDeviceData &deviceData() const;
    // The plugin's backend object below root(), or null. Hosts reach it by
    // the family's conventions, without its class: it is named
    // "<model name>_Backend", polls the status block once per
    // cyclicTimeout() and reports the display on displayText(QString) and
    // displayLed(int).
    QObject *backend() const;
    // Asks the backend for one status poll, as a tick of the front's cyclic
    // reading does. False when there is no backend that polls.
    bool requestPoll() const;

    // Where a program finds the description and plugins by default
    // (CInstallLayout); the description is that of the build's default
    // device, the one place a host program names a device.
    static QString defaultDescriptionFile();
    static QString defaultPluginDirectory();

private:
    bool setError(const QString &text);

    QObject *m_root;
    CModbusMaster *m_master;
    CParameterTransfer *m_parameters;
    CPluginRegistry *m_registry;
    CDeviceConnection *m_connection;
    QPointer<CLanguageManager> m_language;
    std::unique_ptr<CDeviceData> m_data;
    CLoomworkPlugin *m_plugin = nullptr;
    DescriptionHeader m_header; // of the loaded description
    QString m_error;
    QStringList m_problems;
};

#endif // CDEVICESESSION_H

#ifndef CDEVICESESSION_H
#define CDEVICESESSION_H

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class CLoomworkPlugin;
class CModbusMaster;
class CParameterTransfer;
class QPluginLoader;

// One device as the host holds it: the items built from the device's
// parameter description, the host objects "ModbusMaster" and "Parameter",
// all under one root object, and the device plugin initialised on that root.
class CDeviceSession : public QObject
{
    Q_OBJECT

public:
    explicit CDeviceSession(QObject *parent = nullptr);
    ~CDeviceSession() override;

    // Reads the description and builds its items under root(), replacing
    // those of an earlier description (a loaded plugin is initialised again).
    // False (with errorString()) when the file cannot be used.
    bool loadDescription(const QString &fileName);
    // Loads the first plugin in directory that accepts the interface
    // "org.vardo.loomwork.plugin" and supports identification, then calls its
    // init(root()). Items must be loaded first.
    bool loadPlugin(const QString &directory, const QString &identification = QStringLiteral("8120"));
    // Both steps.
    bool open(const QString &descriptionFile, const QString &pluginDirectory,
              const QString &identification = QStringLiteral("8120"));

    QString errorString() const;
    // What the item builder could not place (not fatal).
    QStringList problems() const;

    // The object passed to the plugin's init; parents items and host objects.
    QObject *root() const;
    CModbusMaster *master() const;
    CParameterTransfer *parameters() const;
    CLoomworkPlugin *plugin() const;
    // The plugin's backend object below root(), or null.
    QObject *backend() const;

    // Where a program finds the description and plugins by default: the
    // installed layout beside the executable, else the build tree.
    static QString defaultDescriptionFile();
    static QString defaultPluginDirectory();

private:
    bool setError(const QString &text);

    QObject *m_root;
    CModbusMaster *m_master;
    CParameterTransfer *m_parameters;
    std::unique_ptr<QPluginLoader> m_loader;
    CLoomworkPlugin *m_plugin = nullptr;
    QString m_error;
    QStringList m_problems;
};

#endif // CDEVICESESSION_H

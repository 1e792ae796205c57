#ifndef CPLUGINREGISTRY_H
#define CPLUGINREGISTRY_H

#include "loomworkhost_global.h"

#include <QList>
#include <QObject>
#include <QStringList>

class CLoomworkPlugin;
class QPluginLoader;

// The host's one plugin loader. It loads the libraries of a directory and
// accepts a library as a device plugin when its metadata names the interface
// CLoomworkPlugin_iid and its instance casts to CLoomworkPlugin. Every library
// it refuses is reported with a translated reason and does not stop the
// others. Accepted plugins stay loaded for the life of the process: items and
// widgets of a plugin may outlive the registry.
class LOOMWORKHOST_EXPORT CPluginRegistry : public QObject
{
    Q_OBJECT

public:
    explicit CPluginRegistry(QObject *parent = nullptr);
    ~CPluginRegistry() override;

    // The plugin directory of the install layout (CInstallLayout).
    static QString defaultDirectory();

    // Loads every library in directory that was not loaded before. Returns
    // the number of plugins accepted by this call; the reasons for refused
    // files are in errors() and go out on loadFailed().
    int load(const QString &directory);

    // Accepted plugins, in the order they were loaded (file-name order).
    QList<CLoomworkPlugin *> plugins() const;
    // Files of accepted plugins, parallel to plugins().
    QStringList fileNames() const;
    // The file plugin was loaded from; empty for a plugin of no loader here.
    QString fileNameOf(const CLoomworkPlugin *plugin) const;
    // One text per refused file: its name and why it was refused.
    QStringList errors() const;

    // The first plugin whose supportsModel accepts the identification;
    // null when none does.
    CLoomworkPlugin *pluginFor(const QString &identification) const;

signals:
    // A library could not be used; text says which and why.
    void loadFailed(const QString &text);

private:
    bool loadFile(const QString &fileName);
    QString refusal(QPluginLoader &loader) const;
    void refuse(const QString &fileName, const QString &reason);

    QList<QPluginLoader *> m_loaders;
    QList<CLoomworkPlugin *> m_plugins;
    QStringList m_tried; // canonical paths of every library tried
    QStringList m_errors;
};

#endif // CPLUGINREGISTRY_H

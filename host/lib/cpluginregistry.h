#ifndef CPLUGINREGISTRY_H
#define CPLUGINREGISTRY_H

#include <QList>
#include <QObject>
#include <QStringList>

class CLoomworkPlugin;
class QPluginLoader;

// Finds and loads the device plugins of a directory. A library counts as a
// device plugin when its metadata names the interface
// "org.vardo.loomwork.plugin" and its instance casts to CLoomworkPlugin.
// Files that fail are reported one by one and do not stop the others.
class CPluginRegistry : public QObject
{
    Q_OBJECT

public:
    static const char *const InterfaceId;

    explicit CPluginRegistry(QObject *parent = nullptr);
    ~CPluginRegistry() override;

    // The plugin directory of an installed host (<prefix>/lib/loomwork/plugins,
    // found relative to the executable), else the build tree's plugins/.
    static QString defaultDirectory();

    // Loads every library in directory. Returns the number of plugins
    // accepted; the reasons for refused files are in errors().
    int load(const QString &directory);

    // Accepted plugins, in file-name order.
    QList<CLoomworkPlugin *> plugins() const;
    // Files of accepted plugins, parallel to plugins().
    QStringList fileNames() const;
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
    void refuse(const QString &fileName, const QString &reason);

    QList<QPluginLoader *> m_loaders;
    QList<CLoomworkPlugin *> m_plugins;
    QStringList m_errors;
};

#endif // CPLUGINREGISTRY_H

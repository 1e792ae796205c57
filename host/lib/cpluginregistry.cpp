#include "cpluginregistry.h"

#include "items/cinstalllayout.h"
#include "plugin/cloomworkplugin.h"

#include <QDir>
#include <QJsonObject>
#include <QLibrary>
#include <QPluginLoader>

const char *const CPluginRegistry::InterfaceId = "org.vardo.loomwork.plugin";

CPluginRegistry::CPluginRegistry(QObject *parent)
    : QObject(parent)
{
}

// The loaders stay loaded: items and widgets of a plugin may outlive this
// registry within the process, and unloading under them would crash.
CPluginRegistry::~CPluginRegistry() = default;

QString CPluginRegistry::defaultDirectory()
{
    return CInstallLayout::pluginDirectory();
}

int CPluginRegistry::load(const QString &directory)
{
    const QDir dir(directory);
    if (!dir.exists()) {
        refuse(directory, tr("the plugin directory does not exist"));
        return 0;
    }
    int accepted = 0;
    const QStringList entries = dir.entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &entry : entries) {
        const QString fileName = dir.absoluteFilePath(entry);
        if (QLibrary::isLibrary(fileName) && loadFile(fileName))
            ++accepted;
    }
    return accepted;
}

bool CPluginRegistry::loadFile(const QString &fileName)
{
    auto *loader = new QPluginLoader(fileName, this);
    const QString iid = loader->metaData().value(QStringLiteral("IID")).toString();
    if (!loader->metaData().isEmpty() && iid != QLatin1String(InterfaceId)) {
        refuse(fileName, tr("interface \"%1\" is not a Loomwork device plugin").arg(iid));
        delete loader;
        return false;
    }
    QObject *instance = loader->instance();
    auto *plugin = qobject_cast<CLoomworkPlugin *>(instance);
    if (!plugin) {
        refuse(fileName, instance ? tr("the plugin object is not a CLoomworkPlugin") : loader->errorString());
        delete loader;
        return false;
    }
    m_loaders.append(loader);
    m_plugins.append(plugin);
    return true;
}

void CPluginRegistry::refuse(const QString &fileName, const QString &reason)
{
    const QString text = tr("%1: %2").arg(QDir::toNativeSeparators(fileName), reason);
    m_errors.append(text);
    emit loadFailed(text);
}

QList<CLoomworkPlugin *> CPluginRegistry::plugins() const
{
    return m_plugins;
}

QStringList CPluginRegistry::fileNames() const
{
    QStringList names;
    for (const QPluginLoader *loader : m_loaders)
        names.append(loader->fileName());
    return names;
}

QStringList CPluginRegistry::errors() const
{
    return m_errors;
}

CLoomworkPlugin *CPluginRegistry::pluginFor(const QString &identification) const
{
    for (CLoomworkPlugin *plugin : m_plugins) {
        if (plugin->supportsModel(identification))
            return plugin;
    }
    return nullptr;
}

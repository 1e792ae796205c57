#include "cpluginregistry.h"

#include "chosttr.h"
#include "items/cinstalllayout.h"
#include "loomworklogging.h"
#include "plugin/cloomworkplugin.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QLibrary>
#include <QPluginLoader>

CPluginRegistry::CPluginRegistry(QObject *parent)
    : QObject(parent)
{
}

// The loaders are not unloaded (see the class comment); deleting a
// QPluginLoader leaves its library loaded.
CPluginRegistry::~CPluginRegistry() = default;

QString CPluginRegistry::defaultDirectory()
{
    return CInstallLayout::pluginDirectory();
}

int CPluginRegistry::load(const QString &directory)
{
    const QDir dir(directory);
    if (!dir.exists()) {
        refuse(directory, CHostTr::tr("the plugin directory does not exist"));
        return 0;
    }
    int accepted = 0;
    const QStringList entries = dir.entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &entry : entries) {
        const QString fileName = dir.absoluteFilePath(entry);
        const QString canonical = QFileInfo(fileName).canonicalFilePath();
        if (!QLibrary::isLibrary(fileName) || m_tried.contains(canonical))
            continue;
        m_tried.append(canonical);
        if (loadFile(fileName))
            ++accepted;
    }
    qCInfo(lcHost) << "plugins accepted from" << directory << accepted;
    return accepted;
}

bool CPluginRegistry::loadFile(const QString &fileName)
{
    auto *loader = new QPluginLoader(fileName, this);
    const QString reason = refusal(*loader);
    if (!reason.isEmpty()) {
        refuse(fileName, reason);
        delete loader;
        return false;
    }
    auto *plugin = qobject_cast<CLoomworkPlugin *>(loader->instance());
    qCInfo(lcHost) << "plugin" << fileName << "accepted:" << plugin->modelName();
    m_loaders.append(loader);
    m_plugins.append(plugin);
    return true;
}

// Why loader's library is no device plugin; empty when it is one.
QString CPluginRegistry::refusal(QPluginLoader &loader) const
{
    const QString iid = loader.metaData().value(QStringLiteral("IID")).toString();
    if (!loader.metaData().isEmpty() && iid != QLatin1String(CLoomworkPlugin_iid))
        return CHostTr::tr("it serves the interface \"%1\", not that of Loomwork device plugins").arg(iid);
    QObject *instance = loader.instance();
    if (!instance)
        return CHostTr::tr("it cannot be loaded: %1").arg(loader.errorString());
    if (!qobject_cast<CLoomworkPlugin *>(instance))
        return CHostTr::tr("its plugin object is not a CLoomworkPlugin");
    return QString();
}

void CPluginRegistry::refuse(const QString &fileName, const QString &reason)
{
    const QString text = CHostTr::tr("%1: %2").arg(QDir::toNativeSeparators(fileName), reason);
    qCInfo(lcHost).noquote() << "plugin refused:" << text;
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

QString CPluginRegistry::fileNameOf(const CLoomworkPlugin *plugin) const
{
    const int index = m_plugins.indexOf(const_cast<CLoomworkPlugin *>(plugin));
    return index < 0 ? QString() : m_loaders.at(index)->fileName();
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

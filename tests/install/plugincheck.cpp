// Loads the device plugin of an installed Loomwork package the way a generic
// Qt program does: this program links only Qt Core, so the plugin must find
// libloomwork, from the same installed tree, through its own search path.
#include <plugin/cloomworkplugin.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QPluginLoader>
#include <QTextStream>

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

bool check(bool condition, const QString &what)
{
    out() << (condition ? "ok   " : "FAIL ") << what << Qt::endl;
    return condition;
}

// The file libloomwork was mapped from, as the dynamic loader found it.
QString loadedLibrary(const QString &name)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return QString();
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const int slash = line.indexOf('/');
        if (slash >= 0 && line.contains(name.toUtf8()))
            return QString::fromLocal8Bit(line.mid(slash));
    }
    return QString();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString file = QDir(QStringLiteral(LOOMWORK_PLUGIN_DIR)).filePath(QStringLiteral("plugin_PV8120.so"));
    QPluginLoader loader(file);
    const QJsonObject meta = loader.metaData();
    bool ok = check(meta.value(QStringLiteral("IID")).toString() == QLatin1String(CLoomworkPlugin_iid),
                    QStringLiteral("interface id in the metadata of %1").arg(file));
    ok &= check(meta.value(QStringLiteral("className")).toString() == QLatin1String("CPV8120Plugin"),
                QStringLiteral("class name in the metadata"));
    QObject *instance = loader.instance();
    if (!check(instance, instance ? QStringLiteral("loads") : QStringLiteral("load: %1").arg(loader.errorString())))
        return 1;
    auto *plugin = qobject_cast<CLoomworkPlugin *>(instance);
    if (!check(plugin, QStringLiteral("cast to CLoomworkPlugin (" CLoomworkPlugin_castIid ")")))
        return 1;
    ok &= check(plugin->supportsModel(QStringLiteral("8120-0001")) && !plugin->supportsModel(QString()),
                QStringLiteral("supportsModel"));
    ok &= check(plugin->modelName() == QLatin1String("PV 8120"), QStringLiteral("modelName"));
    QObject root;
    ok &= check(plugin->init(&root) && !root.children().isEmpty(), QStringLiteral("init creates the backend"));
    const QString library = loadedLibrary(QStringLiteral("libloomwork.so"));
    const QString libraryDir = QDir::cleanPath(QStringLiteral(LOOMWORK_PLUGIN_DIR "/../.."));
    ok &= check(library.startsWith(libraryDir + QLatin1Char('/')),
                QStringLiteral("libloomwork from the installed tree: %1").arg(library));
    return ok ? 0 : 1;
}

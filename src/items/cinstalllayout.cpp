#include "items/cinstalllayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <dlfcn.h>
#endif

namespace {

// Paths from the library's and the programs' install folders to the plugin
// and data folders, set by the build from the install directories; the build
// tree keeps lib/, bin/, plugins/ and data/ side by side.
const char LibraryToPlugins[] = LOOMWORK_LIBRARY_TO_PLUGINS;
const char LibraryToData[] = LOOMWORK_LIBRARY_TO_DATA;
const char ProgramToPlugins[] = LOOMWORK_PROGRAM_TO_PLUGINS;
const char ProgramToData[] = LOOMWORK_PROGRAM_TO_DATA;
const char BuildTreePlugins[] = "../plugins";
const char BuildTreeData[] = "../data";

QStringList candidates(const char *fromLibrary, const char *fromProgram, const char *inBuildTree)
{
    const QString library = CInstallLayout::libraryDirectory();
    // Without an application object there is no program path to go by.
    const QString program = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    QStringList paths;
    const auto add = [&paths](const QString &base, const char *relative) {
        if (!base.isEmpty())
            paths << QDir::cleanPath(QDir(base).absoluteFilePath(QString::fromUtf8(relative)));
    };
    add(library, fromLibrary);
    add(program, fromProgram);
    add(library, inBuildTree);
    add(program, inBuildTree);
    paths.removeDuplicates();
    return paths;
}

QString firstExisting(const QStringList &paths)
{
    for (const QString &path : paths) {
        if (QFileInfo(path).isDir())
            return path;
    }
    return paths.value(0);
}

} // namespace

QString CInstallLayout::libraryDirectory()
{
#ifdef Q_OS_UNIX
    Dl_info info;
    if (dladdr(reinterpret_cast<void *>(&CInstallLayout::libraryDirectory), &info) && info.dli_fname)
        return QFileInfo(QFile::decodeName(info.dli_fname)).canonicalPath();
#endif
    return QString();
}

QStringList CInstallLayout::candidatePluginDirectories()
{
    return candidates(LibraryToPlugins, ProgramToPlugins, BuildTreePlugins);
}

QStringList CInstallLayout::candidateDataDirectories()
{
    return candidates(LibraryToData, ProgramToData, BuildTreeData);
}

QString CInstallLayout::pluginDirectory()
{
    return firstExisting(candidatePluginDirectories());
}

QString CInstallLayout::dataDirectory()
{
    return firstExisting(candidateDataDirectories());
}

QString CInstallLayout::dataFile(const QString &fileName)
{
    return QDir(dataDirectory()).filePath(fileName);
}

#include "items/cinstalllayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <dlfcn.h>
#endif

namespace {

// How to reach one kind of file: from the program's and the library's
// install folders (set by the build from the install directories), inside
// the build tree (which keeps lib/, bin/, plugins/ and data/ side by side)
// and in the system's install paths.
struct Place
{
    const char *fromProgram;
    const char *fromLibrary;
    const char *inBuildTree;
    QStringList system;
};

const Place &plugins()
{
    static const Place place{LOOMWORK_PROGRAM_TO_PLUGINS, LOOMWORK_LIBRARY_TO_PLUGINS, "../plugins",
                             QString::fromUtf8(LOOMWORK_SYSTEM_PLUGIN_DIRS).split(QLatin1Char(':'))};
    return place;
}

const Place &data()
{
    static const Place place{LOOMWORK_PROGRAM_TO_DATA, LOOMWORK_LIBRARY_TO_DATA, "../data",
                             {QStringLiteral(LOOMWORK_SYSTEM_DATA_DIR)}};
    return place;
}

const Place &programs()
{
    static const Place place{".", LOOMWORK_LIBRARY_TO_PROGRAMS, "../bin", {QStringLiteral(LOOMWORK_SYSTEM_PROGRAM_DIR)}};
    return place;
}

QStringList candidates(const Place &place)
{
    const QString library = CInstallLayout::libraryDirectory();
    // Without an application object there is no program path to go by.
    const QString program = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    QStringList paths;
    const auto add = [&paths](const QString &base, const char *relative) {
        if (!base.isEmpty())
            paths << QDir::cleanPath(QDir(base).absoluteFilePath(QString::fromUtf8(relative)));
    };
    add(program, place.fromProgram);
    add(library, place.fromLibrary);
    add(program, place.inBuildTree);
    add(library, place.inBuildTree);
    paths << place.system;
    paths.removeDuplicates();
    return paths;
}

QString firstExisting(const QStringList &directories)
{
    for (const QString &path : directories) {
        if (QFileInfo(path).isDir())
            return path;
    }
    return directories.value(0);
}

QString firstHolding(const QStringList &directories, const QString &fileName)
{
    for (const QString &directory : directories) {
        const QString path = QDir(directory).filePath(fileName);
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
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
    return candidates(plugins());
}

QStringList CInstallLayout::candidateDataDirectories()
{
    return candidates(data());
}

QStringList CInstallLayout::candidateProgramDirectories()
{
    return candidates(programs());
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
    const QString found = firstHolding(candidateDataDirectories(), fileName);
    return found.isEmpty() ? QDir(dataDirectory()).filePath(fileName) : found;
}

QString CInstallLayout::programFile(const QString &fileName)
{
    const QStringList directories = candidateProgramDirectories();
    const QString found = firstHolding(directories, fileName);
    return found.isEmpty() ? QDir(directories.value(0)).filePath(fileName) : found;
}

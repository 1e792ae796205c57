#ifndef CINSTALLLAYOUT_H
#define CINSTALLLAYOUT_H

#include "items/loomwork_global.h"

#include <QString>
#include <QStringList>

// The one place that finds the family's installed files: device plugins,
// data files (descriptions, language and device data files) and programs.
// They are looked for relative to the running program and to libloomwork in
// the installed layout (<libdir>/loomwork/plugins, <datadir>/loomwork,
// <bindir>), so an installed tree works wherever it is moved; then in the
// build tree (plugins/, data/ and bin/ beside lib/ and bin/); last in the
// system's install paths of the Debian package (/usr/...).
class LOOMWORK_EXPORT CInstallLayout
{
public:
    // The first existing plugin directory of candidatePluginDirectories();
    // the first candidate when none exists (for error messages).
    static QString pluginDirectory();
    // The same for the data directory.
    static QString dataDirectory();
    // fileName in the first data directory that holds it; in dataDirectory()
    // when none does.
    static QString dataFile(const QString &fileName);
    // The program fileName in the first program directory that holds it; in
    // the running program's directory when none does.
    static QString programFile(const QString &fileName);

    // The places searched, in order, as absolute clean paths.
    static QStringList candidatePluginDirectories();
    static QStringList candidateDataDirectories();
    static QStringList candidateProgramDirectories();

    // The folder libloomwork was loaded from; empty when it cannot be told.
    static QString libraryDirectory();
};

#endif // CINSTALLLAYOUT_H

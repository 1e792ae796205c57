#ifndef CINSTALLLAYOUT_H
#define CINSTALLLAYOUT_H

#include "items/loomwork_global.h"

#include <QString>
#include <QStringList>

// Where the family's device plugins and data files (descriptions, language
// files) are, found only relative to libloomwork itself and to the running
// program, so an installed tree works wherever it is moved and nothing
// outside it is ever searched. The installed layout comes first
// (<libdir>/loomwork/plugins, <datadir>/loomwork), then the build tree's
// (plugins/ and data/ beside the lib/ and bin/ folders).
class LOOMWORK_EXPORT CInstallLayout
{
public:
    // The first existing plugin directory of candidatePluginDirectories();
    // the first candidate when none exists (for error messages).
    static QString pluginDirectory();
    // The same for the data directory.
    static QString dataDirectory();
    // fileName in dataDirectory().
    static QString dataFile(const QString &fileName);

    // The places searched, in order, as absolute clean paths.
    static QStringList candidatePluginDirectories();
    static QStringList candidateDataDirectories();

    // The folder libloomwork was loaded from; empty when it cannot be told.
    static QString libraryDirectory();
};

#endif // CINSTALLLAYOUT_H

#ifndef CPLUGINUNDERTEST_H
#define CPLUGINUNDERTEST_H

#include <QPluginLoader>
#include <QString>

class CLoomworkPlugin;

// The built PV 8120 module, loaded and cast as a host does it; it stays loaded.
class CPluginUnderTest
{
public:
    // The module file in the build tree.
    static QString moduleFile();

    CPluginUnderTest();

    // Loads the module; false with *error set when it cannot be used.
    bool load(QString *error);
    // The plugin interface; null before a successful load().
    CLoomworkPlugin *plugin() const { return m_plugin; }

private:
    QPluginLoader m_loader;
    CLoomworkPlugin *m_plugin = nullptr;
};

#endif // CPLUGINUNDERTEST_H

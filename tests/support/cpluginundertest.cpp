#include "cpluginundertest.h"

#include "plugin/cloomworkplugin.h"

QString CPluginUnderTest::moduleFile()
{
    return QStringLiteral(LOOMWORK_PLUGIN_DIR "/plugin_PV8120.so");
}

CPluginUnderTest::CPluginUnderTest()
    : m_loader(moduleFile())
{
}

bool CPluginUnderTest::load(QString *error)
{
    if (!m_loader.load()) {
        *error = m_loader.errorString();
        return false;
    }
    m_plugin = qobject_cast<CLoomworkPlugin *>(m_loader.instance());
    if (!m_plugin)
        *error = QStringLiteral("%1 does not cast to CLoomworkPlugin").arg(moduleFile());
    return m_plugin;
}

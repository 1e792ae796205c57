// Plugin discovery: the real plugin is found beside a broken file and a
// plugin of another interface, each refusal is reported, the rest load.
#include "cpluginregistry.h"
#include "plugin/cloomworkplugin.h"

#include <QFile>
#include <QPluginLoader>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class tst_CPluginRegistry : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QString real = QStringLiteral(LOOMWORK_PLUGIN_DIR "/plugin_PV8120.so");
        QVERIFY2(QFile::exists(real), qPrintable(real));
        QVERIFY(QFile::copy(real, m_dir.filePath("plugin_PV8120.so")));
        QVERIFY(QFile::copy(QStringLiteral(FOREIGN_PLUGIN_FILE), m_dir.filePath("libforeign.so")));
        QFile broken(m_dir.filePath("libbroken.so"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("this is not a shared library\n");
        QFile notes(m_dir.filePath("README.txt"));
        QVERIFY(notes.open(QIODevice::WriteOnly));
    }

    void findsTheRealPluginBesideBrokenOnes()
    {
        CPluginRegistry registry;
        QSignalSpy failed(&registry, &CPluginRegistry::loadFailed);
        QCOMPARE(registry.load(m_dir.path()), 1);
        QCOMPARE(registry.plugins().size(), 1);
        QCOMPARE(registry.plugins().first()->modelName(), QString("PV 8120"));
        QVERIFY(registry.fileNames().first().endsWith("plugin_PV8120.so"));

        // Refused in file-name order: the broken library, then the foreign one;
        // a file that is no library is not even tried.
        const QStringList errors = registry.errors();
        QCOMPARE(errors.size(), 2);
        QCOMPARE(failed.count(), 2);
        QVERIFY2(errors.at(0).contains("libbroken.so"), qPrintable(errors.at(0)));
        QPluginLoader probe(m_dir.filePath("libbroken.so"));
        probe.load();
        QVERIFY2(errors.at(0).endsWith(probe.errorString()), qPrintable(errors.at(0)));
        QVERIFY2(errors.at(1).contains("libforeign.so"), qPrintable(errors.at(1)));
        QVERIFY2(errors.at(1).contains("org.example.other.plugin"), qPrintable(errors.at(1)));
        // The plugin is picked by the model number that starts the identification.
        for (const char *identification : {"8120", "8120-000417"})
            QVERIFY2(registry.pluginFor(identification), identification);
        for (const char *identification : {"8130", " 8120", ""})
            QVERIFY2(!registry.pluginFor(identification), identification);
        // A directory that is not there is reported as well.
        CPluginRegistry missing;
        QCOMPARE(missing.load(m_dir.filePath("nowhere")), 0);
        QCOMPARE(missing.errors().size(), 1);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(tst_CPluginRegistry)
#include "tst_cpluginregistry.moc"

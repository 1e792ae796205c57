// Where plugins, data and programs are looked for: relative to the program and
// to libloomwork in the installed layout first, then in the build tree found
// the same way, and only then in the system's install paths.

#include "items/cinstalllayout.h"

#include <QDir>
#include <QtTest>

class TestCInstallLayout : public QObject
{
    Q_OBJECT

private slots:
    void buildTreeFoundRelativeToItself()
    {
        QCOMPARE(CInstallLayout::pluginDirectory(), QDir::cleanPath(QStringLiteral(LOOMWORK_PLUGIN_DIR)));
        QCOMPARE(CInstallLayout::dataDirectory(), QDir::cleanPath(QStringLiteral(LOOMWORK_DATA_DIR)));
        QVERIFY(QFileInfo::exists(CInstallLayout::dataFile(QStringLiteral("pv8120.xml"))));
        const QString self = QCoreApplication::applicationFilePath();
        QCOMPARE(CInstallLayout::programFile(QFileInfo(self).fileName()), self);
    }

    void missingFilesNameTheFirstPlace()
    {
        QCOMPARE(CInstallLayout::dataFile(QStringLiteral("no-such.xml")),
                 QDir(CInstallLayout::dataDirectory()).filePath(QStringLiteral("no-such.xml")));
        QCOMPARE(CInstallLayout::programFile(QStringLiteral("no-such-program")),
                 QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("no-such-program")));
    }

    void candidates_data()
    {
        QTest::addColumn<QStringList>("candidates");
        QTest::addColumn<QString>("installedSuffix"); // of the first candidate
        QTest::newRow("plugins") << CInstallLayout::candidatePluginDirectories() << QStringLiteral("/loomwork/plugins");
        QTest::newRow("data") << CInstallLayout::candidateDataDirectories() << QStringLiteral("/share/loomwork");
        QTest::newRow("programs") << CInstallLayout::candidateProgramDirectories() << QStringLiteral("/bin");
    }

    // The installed layout comes first; every candidate lies near the library
    // or the program except the system's install paths, which come last, so a
    // moved tree never reaches a path it was built or installed at.
    void candidates()
    {
        QFETCH(QStringList, candidates);
        QFETCH(QString, installedSuffix);
        QVERIFY2(candidates.value(0).endsWith(installedSuffix), qPrintable(candidates.value(0)));
        const QStringList tops{QDir::cleanPath(CInstallLayout::libraryDirectory() + QStringLiteral("/../..")),
                               QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/.."))};
        bool system = false;
        for (const QString &candidate : candidates) {
            const bool near = candidate.startsWith(tops.at(0) + '/') || candidate.startsWith(tops.at(1) + '/');
            system = system || !near;
            QVERIFY2(near != system, qPrintable(candidate));
            QVERIFY2(near || candidate.startsWith(QLatin1String("/usr/")), qPrintable(candidate));
        }
        QVERIFY(system);
    }
};

QTEST_GUILESS_MAIN(TestCInstallLayout)
#include "tst_cinstalllayout.moc"

// Where plugins and data are looked for: only relative to libloomwork and to
// the program, installed layout first, and the build tree found that way too.

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
    }

    void candidates_data()
    {
        QTest::addColumn<QStringList>("candidates");
        QTest::addColumn<QString>("installedSuffix"); // of the first candidate
        QTest::newRow("plugins") << CInstallLayout::candidatePluginDirectories() << QStringLiteral("/loomwork/plugins");
        QTest::newRow("data") << CInstallLayout::candidateDataDirectories() << QStringLiteral("/share/loomwork");
    }

    // The installed layout comes first, and every candidate lies near the
    // library or the program, so a moved tree never falls back to a path it
    // was built or installed at.
    void candidates()
    {
        QFETCH(QStringList, candidates);
        QFETCH(QString, installedSuffix);
        QVERIFY2(candidates.value(0).endsWith(installedSuffix), qPrintable(candidates.value(0)));
        const QStringList tops{QDir::cleanPath(CInstallLayout::libraryDirectory() + QStringLiteral("/../..")),
                               QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/.."))};
        for (const QString &candidate : candidates) {
            const bool near = candidate.startsWith(tops.at(0) + '/') || candidate.startsWith(tops.at(1) + '/');
            QVERIFY2(near, qPrintable(candidate));
        }
    }
};

QTEST_GUILESS_MAIN(TestCInstallLayout)
#include "tst_cinstalllayout.moc"

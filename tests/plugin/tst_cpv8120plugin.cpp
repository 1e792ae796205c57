#include "cpluginundertest.h"
#include "ctesthosttree.h"
#include "plugin/cloomworkplugin.h"

#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

const QString modulePath = CPluginUnderTest::moduleFile();
const QString backendName = QStringLiteral("PV 8120_Backend");

} // namespace

class TestPlugin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(m_module.load(&error), qPrintable(error));
        m_plugin = m_module.plugin();
    }

    void exportsOnlyEntryPoints()
    {
        QProcess nm;
        nm.start(QStringLiteral("nm"), {QStringLiteral("-D"), QStringLiteral("--defined-only"), modulePath});
        if (!nm.waitForFinished() || nm.exitCode() != 0)
            QSKIP("nm is not available");
        QStringList symbols;
        for (const QByteArray &line : nm.readAllStandardOutput().split('\n'))
            symbols << QString::fromLatin1(line.simplified().split(' ').value(2)); // address, kind, name
        symbols.removeAll(QString());
        symbols.sort();
        QCOMPARE(symbols, QStringList({"qt_plugin_instance", "qt_plugin_query_metadata"}));
    }

    void supportsModel_data()
    {
        QTest::addColumn<QString>("identification");
        QTest::addColumn<bool>("supported");
        const struct { const char *text; bool supported; } rows[] = {
            {"8120", true}, {"8120-000123", true}, {"81205", true}, {"08120", false},
            {" 8120", false}, {"812", false}, {"PV 8120", false}, {"", false},
        };
        for (const auto &row : rows)
            QTest::addRow("'%s'", row.text) << QString(row.text) << row.supported;
    }

    void supportsModel()
    {
        QFETCH(QString, identification);
        QTEST(m_plugin->supportsModel(identification), "supported");
    }

    // A second init replaces the backend, also after the first parent is gone.
    void initTwiceKeepsOneBackend()
    {
        auto gone = std::make_unique<CTestHostTree>();
        QVERIFY(m_plugin->init(gone->root()));
        gone.reset();
        CTestHostTree tree;
        QVERIFY(m_plugin->init(tree.root()));
        QPointer<QObject> first = tree.root()->findChild<QObject *>(backendName);
        QVERIFY(first);
        QVERIFY(m_plugin->init(tree.root()));
        QVERIFY(!first);
        QCOMPARE(tree.root()->findChildren<QObject *>(backendName).size(), 1);
        // Each bound signal reaches the one live backend exactly once.
        QSignalSpy typeSpy(tree.root()->findChild<QObject *>(backendName), SIGNAL(displayType(int)));
        tree.item("Typ")->setValue(7);
        QCOMPARE(typeSpy.count(), 1);
        QSignalSpy unitSpy(tree.item("Sollwert"), &CItem::unitChanged);
        QVERIFY(CTestHostTree::selectText(tree.item("Einheit"), "kPa"));
        QCOMPARE(unitSpy.count(), 1);
    }

private:
    CPluginUnderTest m_module;
    CLoomworkPlugin *m_plugin = nullptr;
};

QTEST_MAIN(TestPlugin)
#include "tst_cpv8120plugin.moc"

#include "ctesthosttree.h"
#include "plugin/cloomworkplugin.h"

#include <QFile>
#include <QPluginLoader>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

const QString modulePath = QStringLiteral(LOOMWORK_PLUGIN_DIR "/plugin_PV8120.so");
const QString backendName = QStringLiteral("PV 8120_Backend");

} // namespace

class TestPlugin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void metadataBlock();
    void exportsOnlyEntryPoints();
    void castsInOrder();
    void supportsModel_data();
    void supportsModel();
    void nameList_data();
    void nameList();
    void fixedAnswers();
    void initTwiceKeepsOneBackend();
    void initAfterParentDestroyed();

private:
    QPluginLoader m_loader{modulePath};
    QObject *m_instance = nullptr;
    CLoomworkPlugin *m_plugin = nullptr;
};

void TestPlugin::initTestCase()
{
    QVERIFY2(m_loader.load(), qPrintable(m_loader.errorString()));
    m_instance = m_loader.instance();
    QVERIFY(m_instance);
    m_plugin = qobject_cast<CLoomworkPlugin *>(m_instance);
    QVERIFY(m_plugin);
    QCOMPARE(m_loader.instance(), m_instance);
}

void TestPlugin::metadataBlock()
{
    QFile file(modulePath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QByteArray magic("QTMETADATA !");
    const int at = bytes.indexOf(magic);
    QVERIFY(at >= 0);
    QByteArray expected = magic + QByteArray::fromHex("00050f00bf027819");
    expected += "org.vardo.loomwork.plugin";
    expected += QByteArray::fromHex("036d");
    expected += "CPV8120Plugin";
    expected += char(0xff);
    QCOMPARE(bytes.mid(at, expected.size()).toHex(' '), expected.toHex(' '));
    QCOMPARE(bytes.indexOf(magic, at + 1), -1);
}

void TestPlugin::exportsOnlyEntryPoints()
{
    QProcess nm;
    nm.start(QStringLiteral("nm"), {QStringLiteral("-D"), QStringLiteral("--defined-only"), modulePath});
    if (!nm.waitForFinished() || nm.exitCode() != 0)
        QSKIP("nm is not available");
    QStringList symbols;
    for (const QByteArray &line : nm.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() == 3)
            symbols << QString::fromLatin1(fields.at(2));
    }
    symbols.sort();
    QCOMPARE(symbols, QStringList({"qt_plugin_instance", "qt_plugin_query_metadata"}));
}

void TestPlugin::castsInOrder()
{
    void *asInterface = static_cast<void *>(m_plugin);
    QCOMPARE(m_instance->qt_metacast("CPV8120Plugin"), static_cast<void *>(m_instance));
    QCOMPARE(m_instance->qt_metacast("CLoomworkPlugin"), asInterface);
    QCOMPARE(m_instance->qt_metacast("org.vardo.loomwork.plugin/1.0"), asInterface);
    QVERIFY(!m_instance->qt_metacast("org.vardo.loomwork.plugin"));
    QCOMPARE(m_instance->qt_metacast("QObject"), static_cast<void *>(m_instance));
}

void TestPlugin::supportsModel_data()
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

void TestPlugin::supportsModel()
{
    QFETCH(QString, identification);
    QFETCH(bool, supported);
    QCOMPARE(m_plugin->supportsModel(identification), supported);
}

void TestPlugin::nameList_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"PV 8120", "anything, with comma", ""})
        QTest::addRow("'%s'", name) << QString(name);
}

void TestPlugin::nameList()
{
    QFETCH(QString, name);
    QCOMPARE(m_plugin->nameList(name), QStringList{name});
}

void TestPlugin::fixedAnswers()
{
    QCOMPARE(m_plugin->modelName(), QStringLiteral("PV 8120"));
    QCOMPARE(m_plugin->modelNumber(), QStringLiteral("8120"));
    QVERIFY(m_plugin->extraItems().isEmpty());
    const LineSettings line = m_plugin->defaultLineSettings();
    QCOMPARE(QList<qint32>({line.baudRate, line.parity, line.flowControl, line.dataBits, line.stopBits}),
             QList<qint32>({115200, 2, 0, 8, 1}));
    static_assert(sizeof(LineSettings) == 5 * sizeof(qint32), "five packed int32 fields");
}

void TestPlugin::initTwiceKeepsOneBackend()
{
    CTestHostTree tree;
    QVERIFY(m_plugin->init(tree.root()));
    QPointer<QObject> first = tree.root()->findChild<QObject *>(backendName);
    QVERIFY(first);
    QVERIFY(m_plugin->init(tree.root()));
    QVERIFY(!first);
    QCOMPARE(tree.root()->findChildren<QObject *>(backendName).size(), 1);
    QObject *backend = tree.root()->findChild<QObject *>(backendName);
    QCOMPARE(backend->parent(), tree.root());

    // Each bound signal reaches the one live backend exactly once.
    QSignalSpy typeSpy(backend, SIGNAL(displayType(int)));
    tree.item("Typ")->setValue(7);
    QCOMPARE(typeSpy.count(), 1);
    QCOMPARE(typeSpy.at(0).at(0).toInt(), 7);
    QSignalSpy unitSpy(tree.item("Sollwert"), &CItem::unitChanged);
    QVERIFY(CTestHostTree::selectText(tree.item("Einheit"), "kPa"));
    QCOMPARE(unitSpy.count(), 1);
    QCOMPARE(unitSpy.at(0).at(0).toString(), QStringLiteral("kPa"));
}

void TestPlugin::initAfterParentDestroyed()
{
    auto first = std::make_unique<CTestHostTree>();
    QVERIFY(m_plugin->init(first->root()));
    first.reset();
    CTestHostTree second;
    QVERIFY(m_plugin->init(second.root()));
    QCOMPARE(second.root()->findChildren<QObject *>(backendName).size(), 1);
}

QTEST_MAIN(TestPlugin)
#include "tst_cpv8120plugin.moc"

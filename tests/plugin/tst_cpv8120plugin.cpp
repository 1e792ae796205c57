#include "cpluginundertest.h"
#include "ctesthosttree.h"
#include "ctestmodbusmaster.h"
#include "description/citembuilder.h"
#include "description/cparameterdescription.h"
#include "device/pv8120constants.h"
#include "plugin/cloomworkplugin.h"
#include "widgets/cbasewidget.h"

#include <QLabel>
#include <QProcess>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {

const QString modulePath = CPluginUnderTest::moduleFile();
const QString backendName = QStringLiteral("PV 8120_Backend");

QObject *backendOf(const CTestHostTree &tree) { return tree.root()->findChild<QObject *>(backendName); }
QString displayed(const QWidget *front) { return front->findChild<QLabel *>(QStringLiteral("l_lcd"))->text(); }

int readsReaching(QWidget *front, CTestModbusMaster *master)
{
    master->clearRequests();
    QMetaObject::invokeMethod(front, "read");
    return master->requests().size();
}

} // namespace

// The plugin's state is global: the tests run in order, the front's first.
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

    void frontBeforeInitHasNoBackend()
    {
        const QRegularExpression refused(QStringLiteral("QObject::connect: Cannot connect .*\\(nullptr\\)"));
        for (int i = 0; i < 4; ++i)
            QTest::ignoreMessage(QtWarningMsg, refused);
        std::unique_ptr<CBaseWidget> front(m_plugin->frontWidget());
        QVERIFY(front);
        QCOMPARE(front->metaObject()->className(), "CPV8120Front");
        QVERIFY(!front->parent());
    }

    // One front, connected once: text, type and LED reach it. A second init (also after the first parent
    // is gone) replaces the backend and cuts the front off, which stays current until it is destroyed.
    void frontWiring()
    {
        auto gone = std::make_unique<CTestHostTree>();
        QVERIFY(m_plugin->init(gone->root()));
        gone.reset();
        CTestHostTree tree;
        m_plugin->init(tree.root());
        std::unique_ptr<CBaseWidget> old(m_plugin->frontWidget());
        QCOMPARE(m_plugin->frontWidget(), old.get());
        QCOMPARE(readsReaching(old.get(), tree.master()), 1);
        QVERIFY(QMetaObject::invokeMethod(backendOf(tree), "displayText", Q_ARG(QString, QStringLiteral("1.234"))));
        QCOMPARE(displayed(old.get()), QStringLiteral("1.234"));
        QVERIFY(QMetaObject::invokeMethod(backendOf(tree), "displayType", Q_ARG(int, 0)));
        QVERIFY(old->findChild<QLabel *>(QStringLiteral("l_lcd"))->isHidden());
        QVERIFY(QMetaObject::invokeMethod(backendOf(tree), "displayLed", Q_ARG(int, 5)));
        const QImage red = QPixmap(QStringLiteral(":/pv8120_pixmaps/led_red.png")).toImage();
        QCOMPARE(old->findChild<QLabel *>(QStringLiteral("l_led"))->pixmap(Qt::ReturnByValue).toImage(), red);

        m_plugin->init(tree.root());
        QCOMPARE(tree.root()->findChildren<QObject *>(backendName).size(), 1);
        QCOMPARE(readsReaching(old.get(), tree.master()), 0);
        QCOMPARE(m_plugin->frontWidget(), old.get());
        old.reset();
        std::unique_ptr<CBaseWidget> fresh(m_plugin->frontWidget());
        QCOMPARE(readsReaching(fresh.get(), tree.master()), 1);
        QVERIFY(QMetaObject::invokeMethod(backendOf(tree), "displayText", Q_ARG(QString, QStringLiteral("8.888"))));
        QCOMPARE(displayed(fresh.get()), QStringLiteral("8.888"));
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

    // Every entry of the lists the backend compares after translation (characteristic, creep
    // function, unit) shows the catalogue's translation; otherwise the backend misses the user's choice.
    void comparedTextsMatchTheLanguageFiles_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("de") << QStringLiteral("de");
        QTest::newRow("en") << QStringLiteral("en");
    }

    void comparedTextsMatchTheLanguageFiles()
    {
        QFETCH(QString, language);
        QTranslator catalogue;
        QVERIFY(catalogue.load(QStringLiteral(LOOMWORK_PLUGIN_DIR "/plugin_PV8120_%1.qm").arg(language)));
        CParameterDescription description;
        QVERIFY(description.load(QStringLiteral(LOOMWORK_DATA_DIR "/pv8120.xml")));
        const LanguageTable table =
            readLanguageFile(QStringLiteral(LOOMWORK_DATA_DIR "/pv8120_%1.xml").arg(language));
        QVERIFY(!table.texts.isEmpty());
        QObject root;
        CItemBuilder(description).build(&root);
        for (const QString &name : {Pv8120::kennlinie, Pv8120::schleichmengenfunktion, Pv8120::einheit}) {
            auto *item = root.findChild<CItem *>(name);
            QVERIFY2(item, qPrintable(name));
            item->setTranslations({{language, table.texts}});
            item->setLanguageId(language);
            const QStringList raw = item->rawTextList().split(QLatin1Char(','));
            const QStringList shown = item->textList();
            QCOMPARE(shown.size(), raw.size());
            for (int i = 0; i < raw.size(); ++i) {
                const QString translated = catalogue.translate("CItem", qPrintable(raw.at(i)));
                QCOMPARE(shown.at(i), translated.isEmpty() ? raw.at(i) : translated);
            }
        }
    }

private:
    CPluginUnderTest m_module;
    CLoomworkPlugin *m_plugin = nullptr;
};

QTEST_MAIN(TestPlugin)
#include "tst_cpv8120plugin.moc"

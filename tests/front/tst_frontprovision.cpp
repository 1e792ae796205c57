#include "cpluginundertest.h"
#include "ctesthosttree.h"
#include "ctestmodbusmaster.h"
#include "plugin/cloomworkplugin.h"
#include "widgets/cbasewidget.h"

#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>

#include <memory>

namespace {


QObject *backendOf(const CTestHostTree &tree) { return tree.root()->findChild<QObject *>("PV 8120_Backend"); }
QString displayed(const QWidget *front) { return front->findChild<QLabel *>(QStringLiteral("l_lcd"))->text(); }

void sendText(QObject *backend, const QString &text)
{
    QVERIFY(QMetaObject::invokeMethod(backend, "displayText", Q_ARG(QString, text)));
}

// Emits the front's read() and returns how many requests reached the master.
int readsReaching(QWidget *front, CTestModbusMaster *master)
{
    master->clearRequests();
    QMetaObject::invokeMethod(front, "read");
    return master->requests().size();
}

} // namespace

// The plugin hands out one front at a time and wires it to the backend of
// that moment. The tests run in order: the plugin's state is global.
class tst_FrontProvision : public QObject
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
        QPointer<CBaseWidget> front = m_plugin->frontWidget();
        QVERIFY(front);
        QCOMPARE(front->metaObject()->className(), "CPV8120Front");
        QVERIFY(!front->parent());
        delete front.data();
        // The destroyed connection was made: the next call builds a new front.
        CTestHostTree tree;
        m_plugin->init(tree.root());
        std::unique_ptr<CBaseWidget> next(m_plugin->frontWidget());
        QCOMPARE(readsReaching(next.get(), tree.master()), 1);
    }

    // The same front twice is connected once; after its destruction a new one is wired up.
    void sameFrontTwiceThenNewFront()
    {
        CTestHostTree tree;
        m_plugin->init(tree.root());
        std::unique_ptr<CBaseWidget> front(m_plugin->frontWidget());
        QCOMPARE(m_plugin->frontWidget(), front.get());
        QCOMPARE(readsReaching(front.get(), tree.master()), 1);
        sendText(backendOf(tree), QStringLiteral("1.234"));
        QCOMPARE(displayed(front.get()), QStringLiteral("1.234"));
        front.reset();
        front.reset(m_plugin->frontWidget());
        QCOMPARE(readsReaching(front.get(), tree.master()), 1);
        QVERIFY(QMetaObject::invokeMethod(backendOf(tree), "displayType", Q_ARG(int, 0)));
        QVERIFY(front->findChild<QLabel *>(QStringLiteral("l_lcd"))->isHidden());
        QVERIFY(QMetaObject::invokeMethod(backendOf(tree), "displayLed", Q_ARG(int, 5)));
        const QImage red = QPixmap(QStringLiteral(":/pv8120_pixmaps/led_red.png")).toImage();
        QCOMPARE(front->findChild<QLabel *>(QStringLiteral("l_led"))->pixmap(Qt::ReturnByValue).toImage(), red);
    }

    void secondInitCutsOldFrontOff()
    {
        CTestHostTree tree;
        m_plugin->init(tree.root());
        std::unique_ptr<CBaseWidget> old(m_plugin->frontWidget());
        m_plugin->init(tree.root());
        QObject *backend = backendOf(tree);
        sendText(backend, QStringLiteral("8.888"));
        QCOMPARE(displayed(old.get()), QStringLiteral("-26.9"));
        QCOMPARE(readsReaching(old.get(), tree.master()), 0);
        // Still the current front until it is destroyed.
        QCOMPARE(m_plugin->frontWidget(), old.get());
        old.reset();
        std::unique_ptr<CBaseWidget> fresh(m_plugin->frontWidget());
        QCOMPARE(readsReaching(fresh.get(), tree.master()), 1);
        sendText(backend, QStringLiteral("8.888"));
        QCOMPARE(displayed(fresh.get()), QStringLiteral("8.888"));
    }

private:
    CPluginUnderTest m_module;
    CLoomworkPlugin *m_plugin = nullptr;
};

QTEST_MAIN(tst_FrontProvision)
#include "tst_frontprovision.moc"

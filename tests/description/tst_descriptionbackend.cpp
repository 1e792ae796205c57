// The device backend on the item tree that the builder makes from the
// installed PV 8120 description, loaded through the plugin as a host does.

#include "cpluginundertest.h"
#include "ctesthosttree.h"
#include "ctestmodbusmaster.h"
#include "ctestparameter.h"
#include "description/citembuilder.h"
#include "plugin/cloomworkplugin.h"

#include <QtTest>

#include <memory>

class TestDescriptionBackend : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationVersion(QStringLiteral("1.7.0"));
        QVERIFY(m_description.load(QStringLiteral(LOOMWORK_DATA_DIR "/pv8120.xml")));
        QString error;
        QVERIFY2(m_module.load(&error), qPrintable(error));
        m_plugin = m_module.plugin();
    }

    void init()
    {
        // The host objects come first, so the backend's lookups find them before
        // the description's object of the same name.
        m_root = std::make_unique<QObject>();
        new CTestParameter(m_root.get());
        new CTestModbusMaster(m_root.get());
        CItemBuilder builder(m_description);
        builder.build(m_root.get());
        QVERIFY(builder.problems().isEmpty());
        QVERIFY(m_plugin->init(m_root.get()));
    }

    void cleanup() { m_root.reset(); }

    void unitChangeConvertsTheLimits()
    {
        CItem *limit = item("GrenzwertMaxAlarm");
        QCOMPARE(limit->maximum(), 250.0);
        QCOMPARE(limit->value().toDouble(), 200.0);
        CItem *unit = item("Einheit");
        QVERIFY(CTestHostTree::selectText(unit, "Pa"));
        emit unit->valueEdited();
        QCOMPARE(limit->maximum(), 25000.0);
        QCOMPARE(limit->value().toDouble(), 20000.0);
        QCOMPARE(limit->rawUnit(), QStringLiteral("Pa"));
    }

    void tableCharacteristicLaysOutThePoints()
    {
        QVERIFY(!item("StuetzpunktEingang_1")->isVisible());
        QVERIFY(CTestHostTree::selectText(item("Kennlinie"), "Tabelle"));
        QVERIFY(item("AnzahlStuetzstellen")->isVisible());
        QVERIFY(!item("Einheit")->isVisible());
        // Two points: the last one is pinned to the range end (250 mbar).
        QVERIFY(item("StuetzpunktEingang_2")->isVisible());
        QCOMPARE(item("StuetzpunktEingang_2")->value().toDouble(), 25000.0);
        QCOMPARE(item("StuetzpunktAusganginProzent_2")->value().toDouble(), 1000.0);
        QVERIFY(!item("StuetzpunktEingang_3")->isVisible());
    }

    void deviceTypeShowsTheKeys()
    {
        QVERIFY(item("Tasten")->isVisible());
        item("Typ")->setValue(2);
        QVERIFY(!item("Tasten")->isVisible());
    }

private:
    CItem *item(const QString &name) const { return m_root->findChild<CItem *>(name); }

    CPluginUnderTest m_module;
    CLoomworkPlugin *m_plugin = nullptr;
    CParameterDescription m_description;
    std::unique_ptr<QObject> m_root;
};

QTEST_GUILESS_MAIN(TestDescriptionBackend)
#include "tst_descriptionbackend.moc"

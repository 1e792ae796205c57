// The item builder on the PV 8120 description and on faulty descriptions.

#include "description/citembuilder.h"
#include "descriptiontestfiles.h"
#include "items/citem.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QString SealedDescription = QStringLiteral(LOOMWORK_DATA_DIR "/pv8120.xml");

// The object names the device backend looks up; each must find itself first.
const QStringList BackendNames{
    "Typ", "MessbereichMax", "MessbereichMin", "GrenzwertMaxAlarm", "GrenzwertMinAlarm", "GrenzwertMaxHysterese",
    "GrenzwertMinHysterese", "Offset", "Einheit", "MessbereichAnfang", "MessbereichEnde", "AnzeigewertAnfang",
    "AnzeigewertEnde", "Kennlinie", "AnzahlStuetzstellen", "Schleichmengenfunktion", "SchleichmengeSchwelle",
    "Sollwert", "Tasten"};

// First match in depth-first child order, as the backend's lookup finds it.
CItem *lookup(const QObject *root, const QString &name)
{
    const QList<QObject *> found = root->findChildren<QObject *>(QRegularExpression(name));
    return found.isEmpty() ? nullptr : qobject_cast<CItem *>(found.first());
}

bool isParameter(const CItem *item)
{
    return item->type() > CItem::DATA_TYPE_GROUP && item->type() != CItem::DATA_TYPE_BITFIELD_ENTRY;
}

} // namespace

class TestCItemBuilder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void descriptionHeader();
    void backendFindsEveryItem_data();
    void backendFindsEveryItem();
    void registersDoNotOverlap();
    void listsAndBitfields();
    void englishTranslations();
    void problemsAreReported();

private:
    CParameterDescription m_description;
    std::unique_ptr<QObject> m_root;
    QList<CItem *> m_objects;
    QStringList m_problems;
};

void TestCItemBuilder::initTestCase()
{
    QCoreApplication::setApplicationVersion(QStringLiteral("1.7.0"));
    QVERIFY2(m_description.load(SealedDescription), qPrintable(SealedDescription));
}

void TestCItemBuilder::init()
{
    m_root = std::make_unique<QObject>();
    CItemBuilder builder(m_description);
    m_objects = builder.build(m_root.get());
    m_problems = builder.problems();
}

void TestCItemBuilder::cleanup()
{
    m_root.reset();
}

void TestCItemBuilder::descriptionHeader()
{
    const DescriptionHeader &header = m_description.header();
    QCOMPARE(header.projectName, QStringLiteral("PV 8120"));
    QCOMPARE(header.orderNumber, QStringLiteral("8120-0001"));
    QCOMPARE(header.parameterVersion, QStringLiteral("1.07"));
    QCOMPARE(m_problems, QStringList());
    QCOMPARE(m_objects.size(), m_description.objects().size());
    QVERIFY(m_root->findChild<CItem *>(QStringLiteral("Parameter"), Qt::FindDirectChildrenOnly));
}

void TestCItemBuilder::backendFindsEveryItem_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : BackendNames)
        QTest::newRow(qPrintable(name)) << name;
    for (int i = 1; i <= 30; ++i) {
        for (const QString prefix : {"StuetzpunktEingang_", "StuetzpunktAusganginProzent_"}) {
            const QString name = prefix + QString::number(i);
            QTest::newRow(qPrintable(name)) << name;
        }
    }
}

void TestCItemBuilder::backendFindsEveryItem()
{
    QFETCH(QString, name);
    const CItem *item = lookup(m_root.get(), name);
    QVERIFY(item);
    QCOMPARE(item->objectName(), name);
    QVERIFY(isParameter(item));
    QVERIFY(!item->rawCaption().isEmpty());
}

void TestCItemBuilder::registersDoNotOverlap()
{
    QMap<uint, QString> used; // register -> item
    for (const CItem *item : m_root->findChildren<CItem *>()) {
        if (!isParameter(item))
            continue;
        QVERIFY2(item->hasFeature("Address_RW"), qPrintable(item->objectName()));
        const uint first = item->feature("Address_RW").toUInt();
        const uint count = uint(item->byteSize() + 1) / 2;
        QVERIFY(count > 0);
        for (uint reg = first; reg < first + count; ++reg) {
            QVERIFY2(!used.contains(reg), qPrintable(item->objectName() + " overlaps " + used.value(reg)));
            QVERIFY2(reg < 0x7000 || reg > 0x700B, qPrintable(item->objectName()));
            used.insert(reg, item->objectName());
        }
    }
    QCOMPARE(used.value(0x0202), QStringLiteral("StuetzpunktEingang_1"));
}

void TestCItemBuilder::listsAndBitfields()
{
    QCOMPARE(lookup(m_root.get(), "Einheit")->valueText(), QStringLiteral("mbar"));
    QCOMPARE(lookup(m_root.get(), "Kennlinie")->rawTextList(), QStringLiteral("linear,radiziert,Tabelle"));
    QCOMPARE(lookup(m_root.get(), "Schleichmengenfunktion")->textList().first(), QStringLiteral("keine"));
    QCOMPARE(lookup(m_root.get(), "StuetzpunktEingang_2")->decimalFactor(), 100.0);
    const CItem *status = lookup(m_root.get(), "Geraetestatus");
    QCOMPARE(status->type(), CItem::DATA_TYPE_BIT16);
    const CItem *state = status->findChild<CItem *>(QStringLiteral("Geraetestatus_Betriebszustand"));
    QVERIFY(state);
    QCOMPARE(state->bitPosition(), 8);
    QCOMPARE(state->bitCount(), 3);
}

void TestCItemBuilder::englishTranslations()
{
    const LanguageTable english = readLanguageFile(QStringLiteral(LOOMWORK_DATA_DIR "/pv8120_en.xml"));
    QCOMPARE(english.languageName, QStringLiteral("english"));
    QObject root;
    CItemBuilder builder(m_description);
    builder.setLanguage(english, QStringLiteral("en"));
    builder.build(&root);
    QCOMPARE(lookup(&root, "MessbereichAnfang")->caption(), QStringLiteral("Measuring range start"));
    QCOMPARE(lookup(&root, "MessbereichAnfang")->languageId(), QStringLiteral("en"));
    QCOMPARE(lookup(&root, "Tasten")->textList(), (QStringList{"enabled", "locked"}));
    // Texts the backend compares stay as they are.
    QCOMPARE(lookup(&root, "Kennlinie")->valueText(), QStringLiteral("linear"));
    QCOMPARE(lookup(&root, "Schleichmengenfunktion")->valueText(), QStringLiteral("keine"));
    QCOMPARE(lookup(&root, "Einheit")->valueText(), QStringLiteral("mbar"));
}

void TestCItemBuilder::problemsAreReported()
{
    using namespace TestFiles;
    const QByteArray content =
        "<group name=\"QVR_OBJECT\"><value QVR_OBJECT_NAME=\"O\"/><group name=\"QVR_LINE\"><group name=\"L\">"
        "<group><value name=\"Odd\" Datatype=\"quaternion\"/><value name=\"NoList\" Datatype=\"list16_t\" "
        "List=\"Missing\"/><value name=\"NoBits\" Datatype=\"bit8_t\" Bitfield=\"Missing\"/>"
        "<value Datatype=\"uint16_t\"/><value name=\"Fine\" Datatype=\"uint16_t\" Address_RW=\"0x10\"/>"
        "</group></group></group></group>";
    QTemporaryDir dir;
    const QString path = dir.filePath("faulty.xml");
    QVERIFY(write(path, sealed(description(content))));
    CParameterDescription faulty;
    QVERIFY(faulty.load(path));
    QObject root;
    CItemBuilder builder(faulty);
    const QList<CItem *> objects = builder.build(&root);
    QCOMPARE(objects.size(), 1);
    QCOMPARE(builder.problems().size(), 4);
    QVERIFY(builder.problems().at(0).contains("quaternion"));
    QVERIFY(builder.problems().at(1).contains("Missing"));
    // Nothing is dropped: the faulty items exist next to the good one.
    QCOMPARE(objects.first()->findChildren<CItem *>().size(), 1 + 5);
    QCOMPARE(lookup(&root, "Fine")->feature("Address_RW").toUInt(), 0x10u);
}

QTEST_GUILESS_MAIN(TestCItemBuilder)
#include "tst_citembuilder.moc"

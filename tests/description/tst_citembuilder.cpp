// The item builder on the PV 8120 description and on a faulty description.

#include "description/citembuilder.h"
#include "descriptiontestfiles.h"
#include "items/citem.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

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
    void initTestCase()
    {
        QCoreApplication::setApplicationVersion(QStringLiteral("1.7.0"));
        QVERIFY(m_description.load(QStringLiteral(LOOMWORK_DATA_DIR "/pv8120.xml")));
        CItemBuilder builder(m_description);
        QCOMPARE(builder.build(&m_root).size(), m_description.objects().size());
        QCOMPARE(builder.problems(), QStringList());
    }

    void backendFindsEveryItem_data()
    {
        QTest::addColumn<QString>("name");
        // The object names the device backend looks up; each must find itself first.
        QStringList names{"Typ", "MessbereichMax", "MessbereichMin", "GrenzwertMaxAlarm", "GrenzwertMinAlarm",
                          "GrenzwertMaxHysterese", "GrenzwertMinHysterese", "Offset", "Einheit", "MessbereichAnfang",
                          "MessbereichEnde", "AnzeigewertAnfang", "AnzeigewertEnde", "Kennlinie", "AnzahlStuetzstellen",
                          "Schleichmengenfunktion", "SchleichmengeSchwelle", "Sollwert", "Tasten"};
        for (int i = 1; i <= 30; ++i)
            names << QStringLiteral("StuetzpunktEingang_%1").arg(i)
                  << QStringLiteral("StuetzpunktAusganginProzent_%1").arg(i);
        for (const QString &name : qAsConst(names))
            QTest::newRow(qPrintable(name)) << name;
    }

    void backendFindsEveryItem()
    {
        QFETCH(QString, name);
        const CItem *item = lookup(&m_root, name);
        QVERIFY(item);
        QCOMPARE(item->objectName(), name);
        QVERIFY(isParameter(item) && !item->rawCaption().isEmpty());
    }

    void registersDoNotOverlap()
    {
        QMap<uint, QString> used; // register -> item
        for (const CItem *item : m_root.findChildren<CItem *>()) {
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

    void translationsAndTypes()
    {
        const CItem *status = lookup(&m_root, "Geraetestatus");
        QCOMPARE(status->type(), CItem::DATA_TYPE_BIT16);
        const CItem *state = status->findChild<CItem *>(QStringLiteral("Geraetestatus_Betriebszustand"));
        QVERIFY(state);
        QCOMPARE(qMakePair(state->bitPosition(), state->bitCount()), qMakePair(8, 3));

        const LanguageTable english = readLanguageFile(QStringLiteral(LOOMWORK_DATA_DIR "/pv8120_en.xml"));
        QCOMPARE(english.languageName, QStringLiteral("english"));
        QObject root;
        CItemBuilder builder(m_description);
        builder.setLanguage(english, QStringLiteral("en"));
        builder.build(&root);
        QCOMPARE(lookup(&root, "MessbereichAnfang")->caption(), QStringLiteral("Measuring range start"));
        QCOMPARE(lookup(&root, "MessbereichAnfang")->languageId(), QStringLiteral("en"));
        QCOMPARE(lookup(&root, "Tasten")->textList(), (QStringList{"enabled", "locked"}));
        // Choice lists translate as a whole; the units stay as they are.
        QCOMPARE(lookup(&root, "Kennlinie")->textList(), (QStringList{"linear", "square root", "table"}));
        QCOMPARE(lookup(&root, "Schleichmengenfunktion")->textList().first(), QStringLiteral("none"));
        QCOMPARE(lookup(&root, "Einheit")->valueText(), lookup(&m_root, "Einheit")->valueText());
    }

    // A faulty value is reported by name and still built, next to a good one.
    void problemsAreReported_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("bitfields"); // the object's bit-field types
        QTest::addColumn<QStringList>("problems"); // parts of the problems, in order
        const QByteArray flags = "<value name=\"Flags\" Datatype=\"bit16_t\" Bitfield=\"Bits\"/>";
        auto bits = [](const QByteArray &fields) {
            return "<group name=\"QVR_TYPE_BITFIELD\"><group name=\"Bits\">" + fields + "</group></group>";
        };
        QTest::newRow("unknown data type") << QByteArray("<value name=\"Odd\" Datatype=\"quaternion\"/>")
                                           << QByteArray() << QStringList{"quaternion"};
        QTest::newRow("list type missing")
            << QByteArray("<value name=\"NoList\" Datatype=\"list16_t\" List=\"Missing\"/>") << QByteArray()
            << QStringList{"Missing"};
        QTest::newRow("bit-field type missing") << flags << QByteArray() << QStringList{"\"Bits\" not found"};
        QTest::newRow("no name") << QByteArray("<value Datatype=\"uint16_t\"/>") << QByteArray() << QStringList{""};
        QTest::newRow("bit position twice")
            << flags << bits("<value name=\"A\" Bit=\"3\"/><value name=\"B\" Bit=\"3\"/><value name=\"C\" Bit=\"4\"/>")
            << QStringList{"\"B\" of \"Bits\" has no free bit position"};
        QTest::newRow("negative bit position") << flags << bits("<value name=\"A\" Bit=\"-1\"/>")
                                               << QStringList{"\"A\" of \"Bits\" has no free bit position"};
        QTest::newRow("no bit position") << flags << bits("<value name=\"A\"/>")
                                         << QStringList{"\"A\" of \"Bits\" has no free bit position"};
        QTest::newRow("distinct bit positions")
            << flags << bits("<value name=\"A\" Bit=\"0\"/><value name=\"B\" Bit=\"1\"/>") << QStringList();
    }

    void problemsAreReported()
    {
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, bitfields);
        QFETCH(QStringList, problems);
        using namespace TestFiles;
        const QByteArray content = object(
            "O", "<group name=\"QVR_LINE\"><group name=\"L\"><group>" + value
                     + "<value name=\"Fine\" Datatype=\"uint16_t\" Address_RW=\"0x10\"/></group></group></group>"
                     + bitfields);
        QTemporaryDir dir;
        CParameterDescription faulty;
        QVERIFY(write(dir.filePath("f.xml"), sealed(description(content))) && faulty.load(dir.filePath("f.xml")));
        QObject root;
        CItemBuilder builder(faulty);
        const QList<CItem *> objects = builder.build(&root);
        QCOMPARE(objects.size(), 1);
        QCOMPARE(builder.problems().size(), problems.size());
        for (int i = 0; i < problems.size(); ++i)
            QVERIFY2(builder.problems().at(i).contains(problems.at(i)), qPrintable(builder.problems().at(i)));
        // Nothing is dropped: the faulty item exists next to the good one.
        const QList<CItem *> built = objects.first()->findChildren<CItem *>();
        const auto isValue = [](const CItem *item) {
            return item->objectName() != "L" && item->type() != CItem::DATA_TYPE_BITFIELD_ENTRY;
        };
        QCOMPARE(std::count_if(built.begin(), built.end(), isValue), 2);
        QCOMPARE(lookup(&root, "Fine")->feature("Address_RW").toUInt(), 0x10u);
    }

    void chartSettings_data()
    {
        QTest::addColumn<QString>("attributes");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QString>("color"); // empty: invalid
        QTest::addColumn<int>("axis");
        QTest::addColumn<QString>("problem");
        QTest::newRow("none") << "" << false << "" << 0 << "";
        QTest::newRow("all three") << "Chart=\"true\" Color=\"#c62828\" YAxis=\"1\"" << true << "#c62828" << 1 << "";
        QTest::newRow("colour by name") << "Chart=\"false\" Color=\"teal\"" << false << "#008080" << 0 << "";
        QTest::newRow("flag not boolean") << "Chart=\"yes\"" << false << "" << 0 << "chart flag";
        QTest::newRow("unknown colour") << "Chart=\"true\" Color=\"#12\"" << true << "" << 0 << "colour";
        QTest::newRow("third axis") << "YAxis=\"2\"" << false << "" << 0 << "chart axis";
    }

    // The description marks what a chart draws, in which colour, on which axis.
    void chartSettings()
    {
        QFETCH(QString, attributes);
        QFETCH(QString, color);
        QFETCH(QString, problem);
        using namespace TestFiles;
        const QByteArray content = object(
            "O", "<group name=\"QVR_LINE\"><group name=\"L\"><group><value name=\"P\" Datatype=\"float\" "
                     + attributes.toUtf8() + "/></group></group></group>");
        QTemporaryDir dir;
        CParameterDescription parsed;
        QVERIFY(write(dir.filePath("c.xml"), sealed(description(content))) && parsed.load(dir.filePath("c.xml")));
        QObject root;
        CItemBuilder builder(parsed);
        builder.build(&root);
        const CItem *item = lookup(&root, "P");
        QVERIFY(item);
        QTEST(item->isChartVisible(), "visible");
        QCOMPARE(item->color().isValid() ? item->color().name() : QString(), color);
        QTEST(item->yAxis(), "axis");
        QCOMPARE(builder.problems().size(), problem.isEmpty() ? 0 : 1);
        if (!problem.isEmpty())
            QVERIFY2(builder.problems().first().contains(problem), qPrintable(builder.problems().first()));
    }

private:
    CParameterDescription m_description;
    QObject m_root;
};

QTEST_GUILESS_MAIN(TestCItemBuilder)
#include "tst_citembuilder.moc"

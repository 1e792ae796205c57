// Loading descriptions: header, objects, language files, file search and
// hostile files.

#include "description/cparameterdescription.h"
#include "descriptiontestfiles.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QtTest>

using namespace TestFiles;

namespace {

QByteArray object(const QByteArray &name, const QByteArray &content)
{
    return "<group name=\"QVR_OBJECT\"><value QVR_OBJECT_NAME=\"" + name + "\"/>" + content + "</group>\n";
}

QByteArray versionLine(const QByteArray &defaultText, const QByteArray &divider)
{
    return "<group name=\"QVR_LINE\"><group name=\"Info\" Text=\"Info\"><value name=\"Version\" Default=\"" + defaultText
           + "\" Divider=\"" + divider + "\"/></group></group>";
}

} // namespace

class TestParameterDescription : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void header_data();
    void header();
    void objects();
    void laterObjectReplacesEarlierOne();
    void features();
    void failedLoadEmptiesTheDescription();
    void languageFile();
    void findDescriptionFiles();
    void hostileFiles_data();
    void hostileFiles();

private:
    QString writeFile(const QString &name, const QByteArray &bytes);
    QTemporaryDir m_dir;
};

void TestParameterDescription::initTestCase()
{
    QCoreApplication::setApplicationVersion(QStringLiteral("1.7.0"));
    QVERIFY(m_dir.isValid());
}

QString TestParameterDescription::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    if (!write(path, bytes))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestParameterDescription::header_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("parameterVersion");
    QTest::addColumn<QString>("pabOutVersion");

    QTest::newRow("versions from Parameter and PabOut objects")
        << document(project("PV 8120", "8120-0001") + object("Parameter", versionLine("250", "100"))
                    + object("XPabOut2", versionLine("123", "100")))
        << true << "2.50" << "1.23";
    QTest::newRow("no version values") << description() << true << "0.00" << "0.00";
    QTest::newRow("object name after the lines gives no version")
        << description("<group name=\"QVR_OBJECT\">" + versionLine("250", "100")
                       + "<value QVR_OBJECT_NAME=\"Parameter\"/></group>")
        << true << "0.00" << "0.00";
    QTest::newRow("name only contains Parameter") << description(object("Parameters", versionLine("250", "100")))
                                                  << true << "0.00" << "0.00";
    QTest::newRow("project after the version object")
        << document(object("Parameter", versionLine("7", "1")) + project("PV 8120", "8120-0001")) << true << "7.00"
        << "0.00";
    QTest::newRow("no order number")
        << document("<group name=\"QVR_PROJECT\"><value QVR_PROJECT_NAME=\"PV 8120\"/></group>") << false << "" << "";
    QTest::newRow("table version below the application's") << document(project("PV 8120", "1", "499")) << false << ""
                                                           << "";
    QTest::newRow("table version 0") << document(project("PV 8120", "1", "0")) << false << "" << "";
    QTest::newRow("table version not a number") << document(project("PV 8120", "1", "x")) << false << "" << "";
    QTest::newRow("wrong root tag") << QByteArray("<QVX>" + project("PV 8120", "1") + "</QVX>") << false << "" << "";
}

void TestParameterDescription::header()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, valid);
    QFETCH(QString, parameterVersion);
    QFETCH(QString, pabOutVersion);
    const QString path = writeFile(QStringLiteral("header.xml"), sealed(body));

    CParameterDescription description;
    QCOMPARE(description.loadHeader(path), valid);
    QCOMPARE(description.header().isValid(), valid);
    QCOMPARE(description.header().parameterVersion, parameterVersion);
    QCOMPARE(description.header().pabOutVersion, pabOutVersion);
    QVERIFY(description.objects().isEmpty());
    QCOMPARE(description.load(path), valid);
    if (valid) {
        QCOMPARE(description.header().projectName, QStringLiteral("PV 8120"));
        QCOMPARE(description.header().softwareVersion, QStringLiteral("1.07"));
        QCOMPARE(description.header().fileName, path);
    }
}

void TestParameterDescription::objects()
{
    const QByteArray content = object(
        "Messung",
        "<group name=\"QVR_LINE\"><value name=\"Base\" Default=\"1\"/><value name=\"NoDefault\"/>"
        "<group name=\"Bereich\" Text=\"Messbereich\"><value name=\"Count\" Default=\"3\"/><other><value/></other>"
        "<group name=\"Sub\" Text=\"Unten\"><value name=\"A\" Datatype=\"float\"/><value name=\"B\"/></group></group>"
        "</group><group name=\"QVR_TYPE_LIST\"><value name=\"L\" List=\"a,b\"/></group>"
        "<group name=\"QVR_TYPE_BITFIELD\"><group name=\"Bits\" Text=\"Status\"><value name=\"x\" Bit=\"0\"/></group>"
        "</group>");
    const QString path = writeFile(QStringLiteral("objects.xml"),
                                   sealed(description(content + "<group name=\"QVR_OBJECT\"/>")));
    CParameterDescription description;
    QVERIFY(description.load(path));
    QCOMPARE(description.objects().keys(), QStringList{QStringLiteral("Messung")});
    const ObjectDescription *messung = description.object(QStringLiteral("Messung"));
    QVERIFY(messung);
    QCOMPARE(messung->defaults, (QList<DefaultValue>{{"Base", "1"}}));
    QCOMPARE(messung->lines.size(), 1);
    const LineDescription &line = messung->lines.first();
    QCOMPARE(line.name, QStringLiteral("Bereich"));
    QCOMPARE(line.text, QStringLiteral("Messbereich"));
    QCOMPARE(line.defaults, (QList<DefaultValue>{{"Count", "3"}}));
    QCOMPARE(line.groups.size(), 1);
    QCOMPARE(line.groups.first().text, QStringLiteral("Unten"));
    QCOMPARE(line.groups.first().values.size(), 2);
    QCOMPARE(line.groups.first().values.first().value("Datatype"), QStringLiteral("float"));
    QCOMPARE(messung->listTypes.size(), 1);
    QCOMPARE(messung->listTypes.first().value("List"), QStringLiteral("a,b"));
    QCOMPARE(messung->bitfields.size(), 1);
    QCOMPARE(messung->bitfields.first().text, QStringLiteral("Status"));
    QCOMPARE(messung->bitfields.first().values.size(), 1);
}

void TestParameterDescription::laterObjectReplacesEarlierOne()
{
    const QByteArray first = object("A", "<group name=\"QVR_TYPE_LIST\"><value name=\"first\"/></group>");
    const QByteArray second = object("A", "<group name=\"QVR_TYPE_LIST\"><value name=\"second\"/></group>");
    const QString path = writeFile(QStringLiteral("replace.xml"), sealed(description(first + second)));
    CParameterDescription description;
    QVERIFY(description.load(path));
    QCOMPARE(description.objects().size(), 1);
    QCOMPARE(description.object("A")->listTypes.first().value("name"), QStringLiteral("second"));
}

void TestParameterDescription::features()
{
    const QByteArray content =
        "<group name=\"QVR_PROJECT_FEATURES\"><group name=\"RTC\"><value name=\"Enabled\" Default=\"true\"/>"
        "<group name=\"Uhr\"><value name=\"Address_RD\" Default=\"0x10\"/></group><group><value name=\"x\"/></group>"
        "</group><group name=\"IOMapping\"/></group>";
    const QString path = writeFile(QStringLiteral("features.xml"), sealed(description(content)));
    CParameterDescription description;
    QVERIFY(description.load(path));
    const QMap<QString, GroupTable> &features = description.header().features;
    QCOMPARE(features.keys(), (QStringList{"IOMapping", "RTC"}));
    QVERIFY(features.value("IOMapping").isEmpty());
    const GroupTable rtc = features.value("RTC");
    QCOMPARE(rtc.keys(), (QStringList{"Base", "Entry", "Uhr"}));
    const IndexedAttributeSet enabled = rtc.value("Base").first();
    QCOMPARE(enabled.value(0), qMakePair(QStringLiteral("name"), QStringLiteral("Enabled")));
    QCOMPARE(enabled.value(1), qMakePair(QStringLiteral("Default"), QStringLiteral("true")));
    QCOMPARE(rtc.value("Uhr").first().value(1).second, QStringLiteral("0x10"));
}

void TestParameterDescription::failedLoadEmptiesTheDescription()
{
    CParameterDescription loaded;
    QVERIFY(loaded.load(writeFile(QStringLiteral("good.xml"), sealed(description(object("A", ""))))));
    QCOMPARE(loaded.objects().size(), 1);
    QVERIFY(!loaded.load(m_dir.filePath(QStringLiteral("missing.xml"))));
    QVERIFY(loaded.objects().isEmpty());
    QVERIFY(!loaded.header().isValid());
}

void TestParameterDescription::languageFile()
{
    const QByteArray body = document(
        "<group name=\"QVR_LANGUAGES\"><value QVR_LANGUAGE_NAME=\"english\"/>"
        "<group name=\"QVR_LINE\"><value Text=\"old\" value=\"gone\"/></group>"
        "<group name=\"QVR_LINE\"><value Text=\"Einheit\" value=\"Unit\"/><value Text=\"Einheit\" value=\"Unit 2\"/>"
        "<value Text=\"leer\" value=\"\"/><value value=\"no key\"/></group></group>");
    for (const QByteArray &bytes : {body, sealed(body)}) {
        const LanguageTable table = readLanguageFile(writeFile(QStringLiteral("lang.xml"), bytes));
        QCOMPARE(table.languageName, QStringLiteral("english"));
        QCOMPARE(table.texts, (QHash<QString, QString>{{"Einheit", "Unit 2"}}));
    }
    QVERIFY(readLanguageFile(m_dir.filePath(QStringLiteral("missing.xml"))).texts.isEmpty());
}

void TestParameterDescription::findDescriptionFiles()
{
    QTemporaryDir dir;
    DescriptionHeader wanted;
    wanted.projectName = QStringLiteral("PV 8120");
    wanted.orderNumber = QStringLiteral("8120-0001");
    QVERIFY(::findDescriptionFiles(wanted, dir.path()).isEmpty());

    write(dir.filePath("plain.xml"), description());
    write(dir.filePath("sealed.xml"), sealed(description()));
    write(dir.filePath("other.xml"), document(project("PV 8120", "8120-0002")));
    write(dir.filePath("broken.xml"), "<QVR>");
    write(dir.filePath("bomb.xml"), quadraticEntityBomb(50000));
    write(dir.filePath("right.txt"), description());
    QStringList found = ::findDescriptionFiles(wanted, dir.path());
    found.sort();
    QCOMPARE(found, (QStringList{dir.filePath("plain.xml"), dir.filePath("sealed.xml")}));
}

void TestParameterDescription::hostileFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("loads");
    const QByteArray good = sealed(description(object("A", "")));
    QByteArray nonUtf8 = description("<value name=\"\xFF\xFE\xC0\x80\"/>");
    QTest::newRow("truncated") << good.left(good.size() / 2) << false;
    QTest::newRow("trailer one byte short") << good.left(good.size() - 1) << false;
    QTest::newRow("exponential entities") << sealed(exponentialEntityBomb(9)) << false;
    QTest::newRow("quadratic entities") << sealed(quadraticEntityBomb(50000)) << false;
    QTest::newRow("deep nesting") << sealed(nested(30000)) << false;
    QTest::newRow("wrong root tag") << sealed(QByteArray("<QVX>") + project("PV 8120", "1") + "</QVX>") << false;
    QTest::newRow("non-UTF-8 bytes") << sealed(nonUtf8) << false;
    QTest::newRow("zero bytes") << sealed(QByteArray(1000, '\0')) << false;
    QTest::newRow("huge attribute value") << sealed(description("<value name=\"" + QByteArray(20 << 20, 'x') + "\"/>"))
                                          << true;
}

void TestParameterDescription::hostileFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, loads);
    const QString path = writeFile(QStringLiteral("hostile.xml"), bytes);
    CParameterDescription description;
    QCOMPARE(description.load(path), loads);
    QCOMPARE(description.header().isValid(), loads);
    description.loadHeader(path);
    readLanguageFile(path);
    ::findDescriptionFiles(DescriptionHeader(), m_dir.path());
}

QTEST_GUILESS_MAIN(TestParameterDescription)
#include "tst_parameterdescription.moc"

#include "description/citembuilder.h"
#include "description/cparameterdescription.h"
#include "descriptiontestfiles.h"
#include "items/citem.h"

#include <QtTest>

using namespace TestFiles;

namespace {

// QCoreApplication keeps argc and argv by reference: tests switch "--no-xml-check" by editing them.
int appArgc = 2;
char appName[] = "tst_description";
char noCheck[] = "--no-xml-check";
char otherArgument[] = "--other";
char *appArgv[] = {appName, otherArgument, nullptr};

quint16 referenceCrc(const QByteArray &bytes)
{
    quint16 crc = 0xFFFF;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
    }
    return quint16((crc << 8) | (crc >> 8));
}

QByteArray versionLine(const QByteArray &defaultText, const QByteArray &divider)
{
    return "<group name=\"QVR_LINE\"><group name=\"Info\" Text=\"Info\"><value name=\"Version\" Default=\""
           + defaultText + "\" Divider=\"" + divider + "\"/></group></group>";
}

QByteArray listObject(const QByteArray &name, const QByteArray &entry)
{
    return object(name, "<group name=\"QVR_TYPE_LIST\"><value name=\"" + entry + "\"/></group>");
}

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

class TestDescription : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationVersion(QStringLiteral("1.7.0"));
        QVERIFY(m_device.load(QStringLiteral(LOOMWORK_DATA_DIR "/pv8120.xml")));
        CItemBuilder builder(m_device);
        QCOMPARE(builder.build(&m_deviceItems).size(), m_device.objects().size());
        QCOMPARE(builder.problems(), QStringList());
    }

    void init()
    {
        appArgv[1] = otherArgument;
        QCoreApplication::setApplicationVersion(QStringLiteral("1.7.0"));
    }

    void crc()
    {
        // Check value, stored high byte first.
        QCOMPARE(crc16(QByteArray("123456789")), quint16(0x374B));
        QVERIFY(!hasValidChecksum(QByteArray("123456789\x4B\x37")));
        // Plain loop, four lanes plus a tail, and the lane threshold (4 x 1024 bytes), on every alignment.
        QByteArray buffer(70000 + 16, Qt::Uninitialized);
        QRandomGenerator random(8120);
        for (char &byte : buffer)
            byte = char(random.bounded(256));
        QList<int> lengths{8191, 8192, 12345, 65536, 69999, 70000};
        for (int length = 0; length <= 80; ++length)
            lengths << length << 4096 - 40 + length;
        for (int offset = 0; offset < 8; ++offset) {
            for (const int length : qAsConst(lengths))
                QCOMPARE(crc16(buffer.constData() + offset, length), referenceCrc(buffer.mid(offset, length)));
        }
    }

    void wellFormedness_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("wellFormed");
        const auto good = [](const char *name, const QByteArray &bytes) { QTest::newRow(name) << bytes << true; };
        const auto bad = [](const char *name, const QByteArray &bytes) { QTest::newRow(name) << bytes << false; };
        good("predefined entities, character references, umlaut", "<QVR a=\"&amp;&lt;&#228;\" b=\"\xC3\xA4\"/>");
        good("umlaut in a name", "<QVR Gr\xC3\xB6\xC3\x9F" "e=\"1\"/>");
        bad("private-use character in a name", "<QVR a\xEF\x9A\x98=\"1\"/>");
        bad("@ in an attribute name", "<QVR n@me=\"1\"/>");
        bad("backquote in a tag", "<QVR><gr`oup/></QVR>");
        bad("control character in a value", "<QVR name=\"\x01\"/>");
        bad("invalid UTF-8", "<QVR name=\"\xC0\x80\"/>");
        bad("undeclared entity", "<QVR name=\"&boom;\"/>");
        good("document type, public id", "<!DOCTYPE QVR PUBLIC \"-//Loomwork//QVR//EN\" \"qvr.dtd\"><QVR/>");
        good("document type, element declarations",
             "<!DOCTYPE QVR [<!ELEMENT QVR (group|value)*><!ELEMENT value EMPTY>]><QVR/>");
        bad("external entity", "<!DOCTYPE QVR [<!ENTITY e SYSTEM \"/etc/passwd\">]><QVR>&e;</QVR>");
        bad("external subset, undeclared entity in a value", "<!DOCTYPE QVR SYSTEM \"qvr.dtd\"><QVR name=\"&boom;\"/>");
        bad("external subset, undeclared entity in text", "<!DOCTYPE QVR SYSTEM \"qvr.dtd\"><QVR>&boom;</QVR>");
        good("external subset, predefined entities", "<!DOCTYPE QVR SYSTEM \"qvr.dtd\"><QVR a=\"&amp;&#65;&lt;\"/>");
        // The plain form description files use (read without a general XML tokenizer) and its near misses.
        good("plain: comments, instructions, CDATA, references, blanks",
             "<?xml version='1.0' encoding='utf-8' ?>\n<?pi x?><QVR a = \"&amp;&lt;&gt;&quot;&apos;\" "
             "b='x\"]]>'>\r\n<!--c--><![CDATA[<a>]]]]><v/>a>b&amp;</QVR >\n<!---->\n");
        good("plain: four-byte character in a value", "<QVR a=\"\xF0\x9F\x98\x80\"/>");
        bad("attribute given twice", "<QVR a=\"1\" a=\"2\"/>");
        bad("no blank between attributes", "<QVR a=\"1\"b=\"2\"/>");
        bad("unquoted value", "<QVR a=1/>");
        bad("< in a value", "<QVR a=\"<\"/>");
        bad("]]> in text", "<QVR>]]></QVR>");
        bad("-- in a comment", "<QVR><!-- a -- b --></QVR>");
        bad("end tag of another element", "<QVR><a></b></QVR>");
        bad("second root", "<QVR/><QVR/>");
        bad("text after the root", "<QVR/>x");
        bad("reserved instruction target", "<QVR><?XmL x?></QVR>");
        bad("reference without a semicolon", "<QVR a=\"&amp\"/>");
        bad("noncharacter U+FFFF", "<QVR>\xEF\xBF\xBF</QVR>");
        bad("unfinished CDATA section", "<QVR><![CDATA[x]]</QVR>");
        bad("blank inside an empty-element tag", "<QVR a=\"1\"/ >");
        bad("unfinished comment behind the root", "<QVR/>\n<!-- x --");
        good("deepest nesting allowed", nested(255));
        bad("nesting one level too deep", nested(256));
        bad("oversized", document("<v n=\"" + QByteArray(64 * 1024 * 1024, 'x') + "\"/>"));
    }

    void wellFormedness()
    {
        QFETCH(QByteArray, bytes);
        QTEST(isWellFormedXml(bytes), "wellFormed");
    }

    void readDocumentBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("argument");
        QTest::addColumn<QByteArray>("result"); // empty when refused
        const QByteArray on(otherArgument), off(noCheck);
        const QByteArray body = description();
        const QByteArray sealed = TestFiles::sealed(body);
        const QByteArray wrongTrailer = sealed.chopped(1) + char(sealed.back() ^ 0x55);
        const QByteArray brokenEarly = QByteArray(body).replace("<QVR>", "<QVR") + "xx";

        QTest::newRow("sealed") << sealed << on << body;
        QTest::newRow("unsealed, check off") << body << off << body;
        QTest::newRow("unsealed, switch with a value") << body << QByteArray("--no-xml-check=1") << QByteArray();
        QTest::newRow("unsealed, switch in other case") << body << QByteArray("--NO-XML-CHECK") << QByteArray();
        QTest::newRow("wrong trailer") << wrongTrailer << on << QByteArray();
        QTest::newRow("wrong trailer, check off") << wrongTrailer << off << body;
        QTest::newRow("wrong ASCII trailer, check off") << body + "ab" << off << body;
        QTest::newRow("error before the last line, check off") << brokenEarly << off << QByteArray();
        QTest::newRow("empty") << QByteArray() << on << QByteArray();
        const QByteArray xmlTrailer = withTrailer(bodyWithXmlTrailer());
        const QByteArray resealed = TestFiles::sealed(bodyWithXmlTrailer());
        QTest::newRow("trailer that reads as XML") << xmlTrailer << on << QByteArray();
        QTest::newRow("sealed with other blanks behind the root") << resealed << on << resealed.chopped(2);
        QTest::newRow("trailer that reads as XML, check off") << xmlTrailer << off << xmlTrailer;
    }

    void readDocumentBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, argument);
        appArgv[1] = argument.data();
        QTEST(::readDocumentBytes(bytes, 2), "result");
    }

    void tableVersions_data()
    {
        QTest::addColumn<QString>("applicationVersion");
        QTest::addColumn<int>("minimum");
        QTest::newRow("1.3.0") << "1.3.0" << 400;
        QTest::newRow("1.12.0 reads 1.12, below 1.2") << "1.12.0" << 300;
        QTest::newRow("1.0.5") << "1.0.5" << 300;
        QTest::newRow("0.9.0") << "0.9.0" << 0;
        QTest::newRow("empty") << "" << 0;
    }

    void tableVersions()
    {
        QFETCH(QString, applicationVersion);
        QFETCH(int, minimum);
        QCoreApplication::setApplicationVersion(applicationVersion);
        QCOMPARE(minimumTableVersion(), minimum);
        QVERIFY(!isTableVersionSupported(minimum - 1) && !isTableVersionSupported(0));
        QVERIFY(isTableVersionSupported(qMax(1, minimum)));
    }

    // Every refused file says why; hostile files are refused (or loaded) without a crash.
    void load_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("versions"); // parameter/PabOut; empty when refused
        QTest::addColumn<QString>("reason");   // start of the error text
        const auto loads = [](const char *name, const QByteArray &bytes, const char *versions) {
            QTest::newRow(name) << bytes << versions << QString();
        };
        const auto refused = [](const char *name, const QByteArray &bytes, const char *reason) {
            QTest::newRow(name) << bytes << QString() << reason;
        };
        const auto file = [](const QByteArray &content) { return sealed(description(content)); };
        const char *none = "0.00/0.00";
        const QByteArray good = file(object("A", ""));
        QByteArray attributes;
        for (int i = 0; i < 65; ++i)
            attributes += " a" + QByteArray::number(i) + "=\"\"";
        loads("versions from Parameter and PabOut",
              file(object("Parameter", versionLine("250", "100")) + object("XPabOut2", versionLine("123", "100"))),
              "2.50/1.23");
        loads("document type",
              sealed("<?xml version=\"1.0\"?>\n<!DOCTYPE QVR SYSTEM \"qvr.dtd\" [<!ELEMENT QVR ANY>]>\n"
                     + description().mid(description().indexOf("<QVR>"))),
              none);
        loads("object name after the lines",
              file("<group name=\"QVR_OBJECT\">" + versionLine("250", "100")
                   + "<value QVR_OBJECT_NAME=\"Parameter\"/></group>"),
              none);
        loads("name only contains Parameter", file(object("Parameters", versionLine("250", "1"))), none);
        loads("project after the version object",
              sealed(document(object("Parameter", versionLine("7", "1")) + project("PV 8120", "8120-0001"))),
              "7.00/0.00");
        loads("longest attribute value", file("<value name=\"" + QByteArray(64 << 10, 'x') + "\"/>"), none);
        refused("unsealed", description(), "not sealed");
        refused("changed after sealing", QByteArray(file("")).replace("8120-0001", "8120-0002"),
                "the checksum does not match: the file was changed after it was sealed");
        refused("no XML", file("<value name=\"x\">"), "not XML at line 4, column 22: Opening and ending tag mismatch.");
        refused("too deep", sealed(nested(300)), "nested deeper than 256 elements (line 3)");
        refused("too many attributes", file("\n<value" + attributes + "/>"),
                "more than 64 attributes in one element (line 5, column 1)");
        refused("too many elements", file(QByteArray("<value/>").repeated(200001)),
                "more than 200000 elements (line 4, column 1599977)");
        refused("attribute too long", file("<value name=\"" + QByteArray(65537, 'x') + "\"/>"),
                "an attribute value of more than 65536 bytes (line 4, column 13)");
        refused("text too long", file("<value>" + QByteArray(65537, 'x') + "</value>"),
                "a text of more than 65536 bytes (line 4, column 8)");
        refused("comment too long", file("<!--" + QByteArray(65537, '-') + "-->"),
                "a comment of more than 65536 bytes");
        refused("table version", sealed(document(project("PV 8120", "1", "499"))),
                "table version \"499\" is not supported (this program reads 500 and later)");
        refused("table version not a number", sealed(document(project("PV 8120", "1", "x"))), "table version \"x\"");
        refused("no order number", sealed(document(project("PV 8120", ""))),
                "the project header lacks the project name or the order number");
        refused("wrong root", sealed("<QVX>" + project("PV 8120", "1") + "</QVX>"),
                "the root element is <QVX>, not <QVR>");
        refused("truncated", good.left(good.size() / 2), "");
        refused("exponential entities", sealed(exponentialEntityBomb(9)), "");
        refused("quadratic entities", sealed(quadraticEntityBomb(50000)), "");
        refused("zero bytes", sealed(QByteArray(1000, '\0')), "");
    }

    void load()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, versions);
        QFETCH(QString, reason);
        const QString path = writeFile(bytes);
        const bool valid = !versions.isEmpty();
        CParameterDescription description;
        QCOMPARE(description.loadHeader(path), valid);
        QCOMPARE(description.errorString().isEmpty(), valid);
        QVERIFY(description.objects().isEmpty());
        QCOMPARE(description.load(path), valid);
        QCOMPARE(description.errorString().isEmpty(), valid);
        QVERIFY2(description.errorString().startsWith(reason), qPrintable(description.errorString()));
        if (valid) {
            const DescriptionHeader &header = description.header();
            QCOMPARE(header.parameterVersion + '/' + header.pabOutVersion, versions);
            QCOMPARE(header.projectName + header.softwareVersion, QStringLiteral("PV 81201.07"));
            QCOMPARE(header.fileName, path);
        }
        // The reader's own answer stays what it was when it gives a reason.
        QString why;
        QCOMPARE(::readDocumentBytes(bytes, 2, &why), ::readDocumentBytes(bytes, 2));
        readLanguageFile(path);
        ::findDescriptionFiles(DescriptionHeader(), m_dir.path());
    }

    // The same records whether the plain-form reader or (behind a document type) the general reader reads the file.
    void objectsAndFeatures_data()
    {
        QTest::addColumn<QByteArray>("beforeRoot");
        QTest::newRow("plain form") << QByteArray();
        QTest::newRow("general reader") << QByteArray("<!DOCTYPE QVR>\n");
    }

    void objectsAndFeatures()
    {
        QFETCH(QByteArray, beforeRoot);
        const QByteArray messung = object(
            "Messung",
            "<group name=\"QVR_LINE\"><value name=\"Base\" Default=\"1\"/><value name=\"NoDefault\"/>"
            "<group name=\"Bereich\" Text=\"Messbereich\"><value name=\"Count\" Default=\"3\"/><other><value/></other>"
            "<group name=\"Sub\" Text=\"Unten\"><value name=\"A\"/><value name=\"B\"/></group></group>"
            "</group><group name=\"QVR_TYPE_BITFIELD\"><group name=\"Bits\" Text=\"Status\"><value Bit=\"0\"/></group>"
            "</group>");
        const QByteArray features =
            "<group name=\"QVR_PROJECT_FEATURES\"><group name=\"RTC\"><value name=\"Enabled\" Default=\"true\"/>"
            "<group name=\"Uhr\"><value name=\"Address\" Default=\"0x10\"/></group><group><value name=\"x\"/></group>"
            "</group><group name=\"IOMapping\"/></group>";
        CParameterDescription loaded;
        QByteArray bytes = description(messung + listObject("A", "first") + listObject("A", "second &amp; &lt;third&gt;")
                                       + "<group name=\"QVR_OBJECT\"/>" + features);
        bytes.insert(bytes.indexOf("<QVR>"), beforeRoot);
        QVERIFY(loaded.load(writeFile(sealed(bytes))));
        QCOMPARE(loaded.objects().keys(), (QStringList{"A", "Messung"}));
        QCOMPARE(loaded.object("A")->listTypes.first().value("name"), QStringLiteral("second & <third>"));
        const ObjectDescription *object = loaded.object(QStringLiteral("Messung"));
        QCOMPARE(object->defaults, (QList<DefaultValue>{{"Base", "1"}}));
        QCOMPARE(object->lines.size(), 1);
        const LineDescription &line = object->lines.first();
        QCOMPARE(line.name + line.text, QStringLiteral("BereichMessbereich"));
        QCOMPARE(line.defaults, (QList<DefaultValue>{{"Count", "3"}}));
        QCOMPARE(line.groups.first().values.size(), 2);
        QCOMPARE(object->bitfields.first().text, QStringLiteral("Status"));

        QCOMPARE(loaded.header().features.keys(), (QStringList{"IOMapping", "RTC"}));
        const GroupTable rtc = loaded.header().features.value("RTC");
        QCOMPARE(rtc.keys(), (QStringList{"Base", "Entry", "Uhr"}));
        QCOMPARE(rtc.value("Base").first().value(1), qMakePair(QStringLiteral("Default"), QStringLiteral("true")));
        QCOMPARE(rtc.value("Uhr").first().value(1).second, QStringLiteral("0x10"));

        // A failed load leaves nothing of the earlier one.
        QVERIFY(!loaded.load(m_dir.filePath(QStringLiteral("missing.xml"))));
        QVERIFY(loaded.objects().isEmpty() && !loaded.header().isValid());
        QVERIFY2(loaded.errorString().startsWith("cannot open the file: "), qPrintable(loaded.errorString()));
    }

    void languageFile()
    {
        const QByteArray body = document(
            "<group name=\"QVR_LANGUAGES\"><value QVR_LANGUAGE_NAME=\"english\"/>"
            "<group name=\"QVR_LINE\"><value Text=\"old\" value=\"gone\"/></group>"
            "<group name=\"QVR_LINE\"><value Text=\"Einheit\" value=\"Unit\"/><value Text=\"Einheit\" value=\"U2\"/>"
            "<value Text=\"leer\" value=\"\"/><value value=\"no key\"/></group></group>");
        QString error;
        for (const QByteArray &bytes : {body, sealed(body)}) {
            const LanguageTable table = readLanguageFile(writeFile(bytes), &error);
            QCOMPARE(table.languageName, QStringLiteral("english"));
            QCOMPARE(table.texts, (QHash<QString, QString>{{"Einheit", "U2"}}));
            QVERIFY(error.isEmpty());
        }
        // A language file is small; a large or hostile one is not read.
        QVERIFY(readLanguageFile(writeFile(body + QByteArray(4 << 20, ' ')), &error).texts.isEmpty());
        QCOMPARE(error, QStringLiteral("larger than 4 MB"));
        QVERIFY(readLanguageFile(writeFile(document("<value a=\"\"/>\n<x")), &error).texts.isEmpty());
        QVERIFY2(error.startsWith("not XML at line"), qPrintable(error));
    }

    void findDescriptionFiles()
    {
        QTemporaryDir dir;
        const DescriptionHeader &wanted = m_device.header(); // PV 8120, 8120-0001
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
        const CItem *item = lookup(&m_deviceItems, name);
        QCOMPARE(item ? item->objectName() : QString(), name);
        QVERIFY(isParameter(item) && !item->rawCaption().isEmpty());
    }

    void registersDoNotOverlap()
    {
        QMap<uint, QString> used; // register -> item
        for (const CItem *item : m_deviceItems.findChildren<CItem *>()) {
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
        const CItem *status = lookup(&m_deviceItems, "Geraetestatus");
        QCOMPARE(status->type(), CItem::DATA_TYPE_BIT16);
        const CItem *state = status->findChild<CItem *>(QStringLiteral("Geraetestatus_Betriebszustand"));
        QVERIFY(state);
        QCOMPARE(qMakePair(state->bitPosition(), state->bitCount()), qMakePair(8, 3));

        const LanguageTable english = readLanguageFile(QStringLiteral(LOOMWORK_DATA_DIR "/pv8120_en.xml"));
        QCOMPARE(english.languageName, QStringLiteral("english"));
        QObject root;
        CItemBuilder builder(m_device);
        builder.setLanguage(english, QStringLiteral("en"));
        builder.build(&root);
        QCOMPARE(lookup(&root, "MessbereichAnfang")->caption(), QStringLiteral("Measuring range start"));
        QCOMPARE(lookup(&root, "Tasten")->textList(), (QStringList{"enabled", "locked"}));
        // Choice lists translate as a whole; the units stay as they are.
        QCOMPARE(lookup(&root, "Kennlinie")->textList(), (QStringList{"linear", "square root", "table"}));
        QCOMPARE(lookup(&root, "Schleichmengenfunktion")->textList().first(), QStringLiteral("none"));
        QCOMPARE(lookup(&root, "Einheit")->valueText(), lookup(&m_deviceItems, "Einheit")->valueText());
    }

    // A faulty value "P" is reported by name and still built next to a good one; P's chart settings come through.
    void buildValue_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("bitfields"); // the object's bit-field types
        QTest::addColumn<QString>("problem");      // part of the only problem; empty: none
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QString>("color"); // empty: invalid
        QTest::addColumn<int>("axis");
        const QByteArray flags = "<value name=\"P\" Datatype=\"bit16_t\" Bitfield=\"Bits\"/>";
        const auto bits = [](const QByteArray &fields) {
            return "<group name=\"QVR_TYPE_BITFIELD\"><group name=\"Bits\">" + fields + "</group></group>";
        };
        const auto row = [](const char *name, const QByteArray &value, const QByteArray &bitfields, const char *part) {
            QTest::newRow(name) << value << bitfields << QString(part) << false << QString() << 0;
        };
        const auto chart = [](const char *name, const char *attributes, bool visible, const char *color, int axis,
                              const char *part) {
            QTest::newRow(name) << "<value name=\"P\" Datatype=\"float\" " + QByteArray(attributes) + "/>"
                                << QByteArray() << QString(part) << visible << QString(color) << axis;
        };
        row("unknown data type", "<value name=\"P\" Datatype=\"quaternion\"/>", "", "quaternion");
        row("list type missing", "<value name=\"P\" Datatype=\"list16_t\" List=\"Missing\"/>", "", "Missing");
        row("bit-field type missing", flags, "", "\"Bits\" not found");
        row("no name", "<value Datatype=\"uint16_t\"/>", "", "value without a name");
        row("bit position twice", flags,
            bits("<value name=\"A\" Bit=\"3\"/><value name=\"B\" Bit=\"3\"/><value name=\"C\" Bit=\"4\"/>"),
            "\"B\" of \"Bits\" has no free bit position");
        row("negative bit position", flags, bits("<value name=\"A\" Bit=\"-1\"/>"),
            "\"A\" of \"Bits\" has no free bit position");
        row("no bit position", flags, bits("<value name=\"A\"/>"), "\"A\" of \"Bits\" has no free bit position");
        row("distinct bit positions", flags, bits("<value name=\"A\" Bit=\"0\"/><value name=\"B\" Bit=\"1\"/>"), "");
        chart("no chart settings", "", false, "", 0, "");
        chart("all chart settings", "Chart=\"true\" Color=\"#c62828\" YAxis=\"1\"", true, "#c62828", 1, "");
        chart("colour by name", "Chart=\"false\" Color=\"teal\"", false, "#008080", 0, "");
        chart("chart flag not boolean", "Chart=\"yes\"", false, "", 0, "chart flag");
        chart("unknown colour", "Chart=\"true\" Color=\"#12\"", true, "", 0, "colour");
        chart("third axis", "YAxis=\"2\"", false, "", 0, "chart axis");
    }

    void buildValue()
    {
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, bitfields);
        QFETCH(QString, problem);
        QFETCH(QString, color);
        QObject root;
        const QStringList reported =
            buildLine(value + "<value name=\"Fine\" Datatype=\"uint16_t\" Address_RW=\"0x10\"/>", &root, bitfields);
        QCOMPARE(reported.size(), problem.isEmpty() ? 0 : 1);
        QVERIFY2(reported.join('\n').contains(problem), qPrintable(reported.join('\n')));
        // Nothing is dropped: the faulty item exists next to the good one.
        const CItem *objectItem = root.findChild<CItem *>(QStringLiteral("O"));
        QVERIFY2(objectItem, qPrintable(reported.join('\n')));
        const QList<CItem *> built = objectItem->findChildren<CItem *>();
        const auto isValue = [](const CItem *item) {
            return item->objectName() != "L" && item->type() != CItem::DATA_TYPE_BITFIELD_ENTRY;
        };
        QCOMPARE(std::count_if(built.begin(), built.end(), isValue), 2);
        QCOMPARE(lookup(&root, "Fine")->feature("Address_RW").toUInt(), 0x10u);
        if (const CItem *item = lookup(&root, "P")) { // not the unnamed value
            QTEST(item->isChartVisible(), "visible");
            QCOMPARE(item->color().isValid() ? item->color().name() : QString(), color);
            QTEST(item->yAxis(), "axis");
        }
    }

private:
    QString writeFile(const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(QStringLiteral("file.xml"));
        return write(path, bytes) ? path : QString();
    }

    // Builds object "O", whose line "L" holds values and is followed by extra, under root; returns the problems.
    QStringList buildLine(const QByteArray &values, QObject *root, const QByteArray &extra = QByteArray())
    {
        const QByteArray content = "<group name=\"QVR_LINE\"><group name=\"L\"><group>" + values
                                   + "</group></group></group>" + extra;
        CParameterDescription parsed;
        if (!parsed.load(writeFile(sealed(description(object("O", content))))))
            return {parsed.errorString()};
        CItemBuilder builder(parsed);
        builder.build(root);
        return builder.problems();
    }
    QTemporaryDir m_dir;
    CParameterDescription m_device; // the device's own description
    QObject m_deviceItems;          // and the items built from it
};

int main(int argc, char *argv[])
{
    QCoreApplication app(appArgc, appArgv);
    TestDescription test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_description.moc"

// Checksum, trailer handling, command-line switch and table versions.

#include "description/cparameterdescription.h"
#include "descriptiontestfiles.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QtTest>

namespace {

// QCoreApplication keeps a reference to argc and the argv array it was built
// with, so the tests switch "--no-xml-check" on and off by editing them.
int appArgc = 2;
char appName[] = "tst_descriptionchecks";
char noCheck[] = "--no-xml-check";
char otherArgument[] = "--other";
char *appArgv[] = {appName, otherArgument, nullptr};

void setArgument(char *argument)
{
    appArgv[1] = argument;
}

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

} // namespace

class TestDescriptionChecks : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { setArgument(otherArgument); }

    void crcCheckValues_data();
    void crcCheckValues();
    void crcMatchesBitwiseReferenceOnEveryLengthAndAlignment();
    void checksumTrailer();
    void xmlCheckSwitch_data();
    void xmlCheckSwitch();
    void wellFormedness_data();
    void wellFormedness();
    void readDocumentBytes_data();
    void readDocumentBytes();
    void hostileInputsAreRefused_data();
    void hostileInputsAreRefused();
    void tableVersions_data();
    void tableVersions();
};

void TestDescriptionChecks::crcCheckValues_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("expected");
    QTest::newRow("empty") << QByteArray() << 0xFFFF;
    QTest::newRow("check value 123456789, stored 37 4B") << QByteArray("123456789") << 0x374B;
    QTest::newRow("one zero byte") << QByteArray(1, '\0') << 0xBF40;
}

void TestDescriptionChecks::crcCheckValues()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, expected);
    QCOMPARE(int(crc16(bytes)), expected);
    const QByteArray sealed = TestFiles::sealed(bytes);
    QCOMPARE(quint8(sealed.at(sealed.size() - 2)), quint8(expected >> 8));
}

void TestDescriptionChecks::crcMatchesBitwiseReferenceOnEveryLengthAndAlignment()
{
    // Short inputs take the plain sliced loop, long ones four interleaved
    // lanes plus a tail; both are compared on every alignment, the long ones
    // around the lane threshold (4 x 1024 bytes) and at odd sizes.
    QByteArray buffer(70000 + 16, Qt::Uninitialized);
    QRandomGenerator random(8120);
    for (char &byte : buffer)
        byte = char(random.bounded(256));
    QList<int> lengths;
    for (int length = 0; length <= 80; ++length)
        lengths.append(length);
    for (int length = 4096 - 40; length <= 4096 + 40; ++length)
        lengths.append(length);
    lengths << 8191 << 8192 << 12345 << 65536 << 69999 << 70000;
    for (int offset = 0; offset < 8; ++offset) {
        for (const int length : qAsConst(lengths))
            QCOMPARE(crc16(buffer.constData() + offset, length), referenceCrc(buffer.mid(offset, length)));
    }
}

void TestDescriptionChecks::checksumTrailer()
{
    const QByteArray sealed = TestFiles::sealed(TestFiles::description());
    QVERIFY(hasValidChecksum(sealed));
    QByteArray changed = sealed;
    changed[20] = changed.at(20) ^ 0x01;
    QVERIFY(!hasValidChecksum(changed));
    QVERIFY(!hasValidChecksum(sealed.left(sealed.size() - 1)));
    QVERIFY(!hasValidChecksum(QByteArray(1, char(0xFF))));
    QVERIFY(hasValidChecksum(QByteArray("\xFF\xFF", 2))); // empty body
}

void TestDescriptionChecks::xmlCheckSwitch_data()
{
    QTest::addColumn<QByteArray>("argument");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("exact switch") << QByteArray(noCheck) << false;
    QTest::newRow("other argument") << QByteArray(otherArgument) << true;
    QTest::newRow("switch with value") << QByteArray("--no-xml-check=1") << true;
    QTest::newRow("other case") << QByteArray("--NO-XML-CHECK") << true;
}

void TestDescriptionChecks::xmlCheckSwitch()
{
    QFETCH(QByteArray, argument);
    QFETCH(bool, enabled);
    setArgument(argument.data());
    QCOMPARE(isXmlCheckEnabled(), enabled);
}

void TestDescriptionChecks::wellFormedness_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("wellFormed");
    QTest::newRow("description") << TestFiles::description() << true;
    QTest::newRow("predefined entities, character references, umlaut")
        << QByteArray("<QVR a=\"&amp;&lt;&#228;\" b=\"\xC3\xA4\"/>") << true;
    QTest::newRow("prefixed names") << QByteArray("<x:QVR x:a=\"1\"/>") << true;
    QTest::newRow("umlaut in a name") << QByteArray("<QVR Gr\xC3\xB6\xC3\x9F" "e=\"1\"/>") << true;
    QTest::newRow("private-use character in a name") << QByteArray("<QVR a\xEF\x9A\x98=\"1\"/>") << false;
    QTest::newRow("@ in an attribute name") << QByteArray("<QVR n@me=\"1\"/>") << false;
    QTest::newRow("backquote in a tag") << QByteArray("<QVR><gr`oup/></QVR>") << false;
    QTest::newRow("control character in a name") << QByteArray("<QVR na\x01me=\"1\"/>") << false;
    QTest::newRow("control character in a value") << QByteArray("<QVR name=\"\x01\"/>") << false;
    QTest::newRow("invalid UTF-8") << QByteArray("<QVR name=\"\xC0\x80\"/>") << false;
    QTest::newRow("undeclared entity") << QByteArray("<QVR name=\"&boom;\"/>") << false;
}

void TestDescriptionChecks::wellFormedness()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, wellFormed);
    QCOMPARE(isWellFormedXml(bytes), wellFormed);
}

void TestDescriptionChecks::readDocumentBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("checkOff");
    QTest::addColumn<QString>("expected"); // "body", "bytes" or "refused"

    const QByteArray body = TestFiles::description();
    const QByteArray sealed = TestFiles::sealed(body);
    QByteArray wrongTrailer = sealed;
    wrongTrailer[wrongTrailer.size() - 1] = char(wrongTrailer.at(wrongTrailer.size() - 1) ^ 0x55);
    QByteArray changedText = sealed;
    changedText.replace("8120-0001", "8120-0002");
    QByteArray brokenEarly = TestFiles::sealed(body);
    brokenEarly.replace("<QVR>", "<QVR");
    brokenEarly[brokenEarly.size() - 1] = 'x';

    QTest::newRow("sealed") << sealed << false << "body";
    QTest::newRow("sealed, check off") << sealed << true << "body";
    QTest::newRow("one byte of the text changed") << changedText << false << "refused";
    QTest::newRow("unsealed") << body << false << "refused";
    QTest::newRow("unsealed, check off") << body << true << "bytes";
    QTest::newRow("wrong trailer") << wrongTrailer << false << "refused";
    QTest::newRow("wrong trailer, check off") << wrongTrailer << true << "body";
    QTest::newRow("wrong ASCII trailer, check off") << body + "ab" << true << "body";
    QTest::newRow("error before the last line, check off") << brokenEarly << true << "refused";
    QTest::newRow("trailer one byte short") << sealed.left(sealed.size() - 1) << false << "refused";
    QTest::newRow("empty") << QByteArray() << false << "refused";
    QTest::newRow("not XML") << QByteArray("hello") << false << "refused";
}

void TestDescriptionChecks::readDocumentBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, checkOff);
    QFETCH(QString, expected);
    setArgument(checkOff ? noCheck : otherArgument);
    const QByteArray result = ::readDocumentBytes(bytes, 2);
    if (expected == QLatin1String("body"))
        QCOMPARE(result, bytes.left(bytes.size() - 2));
    else if (expected == QLatin1String("bytes"))
        QCOMPARE(result, bytes);
    else
        QVERIFY(result.isEmpty());
}

void TestDescriptionChecks::hostileInputsAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("deep nesting") << TestFiles::sealed(TestFiles::nested(30000));
    QTest::newRow("nesting one level too deep") << TestFiles::sealed(TestFiles::nested(256));
    QTest::newRow("exponential entities") << TestFiles::sealed(TestFiles::exponentialEntityBomb(9));
    QTest::newRow("quadratic entities") << TestFiles::sealed(TestFiles::quadraticEntityBomb(50000));
    QTest::newRow("oversized") << TestFiles::sealed(TestFiles::document(
        "<value name=\"" + QByteArray(64 * 1024 * 1024, 'x') + "\"/>"));
}

void TestDescriptionChecks::hostileInputsAreRefused()
{
    QFETCH(QByteArray, bytes);
    for (char *argument : {otherArgument, noCheck}) {
        setArgument(argument);
        QVERIFY(!isWellFormedXml(bytes));
        QVERIFY(::readDocumentBytes(bytes, 2).isEmpty());
        QVERIFY(::readDocumentBytes(bytes.left(bytes.size() - 2), 2).isEmpty());
    }
    // The deepest nesting the format allows still passes.
    QVERIFY(isWellFormedXml(TestFiles::nested(255)));
}

void TestDescriptionChecks::tableVersions_data()
{
    QTest::addColumn<QString>("applicationVersion");
    QTest::addColumn<int>("minimum");
    QTest::newRow("1.7.0") << "1.7.0" << 500;
    QTest::newRow("2.0.1") << "2.0.1" << 500;
    QTest::newRow("1.3.0") << "1.3.0" << 400;
    QTest::newRow("1.20.0 reads 1.20") << "1.20.0" << 400;
    QTest::newRow("1.12.0 reads 1.12, below 1.2") << "1.12.0" << 300;
    QTest::newRow("1.0.5") << "1.0.5" << 300;
    QTest::newRow("0.9.0") << "0.9.0" << 0;
    QTest::newRow("no number") << "abc" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestDescriptionChecks::tableVersions()
{
    QFETCH(QString, applicationVersion);
    QFETCH(int, minimum);
    QCoreApplication::setApplicationVersion(applicationVersion);
    QCOMPARE(minimumTableVersion(), minimum);
    QCOMPARE(isTableVersionSupported(minimum), minimum >= 1);
    QVERIFY(!isTableVersionSupported(minimum - 1));
    QVERIFY(!isTableVersionSupported(0));
    QVERIFY(isTableVersionSupported(qMax(1, minimum)));
}

int main(int argc, char *argv[])
{
    QCoreApplication app(appArgc, appArgv);
    TestDescriptionChecks test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_descriptionchecks.moc"

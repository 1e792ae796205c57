// The loomwork-seal program: exit status and files of seal, check and strip.

#include "descriptiontestfiles.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestLoomworkSeal : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void check_data();
    void check();
    void sealAndStripRoundTrip();

private:
    int run(const QStringList &arguments, QByteArray *output = nullptr);
    QString m_program;
    QTemporaryDir m_dir;
};

void TestLoomworkSeal::initTestCase()
{
    m_program = QCoreApplication::applicationDirPath() + QStringLiteral("/loomwork-seal");
    QVERIFY(QFileInfo(m_program).isExecutable());
}

int TestLoomworkSeal::run(const QStringList &arguments, QByteArray *output)
{
    QProcess process;
    process.start(m_program, arguments);
    if (!process.waitForFinished(30000))
        return -1;
    if (output)
        *output = process.readAllStandardOutput() + process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

void TestLoomworkSeal::check_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("message");

    const QByteArray body = TestFiles::description();
    QByteArray tampered = TestFiles::sealed(body);
    tampered.replace("8120-0001", "8120-0002");
    const QStringList check{"check", "FILE"};
    QTest::newRow("sealed") << check << TestFiles::sealed(body) << 0 << QByteArray("checksum valid");
    QTest::newRow("tampered") << check << tampered << 2 << QByteArray("does not match");
    QTest::newRow("not sealed") << check << body << 3 << QByteArray("not sealed");
    QTest::newRow("not XML") << check << QByteArray("plain text\n") << 4 << QByteArray("not a well-formed");
    QTest::newRow("entity bomb") << check << TestFiles::sealed(TestFiles::quadraticEntityBomb(1000)) << 4
                                 << QByteArray("not a well-formed");
    QTest::newRow("missing file") << QStringList{"check", "/nonexistent/x.xml"} << QByteArray() << 5
                                  << QByteArray("cannot read");
    QTest::newRow("help") << QStringList{"--help"} << QByteArray() << 0 << QByteArray("Usage");
    QTest::newRow("unknown command") << QStringList{"frobnicate", "FILE"} << QByteArray() << 1 << QByteArray("Usage");
}

void TestLoomworkSeal::check()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, content);
    QFETCH(int, status);
    QFETCH(QByteArray, message);
    const QString path = m_dir.filePath(QStringLiteral("file.xml"));
    QVERIFY(TestFiles::write(path, content));
    arguments.replaceInStrings(QStringLiteral("FILE"), path);
    QByteArray output;
    QCOMPARE(run(arguments, &output), status);
    QVERIFY2(output.contains(message), output.constData());
}

void TestLoomworkSeal::sealAndStripRoundTrip()
{
    const QByteArray body = TestFiles::description();
    const QString in = m_dir.filePath(QStringLiteral("in.xml"));
    const QString sealedPath = m_dir.filePath(QStringLiteral("sealed.xml"));
    const QString strippedPath = m_dir.filePath(QStringLiteral("stripped.xml"));
    QVERIFY(TestFiles::write(in, body));
    QCOMPARE(run({"seal", in, sealedPath}), 0);
    QCOMPARE(run({"check", sealedPath}), 0);
    QFile sealedFile(sealedPath);
    QVERIFY(sealedFile.open(QIODevice::ReadOnly));
    QCOMPARE(sealedFile.readAll(), TestFiles::sealed(body));
    QCOMPARE(run({"seal", sealedPath}), 0); // sealing twice changes nothing
    QCOMPARE(run({"check", sealedPath}), 0);
    QCOMPARE(run({"strip", sealedPath, strippedPath}), 0);
    QFile stripped(strippedPath);
    QVERIFY(stripped.open(QIODevice::ReadOnly));
    QCOMPARE(stripped.readAll(), body);
}

QTEST_GUILESS_MAIN(TestLoomworkSeal)
#include "tst_loomworkseal.moc"

#include "descriptiontestfiles.h"

#include <QtTest>

class TestLoomworkSeal : public QObject
{
    Q_OBJECT

private slots:
    void run_data()
    {
        QTest::addColumn<QStringList>("arguments"); // FILE holds content; OUT is checked against written
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<QByteArray>("written");

        const QByteArray body = TestFiles::description();
        const QByteArray sealed = TestFiles::sealed(body);
        const QByteArray tampered = QByteArray(sealed).replace("8120-0001", "8120-0002");
        const QStringList check{"check", "FILE"}, seal{"seal", "FILE", "OUT"};
        const QByteArray none, bad("not a well-formed"), usage("Usage");
        QTest::newRow("sealed") << check << sealed << 0 << QByteArray("checksum valid") << none;
        QTest::newRow("tampered") << check << tampered << 2 << QByteArray("does not match") << none;
        QTest::newRow("not sealed") << check << body << 3 << QByteArray("not sealed") << none;
        const QByteArray xmlBody = TestFiles::bodyWithXmlTrailer(), xmlTrailer = TestFiles::withTrailer(xmlBody);
        QTest::newRow("trailer that reads as XML") << check << xmlTrailer << 3 << QByteArray("not sealed") << none;
        // Which files the reader refuses, and why, is the description test's.
        QTest::newRow("not XML") << check << QByteArray("text\n") << 4
                                 << bad + " XML description: not XML at line 1, column 1: Start tag expected." << none;
        QTest::newRow("sealing a hostile file")
            << seal << TestFiles::description("<value name=\"" + QByteArray(70000, 'x') + "\"/>") << 4
            << QByteArray("an attribute value of more than 65536 bytes") << none;
        QTest::newRow("missing") << QStringList{"check", "/x/y.xml"} << none << 5 << QByteArray("cannot read") << none;
        QTest::newRow("help") << QStringList{"--help"} << none << 0 << usage << none;
        QTest::newRow("unknown command") << QStringList{"frobnicate", "FILE"} << none << 1 << usage << none;
        QTest::newRow("seal") << seal << body << 0 << none << sealed;
        QTest::newRow("seal a sealed file") << seal << sealed << 0 << none << sealed;
        QTest::newRow("seal in place") << QStringList{"seal", "FILE"} << body << 0 << none << sealed;
        QTest::newRow("strip") << QStringList{"strip", "FILE", "OUT"} << sealed << 0 << none << body;
        // The library's seal changes the blanks behind the root until the trailer no longer reads as XML.
        const QByteArray resealed = TestFiles::sealed(xmlBody);
        QTest::newRow("seal where a plain trailer reads as XML") << seal << xmlBody << 0 << none << resealed;
        QTest::newRow("seal again a trailer that reads as XML") << seal << xmlTrailer << 0 << none << resealed;
    }

    void run()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, message);
        QFETCH(QByteArray, written);
        const QString path = m_dir.filePath(QStringLiteral("file.xml"));
        const QString out = arguments.contains("OUT") ? m_dir.filePath(QStringLiteral("out.xml")) : path;
        QVERIFY(TestFiles::write(path, content));
        QFile::remove(m_dir.filePath(QStringLiteral("out.xml")));
        arguments.replaceInStrings(QStringLiteral("FILE"), path).replaceInStrings(QStringLiteral("OUT"), out);
        QByteArray output;
        QTEST(runSeal(arguments, output), "status");
        QVERIFY2(output.contains(message), output.constData());
        if (!written.isEmpty())
            QCOMPARE(readFile(out), written);
    }

private:
    int runSeal(const QStringList &arguments, QByteArray &output)
    {
        QProcess process;
        process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/loomwork-seal"), arguments);
        if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
            return -1;
        output = process.readAllStandardOutput() + process.readAllStandardError();
        return process.exitCode();
    }

    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestLoomworkSeal)
#include "tst_loomworkseal.moc"

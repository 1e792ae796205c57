// loomwork-cli as a user runs it: against the simulator, with its exit codes;
// and how a user's text becomes an item's stored value.
#include "citeminput.h"
#include "items/citem.h"
#include "simprocess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

class tst_LoomworkCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_sim.start({}));
    }

    void exitCodes_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message"); // part of stderr
        QTest::newRow("read") << QStringList{"--tcp", "@", "read"} << 0 << QString();
        QTest::newRow("no link") << QStringList{"read"} << 1 << "--tcp HOST:PORT";
        QTest::newRow("bad address") << QStringList{"--tcp", "localhost", "read"} << 1 << "HOST:PORT";
        QTest::newRow("unknown command") << QStringList{"--tcp", "@", "erase"} << 1 << "usage";
        QTest::newRow("write without value") << QStringList{"--tcp", "@", "write", "Sollwert"} << 1 << "usage";
        QTest::newRow("no description") << QStringList{"--tcp", "@", "--description", "/nonexistent.xml", "read"} << 2
                                        << "/nonexistent.xml";
        QTest::newRow("no plugin") << QStringList{"--tcp", "@", "--plugin-dir", "/nonexistent", "read"} << 2
                                   << "/nonexistent";
        QTest::newRow("unknown parameter") << QStringList{"--tcp", "@", "write", "Nichts", "1"} << 5 << "Nichts";
        QTest::newRow("out of range") << QStringList{"--tcp", "@", "write", "GrenzwertMaxAlarm", "9999"} << 5
                                      << "outside";
        QTest::newRow("not a list entry") << QStringList{"--tcp", "@", "write", "Einheit", "bar"} << 5 << "mbar";
        QTest::newRow("read-only") << QStringList{"--tcp", "@", "write", "Typ", "1"} << 5 << "read-only";
    }

    void exitCodes()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, message);
        QByteArray err;
        QCOMPARE(run(args, nullptr, &err), code);
        QVERIFY2(QString::fromUtf8(err).contains(message), err.constData());
    }

    void writeThenReadJson()
    {
        QByteArray out;
        QCOMPARE(run({"--tcp", "@", "write", "Sollwert", "12,5"}, &out), 0);
        QVERIFY2(out.contains("Sollwert = "), out.constData());
        QCOMPARE(run({"--tcp", "@", "read", "--json"}, &out), 0);
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(out, &error);
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
        QHash<QString, QJsonObject> items;
        for (const QJsonValue &value : document.array())
            items.insert(value.toObject().value("name").toString(), value.toObject());
        QCOMPARE(items.value("Sollwert").value("raw").toDouble(), 12.5);
        QCOMPARE(items.value("Einheit").value("value").toString(), QStringLiteral("mbar"));
        QCOMPARE(items.value("Einheit").value("address").toInt(), 0x011A);
    }

    void parse_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("factor");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QVariant>("value");
        const int list = CItem::DATA_TYPE_LIST16;
        const int uint16 = CItem::DATA_TYPE_UINT16;
        QTest::newRow("list entry by text") << list << 1.0 << "kPa" << true << QVariant(2);
        QTest::newRow("list entry by number") << list << 1.0 << "1" << true << QVariant(1);
        QTest::newRow("list number beyond") << list << 1.0 << "3" << false << QVariant();
        QTest::newRow("display units, comma") << uint16 << 10.0 << "2,5" << true << QVariant(qint64(25));
        QTest::newRow("display units, point") << uint16 << 10.0 << "2.5" << true << QVariant(qint64(25));
        QTest::newRow("rounded to the register") << uint16 << 10.0 << "2.54" << true << QVariant(qint64(25));
        QTest::newRow("below the range") << uint16 << 10.0 << "-1" << false << QVariant();
        QTest::newRow("not a number") << uint16 << 1.0 << "abc" << false << QVariant();
        QTest::newRow("float ignores the factor") << int(CItem::DATA_TYPE_FLOAT) << 10.0 << "12,5" << true << QVariant(12.5);
        QTest::newRow("bool") << int(CItem::DATA_TYPE_BOOL) << 1.0 << "on" << true << QVariant(1);
        QTest::newRow("text") << int(CItem::DATA_TYPE_TEXT16) << 1.0 << "PV-1" << true << QVariant("PV-1");
    }

    void parse()
    {
        QFETCH(int, type);
        QFETCH(double, factor);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(QVariant, value);
        CItem item;
        item.setType(CItem::ENUM_DATA_TYPES(type));
        item.setTextList(QStringLiteral("mbar,Pa,kPa"));
        item.setDecimalFactor(factor);
        item.setRange(0, 300);
        QVariant parsed;
        QString error;
        QCOMPARE(CItemInput::parse(item, text, &parsed, &error), accepted);
        QCOMPARE(error.isEmpty(), accepted);
        if (accepted)
            QCOMPARE(parsed, value);
    }

private:
    // Runs the client; "@" in args stands for the simulator's HOST:PORT.
    int run(QStringList args, QByteArray *out = nullptr, QByteArray *err = nullptr);

    SimProcess m_sim;
};

int tst_LoomworkCli::run(QStringList args, QByteArray *out, QByteArray *err)
{
    args.replaceInStrings(QStringLiteral("@"), QStringLiteral("127.0.0.1:%1").arg(m_sim.port()));
    QProcess process;
    process.start(QStringLiteral(LOOMWORK_CLI), args);
    if (!process.waitForFinished(30000))
        return -1;
    if (out)
        *out = process.readAllStandardOutput();
    if (err)
        *err = process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QTEST_GUILESS_MAIN(tst_LoomworkCli)
#include "tst_loomworkcli.moc"

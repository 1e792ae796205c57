// loomwork-cli as a user runs it: against the simulator, with its exit codes;
// and how a user's text becomes an item's stored value.
#include "citeminput.h"
#include "items/citem.h"
#include "simprocess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
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
        QTest::newRow("negative number, no --") << QStringList{"--tcp", "@", "write", "GrenzwertMaxAlarm", "-5"} << 5
                                                << "-5 is outside 0 .. 250";
        QTest::newRow("unit id 0") << QStringList{"--tcp", "@", "--unit-id", "0", "read"} << 1 << "1 .. 247";
        QTest::newRow("unit id 248") << QStringList{"--tcp", "@", "--unit-id", "248", "read"} << 1 << "1 .. 247";
        QTest::newRow("another language") << QStringList{"--tcp", "@", "--language", "fr", "read"} << 1 << "en or de";
        QTest::newRow("against a device rule")
            << QStringList{"--tcp", "@", "write", "GrenzwertMinAlarm", "240"} << 5
            << "(GrenzwertMaxAlarm): 200 mbar is not above";
        QTest::newRow("no set file") << QStringList{"--tcp", "@", "diff", "/nonexistent.json"} << 8
                                     << "/nonexistent.json";
        QTest::newRow("set not writable") << QStringList{"--tcp", "@", "save", "/nonexistent/set.json"} << 8
                                          << "/nonexistent/set.json";
        QTest::newRow("recording not writable")
            << QStringList{"--tcp", "@", "watch", "--csv", "/nonexistent/trend.csv", "--count", "1"} << 8
            << "/nonexistent/trend.csv";
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
        QVERIFY2(out.contains("Sollwert = 12.5 mbar"), out.constData());
        // A value the device holds already: nothing to write, done at once.
        // Numbers follow the language.
        QCOMPARE(run({"--tcp", "@", "--language", "de", "write", "Sollwert", "12.5"}, &out), 0);
        QCOMPARE(out, QByteArray("Sollwert = 12,5 mbar (unverändert)\n"));
        QCOMPARE(run({"--tcp", "@", "read", "--json"}, &out), 0);
        const QHash<QString, QJsonObject> items = byName(out);
        const QJsonObject setpoint = items.value("Sollwert");
        QCOMPARE(setpoint.value("value").toDouble(), 12.5);
        QCOMPARE(setpoint.value("text").toString(), QStringLiteral("12.5"));
        QCOMPARE(setpoint.value("raw").toDouble(), 12.5);
        QCOMPARE(setpoint.value("read").toBool(), true);
        QCOMPARE(items.value("Einheit").value("value").toInt(), 0);
        QCOMPARE(items.value("Einheit").value("text").toString(), QStringLiteral("mbar"));
        QCOMPARE(items.value("Einheit").value("address").toInt(), 0x011A);
        QCOMPARE(run({"--tcp", "@", "write", "Sollwert", "100"}, &out), 0);
    }

    // A device that does not answer: no value is printed as if read.
    void readOfASilentDevice_data()
    {
        QTest::addColumn<bool>("json");
        QTest::newRow("text") << false;
        QTest::newRow("json") << true;
    }

    void readOfASilentDevice()
    {
        QFETCH(bool, json);
        SimProcess silent;
        QVERIFY(silent.start({"--drop-every", "1"}));
        QStringList args{"--tcp", QStringLiteral("127.0.0.1:%1").arg(silent.port()), "--timeout", "50",
                         "--retries", "0", "read"};
        if (json)
            args << "--json";
        QByteArray out;
        QByteArray err;
        QCOMPARE(runRaw(args, &out, &err), 4);
        QVERIFY2(err.contains("not every parameter could be read"), err.constData());
        if (!json) {
            QVERIFY2(out.contains("Einheit") && !out.contains("mbar"), out.constData());
            QCOMPARE(out.count("(not read)"), out.count("\n"));
            return;
        }
        for (const QJsonObject &item : byName(out)) {
            QCOMPARE(item.value("read").toBool(), false);
            QVERIFY(item.value("value").isNull() && item.value("text").isNull() && item.value("raw").isNull());
        }
        QVERIFY(!byName(out).isEmpty());
    }

    // A set saved by the CLI: the device holds it; after a change diff says
    // so, a dry run writes nothing, apply writes it back.
    void saveDiffApply()
    {
        const QString file = m_dir.filePath("device.json");
        QByteArray out;
        QByteArray err;
        QCOMPARE(run({"--tcp", "@", "save", file}, &out), 0);
        QCOMPARE(run({"--tcp", "@", "diff", file}, &out), 0);
        QCOMPARE(run({"--tcp", "@", "write", "Einheit", "kPa"}, &out), 0);
        QCOMPARE(run({"--tcp", "@", "diff", file}, &out), 7);
        QVERIFY2(out.contains("Einheit  kPa -> mbar") && out.contains("GrenzwertMaxAlarm  20 kPa -> 200 mbar"),
                 out.constData());
        QCOMPARE(run({"--tcp", "@", "apply", file, "--dry-run"}, &out), 0);
        QCOMPARE(run({"--tcp", "@", "diff", file}, &out), 7);
        QCOMPARE(run({"--tcp", "@", "apply", file}, &out, &err), 0);
        QVERIFY2(out.contains("the device holds the set"), out.constData() + err);
        QCOMPARE(run({"--tcp", "@", "diff", file, "--json"}, &out), 0);
        QCOMPARE(QJsonDocument::fromJson(out).array().size(), 0);

        // A set with an offending value is refused; --force applies the rest,
        // but the device cannot hold the set.
        QFile in(file);
        QVERIFY(in.open(QIODevice::ReadOnly));
        QJsonObject set = QJsonDocument::fromJson(in.readAll()).object();
        in.close();
        QJsonObject values = set.value("values").toObject();
        values.insert("GrenzwertMaxAlarm", 99999);
        values.insert("Daempfung", 42);
        set.insert("values", values);
        const QString bad = m_dir.filePath("bad.json");
        QFile outFile(bad);
        QVERIFY(outFile.open(QIODevice::WriteOnly));
        outFile.write(QJsonDocument(set).toJson());
        outFile.close();
        QCOMPARE(run({"--tcp", "@", "apply", bad}, &out, &err), 5);
        QVERIFY2(err.contains("(GrenzwertMaxAlarm): 99999 mbar is outside 0 .. 250 mbar"), err.constData());
        QCOMPARE(run({"--tcp", "@", "apply", bad, "--force"}, &out, &err), 7);
        QVERIFY2(out.contains("Daempfung  1.0 s -> 4.2 s"), out.constData());
        QCOMPARE(run({"--tcp", "@", "apply", file}, &out), 0);
    }

    void watchJson()
    {
        // 100 mbar between the limits: a green LED.
        SimProcess steady;
        QVERIFY(steady.start({"--pressure", "100"}));
        QByteArray out;
        QCOMPARE(runRaw({"--tcp", QStringLiteral("127.0.0.1:%1").arg(steady.port()), "watch", "--json", "--count", "3",
                         "--interval", "100"},
                        &out),
                 0);
        const QList<QByteArray> lines = out.trimmed().split('\n');
        QCOMPARE(lines.size(), 3);
        QSet<int> frames;
        for (const QByteArray &line : lines) {
            const QJsonObject change = QJsonDocument::fromJson(line).object();
            QVERIFY2(QDateTime::fromString(change.value("time").toString(), Qt::ISODateWithMs).isValid(), line);
            QVERIFY(!change.value("text").toString().isEmpty());
            QCOMPARE(change.value("led").toInt(), 2);
            QCOMPARE(change.value("ledName").toString(), QStringLiteral("green"));
            frames.insert(change.value("frame").toInt());
        }
        QCOMPARE(frames, (QSet<int>{1, 2}));
    }

    // watch --csv: the rows a technician opens in a spreadsheet, in the
    // unit the device holds (none while it may still be changing), one per
    // recording interval.
    void watchCsv()
    {
        SimProcess steady;
        QVERIFY(steady.start({"--pressure", "100"}));
        const QString device = QStringLiteral("127.0.0.1:%1").arg(steady.port());
        QByteArray out;
        QCOMPARE(runRaw({"--tcp", device, "write", "Einheit", "kPa"}, &out), 0);
        const QString file = m_dir.filePath(QStringLiteral("watch.csv"));
        QCOMPARE(runRaw({"--tcp", device, "--language", "de", "watch", "--csv", file, "--interval", "50",
                         "--record-interval", "200", "--duration", "2"},
                        &out),
                 0);
        QFile csv(file);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(csv.readAll()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.first(), QStringLiteral("time,display,value,unit,output_percent,led,led_state"));
        // About five rows a second for two seconds, whatever the machine's load.
        QVERIFY2(lines.size() - 1 >= 5 && lines.size() - 1 <= 11, qPrintable(lines.join('\n')));
        // The unit was changed a moment before: until the display has had
        // time to follow, rows name no unit; after that they are in kPa.
        const QStringList settled{"10.00", "10.00", "kPa", "40.0", "2", QString::fromUtf8("grün")};
        bool unitGiven = false;
        for (const QString &line : lines.mid(1)) {
            const QStringList fields = line.split(',');
            QCOMPARE(fields.size(), 7);
            QVERIFY2(QDateTime::fromString(fields.at(0), Qt::ISODateWithMs).isValid(), qPrintable(line));
            unitGiven = unitGiven || !fields.at(3).isEmpty();
            QVERIFY2(unitGiven ? fields.mid(1) == settled : fields.mid(4) == settled.mid(3), qPrintable(line));
        }
        QVERIFY(unitGiven);
        QCOMPARE(runRaw({"--tcp", device, "write", "Einheit", "mbar"}, &out), 0);
    }

    // Captions, list texts and messages in the chosen language.
    void languages_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("parity");
        QTest::addColumn<QString>("message");
        QTest::newRow("en") << "en" << "even" << "the device has no parameter";
        QTest::newRow("de") << "de" << "gerade" << "das Gerät hat keinen Parameter";
    }

    void languages()
    {
        QFETCH(QString, language);
        QFETCH(QString, parity);
        QFETCH(QString, message);
        QByteArray out;
        QByteArray err;
        QCOMPARE(run({"--tcp", "@", "--language", language, "read", "--json"}, &out), 0);
        QCOMPARE(byName(out).value("Paritaet").value("text").toString(), parity);
        QCOMPARE(run({"--tcp", "@", "--language", language, "write", "Nichts", "1"}, &out, &err), 5);
        QVERIFY2(QString::fromUtf8(err).contains(message), err.constData());
        // List entries in the description's own words work in any language.
        QCOMPARE(run({"--tcp", "@", "--language", language, "write", "Paritaet", "gerade"}, &out), 0);
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
    int run(QStringList args, QByteArray *out = nullptr, QByteArray *err = nullptr)
    {
        args.replaceInStrings(QRegularExpression(QStringLiteral("^@$")),
                              QStringLiteral("127.0.0.1:%1").arg(m_sim.port()));
        return runRaw(args, out, err);
    }
    static int runRaw(const QStringList &args, QByteArray *out = nullptr, QByteArray *err = nullptr);
    static QHash<QString, QJsonObject> byName(const QByteArray &json)
    {
        QHash<QString, QJsonObject> items;
        for (const QJsonValue &value : QJsonDocument::fromJson(json).array())
            items.insert(value.toObject().value("name").toString(), value.toObject());
        return items;
    }

    SimProcess m_sim;
    QTemporaryDir m_dir;
};

int tst_LoomworkCli::runRaw(const QStringList &args, QByteArray *out, QByteArray *err)
{
    QProcess process;
    // The system's language does not matter: English unless asked otherwise.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(environment);
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

// loomwork-cli as a user runs it, against the simulator and the TM 100 test meter.
#include "citeminput.h"
#include "cliprocess.h"
#include "ctestmeterdevice.h"
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
        // A device whose setpoint range is narrower than the description's: the client's checks pass, it refuses.
        QFile description(QStringLiteral(LOOMWORK_DATA_DIR "/pv8120.xml"));
        QVERIFY(description.open(QIODevice::ReadOnly));
        QByteArray bytes = description.readAll();
        const int setpoint = bytes.indexOf("name=\"Sollwert\"");
        const int max = bytes.indexOf("Max=\"250\"", setpoint);
        QVERIFY(setpoint > 0 && max > setpoint);
        bytes.replace(max, 9, "Max=\"50\"");
        QFile narrow(m_dir.filePath(QStringLiteral("narrow.xml")));
        QVERIFY(narrow.open(QIODevice::WriteOnly) && narrow.write(bytes) == bytes.size());
        const QString set = m_dir.filePath(QStringLiteral("set60.json"));
        QCOMPARE(run({"--tcp", "@", "save", set}), 0);
        QVERIFY(editSet(set, {{"Sollwert", 60}}));
        QVERIFY(m_meter.start());
    }

    void init() { m_meter.reset(); }

    void cleanup() { QTRY_COMPARE(m_meter.clients(), 0); }

    // Every exit code a script can meet; a row's simulator arguments start a device of its own.
    void exitCodes_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message"); // part of stderr
        QTest::addColumn<QStringList>("simulator");
        const QStringList silent{"--drop-every", "1"};
        const QStringList quick{"--timeout", "50", "--retries", "0"};
        const QStringList narrow{"--description", m_dir.filePath("narrow.xml"), "--no-xml-check"};
        auto row = [](const char *name, const QStringList &args, int code, const QString &message = QString(),
                      const QStringList &simulator = QStringList()) {
            QTest::newRow(name) << (QStringList{"--tcp", "@"} + args) << code << message << simulator;
        };
        auto bare = [](const char *name, const QStringList &args, int code, const QString &message) {
            QTest::newRow(name) << args << code << message << QStringList();
        };
        row("read over IPv6", {"read"}, 0, QString(), {"--host", "::1"});
        bare("no link", {"read"}, 1, "--tcp HOST:PORT");
        bare("bad address", {"--tcp", "localhost", "read"}, 1, "HOST:PORT");
        row("unknown command", {"erase"}, 1, "usage");
        row("write without value", {"write", "Sollwert"}, 1, "usage");
        row("another language", {"--language", "fr", "read"}, 1, "en or de");
        row("no description", {"--description", "/nonexistent.xml", "read"}, 2, "/nonexistent.xml");
        row("no plugin", {"--plugin-dir", "/nonexistent", "read"}, 2, "/nonexistent");
        bare("nobody listening", {"--tcp", "127.0.0.1:1", "read"}, 3, "connection refused");
        bare("no such serial port", {"--serial", "/dev/nonexistent-tty", "read"}, 3, "no such serial port");
        row("silent device, write", QStringList{"write", "Sollwert", "10"} + quick, 4, "could not be read", silent);
        row("silent device, watch", QStringList{"watch", "--duration", "1"} + quick, 4, "never arrived", silent);
        row("silent device, save", QStringList{"save", m_dir.filePath("never.json")} + quick, 3, "does not answer",
            silent);
        row("unknown parameter", {"write", "Nichts", "1"}, 5, "the device has no parameter \"Nichts\"");
        row("unknown parameter, German", {"--language", "de", "write", "Nichts", "1"}, 5,
            "das Gerät hat keinen Parameter „Nichts“");
        row("out of range", {"write", "GrenzwertMaxAlarm", "9999"}, 5, "outside");
        row("not a list entry", {"write", "Einheit", "bar"}, 5, "mbar");
        row("read-only", {"write", "Typ", "1"}, 5, "read-only");
        // List entries in the description's own words work in any language.
        row("list entry in English", {"--language", "en", "write", "Paritaet", "gerade"}, 0);
        row("list entry in German", {"--language", "de", "write", "Paritaet", "gerade"}, 0);
        row("negative number, no --", {"write", "GrenzwertMaxAlarm", "-5"}, 5, "-5 is outside 0 .. 250");
        row("against a device rule", {"write", "GrenzwertMinAlarm", "240"}, 5,
            "(GrenzwertMaxAlarm): 200 mbar is not above");
        row("device refuses the value", {"write", "Sollwert", "60"}, 6, "the device refused 60 mbar", narrow);
        row("device refuses a set's value", {"apply", "SET"}, 6, "exception 3", narrow);
        row("set differs", {"diff", "SET"}, 7);
        row("no set file", {"diff", "/nonexistent.json"}, 8, "/nonexistent.json");
        row("set not writable", {"save", "/nonexistent/set.json"}, 8, "/nonexistent/set.json");
        row("recording not writable", {"watch", "--csv", "/nonexistent/trend.csv", "--count", "1"}, 8,
            "/nonexistent/trend.csv");
        // Numbers out of range are usage errors, never quietly changed.
        const QString unitRange = QStringLiteral("--unit-id takes a whole number from 1 to 247");
        row("unit id 248", {"--unit-id", "248", "read"}, 1, unitRange);
        row("unit id 0", {"--unit-id", "0", "read"}, 1, unitRange);
        row("negative timeout", {"--timeout", "-5", "read"}, 1, "--timeout takes a whole number from 10 to 60000");
        row("negative retries", {"--retries", "-3", "read"}, 1, "--retries takes a whole number from 0 to 10");
        row("count not a number", {"--count", "x", "watch"}, 1, "--count");
        row("negative record interval", {"--record-interval", "-1", "watch"}, 1, "--record-interval");
        bare("IPv6 without brackets", {"--tcp", "::1:502", "read"}, 1, "in brackets");
        const QStringList fleet{"--devices", "f"};
        row("fleet with a link", QStringList{"diff", "x.json"} + fleet, 1, "without --tcp");
        bare("fleet read", QStringList{"read"} + fleet, 1, "save, diff or apply");
        bare("fleet jobs 0", QStringList{"save", "d", "--jobs", "0"} + fleet, 1, "1 .. 64");
        bare("no fleet file", {"save", "d", "--devices", "/nonexistent.txt"}, 8, "/nonexistent.txt");
        row("scan range", {"scan", "--unit-ids", "5-300"}, 1, "FIRST-LAST within 1 .. 247");
    }

    void exitCodes()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        QFETCH(QStringList, simulator);
        SimProcess own;
        if (!simulator.isEmpty())
            QVERIFY(own.start(simulator));
        QTEST(runOn(simulator.isEmpty() ? m_sim : own, args), "code");
        QVERIFY2(QString::fromUtf8(m_err).contains(message), m_err.constData());
    }

    void writeThenReadJson()
    {
        QCOMPARE(run({"--tcp", "@", "write", "Sollwert", "12,5"}), 0);
        QVERIFY2(m_out.contains("Sollwert = 12.5 mbar"), m_out.constData());
        // A value the device holds already is not written; numbers follow the language.
        QCOMPARE(run({"--tcp", "@", "--language", "de", "write", "Sollwert", "12.5"}), 0);
        QCOMPARE(m_out, QByteArray("Sollwert = 12,5 mbar (unverändert)\n"));
        QCOMPARE(run({"--tcp", "@", "read"}), 0);
        QVERIFY2(QString::fromUtf8(m_out).contains(QRegularExpression(QStringLiteral("\nSollwert +12.5 mbar\n"))),
                 m_out.constData());
        QCOMPARE(run({"--tcp", "@", "read", "--json"}), 0);
        const QHash<QString, QJsonObject> items = byName(m_out);
        QCOMPARE(items.value("Sollwert"),
                 QJsonObject({{"name", "Sollwert"}, {"caption", "Setpoint"}, {"address", 0x0148}, {"value", 12.5},
                              {"text", "12.5"}, {"raw", 12.5}, {"unit", "mbar"}, {"read", true}, {"visible", true}}));
        QCOMPARE(items.value("Einheit"),
                 QJsonObject({{"name", "Einheit"}, {"caption", "Unit"}, {"address", 0x011A}, {"value", 0},
                              {"text", "mbar"}, {"raw", 0}, {"unit", ""}, {"read", true}, {"visible", true}}));
        QCOMPARE(items.value("Paritaet").value("text").toString(), QStringLiteral("even"));
        QCOMPARE(run({"--tcp", "@", "--language", "de", "read", "--json"}), 0);
        QCOMPARE(byName(m_out).value("Paritaet").value("text").toString(), QStringLiteral("gerade"));
        QCOMPARE(run({"--tcp", "@", "write", "Sollwert", "100"}), 0);
    }

    // A device that does not answer: no value is printed as if read.
    void readOfASilentDevice()
    {
        SimProcess silent;
        QVERIFY(silent.start({"--drop-every", "1"}));
        const QStringList args{"--tcp", "@", "--timeout", "50", "--retries", "0", "read"};
        QCOMPARE(runOn(silent, args), 4);
        QVERIFY2(m_err.contains("not every parameter could be read"), m_err.constData());
        QVERIFY2(m_out.contains("Einheit") && !m_out.contains("mbar"), m_out.constData());
        QCOMPARE(m_out.count("(not read)"), m_out.count("\n"));
        QCOMPARE(runOn(silent, args + QStringList{"--json"}), 4);
        const QHash<QString, QJsonObject> items = byName(m_out);
        QVERIFY(!items.isEmpty());
        for (const QJsonObject &item : items) {
            QCOMPARE(item.value("read").toBool(), false);
            QVERIFY(item.value("value").isNull() && item.value("text").isNull() && item.value("raw").isNull());
        }
    }

    void saveDiffApply()
    {
        const QString file = m_dir.filePath("device.json");
        QCOMPARE(run({"--tcp", "@", "save", file}), 0);
        QCOMPARE(run({"--tcp", "@", "diff", file}), 0);
        QCOMPARE(run({"--tcp", "@", "write", "Einheit", "kPa"}), 0);
        QCOMPARE(run({"--tcp", "@", "diff", file}), 7);
        QVERIFY2(m_out.contains("Einheit  kPa -> mbar") && m_out.contains("GrenzwertMaxAlarm  20 kPa -> 200 mbar"),
                 m_out.constData());
        // One device gets a report as a fleet does.
        const QString report = m_dir.filePath("dry");
        QCOMPARE(run({"--tcp", "@", "apply", file, "--dry-run", "--report", report}), 0);
        QCOMPARE(run({"--tcp", "@", "diff", file}), 7);
        QFile json(report + "/report.json");
        QVERIFY(json.open(QIODevice::ReadOnly));
        const QJsonObject dry = QJsonDocument::fromJson(json.readAll()).object();
        QVERIFY(dry.value("dryRun").toBool());
        QCOMPARE(dry.value("devices").toArray().at(0).toObject().value("outcome").toString(),
                 QStringLiteral("would-change"));
        QCOMPARE(run({"--tcp", "@", "apply", file}), 0);
        QVERIFY2(m_out.contains("the device holds the set"), m_out.constData() + m_err);
        QCOMPARE(run({"--tcp", "@", "diff", file, "--json"}), 0);
        QCOMPARE(QJsonDocument::fromJson(m_out).array().size(), 0);

        // A set with an offending value is refused; --force applies the rest, and says the set is not held.
        const QString bad = m_dir.filePath("bad.json");
        QVERIFY(QFile::copy(file, bad) && editSet(bad, {{"GrenzwertMaxAlarm", 99999}, {"Daempfung", 42}}));
        QCOMPARE(run({"--tcp", "@", "apply", bad}), 5);
        QVERIFY2(m_err.contains("(GrenzwertMaxAlarm): 99999 mbar is outside 0 .. 250 mbar"), m_err.constData());
        QCOMPARE(run({"--tcp", "@", "apply", bad, "--force"}), 7);
        QVERIFY2(m_out.contains("Daempfung  1.0 s -> 4.2 s"), m_out.constData());
        QCOMPARE(run({"--tcp", "@", "apply", file}), 0);
    }

    // The limits and the setpoint are converted and written with the unit: the alarm points stay put.
    void unitChangeConvertsTheLimits_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QStringList>("printed");
        QTest::addColumn<QList<double>>("readBack"); // max, max hysteresis, min, min hysteresis, setpoint
        QTest::newRow("kPa, by number")
            << "2"
            << QStringList{"GrenzwertMaxAlarm = 20 kPa", "GrenzwertMaxHysterese = 0.5 kPa", "GrenzwertMinAlarm = 2 kPa",
                           "Sollwert = 10 kPa", "Einheit = kPa"}
            << QList<double>{20, 0.5, 2, 0.5, 10};
        QTest::newRow("Pa") << "Pa"
                            << QStringList{"GrenzwertMaxAlarm = 20000 Pa", "GrenzwertMinHysterese = 500 Pa",
                                           "Einheit = Pa"}
                            << QList<double>{20000, 500, 2000, 500, 10000};
        QTest::newRow("same unit") << "mbar" << QStringList{"Einheit = mbar (unchanged)"}
                                   << QList<double>{200, 5, 20, 5, 100};
    }

    void unitChangeConvertsTheLimits()
    {
        QFETCH(QString, unit);
        QFETCH(QStringList, printed);
        SimProcess device;
        QVERIFY(device.start({}));
        QCOMPARE(runOn(device, {"--tcp", "@", "write", "Einheit", unit}), 0);
        for (const QString &line : printed)
            QVERIFY2(m_out.contains(line.toUtf8() + '\n'), m_out.constData());
        QCOMPARE(runOn(device, {"--tcp", "@", "read", "--json"}), 0);
        const QHash<QString, QJsonObject> items = byName(m_out);
        QList<double> held;
        for (const char *name : {"GrenzwertMaxAlarm", "GrenzwertMaxHysterese", "GrenzwertMinAlarm",
                                 "GrenzwertMinHysterese", "Sollwert"})
            held << items.value(name).value("value").toDouble();
        QTEST(held, "readBack");
    }

    // A line per change of the display (never the same twice in a row), the two frames in turn.
    void watch_data()
    {
        QTest::addColumn<QString>("pressure");
        QTest::addColumn<QStringList>("setup"); // NAME VALUE ... written first
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("lines"); // 0: at least two
        QTest::addColumn<int>("led");
        QTest::addColumn<QString>("ledName");
        const QStringList three{"--count", "3"};
        const QStringList none;
        QTest::newRow("between the limits") << "100" << none << three << 3 << 2 << "green";
        QTest::newRow("above the upper limit") << "240" << none << three << 3 << 5 << "red";
        QTest::newRow("German") << "240" << none << (three + QStringList{"--language", "de"}) << 3 << 5 << "rot";
        QTest::newRow("JSON") << "10" << none << (three + QStringList{"--json"}) << 3 << 4 << "yellow+red";
        QTest::newRow("until the duration ends") << "100" << none << QStringList{"--duration", "2"} << 0 << 2
                                                 << "green";
        // 100 mbar at the end of a 0 .. 100 mbar range: both frames read 100.0.
        QTest::newRow("both frames alike")
            << "100" << QStringList{"GrenzwertMaxAlarm", "90", "MessbereichEnde", "100"}
            << QStringList{"--duration", "2"} << 1 << 5 << "red";
    }

    void watch()
    {
        QFETCH(QString, pressure);
        QFETCH(QStringList, setup);
        QFETCH(QStringList, options);
        QFETCH(int, lines);
        SimProcess device;
        QVERIFY(device.start({"--pressure", pressure}));
        for (int i = 0; i + 1 < setup.size(); i += 2)
            QCOMPARE(runOn(device, {"--tcp", "@", "write", setup.at(i), setup.at(i + 1)}), 0);
        QCOMPARE(runOn(device, QStringList{"--tcp", "@", "watch", "--interval", "100"} + options), 0);
        const QList<QByteArray> printed = m_out.trimmed().split('\n');
        if (lines > 0)
            QCOMPARE(printed.size(), lines);
        else
            QVERIFY2(printed.size() >= 2, m_out.constData());
        const QRegularExpression pattern(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d{3}  (.+)  LED (\\d) \\((.+)\\)  "
                                                        "(?:frame|Bild) ([12])$"));
        int lastFrame = 0;
        for (const QByteArray &line : printed) {
            QJsonObject change = QJsonDocument::fromJson(line).object();
            if (options.contains("--json")) {
                QVERIFY2(QDateTime::fromString(change.value("time").toString(), Qt::ISODateWithMs).isValid(), line);
            } else {
                const QRegularExpressionMatch match = pattern.match(QString::fromUtf8(line));
                QVERIFY2(match.hasMatch(), line.constData());
                change = {{"text", match.captured(1).trimmed()}, {"led", match.captured(2).toInt()},
                          {"ledName", match.captured(3)}, {"frame", match.captured(4).toInt()}};
            }
            QTEST(change.value("led").toInt(), "led");
            QTEST(change.value("ledName").toString(), "ledName");
            QVERIFY(!change.value("text").toString().isEmpty());
            // The device shows frame 2 first; then they take turns.
            QCOMPARE(change.value("frame").toInt(), lastFrame == 2 ? 1 : 2);
            lastFrame = change.value("frame").toInt();
        }
    }

    void watchCsv()
    {
        SimProcess steady;
        QVERIFY(steady.start({"--pressure", "100"}));
        QCOMPARE(runOn(steady, {"--tcp", "@", "write", "Einheit", "kPa"}), 0);
        const QString file = m_dir.filePath(QStringLiteral("watch.csv"));
        QCOMPARE(runOn(steady, {"--tcp", "@", "--language", "de", "watch", "--csv", file, "--interval", "50",
                                "--record-interval", "200", "--duration", "2"}),
                 0);
        QFile csv(file);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(csv.readAll()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.first(), QStringLiteral("time,display,value,unit,output_percent,led,led_state"));
        // About five rows a second for two seconds, whatever the machine's load.
        QVERIFY2(lines.size() - 1 >= 5 && lines.size() - 1 <= 11, qPrintable(lines.join('\n')));
        // Until the display has followed the unit just changed, rows name no unit.
        const QStringList settled{"10.00", "10.00", "kPa", "40.0", "2", QString::fromUtf8("grün")};
        bool unitGiven = false;
        for (const QString &line : lines.mid(1)) {
            const QStringList fields = line.split(',');
            QVERIFY2(QDateTime::fromString(fields.at(0), Qt::ISODateWithMs).isValid(), qPrintable(line));
            unitGiven = unitGiven || !fields.at(3).isEmpty();
            QVERIFY2(unitGiven ? fields.mid(1) == settled : fields.mid(4) == settled.mid(3), qPrintable(line));
        }
        QVERIFY(unitGiven);
    }

    void parse_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("factor");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("value"); // invalid: refused
        QTest::addColumn<bool>("ranged"); // range 0 .. 300, else none
        QTest::addColumn<QString>("message"); // part of the error
        const int list = CItem::DATA_TYPE_LIST16;
        const int uint16 = CItem::DATA_TYPE_UINT16;
        const int f = CItem::DATA_TYPE_FLOAT;
        auto row = [](const char *name, int type, double factor, const char *text, const QVariant &value,
                      bool ranged = true, const char *message = "") {
            QTest::newRow(name) << type << factor << QString(text) << value << ranged << QString(message);
        };
        row("list entry by text", list, 1.0, "kPa", 2);
        row("last list entry by number", list, 1.0, "2", 2);
        row("list number beyond", list, 1.0, "3", QVariant());
        row("display units, point", uint16, 10.0, "2.5", qint64(25));
        row("rounded to the register", uint16, 10.0, "2.56", qint64(26));
        row("below the range", uint16, 10.0, "-1", QVariant());
        row("not a number", uint16, 1.0, "abc", QVariant());
        row("float ignores the factor", f, 10.0, "12,5", 12.5);
        row("bool", CItem::DATA_TYPE_BOOL, 1.0, "on", 1);
        row("text", CItem::DATA_TYPE_TEXT16, 1.0, "PV-1", "PV-1");
        // Numbers no register can carry are refused, range or not.
        row("not a number, in range", uint16, 1.0, "nan", QVariant(), true, "is not a number");
        row("infinite", uint16, 1.0, "inf", QVariant(), false, "is not a number");
        row("beyond 16 bits", uint16, 1.0, "65536", QVariant(), false, "can hold");
        row("largest 16 bits", uint16, 1.0, "65535", qint64(65535), false);
        row("negative unsigned", uint16, 1.0, "-1", QVariant(), false);
        row("beyond 8 bits signed", CItem::DATA_TYPE_INT8, 1.0, "-129", QVariant(), false);
        row("huge float", f, 1.0, "1e124", QVariant(), false, "can hold");
    }

    void parse()
    {
        QFETCH(int, type);
        QFETCH(double, factor);
        QFETCH(QString, text);
        QFETCH(QVariant, value);
        QFETCH(bool, ranged);
        QFETCH(QString, message);
        CItem item;
        item.setType(CItem::ENUM_DATA_TYPES(type));
        item.setTextList(QStringLiteral("mbar,Pa,kPa"));
        item.setDecimalFactor(factor);
        if (ranged)
            item.setRange(0, 300);
        QVariant parsed;
        QString error;
        QCOMPARE(CItemInput::parse(item, text, &parsed, &error), value.isValid());
        QCOMPARE(error.isEmpty(), value.isValid());
        QVERIFY2(error.contains(message), qPrintable(error));
        if (value.isValid())
            QCOMPARE(parsed, value);
    }

    void readPrintsWhatTheMeterHolds()
    {
        QCOMPARE(runMeter({"read", "--json"}), 0);
        const QHash<QString, QJsonObject> items = byName(m_out);
        QCOMPARE(items.keys().size(), 6);
        QCOMPARE(items.value("OrderNumber").value("text").toString(), QStringLiteral("TM100-0001"));
        QCOMPARE(items.value("Range").value("value").toInt(), 250);
        QCOMPARE(items.value("Setpoint").value("text").toString(), QStringLiteral("42.5"));
        QCOMPARE(items.value("Mode").value("text").toString(), QStringLiteral("on"));
        QCOMPARE(items.value("Setpoint").value("address").toInt(), int(CTestMeterDevice::Setpoint));
    }

    // The display comes from the meter's status block, its LED names from its device data file.
    void watchShowsTheMetersDisplay_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("ledName");
        QTest::newRow("en") << "en" << "alarm";
        QTest::newRow("de") << "de" << "Alarm";
    }

    void watchShowsTheMetersDisplay()
    {
        QFETCH(QString, language);
        m_meter.setMeasuringStep(5);
        QCOMPARE(runMeter({"watch", "--json", "--count", "3", "--interval", "10", "--language", language}), 0);
        const QList<QByteArray> lines = m_out.trimmed().split('\n');
        QCOMPARE(lines.size(), 3);
        QCOMPARE(QJsonDocument::fromJson(lines.first()).object().value("text").toString(), QStringLiteral("-7.3"));
        for (const QByteArray &line : lines) {
            const QJsonObject shown = QJsonDocument::fromJson(line).object();
            QCOMPARE(shown.value("led").toInt(), 1);
            QTEST(shown.value("ledName").toString(), "ledName");
            QCOMPARE(shown.value("frame").toInt(), 1);
        }
        for (const CTestMeterDevice::Request &request : m_meter.requests())
            QCOMPARE(request.address, int(CTestMeterDevice::StatusValue));
    }

    void loggingCategories_data()
    {
        QTest::addColumn<QString>("rules");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("default") << QString() << QStringList() << QStringList{"loomwork."};
        QTest::newRow("frames") << "loomwork.link.frames=true"
                                << QStringList{"loomwork.link.frames: sent 00 01 00 00 00 06 01 03 00 00",
                                               "loomwork.link.frames: received 00 01 00 00"}
                                << QStringList{"loomwork.link:", "loomwork.description", "loomwork.host"};
        QTest::newRow("all") << "loomwork.*=true"
                             << QStringList{"loomwork.link: ", "loomwork.link.frames: ", "loomwork.description: ",
                                            "loomwork.host: "}
                             << QStringList();
    }

    void loggingCategories()
    {
        QFETCH(QString, rules);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        QCOMPARE(runMeter({"read"}, rules), 0);
        for (const QString &text : present)
            QVERIFY2(m_err.contains(text.toUtf8()), qPrintable(text));
        for (const QString &text : absent)
            QVERIFY2(!m_err.contains(text.toUtf8()), m_err.constData());
    }

private:
    // Runs the client, output to m_out and m_err; "@" is the simulator's HOST:PORT, "SET" a set asking for 60 mbar.
    int run(const QStringList &args) { return runOn(m_sim, args); }
    int runOn(const SimProcess &sim, QStringList args)
    {
        args.replaceInStrings(QRegularExpression(QStringLiteral("^@$")), sim.endpoint());
        args.replaceInStrings(QRegularExpression(QStringLiteral("^SET$")),
                              m_dir.filePath(QStringLiteral("set60.json")));
        return keep(runCli(args));
    }
    // The meter answers from this program's event loop while the client runs.
    int runMeter(const QStringList &args, const QString &loggingRules = QString())
    {
        const QStringList meter{"--tcp", m_meter.endpoint(), "--plugin-dir", QStringLiteral(TESTMETER_PLUGIN_DIR),
                                "--description", QStringLiteral(TESTMETER_DESCRIPTION)};
        return keep(runCli(meter + args, loggingRules));
    }
    int keep(const CliRun &run)
    {
        m_out = run.out;
        m_err = run.err;
        return run.code;
    }
    static bool editSet(const QString &file, const QVariantMap &changes)
    {
        QFile in(file);
        if (!in.open(QIODevice::ReadWrite))
            return false;
        QJsonObject set = QJsonDocument::fromJson(in.readAll()).object();
        QJsonObject values = set.value("values").toObject();
        for (auto it = changes.begin(); it != changes.end(); ++it)
            values.insert(it.key(), QJsonValue::fromVariant(it.value()));
        set.insert("values", values);
        return in.resize(0) && in.write(QJsonDocument(set).toJson()) > 0;
    }
    static QHash<QString, QJsonObject> byName(const QByteArray &json)
    {
        QHash<QString, QJsonObject> items;
        for (const QJsonValue &value : QJsonDocument::fromJson(json).array())
            items.insert(value.toObject().value("name").toString(), value.toObject());
        return items;
    }

    SimProcess m_sim;
    CTestMeterDevice m_meter;
    QTemporaryDir m_dir;
    QByteArray m_out; // of the last run
    QByteArray m_err;
};

QTEST_GUILESS_MAIN(tst_LoomworkCli)
#include "tst_loomworkcli.moc"

// Many devices from the command line, through simulated gateways.
#include "cfleetlist.h"
#include "cliprocess.h"
#include "clinkaddress.h"
#include "simprocess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QJsonObject readJson(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}

} // namespace

class tst_FleetCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Two gateways with three devices each; unit id 3 answers every request with an exception.
        QVERIFY(m_sim.start({"--endpoints", "2", "--unit-ids", "1-3", "--fault-ids", "3", "--exception-every", "1:4",
                             "--serial-number", "500"}));
    }

    void fleetFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("devices"); // endpoint#unit serial; empty: refused
        QTest::addColumn<QString>("error");
        QTest::newRow("scan lines") << QByteArray("# link unit id serial\ntcp:10.0.0.5:502   3  81200017  PV 8120\n"
                                                  "10.0.0.5:502 4 -\n\nrtu:/dev/ttyS0 7\n")
                                    << QStringList{"tcp:10.0.0.5:502#3 81200017", "tcp:10.0.0.5:502#4 ",
                                                   "rtu:/dev/ttyS0#7 "}
                                    << QString();
        QTest::newRow("csv with header") << QByteArray("link,address,serial\ntcp:gw:502, 2 ,17\ntcp:gw:502,3,\n")
                                         << QStringList{"tcp:gw:502#2 17", "tcp:gw:502#3 "} << QString();
        QTest::newRow("json") << QByteArray(R"([{"link": "tcp:gw:502", "unitId": 1, "serialNumber": "9"},
                                               {"link": "tcp:gw:502", "address": 2, "serialNumber": null}])")
                              << QStringList{"tcp:gw:502#1 9", "tcp:gw:502#2 "} << QString();
        QTest::newRow("twice") << QByteArray("gw:502 1\ntcp:gw:502 1\n") << QStringList()
                               << "entry 2: unit id 1 on tcp:gw:502 is named in entry 1 already";
        QTest::newRow("unit id 0 and a bad link") << QByteArray("gw:502 0\ngw 5\n") << QStringList()
                                                  << "entry 1: the unit id must lie in 1 .. 247";
        QTest::newRow("empty") << QByteArray("# nothing\n") << QStringList() << "names no device";
        QTest::newRow("broken json") << QByteArray("[{]") << QStringList() << "not a JSON list";
        QTest::newRow("empty json") << QByteArray(" [ ] ") << QStringList() << "names no device";
        QTest::newRow("IPv6 lines") << QByteArray("[::1]:502 1\ntcp:[fe80::2]:1502 2 77\n")
                                    << QStringList{"tcp:[::1]:502#1 ", "tcp:[fe80::2]:1502#2 77"} << QString();
        QTest::newRow("IPv6 without brackets") << QByteArray("::1:502 1\n") << QStringList() << "in brackets";
    }

    void fleetFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, devices);
        QFETCH(QString, error);
        CFleetList list;
        QString found;
        QCOMPARE(list.parse(content, CLinkSettings(), &found), error.isEmpty());
        QVERIFY2(found.contains(error), qPrintable(found));
        QStringList seen;
        for (const CFleetDevice &device : list.devices())
            seen << CLinkAddress::endpoint(device.link)
                        + QStringLiteral("#%1 %2").arg(device.unitId).arg(device.serialNumber);
        QCOMPARE(seen, devices);
    }

    // What scan finds is a fleet list as it stands.
    void scan()
    {
        const CliRun text = runCli({"--tcp", endpoint(1), "scan", "--unit-ids", "1-5", "--timeout", "60"});
        QCOMPARE(text.code, 0);
        const QList<QByteArray> lines = text.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 4); // the header and three devices
        QVERIFY2(lines.at(1).contains("  1  503 ") && lines.at(1).contains("PV 8120") && lines.at(1).contains("1.07"),
                 lines.at(1).constData());
        QVERIFY2(lines.at(3).contains("  3  -") && lines.at(3).contains("exception 4"), lines.at(3).constData());
        QVERIFY2(text.err.contains("3 devices found"), text.err.constData());

        const CliRun json = runCli({"--tcp", endpoint(0), "scan", "--unit-ids", "2-9", "--timeout", "60", "--json"});
        QCOMPARE(json.code, 0);
        const QJsonArray found = QJsonDocument::fromJson(json.out).array();
        QCOMPARE(found.size(), 2);
        QCOMPARE(found.at(0).toObject().value("serialNumber").toString(), QStringLiteral("501"));
        QCOMPARE(found.at(1).toObject().value("exception").toInt(), 4);
        CFleetList list;
        QString error;
        QVERIFY2(list.parse(json.out, CLinkSettings(), &error), qPrintable(error));
        QCOMPARE(list.devices().size(), 2);

        const CliRun none = runCli({"--tcp", endpoint(0), "scan", "--unit-ids", "7-8", "--timeout", "60"});
        QCOMPARE(none.code, 3);
        QVERIFY(none.err.contains("no device answered"));
    }

    void applyTwice()
    {
        const QString set = makeSet("Daempfung", "4,2");
        const QString fleet = writeFleet("good.txt", {"0 1 500", "0 2 501", "1 1 503", "1 2"});
        const QString report = m_dir.filePath("first");
        CliRun run = runCli({"apply", set, "--devices", fleet, "--jobs", "2", "--report", report});
        QCOMPARE(run.code, 0);
        QJsonObject json = readJson(report + "/report.json");
        QCOMPARE(json.value("command").toString(), QStringLiteral("apply"));
        QCOMPARE(json.value("succeeded").toBool(), true);
        const QJsonArray devices = json.value("devices").toArray();
        QCOMPARE(devices.size(), 4);
        QCOMPARE(outcomes(json).values(), QStringList({"changed", "changed", "changed", "changed"}));
        const QJsonObject change = devices.at(3).toObject().value("changes").toArray().at(0).toObject();
        QCOMPARE(change.value("after").toString() + " " + change.value("readBack").toString(),
                 QStringLiteral("4.2 s confirmed"));
        // In the fleet list's order, with each device's own nameplate.
        QCOMPARE(devices.at(2).toObject().value("identity").toObject().value("serialNumber").toString(),
                 QStringLiteral("503"));

        run = runCli({"apply", set, "--devices", fleet, "--report", m_dir.filePath("second")});
        QCOMPARE(run.code, 0);
        json = readJson(m_dir.filePath("second/report.json"));
        QCOMPARE(outcomes(json).values(), QStringList({"unchanged", "unchanged", "unchanged", "unchanged"}));
        for (const QJsonValue &value : json.value("devices").toArray())
            QVERIFY(value.toObject().value("changes").toArray().isEmpty());
        QCOMPARE(runCli({"diff", set, "--devices", fleet}).code, 0);
        QCOMPARE(runCli({"--tcp", endpoint(1), "--unit-id", "2", "write", "Daempfung", "3"}).code, 0);
        run = runCli({"diff", set, "--devices", fleet, "--json"});
        QCOMPARE(run.code, 7);
        json = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(outcomes(json).value("1/2"), QStringLiteral("differs"));
        QCOMPARE(outcomes(json).value("0/1"), QStringLiteral("unchanged"));
        QCOMPARE(runCli({"apply", set, "--devices", fleet}).code, 0);
    }

    // Devices that fail or are not the ones expected are skipped; the others are served.
    void faultyAmongGood_data()
    {
        QTest::addColumn<int>("jobs");
        QTest::newRow("one after the other") << 1;
        QTest::newRow("in parallel") << 4;
    }

    void faultyAmongGood()
    {
        QFETCH(int, jobs);
        const QString set = makeSet("Daempfung", QString::number(jobs) + ",5");
        const QString fleet = writeFleet("faulty.txt", {"0 1", "0 2 999", "0 3", "0 7", "1 1", "1 3", "1 2"});
        const QString report = m_dir.filePath(QStringLiteral("faulty%1").arg(jobs));
        const CliRun run = runCli({"apply", set, "--devices", fleet, "--jobs", QString::number(jobs), "--report",
                                   report, "--timeout", "100", "--retries", "0"});
        QCOMPARE(run.code, 9);
        const QJsonObject json = readJson(report + "/report.json");
        const QMap<QString, QString> expected{{"0/1", "changed"},     {"0/2", "wrong-serial"}, {"0/3", "read-failed"},
                                              {"0/7", "no-answer"},   {"1/1", "changed"},      {"1/3", "read-failed"},
                                              {"1/2", "changed"}};
        QCOMPARE(outcomes(json), expected);
        QCOMPARE(json.value("succeeded").toBool(), false);
        QCOMPARE(json.value("summary").toObject().value("changed").toInt(), 3);
        const QJsonObject wrong = json.value("devices").toArray().at(1).toObject();
        QVERIFY2(wrong.value("message").toString().contains("serial number 501, expected 999"),
                 qPrintable(wrong.value("message").toString()));
        QVERIFY(wrong.value("changes").toArray().isEmpty());

        const QString before = json.value("devices").toArray().at(0).toObject().value("changes").toArray().at(0)
                                   .toObject().value("before").toString();
        QFile html(report + "/report.html");
        QVERIFY(html.open(QIODevice::ReadOnly));
        const QString page = QString::fromUtf8(html.readAll());
        for (const QString &part : QStringList{"expected 999", before, QString::number(jobs) + ".5 s"})
            QVERIFY2(page.contains(part), qPrintable(part));
        QVERIFY(run.out.count('\n') >= 7);
        QVERIFY2(run.err.contains("3 of 7 devices ended as asked"), run.err.constData());
    }

    void saveFleet()
    {
        const QString fleet = writeFleet("save.txt", {"0 1", "1 2", "1 3"});
        const QString folder = m_dir.filePath("backup");
        const CliRun run = runCli({"save", folder, "--devices", fleet, "--jobs", "2", "--report", folder + "/report"});
        QCOMPARE(run.code, 9);
        const QStringList files = QDir(folder).entryList({"*.json"}, QDir::Files, QDir::Name);
        const QString second = QStringLiteral("127.0.0.1_%1_u2_504.json").arg(m_sim.ports().at(1));
        QCOMPARE(QSet<QString>(files.cbegin(), files.cend()),
                 (QSet<QString>{QStringLiteral("127.0.0.1_%1_u1_500.json").arg(m_sim.ports().at(0)), second}));
        const QJsonObject saved = readJson(QDir(folder).filePath(second));
        QCOMPARE(saved.value("format").toString(), QStringLiteral("loomwork-parameter-set"));
        QCOMPARE(saved.value("values").toObject().value("Seriennummer").toInt(), 504);
        const QJsonObject report = readJson(folder + "/report/report.json");
        QCOMPARE(report.value("devices").toArray().at(0).toObject().value("outcome").toString(),
                 QStringLiteral("saved"));
    }

private:
    QString endpoint(int index) const { return QStringLiteral("127.0.0.1:%1").arg(m_sim.ports().at(index)); }

    // Outcome by "ENDPOINT-INDEX/UNIT-ID" ("0/1": first endpoint, unit id 1).
    QMap<QString, QString> outcomes(const QJsonObject &report) const
    {
        QMap<QString, QString> result;
        for (const QJsonValue &value : report.value("devices").toArray()) {
            const QJsonObject device = value.toObject();
            const quint16 port = quint16(device.value("link").toString().section(':', -1).toUInt());
            result.insert(QStringLiteral("%1/%2").arg(m_sim.ports().indexOf(port)).arg(device.value("unitId").toInt()),
                          device.value("outcome").toString());
        }
        return result;
    }

    // A set saved from the first device, with one value changed on the way.
    QString makeSet(const QString &name, const QString &value)
    {
        const QString file = m_dir.filePath(name + value + ".json");
        const QString link = endpoint(0);
        const CliRun before = runCli({"--tcp", link, "--unit-id", "2", "save", m_dir.filePath("before.json")});
        if (before.code != 0 || runCli({"--tcp", link, "--unit-id", "2", "write", name, value}).code != 0
            || runCli({"--tcp", link, "--unit-id", "2", "save", file}).code != 0
            || runCli({"--tcp", link, "--unit-id", "2", "apply", m_dir.filePath("before.json")}).code != 0)
            return QString();
        return file;
    }

    // "ENDPOINT-INDEX UNIT [SERIAL]" lines as a fleet file.
    QString writeFleet(const QString &name, const QStringList &entries)
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        for (const QString &entry : entries) {
            const QStringList parts = entry.split(' ');
            file.write(QStringLiteral("tcp:%1 %2 %3\n").arg(endpoint(parts.at(0).toInt()), parts.at(1),
                                                            parts.value(2)).toUtf8());
        }
        return file.fileName();
    }

    SimProcess m_sim;
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(tst_FleetCli)
#include "tst_fleetcli.moc"

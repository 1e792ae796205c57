// Sets through the whole host path and one device's set job as a fleet runs
// it: what goes to machines comes back the same, what goes to people is escaped.
#include "ccommissioningreport.h"
#include "cdeviceconnection.h"
#include "cparameterset.h"
#include "csetjob.h"
#include "csetrestore.h"
#include "cwritejournal.h"
#include "device/pv8120units.h"
#include "simrig.h"

#include <QJsonDocument>
#include <QTemporaryDir>

namespace {

const QString OrderNumber = QStringLiteral("8120-0001");

void edit(CParameterTransfer *parameters, const QString &name, const QVariant &value)
{
    CItem *item = parameters->item(name);
    QVERIFY2(item, qPrintable(name));
    item->setValue(value);
    emit item->valueEdited();
}

// The values a user sets up: non-default, in the unit and range in force,
// with digits beyond the description's decimals.
void configure(CParameterTransfer *parameters, int unit, int characteristic)
{
    edit(parameters, "Einheit", unit);
    edit(parameters, "Kennlinie", characteristic);
    const double pressureEnd = 250.0 * Pv8120::units().at(unit).factor;
    const double low = characteristic != 0 ? 10.0 : 0.0;
    const double span = (characteristic != 0 ? 80.0 : pressureEnd) - low;
    if (characteristic != 0) {
        edit(parameters, "AnzeigewertAnfang", low);
        edit(parameters, "AnzeigewertEnde", low + span);
    }
    if (characteristic == 2) {
        edit(parameters, "AnzahlStuetzstellen", 4);
        edit(parameters, "StuetzpunktEingang_2", 6012);
        edit(parameters, "StuetzpunktEingang_3", 17550);
        edit(parameters, "StuetzpunktAusganginProzent_2", 333);
        edit(parameters, "StuetzpunktAusganginProzent_3", 712);
    }
    edit(parameters, "GrenzwertMaxAlarm", low + 0.8317 * span);
    edit(parameters, "GrenzwertMinAlarm", low + 0.1713 * span);
    // The plugin bounds the hysteresis like the limits.
    edit(parameters, "GrenzwertMaxHysterese", low + 0.0137 * span);
    edit(parameters, "GrenzwertMinHysterese", low + 0.0211 * span);
    edit(parameters, "Sollwert", 0.5029 * pressureEnd);
    edit(parameters, "Daempfung", 37);
    edit(parameters, "Relaisfunktion", 3);
}

// A session on the device at unit id unit of the simulator on port.
struct Device
{
    CDeviceSession session;

    bool open(quint16 port, int unit)
    {
        if (!openPv8120(session))
            return false;
        CLinkSettings link;
        link.port = port;
        link.serverAddress = unit;
        link.responseTimeout = 200;
        link.retries = 0;
        QString error;
        return session.connection()->openAndWait(link, &error);
    }

    CDeviceRecord run(const CSetJob::Request &request, const QString &expectedSerial = QString())
    {
        CDeviceRecord record;
        record.expectedSerial = expectedSerial;
        CSetJob(session).run(request, &record);
        return record;
    }

    bool write(const QString &name, const QVariant &value)
    {
        CParameterTransfer *parameters = session.parameters();
        CItem *item = parameters->item(name);
        item->setValue(value);
        return transferred(parameters, [&]() { parameters->writeItem(item); }, 5000);
    }
};

// The set with entries replaced or added; an invalid value keeps the set's.
CParameterSet with(CParameterSet set, const QVariantMap &entries)
{
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        auto entry = std::find_if(set.values.begin(), set.values.end(),
                                  [&](const QPair<QString, QVariant> &value) { return value.first == it.key(); });
        if (entry == set.values.end())
            set.values.append({it.key(), it.value()});
        else if (it.value().isValid())
            entry->second = it.value();
    }
    return set;
}

// A record with every part filled in.
CDeviceRecord record(CDeviceRecord::Outcome outcome, const QString &message = QString())
{
    CDeviceRecord result;
    result.link = QStringLiteral("tcp:10.0.0.5:502");
    result.unitId = 7;
    result.expectedSerial = QStringLiteral("81200017");
    result.identity = {QStringLiteral("PV 8120"), QStringLiteral("8120-0001"), QStringLiteral("81200017"),
                       QStringLiteral("1.07")};
    result.started = QDateTime(QDate(2026, 12, 6), QTime(9, 30, 0, 125));
    result.finished = result.started.addMSecs(1870);
    result.outcome = outcome;
    result.message = message;
    result.problems = QStringList{QStringLiteral("Damping (Daempfung): 99999 s is outside 0 .. 60 s")};
    result.changes = {{"Sollwert", "Setpoint", "100 mbar", "120 mbar", CDeviceRecord::Confirmed, false},
                      {"Baudrate", "Baud rate", "19200", "9600", CDeviceRecord::NotReadBack, false}};
    result.differences = {{"Daempfung", "Damping", "1.0 s", "99999 s", CDeviceRecord::NotWritten, true}};
    result.file = QStringLiteral("/backup/10.0.0.5_502_u7_81200017.json");
    return result;
}

} // namespace

class tst_CSetJob : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationVersion(QStringLiteral(LOOMWORK_VERSION));
        // Unit ids 1 to 3 answer, 4 only with exceptions; 7 is no device.
        QVERIFY(m_sim.start({"--unit-ids", "1-4", "--fault-ids", "4", "--exception-every", "1:4", "--serial-number",
                             "900"}));
        QVERIFY(m_other.start({"--order-number", "9999-0001"}));
        Device device;
        QVERIFY(device.open(m_sim.port(), 1));
        CSetJob::Request save;
        save.command = CSetJob::Save;
        save.fileName = m_dir.filePath("unit1.json");
        QCOMPARE(device.run(save).outcome, CDeviceRecord::Saved);
        QVERIFY(m_set.load(save.fileName));
    }

    void outcomes_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QVariant>("damping"); // in the set, register units (invalid: as saved)
        QTest::addColumn<QString>("expectedSerial");
        QTest::addColumn<bool>("otherModel");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("message"); // part of it, or of a problem
        QTest::addColumn<int>("differences");
        const QVariant saved;
        const int diff = CSetJob::Diff;
        const int apply = CSetJob::Apply;
        using R = CDeviceRecord;
        auto row = [](const char *name, int command, int unit, const QVariant &damping, const char *serial,
                      bool otherModel, int outcome, const char *message, int differences = 0) {
            QTest::newRow(name) << command << unit << damping << QString(serial) << otherModel << outcome
                                << QString(message) << differences;
        };
        row("holds the set", diff, 1, saved, "900", false, R::Unchanged, "holds the set");
        row("differs", diff, 1, 42, "", false, R::Differs, "differ from the set", 1);
        row("dry run", apply, 2, 42, "", false, R::WouldChange, "dry run", 1);
        row("another serial number", apply, 2, 42, "4711", false, R::WrongSerial, "serial number 901, expected 4711");
        row("another model", apply, 1, 42, "", true, R::WrongModel, "\"9999-0001\"");
        row("exceptions only", diff, 4, saved, "", false, R::ReadFailed, "exception 4");
        row("no device", diff, 7, saved, "", false, R::NoAnswer, "does not answer");
        row("a value out of range", apply, 2, 99999, "", false, R::SetRefused, "Daempfung");
    }

    void outcomes()
    {
        QFETCH(int, command);
        QFETCH(int, unit);
        QFETCH(QVariant, damping);
        QFETCH(QString, expectedSerial);
        QFETCH(bool, otherModel);
        QFETCH(QString, message);
        Device device;
        QVERIFY(device.open(otherModel ? m_other.port() : m_sim.port(), unit));
        CSetJob::Request request;
        request.command = CSetJob::Command(command);
        request.set = with(m_set, {{"Daempfung", damping}});
        request.dryRun = true;
        const CDeviceRecord record = device.run(request, expectedSerial);
        QTEST(int(record.outcome), "outcome");
        QVERIFY2((record.message + record.problems.join(' ')).contains(message), qPrintable(record.message));
        QTEST(int(record.differences.size()), "differences");
        QVERIFY(record.started.isValid() && record.finished >= record.started);
        if (record.outcome == CDeviceRecord::WouldChange)
            QCOMPARE(record.differences.first().before, QStringLiteral("1.0 s"));
    }

    // Per parameter the value before the first write and after the last.
    void journal()
    {
        Device device;
        QVERIFY(device.open(m_sim.port(), 2));
        QVERIFY(transferred(device.session.parameters(), [&]() { device.session.parameters()->readAll(); }));
        CWriteJournal journal(device.session.parameters());
        QVERIFY(device.write("Daempfung", 20));
        QVERIFY(device.write("Daempfung", 30));
        QCOMPARE(journal.changes().size(), 1);
        QCOMPARE(journal.changes().first().before + " -> " + journal.changes().first().after,
                 QStringLiteral("1.0 s -> 3.0 s"));
        QVERIFY(journal.allConfirmed());
        // Written back to what it was: no change.
        QVERIFY(device.write("Daempfung", 10));
        QVERIFY(journal.changes().isEmpty());
        QVERIFY(device.write("Sollwert", 150.0));
        QCOMPARE(journal.changes().size(), 1);
        // Items built anew are other items: the journal starts afresh.
        QVERIFY(device.session.loadDescription(QStringLiteral(LOOMWORK_DATA_DIR "/pv8120.xml")));
        QVERIFY(journal.changes().isEmpty());
        QVERIFY(device.write("Sollwert", 100.0));
    }

    void backupName_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("name");
        QTest::newRow("tcp") << "tcp:10.0.0.5:502" << "81200017" << "10.0.0.5_502_u5_81200017.json";
        QTest::newRow("rtu") << "rtu:/dev/ttyUSB0:19200:8E1" << "7" << "dev_ttyUSB0_u5_7.json";
        QTest::newRow("ipv6") << "tcp:[::1]:502" << "7" << "0-0-0-0-0-0-0-1_502_u5_7.json";
        QTest::newRow("no serial number") << "tcp:gw:502" << "" << "gw_502_u5.json";
        QTest::newRow("a serial number with a slash") << "tcp:gw:502" << "A/7" << "gw_502_u5_A_7.json";
    }

    void backupName()
    {
        QFETCH(QString, link);
        QFETCH(QString, serial);
        CDeviceRecord record;
        record.link = link;
        record.unitId = 5;
        record.identity.serialNumber = serial;
        QTEST(CSetJob::backupName(record), "name");
    }

    // Every outcome survives the trip through JSON, and says whether it is
    // what was asked; an unknown outcome makes no record.
    void recordRoundTrip_data()
    {
        QTest::addColumn<int>("outcome");
        QTest::addColumn<bool>("succeeded");
        using R = CDeviceRecord;
        for (const R::Outcome outcome : {R::Unchanged, R::Changed, R::WouldChange, R::Saved})
            QTest::newRow(qPrintable(R::outcomeName(outcome))) << int(outcome) << true;
        for (const R::Outcome outcome : {R::Differs, R::WrongSerial, R::WrongModel, R::NoAnswer, R::SetRefused,
                                         R::ReadFailed, R::WriteFailed, R::FileFailed})
            QTest::newRow(qPrintable(R::outcomeName(outcome))) << int(outcome) << false;
    }

    void recordRoundTrip()
    {
        QFETCH(int, outcome);
        QFETCH(bool, succeeded);
        const CDeviceRecord sent = record(CDeviceRecord::Outcome(outcome), QStringLiteral("what happened"));
        QCOMPARE(sent.succeeded(), succeeded);
        // As a worker prints it: one compact line.
        const QByteArray line = QJsonDocument(sent.toJson()).toJson(QJsonDocument::Compact);
        CDeviceRecord received;
        QVERIFY(CDeviceRecord::fromJson(QJsonDocument::fromJson(line).object(), &received));
        QCOMPARE(received.toJson(), sent.toJson());
        QCOMPARE(received.toJson().value("succeeded").toBool(), succeeded);
        QVERIFY(!CDeviceRecord::fromJson(QJsonObject{{"outcome", "exploded"}}, &received));
    }

    // What goes to machines is whole, what goes to people escaped and
    // self-contained; the files are written whole or not at all, with a reason.
    void commissioningReport()
    {
        CCommissioningReport report;
        report.command = QStringLiteral("apply");
        report.source = QStringLiteral("/plant/<golden>.json");
        report.model = QStringLiteral("PV 8120");
        report.records = {record(CDeviceRecord::Changed, QStringLiteral("the device holds the set")),
                          record(CDeviceRecord::WrongSerial, QStringLiteral("serial <b>4711</b> & more"))};
        const QJsonObject json = report.toJson();
        QCOMPARE(json.value("format").toString(), QStringLiteral("loomwork-commissioning-report"));
        QCOMPARE(json.value("summary").toObject().value("wrong-serial").toInt(), 1);

        const QString html = report.toHtml();
        QVERIFY(html.contains("serial &lt;b&gt;4711&lt;/b&gt; &amp; more"));
        QVERIFY(html.contains("/plant/&lt;golden&gt;.json"));
        QVERIFY(!html.contains("<b>4711"));
        for (const QString &part : QStringList{"100 mbar", "120 mbar", "Setpoint", "99999 s", "81200017", "8120-0001", "1.07"})
            QVERIFY2(html.contains(part), qPrintable(part));
        for (const QString &external : QStringList{"<link", "<script", "<img", "src=", "href=", "url("})
            QVERIFY2(!html.contains(external), qPrintable(external));

        QTemporaryDir dir;
        QString error;
        const QString folder = dir.filePath("a/b/report");
        QVERIFY2(report.write(folder, &error), qPrintable(error));
        // A file where the folder should be.
        QVERIFY(QFile(dir.filePath("blocked")).open(QIODevice::WriteOnly));
        QVERIFY(!report.write(dir.filePath("blocked"), &error));
        QVERIFY2(error.contains("blocked"), qPrintable(error));
    }

    void roundTripThroughTheDevice_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("characteristic");
        const QStringList units{"mbar", "Pa", "kPa", "inH2O", "psi"};
        const QStringList characteristics{"linear", "square root", "table"};
        for (int unit = 0; unit < units.size(); ++unit) {
            for (int characteristic = 0; characteristic < characteristics.size(); ++characteristic)
                QTest::addRow("%s, %s", qPrintable(units.at(unit)), qPrintable(characteristics.at(characteristic)))
                    << unit << characteristic;
        }
    }

    // Saved from one device and restored onto a fresh one (mbar, linear),
    // the second device ends up with the very same registers.
    void roundTripThroughTheDevice()
    {
        QFETCH(int, unit);
        QFETCH(int, characteristic);
        Rig source;
        QVERIFY(source.start({}));
        CParameterTransfer *from = source.session.parameters();
        QVERIFY(source.transfer([&]() { from->readAll(); }));
        configure(from, unit, characteristic);
        QVERIFY(source.transfer([&]() { from->writeModified(); }));
        CParameterSet saved = CParameterSet::fromItems(source.session.root());
        saved.orderNumber = OrderNumber;
        const QString file = m_dir.filePath(QStringLiteral("set-%1-%2.json").arg(unit).arg(characteristic));
        QVERIFY(saved.save(file));

        Rig target;
        QVERIFY(target.start({}));
        CParameterTransfer *to = target.session.parameters();
        QVERIFY(target.transfer([&]() { to->readAll(); }));
        CParameterSet loaded;
        QVERIFY(loaded.load(file));
        const CSetRestore restore(target.session.root(), to, OrderNumber);
        const CParameterProblems problems = restore.check(loaded);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.value(0).text));
        restore.apply(loaded);
        QVERIFY(target.transfer([&]() { to->writeModified(); }));
        for (CItem *item : to->items()) {
            if (CParameterTransfer::isWritable(item))
                QVERIFY2(target.device(item) == source.device(from->item(item->objectName())),
                         qPrintable(item->objectName()));
        }
        QVERIFY(target.transfer([&]() { to->readAll(); }));
        for (const CParameterSet::Difference &row : restore.compare(loaded))
            QVERIFY2(!row.differs || !row.writable, qPrintable(row.name + ": " + row.fileText + " / " + row.deviceText));
    }

    void problemsAreNamed_data()
    {
        QTest::addColumn<QVariantMap>("entries"); // replaced in a set of the defaults
        QTest::addColumn<QString>("orderNumber");
        QTest::addColumn<QStringList>("offending");
        QTest::addColumn<bool>("restUsable");
        QTest::addColumn<QString>("text"); // part of the first problem
        auto row = [](const char *name, const QVariantMap &entries, const QStringList &offending, const char *text,
                      bool restUsable = true, const QString &orderNumber = OrderNumber) {
            QTest::newRow(name) << entries << orderNumber << offending << restUsable << QString(text);
        };
        row("fine", {{"Sollwert", 120.5}}, {}, "");
        row("another model", {}, {""}, "8130-0001", false, "8130-0001");
        row("unknown name", {{"Nichts", 1}}, {"Nichts"}, "no such parameter");
        row("out of range", {{"GrenzwertMaxAlarm", 99999}}, {"GrenzwertMaxAlarm"}, "99999 mbar is outside 0 .. 250");
        row("huge number", {{"Daempfung", 1e124}}, {"Daempfung"}, "cannot be held");
        row("text for a number", {{"Sollwert", "abc"}}, {"Sollwert"}, "\"abc\" is not a number");
        row("not in the list", {{"Einheit", 9}}, {"Einheit"}, "no entry of the list", false);
        row("max below min", {{"GrenzwertMaxAlarm", 10}, {"GrenzwertMinAlarm", 20}}, {"GrenzwertMaxAlarm"},
            "not above");
        row("falling points",
            {{"Kennlinie", 2}, {"AnzahlStuetzstellen", 4}, {"StuetzpunktEingang_2", 20000},
             {"StuetzpunktEingang_3", 10000}, {"GrenzwertMaxAlarm", 80}},
            {"StuetzpunktEingang_3"}, "not above");
    }

    // The tree is left as it was; what the problems name stays out of the
    // rest when that is applied.
    void problemsAreNamed()
    {
        QFETCH(QVariantMap, entries);
        QFETCH(QString, orderNumber);
        QFETCH(bool, restUsable);
        QFETCH(QString, text);
        CDeviceSession session;
        QVERIFY(openPv8120(session));
        const CParameterSet before = CParameterSet::fromItems(session.root());
        CParameterSet set = with(before, entries);
        set.orderNumber = orderNumber;
        const CSetRestore restore(session.root(), session.parameters(), OrderNumber);
        const CParameterProblems problems = restore.check(set);
        QStringList names;
        for (const CParameterProblem &problem : problems)
            names << problem.name;
        QTEST(names, "offending");
        QCOMPARE(CSetRestore::restIsUsable(problems), restUsable);
        if (!problems.isEmpty())
            QVERIFY2(problems.first().text.contains(text), qPrintable(problems.first().text));
        QCOMPARE(CParameterSet::fromItems(session.root()).values, before.values);
        if (restUsable) {
            restore.apply(set, CSetRestore::names(problems));
            for (const QString &name : CSetRestore::names(problems)) {
                if (const CItem *item = session.parameters()->item(name))
                    QCOMPARE(item->value(), before.value(name));
            }
        }
    }

private:
    SimProcess m_sim;
    SimProcess m_other;
    QTemporaryDir m_dir;
    CParameterSet m_set;
};

QTEST_GUILESS_MAIN(tst_CSetJob)
#include "tst_csetjob.moc"

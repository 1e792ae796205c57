// Device records and the commissioning report: what goes to machines (JSON,
// also between fleet workers and their parent) comes back the same, what goes
// to people is escaped and self-contained, and the files are written whole.
#include "ccommissioningreport.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

namespace {

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

class tst_CCommissioningReport : public QObject
{
    Q_OBJECT

private slots:
    // Every outcome survives the trip through JSON, and says whether it is
    // what was asked.
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
        QVERIFY(!line.contains('\n'));
        CDeviceRecord received;
        QVERIFY(CDeviceRecord::fromJson(QJsonDocument::fromJson(line).object(), &received));
        QCOMPARE(received.toJson(), sent.toJson());
        QCOMPARE(received.started, sent.started);
        QCOMPARE(received.changes.at(1).readBack, CDeviceRecord::NotReadBack);
        QCOMPARE(received.differences.at(0).refused, true);
        QCOMPARE(received.toJson().value("succeeded").toBool(), succeeded);
    }

    void foreignJsonIsNoRecord()
    {
        CDeviceRecord received;
        QVERIFY(!CDeviceRecord::fromJson(QJsonObject{{"outcome", "exploded"}}, &received));
        QVERIFY(!CDeviceRecord::fromJson(QJsonObject(), &received));
    }

    void reportContent()
    {
        CCommissioningReport report;
        report.command = QStringLiteral("apply");
        report.source = QStringLiteral("/plant/<golden>.json");
        report.model = QStringLiteral("PV 8120");
        report.records = {record(CDeviceRecord::Changed, QStringLiteral("the device holds the set")),
                          record(CDeviceRecord::WrongSerial, QStringLiteral("serial <b>4711</b> & more"))};
        QCOMPARE(report.succeeded(), false);
        QCOMPARE(report.counts().value(CDeviceRecord::Changed), 1);
        const QJsonObject json = report.toJson();
        QCOMPARE(json.value("format").toString(), QStringLiteral("loomwork-commissioning-report"));
        QCOMPARE(json.value("summary").toObject().value("wrong-serial").toInt(), 1);
        QCOMPARE(json.value("devices").toArray().size(), 2);

        const QString html = report.toHtml();
        QVERIFY(html.contains("serial &lt;b&gt;4711&lt;/b&gt; &amp; more"));
        QVERIFY(html.contains("/plant/&lt;golden&gt;.json"));
        QVERIFY(!html.contains("<b>4711"));
        for (const QString &part : QStringList{"100 mbar", "120 mbar", "Setpoint", "99999 s", "81200017", "8120-0001", "1.07"})
            QVERIFY2(html.contains(part), qPrintable(part));
        for (const QString &external : QStringList{"<link", "<script", "<img", "src=", "href=", "url("})
            QVERIFY2(!html.contains(external), qPrintable(external));
    }

    void writeFiles()
    {
        QTemporaryDir dir;
        CCommissioningReport report;
        report.command = QStringLiteral("save");
        report.records = {record(CDeviceRecord::Saved)};
        QString error;
        const QString folder = dir.filePath("a/b/report");
        QVERIFY2(report.write(folder, &error), qPrintable(error));
        QFile json(folder + "/report.json");
        QVERIFY(json.open(QIODevice::ReadOnly));
        QCOMPARE(QJsonDocument::fromJson(json.readAll()).object(), report.toJson());
        QVERIFY(QFileInfo(folder + "/report.html").size() > 1000);

        // A file where the folder should be: nothing half written, a reason.
        QFile blocker(dir.filePath("blocked"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!report.write(dir.filePath("blocked"), &error));
        QVERIFY2(error.contains("blocked"), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(tst_CCommissioningReport)
#include "tst_ccommissioningreport.moc"

// loomwork-cli with a second device of the family, the TM 100 test meter,
// given by its plugin directory and description: read and the display work
// from the meter's own plugin and files (writes in the meter's order are the
// session's test).
#include "cliprocess.h"
#include "ctestmeterdevice.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

class tst_TestMeterCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_device.start());
    }

    void init()
    {
        m_device.setWord(CTestMeterDevice::Range, 250);
        m_device.setFloat(CTestMeterDevice::Setpoint, 42.5f);
        m_device.setWord(CTestMeterDevice::Mode, 1);
        m_device.clearRequests();
    }

    void cleanup() { QTRY_COMPARE(m_device.clients(), 0); }

    void readPrintsWhatTheDeviceHolds()
    {
        QCOMPARE(run({"read", "--json"}), 0);
        QHash<QString, QJsonObject> items;
        for (const QJsonValue &value : QJsonDocument::fromJson(m_out).array())
            items.insert(value.toObject().value("name").toString(), value.toObject());
        QCOMPARE(items.keys().size(), 6);
        QCOMPARE(items.value("OrderNumber").value("text").toString(), QStringLiteral("TM100-0001"));
        QCOMPARE(items.value("Range").value("value").toInt(), 250);
        QCOMPARE(items.value("Setpoint").value("text").toString(), QStringLiteral("42.5"));
        QCOMPARE(items.value("Mode").value("text").toString(), QStringLiteral("on"));
        QCOMPARE(items.value("Setpoint").value("address").toInt(), int(CTestMeterDevice::Setpoint));
    }

    // The display comes from the meter's status block, its LED names from
    // the meter's device data file, in the language asked for; it has one
    // frame: every change is frame 1.
    void watchShowsTheDisplay_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("ledName");
        QTest::newRow("en") << "en" << "alarm";
        QTest::newRow("de") << "de" << "Alarm";
    }

    void watchShowsTheDisplay()
    {
        QFETCH(QString, language);
        m_device.setWord(CTestMeterDevice::StatusValue, quint16(qint16(-73)));
        m_device.setWord(CTestMeterDevice::StatusLed, 1);
        m_device.setMeasuringStep(5);
        const int code = run({"watch", "--json", "--count", "3", "--interval", "10", "--language", language});
        m_device.setMeasuringStep(0);
        QCOMPARE(code, 0);
        const QList<QByteArray> lines = m_out.trimmed().split('\n');
        QCOMPARE(lines.size(), 3);
        QCOMPARE(QJsonDocument::fromJson(lines.first()).object().value("text").toString(), QStringLiteral("-7.3"));
        for (const QByteArray &line : lines) {
            const QJsonObject shown = QJsonDocument::fromJson(line).object();
            QCOMPARE(shown.value("led").toInt(), 1);
            QTEST(shown.value("ledName").toString(), "ledName");
            QCOMPARE(shown.value("frame").toInt(), 1);
        }
        QVERIFY(!m_device.requests().isEmpty());
        for (const CTestMeterDevice::Request &request : m_device.requests())
            QCOMPARE(request.address, int(CTestMeterDevice::StatusValue));
    }

    // What the client tells of its work, by logging category.
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
        m_loggingRules = rules;
        const int code = run({"read"});
        m_loggingRules.clear();
        QCOMPARE(code, 0);
        for (const QString &text : present)
            QVERIFY2(m_err.contains(text.toUtf8()), qPrintable(text));
        for (const QString &text : absent)
            QVERIFY2(!m_err.contains(text.toUtf8()), m_err.constData());
    }

private:
    // Runs the client against the meter, keeping its output in m_out and
    // m_err; the meter answers from this program's event loop meanwhile.
    int run(const QStringList &args)
    {
        const CliRun done = runCli(QStringList{"--tcp", m_device.endpoint(), "--plugin-dir",
                                               QStringLiteral(TESTMETER_PLUGIN_DIR), "--description",
                                               QStringLiteral(TESTMETER_DESCRIPTION)} + args,
                                   m_loggingRules);
        m_out = done.out;
        m_err = done.err;
        return done.code;
    }

    CTestMeterDevice m_device;
    QString m_loggingRules;
    QByteArray m_out; // of the last run
    QByteArray m_err;
};

QTEST_GUILESS_MAIN(tst_TestMeterCli)
#include "tst_testmetercli.moc"

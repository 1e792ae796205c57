// The whole device link against the simulator on loopback: session, plugin,
// parameter transfer, status polling and the simulator's injected faults.
#include "cdevicesession.h"
#include "citeminput.h"
#include "cmodbusmaster.h"
#include "cparametertransfer.h"
#include "description/citemregisters.h"
#include "items/citem.h"
#include "simrig.h"
#include "widgets/cmessagesender.h"

#include <QFile>
#include <QModbusReply>
#include <QModbusTcpClient>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class tst_DeviceLink : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The description reader accepts tables by the host's version.
        QCoreApplication::setApplicationVersion(QStringLiteral(LOOMWORK_VERSION));
    }

    void sessionHostsItemsAndPlugin()
    {
        CDeviceSession session;
        const QString description = QStringLiteral(LOOMWORK_DATA_DIR "/pv8120.xml");
        QVERIFY2(session.open(description, QStringLiteral(LOOMWORK_PLUGIN_DIR)), qPrintable(session.errorString()));
        QObject *root = session.root();
        QCOMPARE(root->findChild<QObject *>("ModbusMaster", Qt::FindDirectChildrenOnly), session.master());
        QCOMPARE(root->findChild<QObject *>("Parameter", Qt::FindDirectChildrenOnly), session.parameters());
        QCOMPARE(session.backend()->parent(), root);
        const int items = session.parameters()->items().size();
        QVERIFY(items > 0);
        // Loading again replaces the tree and re-binds the plugin: one of each.
        QVERIFY(session.loadDescription(description));
        QCOMPARE(session.parameters()->items().size(), items);
        QCOMPARE(root->findChildren<QObject *>(session.backend()->objectName()).size(), 1);
        QCOMPARE(root->findChildren<CItem *>(QStringLiteral("Einheit")).size(), 1);

        CDeviceSession other;
        QVERIFY(!other.open(description, QStringLiteral(LOOMWORK_PLUGIN_DIR), QStringLiteral("9999")));
        QVERIFY(other.errorString().contains(QStringLiteral("9999")));
    }

    void readAllAndUnitChangeReachTheDevice_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<double>("factor"); // from mbar
        QTest::newRow("kPa") << "kPa" << 0.1;
        QTest::newRow("Pa") << "Pa" << 100.0;
    }

    void readAllAndUnitChangeReachTheDevice()
    {
        QFETCH(QString, unit);
        QFETCH(double, factor);
        Rig rig;
        QVERIFY(rig.start({}));
        // Read all takes the device's values: move a few registers away from
        // the description defaults first.
        QVERIFY(!rig.device(rig.item("GrenzwertMaxAlarm"), floatWords(123.5f)).isEmpty());
        QVERIFY(!rig.device(rig.item("Daempfung"), {25}).isEmpty());
        QSignalSpy data(rig.session.parameters(), &CParameterTransfer::dataFinished);
        QSignalSpy progress(rig.session.parameters(), &CParameterTransfer::progress);
        QVERIFY(rig.transfer([&]() { rig.session.parameters()->readAll(); }));
        QCOMPARE(data.count(), 1);
        QCOMPARE(progress.last().at(0), progress.last().at(1));
        for (CItem *item : rig.session.parameters()->items())
            QCOMPARE(rig.held(item), rig.device(item));
        QCOMPARE(rig.item("GrenzwertMaxAlarm")->value().toDouble(), 123.5);
        QCOMPARE(rig.item("Daempfung")->valueText(), QStringLiteral("2,5"));

        // A unit edit converts the limits on the item and on the device.
        CItem *units = rig.item(QStringLiteral("Einheit"));
        CItem *limit = rig.item(QStringLiteral("GrenzwertMaxAlarm"));
        QCOMPARE(units->valueText(), QStringLiteral("mbar"));
        const double before = limit->value().toDouble();
        QVariant value;
        QString error;
        QVERIFY2(CItemInput::parse(*units, unit, &value, &error), qPrintable(error));
        units->setValue(value);
        emit units->valueEdited();
        QSignalSpy mismatches(rig.session.parameters(), &CParameterTransfer::mismatch);
        QVERIFY(rig.transfer([&]() { rig.session.parameters()->writeModified(); }));
        QCOMPARE(mismatches.count(), 0);
        QCOMPARE(limit->value().toFloat(), float(before * factor));
        QCOMPARE(rig.device(limit), floatWords(float(before * factor)));
        QCOMPARE(rig.device(units), rig.held(units));
        QVERIFY(rig.session.parameters()->modifiedItems().isEmpty());

        // A value beyond the range is refused before it is sent; the edit
        // stays, pending.
        QSignalSpy errors(rig.session.master()->messageSender(), &CMessageSender::errorMessage);
        const quint64 sent = rig.session.master()->statistics().sent;
        limit->setValue(300 * factor);
        QVERIFY(!rig.transfer([&]() { rig.session.parameters()->writeItem(limit); }));
        const QString text = errors.value(0).value(1).toString();
        QVERIFY2(text.contains(QStringLiteral("(GrenzwertMaxAlarm): %1 %2").arg(300 * factor).arg(unit))
                     && text.contains(QStringLiteral("outside 0 .. %1 %2").arg(250 * factor).arg(unit)),
                 qPrintable(text));
        QCOMPARE(rig.session.master()->statistics().sent, sent);
        QCOMPARE(rig.device(limit), floatWords(float(before * factor)));
        QCOMPARE(limit->value().toDouble(), 300 * factor);
        QCOMPARE(rig.session.parameters()->modifiedItems(), QList<CItem *>{limit});
    }

    void deviceRefusalKeepsTheEdit()
    {
        // A host without the device data does not know the device's rules:
        // the device refuses a min alarm above the max alarm, and the host
        // says which parameter, which value and what it would allow.
        QTemporaryDir dir;
        for (const char *file : {"pv8120.xml", "pv8120_de.xml", "pv8120_en.xml"})
            QVERIFY(QFile::copy(QStringLiteral(LOOMWORK_DATA_DIR "/") + file, dir.filePath(file)));
        Rig rig;
        QVERIFY(rig.start({}));
        QVERIFY(rig.session.loadDescription(dir.filePath("pv8120.xml")));
        QVERIFY(rig.transfer([&]() { rig.session.parameters()->readAll(); }));
        CItem *min = rig.item("GrenzwertMinAlarm");
        CItem *max = rig.item("GrenzwertMaxAlarm");
        const QVector<quint16> held = rig.device(min);
        min->setValue(230.0);
        QSignalSpy errors(rig.session.master()->messageSender(), &CMessageSender::errorMessage);
        QVERIFY(!rig.transfer([&]() { rig.session.parameters()->writeModified(); }));
        QStringList texts;
        for (const QList<QVariant> &error : errors)
            texts << error.at(1).toString();
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts.first().contains("(GrenzwertMinAlarm): the device refused 230 mbar (allowed: 0 .. 250 mbar)")
                     && texts.first().contains("illegal data value"),
                 qPrintable(texts.first()));
        QCOMPARE(rig.device(min), held);
        QCOMPARE(min->value().toDouble(), 230.0);
        QVERIFY(rig.session.parameters()->wasRead(min));
        QCOMPARE(rig.session.parameters()->modifiedItems(), QList<CItem *>{min});
        QVERIFY(!rig.session.parameters()->writeFailure(min).isEmpty());
        QVERIFY(rig.session.parameters()->writeFailure(max).isEmpty());
        // Corrected, it goes through and the failure is gone.
        min->setValue(25.0);
        QVERIFY(rig.transfer([&]() { rig.session.parameters()->writeModified(); }));
        QVERIFY(rig.session.parameters()->writeFailure(min).isEmpty());
        QCOMPARE(rig.device(min), floatWords(25.0f));
    }

    void pollingReportsFaultsAndGoesOn_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("report"); // part of the expected error text; empty: no error
        const QString noAnswer = QStringLiteral("0x7000..0x700b (12 registers) failed: No answer within");
        auto frame = [](const char *kind) { return QStringList{"--frame-fault", kind, "--frame-fault-every", "3"}; };
        // 100 mbar on the linear range 0..250 mbar between the limits: shown
        // as the value and 40 % output, with a green LED.
        QTest::newRow("no fault") << QStringList{"--pressure", "100"} << QString();
        QTest::newRow("dropped request") << QStringList{"--drop-every", "3"} << noAnswer;
        QTest::newRow("exception") << QStringList{"--exception-every", "3:4"}
                                   << QStringLiteral("failed: Modbus exception 4 (server device failure)");
        QTest::newRow("disconnect") << QStringList{"--disconnect-after", "3"} << QStringLiteral("lost");
        // Damaged frames are the master's own test, against an in-process
        // device; here the whole path shows the display going on.
        QTest::newRow("slow delivery is no fault") << frame("byte-per-segment") << QString();
        // The answer cannot tell which registers it holds: the display takes it as
        // the block that was asked for, and nothing is reported.
        QTest::newRow("shifted status block") << QStringList{"--wrong-status-address"} << QString();
    }

    void pollingReportsFaultsAndGoesOn()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, report);
        Rig rig;
        QVERIFY(rig.start(options, 300));
        QObject *backend = rig.session.backend();
        QSignalSpy texts(backend, SIGNAL(displayText(QString)));
        QSignalSpy leds(backend, SIGNAL(displayLed(int)));
        QSignalSpy errors(rig.session.master()->messageSender(), &CMessageSender::errorMessage);
        rig.startPolling(50);
        // Enough polls for several faults, and answers in between keep the display going.
        QTRY_VERIFY_WITH_TIMEOUT(rig.session.master()->statistics().answered >= 8, 30000);
        rig.poll.stop();
        QTRY_VERIFY_WITH_TIMEOUT(texts.count() >= 2, 5000);
        QStringList reported;
        for (const QList<QVariant> &arguments : errors)
            reported << arguments.at(1).toString();
        QVERIFY2(report.isEmpty() ? reported.isEmpty() : !reported.filter(report).isEmpty(),
                 qPrintable(reported.join('\n')));
        if (options.contains("--pressure")) {
            QStringList shown{texts.at(0).at(0).toString().trimmed(), texts.at(1).at(0).toString().trimmed()};
            shown.sort();
            QCOMPARE(shown, (QStringList{"100.0", "40.0"}));
            QCOMPARE(leds.last().at(0).toInt(), 2);
        }
    }

    void transfersSharePollingLine()
    {
        // A receiver of the end of a transfer that waits in an event loop of
        // its own, as a dialog does, must not hold up the link: the polls
        // meanwhile are answered, none times out, and polling goes on.
        Rig rig;
        QVERIFY(rig.start({QStringLiteral("--pressure"), QStringLiteral("100")}, 300));
        rig.startPolling(20);
        QTRY_VERIFY_WITH_TIMEOUT(rig.session.master()->statistics().answered >= 3, 10000);
        CParameterTransfer *parameters = rig.session.parameters();
        quint64 answeredInDialog = 0;
        connect(parameters, &CParameterTransfer::finished, this, [&]() {
            const quint64 before = rig.session.master()->statistics().answered;
            QEventLoop dialog;
            QTimer::singleShot(1000, &dialog, &QEventLoop::quit);
            dialog.exec();
            answeredInDialog = rig.session.master()->statistics().answered - before;
        });
        for (int round = 0; round < 2; ++round) {
            QVERIFY(rig.transfer([&]() { parameters->readAll(); }));
            QVERIFY(rig.transfer([&]() { parameters->writeAll(); }));
        }
        QVERIFY2(answeredInDialog >= 10, qPrintable(QString::number(answeredInDialog)));
        QCOMPARE(rig.session.master()->statistics().timeouts, quint64(0));
        QCOMPARE(rig.session.master()->state(), CModbusMaster::Connected);
    }

    void displayFreezesAndResumes()
    {
        Rig rig;
        QVERIFY(rig.start({QStringLiteral("--pressure"), QStringLiteral("100")}, 300));
        QSignalSpy texts(rig.startPolling(200), SIGNAL(displayText(QString)));
        QSignalSpy errors(rig.session.master()->messageSender(), &CMessageSender::errorMessage);
        QTRY_VERIFY_WITH_TIMEOUT(texts.count() >= 2, 10000);
        rig.sim.pause();
        QElapsedTimer silence;
        int seen = texts.count();
        silence.start();
        // The display keeps alternating on the last answer for five seconds, then stops.
        QTRY_VERIFY_WITH_TIMEOUT(
            [&]() {
                if (texts.count() != seen) {
                    seen = texts.count();
                    silence.restart();
                }
                return silence.elapsed() > 2000;
            }(),
            20000);
        QVERIFY(!errors.isEmpty());
        rig.sim.resume();
        QTRY_VERIFY_WITH_TIMEOUT(texts.count() > seen, 20000);
    }
};

QTEST_GUILESS_MAIN(tst_DeviceLink)
#include "tst_devicelink.moc"

// Find devices and the report of what was written, against a simulated bus.
#include "ccommissioningactions.h"
#include "cdevicesession.h"
#include "cfinddevicesdialog.h"
#include "cmainwindow.h"
#include "cparametertransfer.h"
#include "items/citem.h"
#include "simprocess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

class tst_Commissioning : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Devices at unit ids 2, 3 and 5; 5 answers only with exceptions.
        QVERIFY(m_sim.start({"--unit-ids", "2-3,5", "--fault-ids", "5", "--exception-every", "1:4",
                             "--serial-number", "7000"}));
        QVERIFY(m_session.open(QStringLiteral(LOOMWORK_DATA_DIR "/pv8120.xml"), QStringLiteral(LOOMWORK_PLUGIN_DIR)));
    }

    void findDevices()
    {
        CLinkSettings base;
        base.port = m_sim.port();
        CFindDevicesDialog dialog(QStringLiteral(LOOMWORK_DATA_DIR "/pv8120.xml"), m_session.plugin(), base);
        dialog.setUnitIds(1, 6);
        dialog.startScan();
        QVERIFY(dialog.isScanning());
        QVERIFY(QTest::qWaitFor([&]() { return !dialog.isScanning(); }, 20000));
        auto *table = dialog.findChild<QTableWidget *>(QStringLiteral("tw_devices"));
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("2"));
        QCOMPARE(table->item(0, 2)->text(), QStringLiteral("7000"));
        QCOMPARE(table->item(0, 3)->text(), QStringLiteral("PV 8120"));
        QCOMPARE(table->item(2, 1)->text(), QStringLiteral("5"));
        QVERIFY(table->item(2, 3)->text().contains("exception 4"));
        QList<CLinkSettings> chosen;
        connect(&dialog, &CFindDevicesDialog::deviceChosen, this,
                [&chosen](const CLinkSettings &link) { chosen.append(link); });
        dialog.chooseRow(1);
        QCOMPARE(chosen.size(), 1);
        const CLinkSettings link = chosen.first();
        QCOMPARE(link.serverAddress, 3);
        QCOMPARE(link.port, m_sim.port());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    // What was written since the link was opened, as the CLI reports a fleet.
    void reportOfTheConnectedDevice()
    {
        CHostOptions options;
        options.pluginDirectory = QStringLiteral(LOOMWORK_PLUGIN_DIR);
        options.descriptionFile = QStringLiteral(LOOMWORK_DATA_DIR "/pv8120.xml");
        options.host = QStringLiteral("127.0.0.1");
        options.port = m_sim.port();
        options.address = 3;
        options.language = QStringLiteral("en");
        CMainWindow window(options);
        QSignalSpy initialRead(&window, &CMainWindow::initialReadFinished);
        QVERIFY(window.start());
        QVERIFY(initialRead.wait(20000));
        CParameterTransfer *parameters = window.session()->parameters();
        CItem *damping = parameters->item(QStringLiteral("Daempfung"));
        damping->setValue(27);
        QSignalSpy finished(parameters, &CParameterTransfer::finished);
        parameters->writeItem(damping);
        QVERIFY(finished.wait(10000));
        QTemporaryDir dir;
        QVERIFY(window.commissioning()->writeReport(dir.path()));
        QFile file(dir.filePath("report.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject report = QJsonDocument::fromJson(file.readAll()).object();
        QCOMPARE(report.value("command").toString(), QStringLiteral("session"));
        const QJsonObject device = report.value("devices").toArray().at(0).toObject();
        QCOMPARE(device.value("unitId").toInt(), 3);
        QCOMPARE(device.value("outcome").toString(), QStringLiteral("changed"));
        QCOMPARE(device.value("identity").toObject().value("serialNumber").toString(), QStringLiteral("7001"));
        const QJsonArray changes = device.value("changes").toArray();
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes.at(0).toObject().value("before").toString(), QStringLiteral("1.0 s"));
        QCOMPARE(changes.at(0).toObject().value("after").toString(), QStringLiteral("2.7 s"));
        QCOMPARE(changes.at(0).toObject().value("readBack").toString(), QStringLiteral("confirmed"));
        QVERIFY(QFile::exists(dir.filePath("report.html")));
    }

private:
    SimProcess m_sim;
    CDeviceSession m_session;
};

QTEST_MAIN(tst_Commissioning)
#include "tst_commissioning.moc"

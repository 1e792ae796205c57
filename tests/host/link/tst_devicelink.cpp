// The whole device link against the simulator on loopback: session, plugin,
// parameter transfer, status polling and the simulator's injected faults.
#include "cdevicesession.h"
#include "citeminput.h"
#include "cmodbusmaster.h"
#include "cparametertransfer.h"
#include "items/citem.h"
#include "simprocess.h"
#include "widgets/cmessagesender.h"

#include <QModbusReply>
#include <QModbusTcpClient>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

// An independent view of the simulator's registers, for checking what the
// link did, through a plain QtSerialBus client.
class RawClient
{
public:
    bool open(quint16 port)
    {
        m_client.setConnectionParameter(QModbusDevice::NetworkAddressParameter, QStringLiteral("127.0.0.1"));
        m_client.setConnectionParameter(QModbusDevice::NetworkPortParameter, port);
        m_client.connectDevice();
        return QTest::qWaitFor([&]() { return m_client.state() == QModbusDevice::ConnectedState; }, 5000);
    }

    QVector<quint16> read(quint16 start, int count)
    {
        return finish(m_client.sendReadRequest(QModbusDataUnit(QModbusDataUnit::HoldingRegisters, start, quint16(count)), 1));
    }

    bool write(quint16 start, const QVector<quint16> &words)
    {
        finish(m_client.sendWriteRequest(QModbusDataUnit(QModbusDataUnit::HoldingRegisters, start, words), 1));
        return m_ok;
    }

private:
    QVector<quint16> finish(QModbusReply *reply)
    {
        m_ok = false;
        if (!reply)
            return {};
        m_ok = QTest::qWaitFor([&]() { return reply->isFinished(); }, 5000) && reply->error() == QModbusDevice::NoError;
        const QVector<quint16> values = m_ok ? reply->result().values() : QVector<quint16>();
        reply->deleteLater();
        return values;
    }

    QModbusTcpClient m_client;
    bool m_ok = false;
};

// A session on a fresh simulator.
struct Rig
{
    SimProcess sim;
    CDeviceSession session;
    RawClient raw;

    bool start(const QStringList &simArgs, int timeout = 1000)
    {
        if (!sim.start(simArgs) || !raw.open(sim.port()))
            return false;
        if (!session.open(QStringLiteral(LOOMWORK_DATA_DIR "/pv8120.xml"), QStringLiteral(LOOMWORK_PLUGIN_DIR)))
            return false;
        CLinkSettings settings;
        settings.port = sim.port();
        settings.responseTimeout = timeout;
        settings.reconnectMinDelay = 20;
        settings.reconnectMaxDelay = 200;
        session.master()->setSettings(settings);
        session.master()->connectDevice();
        return QTest::qWaitFor([&]() { return session.master()->state() == CModbusMaster::Connected; }, 5000);
    }

    CItem *item(const QString &name) const { return session.parameters()->item(name); }

    // The register words the simulator holds for item.
    QVector<quint16> deviceWords(const CItem *item)
    {
        return raw.read(CRegisterPlan::address(item), CRegisterPlan::registerCount(item));
    }

    bool transfer(const std::function<void()> &run)
    {
        QSignalSpy finished(session.parameters(), &CParameterTransfer::finished);
        run();
        return finished.wait(20000) && finished.first().first().toBool();
    }
};

// A float as the device stores it: the low half of its bits first.
QVector<quint16> floatWords(float value)
{
    quint32 bits = 0;
    memcpy(&bits, &value, sizeof bits);
    return {quint16(bits & 0xFFFF), quint16(bits >> 16)};
}

QStringList errorTexts(const QSignalSpy &spy)
{
    QStringList texts;
    for (const QList<QVariant> &arguments : spy)
        texts << arguments.at(1).toString();
    return texts;
}

} // namespace

class tst_DeviceLink : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sessionHostsItemsAndPlugin();
    void readAllTakesTheDeviceValues();
    void unitChangeConvertsLimitsOnTheDevice();
    void refusedWriteLeavesTheDeviceValue();
    void pollingShowsTheDeviceDisplay();
    void faultsAreReportedAndPollingGoesOn_data();
    void faultsAreReportedAndPollingGoesOn();
    void displayFreezesAndResumes();
};

void tst_DeviceLink::initTestCase()
{
    // The description reader accepts tables by the host's version.
    QCoreApplication::setApplicationVersion(QStringLiteral(LOOMWORK_VERSION));
}

void tst_DeviceLink::sessionHostsItemsAndPlugin()
{
    CDeviceSession session;
    const QString description = QStringLiteral(LOOMWORK_DATA_DIR "/pv8120.xml");
    QVERIFY2(session.open(description, QStringLiteral(LOOMWORK_PLUGIN_DIR)), qPrintable(session.errorString()));
    QObject *root = session.root();
    QCOMPARE(root->findChild<QObject *>(QStringLiteral("ModbusMaster"), Qt::FindDirectChildrenOnly), session.master());
    QCOMPARE(root->findChild<QObject *>(QStringLiteral("Parameter"), Qt::FindDirectChildrenOnly), session.parameters());
    QVERIFY(session.backend());
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

void tst_DeviceLink::readAllTakesTheDeviceValues()
{
    Rig rig;
    QVERIFY(rig.start({}));
    // Move a few registers away from the description defaults first.
    const QList<QPair<QString, QVector<quint16>>> edits{
        {"GrenzwertMaxAlarm", floatWords(123.5f)}, {"Sollwert", floatWords(77.0f)}, {"Daempfung", {25}}};
    for (const auto &edit : edits)
        QVERIFY(rig.raw.write(CRegisterPlan::address(rig.item(edit.first)), edit.second));

    QSignalSpy data(rig.session.parameters(), &CParameterTransfer::dataFinished);
    QSignalSpy progress(rig.session.parameters(), &CParameterTransfer::progress);
    QVERIFY(rig.transfer([&]() { rig.session.parameters()->readAll(); }));
    QCOMPARE(data.count(), 1);
    QCOMPARE(progress.last().at(0), progress.last().at(1));

    for (CItem *item : rig.session.parameters()->items())
        QCOMPARE(CRegisterPlan::toWords(CRegisterPlan::registerBytes(item)), rig.deviceWords(item));
    QCOMPARE(rig.item("GrenzwertMaxAlarm")->value().toDouble(), 123.5);
    QCOMPARE(rig.item("Sollwert")->value().toDouble(), 77.0);
    QCOMPARE(rig.item("Daempfung")->valueText(), QStringLiteral("2,5"));
}

void tst_DeviceLink::unitChangeConvertsLimitsOnTheDevice()
{
    Rig rig;
    QVERIFY(rig.start({}));
    QVERIFY(rig.transfer([&]() { rig.session.parameters()->readAll(); }));
    CItem *unit = rig.item(QStringLiteral("Einheit"));
    CItem *limit = rig.item(QStringLiteral("GrenzwertMaxAlarm"));
    QVERIFY(unit && limit);
    QCOMPARE(unit->valueText(), QStringLiteral("mbar"));
    const double before = limit->value().toDouble();
    QVERIFY(before >= 10);

    QVariant value;
    QString error;
    QVERIFY2(CItemInput::parse(*unit, QStringLiteral("kPa"), &value, &error), qPrintable(error));
    unit->setValue(value);
    emit unit->valueEdited();
    QSignalSpy mismatches(rig.session.parameters(), &CParameterTransfer::mismatch);
    QVERIFY(rig.transfer([&]() { rig.session.parameters()->writeModified(); }));
    QCOMPARE(mismatches.count(), 0);

    // mbar to kPa is a factor of 0.1, on the item and on the device.
    QCOMPARE(limit->value().toFloat(), float(before * 0.1));
    QCOMPARE(rig.deviceWords(limit), floatWords(float(before * 0.1)));
    QCOMPARE(rig.deviceWords(unit), CRegisterPlan::toWords(CRegisterPlan::registerBytes(unit)));
    QVERIFY(rig.session.parameters()->modifiedItems().isEmpty());
}

void tst_DeviceLink::refusedWriteLeavesTheDeviceValue()
{
    Rig rig;
    QVERIFY(rig.start({}));
    QVERIFY(rig.transfer([&]() { rig.session.parameters()->readAll(); }));
    CItem *limit = rig.item(QStringLiteral("GrenzwertMaxAlarm"));
    const QVector<quint16> held = rig.deviceWords(limit);
    QSignalSpy errors(rig.session.master()->messageSender(), &CMessageSender::errorMessage);

    limit->setValue(65000); // beyond the device's range
    QVERIFY(!rig.transfer([&]() { rig.session.parameters()->writeItem(limit); }));
    QVERIFY(!errors.isEmpty());
    const QString text = errors.first().at(1).toString();
    QVERIFY2(text.contains(QStringLiteral("0x%1").arg(CRegisterPlan::address(limit), 4, 16, QLatin1Char('0')))
                 && text.contains(QStringLiteral("illegal data value")),
             qPrintable(text));
    QCOMPARE(rig.deviceWords(limit), held);
    QCOMPARE(CRegisterPlan::toWords(CRegisterPlan::registerBytes(limit)), held);
}

void tst_DeviceLink::pollingShowsTheDeviceDisplay()
{
    Rig rig;
    QVERIFY(rig.start({QStringLiteral("--pressure"), QStringLiteral("100")}));
    QObject *backend = rig.session.backend();
    QVERIFY(backend);
    QSignalSpy texts(backend, SIGNAL(displayText(QString)));
    QSignalSpy leds(backend, SIGNAL(displayLed(int)));
    QTimer poll;
    connect(&poll, &QTimer::timeout, backend, [backend]() { QMetaObject::invokeMethod(backend, "cyclicTimeout"); });
    poll.start(100);
    QTRY_VERIFY_WITH_TIMEOUT(texts.count() >= 2, 10000);
    // 100 mbar on the linear range 0..250 mbar: the value and 40 % output,
    // between the limits, so the LED is green.
    QStringList shown;
    for (int i = 0; i < 2; ++i)
        shown << texts.at(i).at(0).toString().trimmed();
    shown.sort();
    QCOMPARE(shown, (QStringList{"100.0", "40.0"}));
    QCOMPARE(leds.last().at(0).toInt(), 2);
}

void tst_DeviceLink::faultsAreReportedAndPollingGoesOn_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("report"); // part of the expected error text; empty: no error
    const QString noAnswer = QStringLiteral("0x7000..0x700b (12 registers) failed: No answer within");
    auto frame = [](const char *kind) {
        return QStringList{"--frame-fault", kind, "--frame-fault-every", "3"};
    };
    QTest::newRow("dropped request") << QStringList{"--drop-every", "3"} << noAnswer;
    QTest::newRow("exception") << QStringList{"--exception-every", "3:4"}
                               << QStringLiteral("failed: Modbus exception 4 (server device failure)");
    QTest::newRow("disconnect") << QStringList{"--disconnect-after", "3"} << QStringLiteral("lost");
    QTest::newRow("header only") << frame("header-only") << noAnswer;
    QTest::newRow("bad length") << frame("bad-length") << QStringLiteral("failed: ");
    QTest::newRow("bad protocol") << frame("bad-protocol")
                                  << QStringLiteral("failed: Invalid answer from the device: invalid frame header (protocol id 1");
    QTest::newRow("bad transaction") << frame("bad-transaction")
                                     << QStringLiteral("discarded an answer to no waiting request");
    QTest::newRow("stale frame") << frame("two-frames") << QStringLiteral("discarded an answer to no waiting request");
    QTest::newRow("closed mid frame") << frame("close-mid-frame") << QStringLiteral("closed by the device");
    QTest::newRow("slow delivery is no fault") << frame("byte-per-segment") << QString();
    // The answer cannot tell which registers it holds: the display takes it as
    // the block that was asked for, and nothing is reported.
    QTest::newRow("shifted status block") << QStringList{"--wrong-status-address"} << QString();
}

void tst_DeviceLink::faultsAreReportedAndPollingGoesOn()
{
    QFETCH(QStringList, options);
    QFETCH(QString, report);
    Rig rig;
    QVERIFY(rig.start(options, 300));
    QObject *backend = rig.session.backend();
    QSignalSpy texts(backend, SIGNAL(displayText(QString)));
    QSignalSpy errors(rig.session.master()->messageSender(), &CMessageSender::errorMessage);
    CModbusMaster *master = rig.session.master();
    QTimer poll;
    connect(&poll, &QTimer::timeout, backend, [backend]() { QMetaObject::invokeMethod(backend, "cyclicTimeout"); });
    poll.start(50);
    // Enough polls for several faults, and answers in between keep the display going.
    QTRY_VERIFY_WITH_TIMEOUT(master->statistics().answered >= 8, 30000);
    poll.stop();
    QTRY_VERIFY_WITH_TIMEOUT(texts.count() >= 1, 5000);
    if (report.isEmpty()) {
        QVERIFY2(errors.isEmpty(), qPrintable(errorTexts(errors).join('\n')));
        return;
    }
    const QStringList reported = errorTexts(errors);
    QVERIFY2(reported.filter(report).size() >= 1, qPrintable(reported.join('\n')));
}

void tst_DeviceLink::displayFreezesAndResumes()
{
    Rig rig;
    QVERIFY(rig.start({QStringLiteral("--pressure"), QStringLiteral("100")}, 300));
    QObject *backend = rig.session.backend();
    QSignalSpy texts(backend, SIGNAL(displayText(QString)));
    QSignalSpy errors(rig.session.master()->messageSender(), &CMessageSender::errorMessage);
    QTimer poll;
    connect(&poll, &QTimer::timeout, backend, [backend]() { QMetaObject::invokeMethod(backend, "cyclicTimeout"); });
    poll.start(200);
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

QTEST_GUILESS_MAIN(tst_DeviceLink)
#include "tst_devicelink.moc"

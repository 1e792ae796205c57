// The parameter transfer against an in-process Modbus TCP server: how reads
// are merged, in which order writes go out, and what a read-back shows.
#include "cdevicedata.h"
#include "simrig.h"
#include "widgets/cmessagesender.h"

#include <QModbusTcpServer>
#include <QTcpServer>
#include <QTcpSocket>

namespace {

// A device that refuses writes touching some registers (exception 3) and
// answers the first brokenWrites block writes with a broken frame, undone.
class FaultyServer : public QModbusTcpServer
{
public:
    using QModbusTcpServer::QModbusTcpServer;
    QSet<int> refused;
    int brokenWrites = 0;
    QList<QPair<int, int>> writes; // start and register count of every write that arrived

protected:
    QModbusResponse processRequest(const QModbusPdu &request) override
    {
        const bool single = request.functionCode() == QModbusPdu::WriteSingleRegister;
        if (!single && request.functionCode() != QModbusPdu::WriteMultipleRegisters)
            return QModbusTcpServer::processRequest(request);
        quint16 start = 0;
        quint16 count = 1;
        request.decodeData(&start, &count);
        count = single ? 1 : count;
        writes.append({start, count});
        if (!single && brokenWrites > 0) {
            --brokenWrites;
            return QModbusResponse();
        }
        for (int address = start; address < start + count; ++address) {
            if (refused.contains(address))
                return QModbusExceptionResponse(request.functionCode(), QModbusExceptionResponse::IllegalDataValue);
        }
        return QModbusTcpServer::processRequest(request);
    }
};

} // namespace

class tst_CParameterTransfer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(m_deviceData.load(QStringLiteral(LOOMWORK_DATA_DIR "/pv8120.device.json"), &error), qPrintable(error));
    }

    void init()
    {
        // Register value = address + 1000 on a server at a free port (its
        // listening socket is a child of it).
        qRegisterMetaType<QTcpSocket *>();
        m_server = new FaultyServer(this);
        m_server->setMap({{QModbusDataUnit::HoldingRegisters, {QModbusDataUnit::HoldingRegisters, 0, 0x400}}});
        for (int address = 0; address < 0x400; ++address)
            m_server->setData(QModbusDataUnit::HoldingRegisters, quint16(address), quint16(address + 1000));
        m_server->setConnectionParameter(QModbusDevice::NetworkAddressParameter, QStringLiteral("127.0.0.1"));
        m_server->setConnectionParameter(QModbusDevice::NetworkPortParameter, 0);
        m_server->setServerAddress(1);
        QVERIFY(m_server->connectDevice());
        CLinkSettings settings;
        const auto *listener = m_server->findChild<QTcpServer *>();
        QVERIFY(listener);
        settings.port = listener->serverPort();
        m_closed.reset(new QSignalSpy(m_server, &QModbusTcpServer::modbusClientDisconnected));
        m_root = new QObject(this);
        m_master = new CModbusMaster(m_root);
        m_transfer = new CParameterTransfer(m_master, m_root);
        m_master->setSettings(settings);
        m_master->connectDevice();
        QTRY_COMPARE_WITH_TIMEOUT(m_master->state(), CModbusMaster::Connected, 5000);
    }

    void cleanup()
    {
        // The server frees a connection's buffer only when it sees it close
        // (a test may have closed the link already).
        delete m_root;
        QVERIFY(m_closed->count() > 0 || m_closed->wait(5000));
        m_closed.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        delete m_server;
    }

    void readsAreMerged_data()
    {
        QTest::addColumn<QList<int>>("addresses"); // uint16 items
        QTest::addColumn<int>("requests");
        QList<int> run130;
        for (int i = 0; i < 130; ++i)
            run130 << 0x100 + i;
        QTest::newRow("small gaps joined") << QList<int>{0x10, 0x12, 0x16} << 1;
        QTest::newRow("unsorted, adjacent, a large gap") << QList<int>{0x20, 0x10, 0x11, 0x21} << 2;
        QTest::newRow("125 registers per read") << run130 << 2;
    }

    void readsAreMerged()
    {
        QFETCH(QList<int>, addresses);
        QFETCH(int, requests);
        for (int address : addresses)
            makeItem(QStringLiteral("P%1").arg(address), quint16(address));
        // A 32-bit item spans two registers and takes the low register first.
        CItem *wide = makeItem(QStringLiteral("Wide"), 0x300, CItem::DATA_TYPE_UINT32);
        m_transfer->collectItems(m_root);
        QCOMPARE(m_transfer->items().size(), addresses.size() + 1);
        QSignalSpy data(m_transfer, &CParameterTransfer::dataFinished);
        QSignalSpy progress(m_transfer, &CParameterTransfer::progress);
        QVERIFY(transferred(m_transfer, [&]() { m_transfer->readAll(); }));
        QCOMPARE(int(m_master->statistics().sent), requests + 1);
        QCOMPARE(data.count(), 1);
        QCOMPARE(progress.last().at(0), progress.last().at(1));
        for (int address : addresses)
            QCOMPARE(m_transfer->item(QStringLiteral("P%1").arg(address))->value().toInt(), address + 1000);
        QCOMPARE(wide->value().toUInt(), (uint(0x301 + 1000) << 16) | uint(0x300 + 1000));
    }

    void writesFollowDependencies()
    {
        m_transfer->setDeviceData(&m_deviceData);
        quint16 address = 0x10;
        for (const char *name : {"Sonstiges", "GrenzwertMaxAlarm", "StuetzpunktEingang_1", "Kennlinie",
                                 "MessbereichEnde", "Einheit", "AnzahlStuetzstellen"})
            makeItem(name, address++)->setValue(7);
        makeItem(QStringLiteral("Typ"), 0x40, CItem::DATA_TYPE_UINT16, QStringLiteral("R"))->setValue(7);
        m_transfer->collectItems(m_root);
        QList<int> written;
        connect(m_server, &QModbusServer::dataWritten, this, [&](QModbusDataUnit::RegisterType, int start, int size) {
            for (int i = 0; i < size; ++i)
                written << start + i;
        });
        QVERIFY(transferred(m_transfer, [&]() { m_transfer->writeAll(); }));
        // As the device data orders them; the read-only item is left alone.
        auto at = [&](const QString &name) { return int(CItemRegisters::address(m_transfer->item(name))); };
        QCOMPARE(written, (QList<int>{at("Einheit"), at("MessbereichEnde"), at("Kennlinie"), at("AnzahlStuetzstellen"),
                                      at("StuetzpunktEingang_1"), at("GrenzwertMaxAlarm"), at("Sonstiges")}));
        QVERIFY(m_transfer->modifiedItems().isEmpty());
    }

    void readBackShowsWhatTheDeviceHolds()
    {
        CItem *limit = makeItem(QStringLiteral("GrenzwertMaxAlarm"), 0x20);
        CItem *other = makeItem(QStringLiteral("Sollwert"), 0x200); // a read of its own
        m_transfer->collectItems(m_root);
        // A receiver of the end that waits in an event loop of its own, as a
        // dialog does, does not hold up the link: a read meanwhile is answered.
        bool answeredInDialog = false;
        const auto dialog = connect(m_transfer, &CParameterTransfer::finished, this, [&]() {
            QEventLoop loop;
            m_master->read(0x30, 1, [&](const CModbusMaster::Result &r) {
                answeredInDialog = r.ok;
                loop.quit();
            });
            QTimer::singleShot(2000, &loop, &QEventLoop::quit);
            loop.exec();
        });
        QVERIFY(transferred(m_transfer, [&]() { m_transfer->readAll(); }));
        disconnect(dialog);
        QVERIFY(answeredInDialog);
        // The device clamps the limit to 500 whatever is written.
        connect(m_server, &QModbusServer::dataWritten, this, [&](QModbusDataUnit::RegisterType, int start, int size) {
            if (start <= 0x20 && start + size > 0x20)
                m_server->setData(QModbusDataUnit::HoldingRegisters, 0x20, 500);
        });
        limit->setValue(900);
        other->setValue(33);
        QSignalSpy mismatches(m_transfer, &CParameterTransfer::mismatch);
        QSignalSpy errors(m_master->messageSender(), &CMessageSender::errorMessage);
        QVERIFY(!transferred(m_transfer, [&]() { m_transfer->writeModified(); }));
        QCOMPARE(QList<QVariantList>(mismatches), (QList<QVariantList>{{"GrenzwertMaxAlarm", "900", "500"}}));
        QCOMPARE(errors.count(), 1);
        QCOMPARE(limit->value().toInt(), 500);
        QCOMPARE(other->value().toInt(), 33);
        QVERIFY(m_transfer->modifiedItems().isEmpty());

        // On a closed link the transfer fails at once, with one message; the
        // end is announced from the event loop, after the call returned.
        m_master->disconnectDevice();
        QSignalSpy finished(m_transfer, &CParameterTransfer::finished);
        QSignalSpy data(m_transfer, &CParameterTransfer::dataFinished);
        m_transfer->readAll();
        QCOMPARE(finished.count(), 0);
        QVERIFY(finished.wait(1000));
        QCOMPARE(QList<QVariantList>(finished), QList<QVariantList>{{false}});
        QCOMPARE(errors.count(), 2);
        QCOMPARE(data.count(), 0);
        QVERIFY(!m_transfer->isBusy());
    }

    void cancelStopsBetweenRequests_data()
    {
        QTest::addColumn<bool>("write");
        QTest::newRow("read") << false;
        QTest::newRow("write") << true;
    }

    // Three parameters far apart, one request each; Cancel during the first
    // request: the other two are neither read nor written, and what was
    // written is still read back.
    void cancelStopsBetweenRequests()
    {
        QFETCH(bool, write);
        QList<CItem *> items;
        for (quint16 address : {0x10, 0x200, 0x300})
            items << makeItem(QStringLiteral("P%1").arg(address), address);
        m_transfer->collectItems(m_root);
        if (write) {
            QVERIFY(transferred(m_transfer, [&]() { m_transfer->readAll(); }));
            for (CItem *item : items)
                item->setValue(7);
        }
        QList<QList<QVariant>> activities;
        const auto cancelling = connect(m_transfer, &CParameterTransfer::activityChanged, this,
                [&](CParameterTransfer::Activity activity, int number, int total, const QString &parameter) {
                    activities.append({int(activity), number, total, parameter});
                    m_transfer->cancel();
                });
        QSignalSpy errors(m_master->messageSender(), &CMessageSender::errorMessage);
        QVERIFY(!transferred(m_transfer, [&]() { write ? m_transfer->writeAll() : m_transfer->readAll(); }));
        disconnect(cancelling);
        QVERIFY(m_transfer->wasCancelled());
        QCOMPARE(errors.count(), 0);
        const int first = write ? CParameterTransfer::Writing : CParameterTransfer::Reading;
        QCOMPARE(activities.first(), (QList<QVariant>{first, 1, 3, "P16"}));
        if (write) {
            // The write of the first went out and was read back; the rest wait.
            QCOMPARE(activities.size(), 2);
            QCOMPARE(activities.last(), (QList<QVariant>{int(CParameterTransfer::ReadingBack), 1, 1, "P16"}));
            QCOMPARE(m_transfer->modifiedItems(), (QList<CItem *>{items.at(1), items.at(2)}));
            quint16 held = 0;
            QVERIFY(m_server->data(QModbusDataUnit::HoldingRegisters, 0x200, &held));
            QCOMPARE(int(held), 0x200 + 1000);
        } else {
            QCOMPARE(activities.size(), 1);
            QCOMPARE(items.at(0)->value().toInt(), 0x10 + 1000);
            QVERIFY(m_transfer->wasRead(items.at(0)));
            QVERIFY(!m_transfer->wasRead(items.at(1)));
        }
        // The next transfer runs in full.
        QVERIFY(transferred(m_transfer, [&]() { m_transfer->readAll(); }));
        QVERIFY(!m_transfer->wasCancelled());
    }

    // A refused block is split to find the parameter refused; one failed on
    // the link is not sent again. Limits for a new unit are not written when
    // the unit's write fails: in the old unit they would move the alarms.
    void writeFailuresAreReportedOnce_data()
    {
        QTest::addColumn<QStringList>("names"); // at 0x10, 0x11, 0x12; by the device data's order at 0x10, 0x20, 0x30
        QTest::addColumn<QList<int>>("refused");
        QTest::addColumn<int>("brokenWrites");
        QTest::addColumn<QStringList>("failed"); // the rest is written
        QTest::addColumn<int>("writes");         // requests that reached the device
        const QStringList block{"A", "B", "C"};
        const QStringList unit{"Einheit", "GrenzwertMaxAlarm", "Sollwert"};
        QTest::newRow("all written") << block << QList<int>() << 0 << QStringList() << 1;
        QTest::newRow("one refused in the block") << block << QList<int>{0x11} << 0 << QStringList{"B"} << 1 + 3;
        QTest::newRow("two refused in the block") << block << QList<int>{0x10, 0x12} << 0 << QStringList{"A", "C"}
                                                  << 1 + 3;
        QTest::newRow("block answered with a broken frame") << block << QList<int>() << 100 << block << 1 + 1;
        QTest::newRow("one broken answer, retried") << block << QList<int>() << 1 << QStringList() << 1 + 1;
        QTest::newRow("unit refused") << unit << QList<int>{0x10} << 0 << unit << 1;
        QTest::newRow("limit refused") << unit << QList<int>{0x20} << 0 << QStringList{"GrenzwertMaxAlarm"} << 3;
    }

    void writeFailuresAreReportedOnce()
    {
        QFETCH(QStringList, names);
        QFETCH(QList<int>, refused);
        QFETCH(QStringList, failed);
        CLinkSettings settings = m_master->settings();
        settings.responseTimeout = 100;
        settings.retries = 1;
        m_master->setSettings(settings);
        QTRY_COMPARE_WITH_TIMEOUT(m_master->state(), CModbusMaster::Connected, 5000);
        const bool ordered = names.contains("Einheit");
        m_transfer->setDeviceData(ordered ? &m_deviceData : nullptr);
        QList<CItem *> items;
        for (const QString &name : names)
            items << makeItem(name, quint16(0x10 + items.size() * (ordered ? 0x10 : 1)));
        m_transfer->collectItems(m_root);
        QVERIFY(transferred(m_transfer, [&]() { m_transfer->readAll(); }));
        for (CItem *item : items)
            item->setValue(7);
        m_server->refused = QSet<int>(refused.begin(), refused.end());
        QFETCH(int, brokenWrites);
        m_server->brokenWrites = brokenWrites;
        QSignalSpy errors(m_master->messageSender(), &CMessageSender::errorMessage);
        QCOMPARE(transferred(m_transfer, [&]() { m_transfer->writeModified(); }), failed.isEmpty());
        QTEST(int(m_server->writes.size()), "writes");
        QCOMPARE(errors.count(), failed.size());
        for (CItem *item : items) {
            const bool fails = failed.contains(item->objectName());
            QCOMPARE(int(std::count_if(errors.cbegin(), errors.cend(), [&](const QList<QVariant> &arguments) {
                return arguments.at(1).toString().startsWith(item->objectName() + ": ");
            })), fails ? 1 : 0);
            QCOMPARE(!m_transfer->writeFailure(item).isEmpty(), fails);
            quint16 held = 0;
            QVERIFY(m_server->data(QModbusDataUnit::HoldingRegisters, CItemRegisters::address(item), &held));
            QVERIFY2((held == 7) != fails, qPrintable(item->objectName()));
        }
        QCOMPARE(m_transfer->modifiedItems().size(), failed.size());
        // Discarding an edit puts the device's value back, like a read, and
        // forgets its failure; the other edits stay.
        if (failed.isEmpty())
            return;
        CItem *first = m_transfer->item(failed.first());
        QSignalSpy data(m_transfer, &CParameterTransfer::dataFinished);
        m_transfer->revert({first});
        QCOMPARE(first->value().toInt(), int(CItemRegisters::address(first)) + 1000);
        QVERIFY(m_transfer->writeFailure(first).isEmpty());
        QCOMPARE(m_transfer->modifiedItems().size(), failed.size() - 1);
        QCOMPARE(data.count(), 1);
    }

private:
    CItem *makeItem(const QString &name, quint16 address, CItem::ENUM_DATA_TYPES type = CItem::DATA_TYPE_UINT16,
                    const QString &access = QStringLiteral("RW"))
    {
        auto *item = new CItem(m_root);
        item->setObjectName(name);
        item->setType(type);
        item->setFeatures({{QStringLiteral("Access"), access},
                           {QStringLiteral("Address_RW"), QStringLiteral("0x%1").arg(address, 4, 16, QLatin1Char('0'))}});
        return item;
    }

    CDeviceData m_deviceData;
    FaultyServer *m_server = nullptr;
    std::unique_ptr<QSignalSpy> m_closed; // connections the server saw close
    CModbusMaster *m_master = nullptr;
    CParameterTransfer *m_transfer = nullptr;
    QObject *m_root = nullptr;
};

QTEST_GUILESS_MAIN(tst_CParameterTransfer)
#include "tst_cparametertransfer.moc"

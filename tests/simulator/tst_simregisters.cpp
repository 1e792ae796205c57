// The simulator's register side: parameter registers with their codec
// layout, write checks in the selected unit, and the device server's answers.
#include "cdeviceserver.h"
#include "cregistermap.h"
#include "csimdevicerules.h"
#include "csimdevice.h"
#include "items/citem.h"

#include <QModbusPdu>
#include <QtTest>

class TestSimRegisters : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_root.reset(new QObject);
        parameter("Einheit", CItem::DATA_TYPE_LIST16, 0x013F, 0, 0, 0)->setTextList("mbar,Pa,kPa");
        parameter("GrenzwertMaxAlarm", CItem::DATA_TYPE_FLOAT, 0x0140, 0, 250, 200.0f);
        parameter("Overlap", CItem::DATA_TYPE_UINT16, 0x0141, 0, 0, 1);
        parameter("Count", CItem::DATA_TYPE_UINT16, 0x0142, 2, 30, 4);
        parameter("Input", CItem::DATA_TYPE_INT32, 0x0143, -250000, 250000, -2);
        parameter("Small", CItem::DATA_TYPE_INT8, 0x0145, -10, 10, 5);
        parameter("Name", CItem::DATA_TYPE_TEXT8, 0x0000, 0, 0, "abc");
        parameter("Sensor", CItem::DATA_TYPE_UINT16, 0x0110, 0, 0, 7, "R");
        parameter("NoAddress", CItem::DATA_TYPE_UINT16, 0, 0, 0, 1)->setFeatures({});
        m_map.reset(new CRegisterMap(m_root->findChildren<CItem *>()));
        // A parameter inside another one is left out and reported.
        QCOMPARE(m_map->size(), 7);
        QVERIFY(m_map->problems().size() == 1 && m_map->problems().first().contains("Overlap"));
    }

    void read_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("count");
        QTest::addColumn<QVector<quint16>>("words"); // empty: exception 2
        QTest::newRow("neighbours, float low register first")
            << 0x013F << 6 << QVector<quint16>{0, 0x0000, 0x4348, 4, 0xFFFE, 0xFFFF};
        QTest::newRow("second half of a parameter") << 0x0141 << 1 << QVector<quint16>{0x4348};
        QTest::newRow("odd byte padded") << 0x0145 << 1 << QVector<quint16>{0x0500};
        QTest::newRow("text8 in natural order") << 0x0000 << 5 << QVector<quint16>{0x6162, 0x6300, 0, 0, 0};
        QTest::newRow("gap") << 0x0146 << 1 << QVector<quint16>{};
        QTest::newRow("past a text parameter") << 0x0000 << 6 << QVector<quint16>{};
    }

    void read()
    {
        QFETCH(int, start);
        QFETCH(int, count);
        QFETCH(QVector<quint16>, words);
        QVector<quint16> values;
        QCOMPARE(int(m_map->read(quint16(start), quint16(count), &values)), words.isEmpty() ? 2 : 0);
        QCOMPARE(values, words);
    }

    void write_data()
    {
        QTest::addColumn<int>("unit"); // index into mbar, Pa, kPa before the write
        QTest::addColumn<int>("start");
        QTest::addColumn<QVector<quint16>>("words");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("value"); // afterwards
        const QString limit = QStringLiteral("GrenzwertMaxAlarm");
        QTest::newRow("in range") << 0 << 0x0142 << QVector<quint16>{30} << 0 << "Count" << 30.0;
        QTest::newRow("above max") << 0 << 0x0142 << QVector<quint16>{31} << 3 << "Count" << 4.0;
        QTest::newRow("float at max") << 0 << 0x0140 << QVector<quint16>{0x0000, 0x437A} << 0 << limit << 250.0;
        QTest::newRow("float above max") << 0 << 0x0140 << QVector<quint16>{0x0000, 0x447A} << 3 << limit << 200.0;
        QTest::newRow("negative int32") << 0 << 0x0143 << QVector<quint16>{0xFFF6, 0xFFFF} << 0 << "Input" << -10.0;
        QTest::newRow("list index past the texts") << 0 << 0x013F << QVector<quint16>{3} << 3 << "Einheit" << 0.0;
        QTest::newRow("half a float") << 0 << 0x0140 << QVector<quint16>{0x0000} << 2 << limit << 200.0;
        QTest::newRow("starts mid-parameter") << 0 << 0x0141 << QVector<quint16>{0x4348} << 2 << limit << 200.0;
        QTest::newRow("starts mid-parameter, words for two") << 0 << 0x0141 << QVector<quint16>{0x4348, 5} << 2
                                                             << limit << 200.0;
        QTest::newRow("read-only parameter") << 0 << 0x0110 << QVector<quint16>{1} << 2 << "Sensor" << 7.0;
        QTest::newRow("no parameter") << 0 << 0x0300 << QVector<quint16>{1} << 2 << "Count" << 4.0;
        QTest::newRow("several at once") << 0 << 0x0140 << QVector<quint16>{0, 0x4320, 12} << 0 << "Count" << 12.0;
        QTest::newRow("all or nothing") << 0 << 0x0140 << QVector<quint16>{0, 0x4320, 99} << 3 << limit << 200.0;
        // The limit's range 0..250 is in mbar; the device holds it in the selected unit.
        QTest::newRow("Pa: 20000 Pa taken") << 1 << 0x0140 << QVector<quint16>{0x4000, 0x469C} << 0 << limit << 20000.0;
        QTest::newRow("Pa: 30000 Pa refused") << 1 << 0x0140 << QVector<quint16>{0x6000, 0x46EA} << 3 << limit << 200.0;
        QTest::newRow("unit alone keeps the limit") << 0 << 0x013F << QVector<quint16>{1} << 0 << limit << 200.0;
        QTest::newRow("unit, then limit in it") << 0 << 0x013F << QVector<quint16>{1, 0x4000, 0x469C} << 0 << limit
                                                << 20000.0;
        QTest::newRow("back to mbar, then limit") << 1 << 0x013F << QVector<quint16>{0, 0x4000, 0x469C} << 3 << limit
                                                  << 200.0;
    }

    void write()
    {
        QFETCH(int, unit);
        QFETCH(int, start);
        QFETCH(QVector<quint16>, words);
        QFETCH(QString, name);
        QFETCH(double, value);
        m_map->item("Einheit")->setValue(unit);
        QTEST(int(m_map->write(quint16(start), words)), "result");
        QCOMPARE(m_map->item(name)->value().toDouble(), value);
    }

    void deviceRules_data()
    {
        QTest::addColumn<QVariantMap>("changes"); // on top of a linear device in mbar, range 0..250
        QTest::addColumn<bool>("accepted");
        auto row = [](const char *name, QVariantMap changes, bool accepted) {
            QTest::newRow(name) << changes << accepted;
        };
        row("limits inside", {{"GrenzwertMaxAlarm", 240.0}, {"GrenzwertMinAlarm", 10.0}}, true);
        row("limit above the range end", {{"GrenzwertMaxAlarm", 260.0}}, false);
        row("setpoint below the range start", {{"MessbereichAnfang", 50.0}, {"Sollwert", 40.0}}, false);
        row("range in the selected unit", {{"Einheit", 1}, {"GrenzwertMaxAlarm", 24000.0}}, true);
        row("table mode: display range", {{"Kennlinie", 2}, {"GrenzwertMaxAlarm", 120.0}}, false);
        row("table mode: setpoint stays a pressure", {{"Kennlinie", 2}, {"Sollwert", 200.0}}, true);
        row("max not above min", {{"GrenzwertMinAlarm", 200.0}}, false);
        row("both at once in order", {{"GrenzwertMaxAlarm", 15.0}, {"GrenzwertMinAlarm", 5.0}}, true);
        row("bounds alone are not checked", {{"MessbereichEnde", 100.0}}, true);
        row("points rising", {{"Kennlinie", 2}, {"StuetzpunktEingang_2", 5000}}, true);
        row("points not rising", {{"Kennlinie", 2}, {"StuetzpunktEingang_2", 30000}}, false);
        row("points unchecked outside table mode", {{"StuetzpunktEingang_2", 30000}}, true);
    }

    void deviceRules()
    {
        QFETCH(QVariantMap, changes);
        QVariantMap held{{"Kennlinie", 0}, {"Einheit", 0}, {"MessbereichAnfang", 0.0}, {"MessbereichEnde", 250.0},
                         {"AnzeigewertAnfang", 0.0}, {"AnzeigewertEnde", 100.0}, {"GrenzwertMaxAlarm", 200.0},
                         {"GrenzwertMinAlarm", 20.0}, {"Sollwert", 100.0}, {"AnzahlStuetzstellen", 3},
                         {"StuetzpunktEingang_1", 0}, {"StuetzpunktEingang_2", 10000}, {"StuetzpunktEingang_3", 25000}};
        for (auto it = changes.cbegin(); it != changes.cend(); ++it)
            held.insert(it.key(), it.value());
        const auto value = [&](const QString &name) { return held.value(name); };
        const auto factor = [](int index) { return index == 1 ? 100.0 : 1.0; };
        QTEST(CSimDeviceRules::accepts(changes.keys(), value, factor), "accepted");
    }

    void serverAnswers_data()
    {
        QTest::addColumn<QByteArray>("pdu");    // hex of function code + data
        QTest::addColumn<QByteArray>("answer"); // its start, in hex
        QTest::newRow("status block") << QByteArray("037000000c") << QByteArray("0318");
        QTest::newRow("past the status block") << QByteArray("03700a0003") << QByteArray("8302");
        QTest::newRow("parameters") << QByteArray("0301420001") << QByteArray("03020004");
        QTest::newRow("zero registers") << QByteArray("0301420000") << QByteArray("8303");
        QTest::newRow("write single") << QByteArray("0601420005") << QByteArray("0601420005");
        QTest::newRow("write single out of range") << QByteArray("0601420032") << QByteArray("8603");
        QTest::newRow("write multiple") << QByteArray("100142000102" "0006") << QByteArray("1001420001");
        QTest::newRow("byte count mismatch") << QByteArray("100142000104" "0006") << QByteArray("9003");
        QTest::newRow("write the status block") << QByteArray("0670000001") << QByteArray("8602");
        QTest::newRow("unsupported function") << QByteArray("047000000c") << QByteArray("8401");
        // A status read answered as if from one register further on.
        QTest::newRow("shifted status block") << QByteArray("037000000c!") << QByteArray("0318");
    }

    void serverAnswers()
    {
        QFETCH(QByteArray, pdu);
        QFETCH(QByteArray, answer);
        CSimDevice device(m_map.get(), 1);
        CDeviceServer server(m_map.get(), &device);
        const bool shifted = pdu.endsWith('!');
        const QByteArray raw = QByteArray::fromHex(pdu.left(pdu.size() - (shifted ? 1 : 0)));
        const QModbusRequest request(QModbusPdu::FunctionCode(raw.at(0)), raw.mid(1));
        const QByteArray good = shifted ? server.answer(request).data() : QByteArray();
        server.setWrongStatusAddress(shifted);
        const QModbusResponse response = server.answer(request);
        const QByteArray bytes =
            QByteArray(1, char(response.functionCode() | (response.isException() ? 0x80 : 0))) + response.data();
        QCOMPARE(bytes.toHex().left(answer.size()), answer);
        if (!response.isException() && request.functionCode() == QModbusPdu::ReadHoldingRegisters)
            QCOMPARE(response.data().size(), 1 + 2 * int(quint8(raw.at(4))));
        if (shifted)
            QCOMPARE(response.data().mid(1), good.mid(3) + QByteArray(2, '\0'));
    }

private:
    CItem *parameter(const QString &name, CItem::ENUM_DATA_TYPES type, int address, double min, double max,
                     const QVariant &value, const QString &access = QStringLiteral("RW"))
    {
        auto *item = new CItem(m_root.get());
        item->setObjectName(name);
        item->setType(type);
        item->setFeatures({{"Access", access}, {"Address_RW", QStringLiteral("0x%1").arg(address, 4, 16, QChar('0'))}});
        item->setRange(min, max);
        item->setValue(value);
        return item;
    }

    std::unique_ptr<QObject> m_root; // outlives the map, which is declared after it
    std::unique_ptr<CRegisterMap> m_map;
};

QTEST_GUILESS_MAIN(TestSimRegisters)
#include "tst_simregisters.moc"

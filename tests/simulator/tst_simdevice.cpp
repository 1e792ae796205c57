#include "cdeviceparameters.h"
#include "cdeviceserver.h"
#include "cdisplayencoder.h"
#include "cregistermap.h"
#include "csimdevice.h"
#include "csimdevicerules.h"
#include "device/pv8120constants.h"
#include "device/pv8120status.h"
#include "items/citem.h"

#include <QModbusPdu>
#include <QtTest>

Q_DECLARE_METATYPE(CMeasurementChain::Settings)

namespace {

typedef QVector<quint16> Words; // register values

// Range 0..250 mbar unless rangeStart is given; a creep threshold below 0: no creep suppression.
CMeasurementChain::Settings settings(CMeasurementChain::Characteristic characteristic, double unitFactor = 1.0,
                                     double offset = 0.0, double creep = -1.0, double displayStart = 0.0,
                                     double displayEnd = 100.0, double rangeStart = 0.0)
{
    return {characteristic, unitFactor, offset, rangeStart, rangeStart > 0.0 ? 0.0 : 250.0, displayStart, displayEnd,
            creep >= 0.0, qMax(creep, 0.0), {}};
}

QString frameText(const Words &status, int first)
{
    QByteArray digits;
    for (int i = first; i < first + 2; ++i)
        digits.append(char(status.at(i) & 0xFF)).append(char(status.at(i) >> 8));
    return CDisplayEncoder::decode(digits).trimmed();
}

} // namespace

class TestSimDevice : public QObject
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
        QVERIFY(m_map->problems().size() == 1 && m_map->problems().first().contains("Overlap"));
    }

    void read_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("count");
        QTest::addColumn<Words>("words"); // empty: exception 2
        QTest::newRow("neighbours, float low register first")
            << 0x013F << 6 << Words{0, 0x0000, 0x4348, 4, 0xFFFE, 0xFFFF};
        QTest::newRow("second half of a parameter") << 0x0141 << 1 << Words{0x4348};
        QTest::newRow("odd byte padded") << 0x0145 << 1 << Words{0x0500};
        QTest::newRow("text8 in natural order") << 0x0000 << 5 << Words{0x6162, 0x6300, 0, 0, 0};
        QTest::newRow("past a text parameter") << 0x0000 << 6 << Words{};
    }

    void read()
    {
        QFETCH(int, start);
        QFETCH(int, count);
        QFETCH(Words, words);
        Words values;
        QCOMPARE(int(m_map->read(quint16(start), quint16(count), &values)), words.isEmpty() ? 2 : 0);
        QCOMPARE(values, words);
    }

    void write_data()
    {
        QTest::addColumn<int>("unit"); // index into mbar, Pa, kPa before the write
        QTest::addColumn<int>("start");
        QTest::addColumn<Words>("words");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("value"); // afterwards
        const QString limit = QStringLiteral("GrenzwertMaxAlarm");
        QTest::newRow("in range") << 0 << 0x0142 << Words{30} << 0 << "Count" << 30.0;
        QTest::newRow("above max") << 0 << 0x0142 << Words{31} << 3 << "Count" << 4.0;
        QTest::newRow("negative int32") << 0 << 0x0143 << Words{0xFFF6, 0xFFFF} << 0 << "Input" << -10.0;
        QTest::newRow("list index past the texts") << 0 << 0x013F << Words{3} << 3 << "Einheit" << 0.0;
        QTest::newRow("half a float") << 0 << 0x0140 << Words{0x0000} << 2 << limit << 200.0;
        QTest::newRow("starts mid-parameter, words for two") << 0 << 0x0141 << Words{0x4348, 5} << 2 << limit << 200.0;
        QTest::newRow("read-only parameter") << 0 << 0x0110 << Words{1} << 2 << "Sensor" << 7.0;
        QTest::newRow("no parameter") << 0 << 0x0300 << Words{1} << 2 << "Count" << 4.0;
        QTest::newRow("several at once") << 0 << 0x0140 << Words{0, 0x4320, 12} << 0 << "Count" << 12.0;
        QTest::newRow("all or nothing") << 0 << 0x0140 << Words{0, 0x4320, 99} << 3 << limit << 200.0;
        // The limit's range 0..250 is in mbar; the device holds it in the selected unit.
        QTest::newRow("Pa: 20000 Pa taken") << 1 << 0x0140 << Words{0x4000, 0x469C} << 0 << limit << 20000.0;
        QTest::newRow("Pa: 30000 Pa refused") << 1 << 0x0140 << Words{0x6000, 0x46EA} << 3 << limit << 200.0;
        QTest::newRow("unit alone keeps the limit") << 0 << 0x013F << Words{1} << 0 << limit << 200.0;
        QTest::newRow("unit, then limit in it") << 0 << 0x013F << Words{1, 0x4000, 0x469C} << 0 << limit << 20000.0;
        QTest::newRow("back to mbar, then limit") << 1 << 0x013F << Words{0, 0x4000, 0x469C} << 3 << limit << 200.0;
    }

    void write()
    {
        QFETCH(int, unit);
        QFETCH(int, start);
        QFETCH(Words, words);
        QFETCH(QString, name);
        m_map->item("Einheit")->setValue(unit);
        QTEST(int(m_map->write(quint16(start), words)), "result");
        QTEST(m_map->item(name)->value().toDouble(), "value");
    }

    void deviceRules_data()
    {
        QTest::addColumn<QVariantMap>("changes"); // on top of a linear device in mbar, range 0..250
        QTest::addColumn<bool>("accepted");
        auto row = [](const char *name, QVariantMap changes, bool accepted) {
            QTest::newRow(name) << changes << accepted;
        };
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
        QTest::newRow("past the status block") << QByteArray("03700a0003") << QByteArray("8302");
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
        if (shifted)
            QCOMPARE(response.data().mid(1), good.mid(3) + QByteArray(2, '\0'));
    }

    void chain_data()
    {
        QTest::addColumn<CMeasurementChain::Settings>("settings");
        QTest::addColumn<double>("pressure");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("percent");
        using C = CMeasurementChain;
        QTest::newRow("offset added") << settings(C::Linear, 1.0, 10.0) << 0.0 << "10.00" << "4.0";
        QTest::newRow("falling range") << settings(C::Linear, 1.0, 0, -1, 0, 100, 250) << 50.0 << "50.00" << "80.0";
        QTest::newRow("root below start is 0") << settings(C::SquareRoot) << -5.0 << "0.000" << "0.0";
        QTest::newRow("creep suppressed") << settings(C::SquareRoot, 1, 0, 10) << 0.5 << "0.000" << "0.0";
        QTest::newRow("above creep threshold") << settings(C::SquareRoot, 1, 0, 10) << 3.6 << "12.00" << "12.0";
        QTest::newRow("creep on a scaled display") << settings(C::SquareRoot, 1, 0, 150, 100, 600) << 2.25 << "100.0"
                                                   << "0.0";
        QTest::newRow("creep only for root") << settings(C::Linear, 1, 0, 10) << 0.5 << "0.500" << "0.2";
        auto table = settings(C::Table, 1, 0, -1, 0, 1000);
        table.points = {{0.0, 0.0}, {100.0, 20.0}, {250.0, 100.0}};
        QTest::newRow("table between points") << table << 175.0 << "600.0" << "60.0";
        QTest::newRow("table above last point") << table << 300.0 << "1000" << "100.0";
    }

    void chain()
    {
        QFETCH(CMeasurementChain::Settings, settings);
        QFETCH(double, pressure);
        CMeasurementChain chain;
        chain.setSettings(settings);
        const CMeasurementChain::Result result = chain.evaluate(pressure);
        QTEST(CDisplayEncoder::numberText(result.displayValue, 3), "value");
        QTEST(CDisplayEncoder::numberText(result.outputPercent, 1), "percent");
    }

    void limitSequence_data()
    {
        QTest::addColumn<QVector<double>>("values");
        QTest::addColumn<QVector<int>>("leds");
        // Limits: max 200 (hysteresis 5), min 20 (hysteresis 5).
        QTest::newRow("upper alarm and its hysteresis")
            << QVector<double>{100, 201, 198, 196, 194, 201} << QVector<int>{2, 5, 3, 3, 2, 5};
        QTest::newRow("lower alarm and its hysteresis")
            << QVector<double>{100, 19, 22, 24.9, 25.1, 19} << QVector<int>{2, 4, 1, 1, 2, 4};
        QTest::newRow("hysteresis only after an alarm") << QVector<double>{198, 22} << QVector<int>{2, 2};
        QTest::newRow("straight from upper to lower") << QVector<double>{250, 10, 22} << QVector<int>{5, 4, 1};
        QTest::newRow("on the limits is inside") << QVector<double>{200, 20} << QVector<int>{2, 2};
    }

    void limitSequence()
    {
        QFETCH(QVector<double>, values);
        QFETCH(QVector<int>, leds);
        CLimitMonitor monitor;
        monitor.configure(200.0, 5.0, 20.0, -5.0);
        for (int i = 0; i < values.size(); ++i)
            QCOMPARE(CLimitMonitor::ledCode(monitor.update(values.at(i))), leds.at(i));
        monitor.configure(20.0, 5.0, 20.0, 5.0);
        QCOMPARE(CLimitMonitor::ledCode(monitor.update(100.0)), int(Pv8120::LedWhite));
    }

    void waveformIsRepeatable()
    {
        CPressureModel first(42), second(42), other(43);
        for (CPressureModel *model : {&first, &second, &other})
            model->setSensorRange(0.0, 250.0);
        QVector<double> samples, others;
        for (qint64 ms = 0; ms < first.periodMs(); ms += 100) {
            QCOMPARE(first.pressureAt(ms), second.pressureAt(ms));
            samples << first.pressureAt(ms);
            others << other.pressureAt(ms);
        }
        QVERIFY(samples != others);
        const double low = *std::min_element(samples.begin(), samples.end());
        const double high = *std::max_element(samples.begin(), samples.end());
        // The sine sweeps most of the range, so both limits are reached.
        QVERIFY(low < 15.0 && low >= 0.0 && high > 235.0 && high <= 250.0);
    }

    void deviceFollowsItsParameters_data()
    {
        QTest::addColumn<int>("unit");           // index into mbar, Pa, kPa, inH2O, psi
        QTest::addColumn<int>("characteristic"); // index into linear, radiziert, Tabelle
        QTest::addColumn<double>("pressure");    // mbar
        QTest::addColumn<QString>("frame1");
        QTest::addColumn<QString>("frame2");
        QTest::addColumn<int>("led");
        // Limits as described: max 200 and min 20, taken in the selected unit.
        QTest::newRow("linear kPa, below 20 kPa") << 2 << 0 << 150.0 << "15.00" << "60.0" << 4;
        QTest::newRow("linear Pa, between 20 and 200 Pa") << 1 << 0 << 1.0 << "100.0" << "0.4" << 2;
        QTest::newRow("radiziert, below min") << 0 << 1 << 2.5 << "10.00" << "10.0" << 4;
        // Default table: 2 points, (0 mbar, 0 %) and (250 mbar, 100 %).
        QTest::newRow("Tabelle, two points") << 0 << 2 << 100.0 << "40.00" << "40.0" << 2;
    }

    void deviceFollowsItsParameters()
    {
        QFETCH(int, unit);
        QFETCH(int, characteristic);
        QFETCH(double, pressure);
        QFETCH(int, led);
        CDeviceParameters parameters;
        QVERIFY2(parameters.load(QStringLiteral(LOOMWORK_DATA_DIR "/pv8120.xml")), qPrintable(parameters.errorText()));
        CRegisterMap map(parameters.items());
        map.item("Einheit")->setValue(unit);
        map.item("Kennlinie")->setValue(characteristic);
        CSimDevice device(&map, 1);
        device.setFixedPressure(pressure);
        device.sample(100);
        const Words status = device.statusRegisters();
        QTEST(frameText(status, 0), "frame1");
        QTEST(frameText(status, 3), "frame2");
        const QPair<quint8, quint8> bytes = CStatusBlock::statusBytes(led);
        QCOMPARE(status.at(5), quint16(bytes.first | (bytes.second << 8)));
    }

    void encode_data()
    {
        QTest::addColumn<QVariant>("input"); // a text, or a number shown with at most `decimals` decimals
        QTest::addColumn<int>("decimals");   // for a text: 1 aligns right, 0 left
        QTest::addColumn<QByteArray>("digits");
        // Every shape of the shared character table, and look-alikes for characters without one.
        QStringList shapes = QStringLiteral("O:126 S:91 a:119 e:79 %:0").split(' ');
        for (int pattern = 1; pattern < Pv8120::displayCharacters.size(); ++pattern) {
            if (Pv8120::displayCharacter(pattern) != QLatin1String(" "))
                shapes << Pv8120::displayCharacter(pattern) + ':' + QString::number(pattern);
        }
        for (const QString &shape : shapes)
            QTest::newRow(qPrintable(shape)) << QVariant(shape.left(1)) << 0
                                             << QByteArray(1, char(shape.mid(2).toInt())) + QByteArray(3, 0);
        QTest::newRow("point joins the digit before") << QVariant("104.2") << 0 << QByteArray::fromHex("307eb36d");
        QTest::newRow("padded right") << QVariant("Err") << 0 << QByteArray::fromHex("4f050500");
        QTest::newRow("padded left") << QVariant("Hi") << 1 << QByteArray::fromHex("00003704");
        QTest::newRow("cut after four") << QVariant("123456") << 0 << QByteArray::fromHex("306d7933");
        QTest::newRow("leading point is a blank digit") << QVariant(".5") << 1 << QByteArray::fromHex("0000805b");
        QTest::newRow("comma as point") << QVariant("1,5") << 1 << QByteArray::fromHex("0000b05b");
        QTest::newRow("negative uses a digit") << QVariant(-12.345) << 3 << QByteArray("-12.3");
        QTest::newRow("negative zero") << QVariant(-0.0004) << 3 << QByteArray("0.000");
        QTest::newRow("overflow") << QVariant(12345.0) << 3 << QByteArray("----");
        QTest::newRow("not a number") << QVariant(qQNaN()) << 3 << QByteArray("----");
    }

    void encode()
    {
        QFETCH(QVariant, input);
        QFETCH(int, decimals);
        QFETCH(QByteArray, digits);
        if (input.type() == QVariant::String) {
            const Qt::Alignment alignment = decimals ? Qt::AlignRight : Qt::AlignLeft;
            QCOMPARE(CDisplayEncoder::encodeText(input.toString(), alignment).toHex(), digits.toHex());
            return;
        }
        // Numbers: digits holds the text the display shows.
        QCOMPARE(CDisplayEncoder::numberText(input.toDouble(), decimals), QString::fromLatin1(digits));
        QCOMPARE(CDisplayEncoder::decode(CDisplayEncoder::encodeNumber(input.toDouble(), decimals)).trimmed(),
                 QString::fromLatin1(digits));
    }

    void statusBlockLayout()
    {
        // Frames, LED code 3, output -1.5 %, limit state 2, pressure 1.0 mbar, counter 7.
        const CStatusBlock::Content content{
            QByteArray::fromHex("01020304"), QByteArray::fromHex("11121314"), 3, -1.5, 2, 1.0, 7};
        // Frame 1 in R0/R1 with its status in R5, frame 2 in R3/R4 with its status in R2.
        QCOMPARE(CStatusBlock::registers(content), Words({0x0201, 0x0403, 0x0150, 0x1211, 0x1413, 0x0150,
                                                                     quint16(-150), 2, 0x0000, 0x3F80, 7, 0}));
        // The panel reads each LED code back from its status bytes (counters A and B).
        const QList<QPair<int, int>> codes = {{-1, -1}, {0, 3}, {1, 1}, {1, 3}, {2, 3}, {2, 2}};
        for (int led = 0; led <= 5; ++led) {
            const QPair<quint8, quint8> status = CStatusBlock::statusBytes(led);
            const int a = ((status.first & 0x40) ? 1 : 0) + ((status.second & 0x02) ? 2 : 0);
            const int b = ((status.first & 0x30) ? 1 : 0) + ((status.second & 0x01) ? 2 : 0);
            QCOMPARE(qMax(0, codes.indexOf(qMakePair(a, b))), led);
        }
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

QTEST_GUILESS_MAIN(TestSimDevice)
#include "tst_simdevice.moc"

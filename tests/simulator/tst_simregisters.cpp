// The simulator's register side: parameter registers with their codec
// layout, write checks, and the Modbus answers of the device server.
#include "cdeviceserver.h"
#include "cregistermap.h"
#include "csimdevice.h"
#include "cstatusblock.h"
#include "items/citem.h"

#include <QModbusPdu>
#include <QtTest>

namespace {

CItem *parameter(QObject *parent, const QString &name, CItem::ENUM_DATA_TYPES type, const QString &address,
                 double minimum, double maximum, const QVariant &value)
{
    auto *item = new CItem(parent);
    item->setObjectName(name);
    item->setType(type);
    item->setFeatures({{QStringLiteral("Access"), QStringLiteral("RW")}, {QStringLiteral("Address_RW"), address}});
    item->setRange(minimum, maximum);
    item->setValue(value);
    return item;
}

QModbusRequest request(QModbusPdu::FunctionCode code, const QVector<quint16> &words, int extraByte = -1)
{
    QByteArray data;
    for (int i = 0; i < words.size(); ++i) {
        data.append(char(words.at(i) >> 8)).append(char(words.at(i) & 0xFF));
        if (i == 1 && extraByte >= 0)
            data.append(char(extraByte));
    }
    return QModbusRequest(code, data);
}

} // namespace

Q_DECLARE_METATYPE(QModbusRequest)

class TestSimRegisters : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void readLayout_data();
    void readLayout();
    void write_data();
    void write();
    void writeIsAllOrNothing();
    void overlapIsReported();
    void serverAnswers_data();
    void serverAnswers();
    void wrongStatusAddressShiftsTheBlock();

private:
    QObject *m_root = nullptr;
    CRegisterMap *m_map = nullptr;
};

void TestSimRegisters::init()
{
    m_root = new QObject;
    auto *list = parameter(m_root, "Einheit", CItem::DATA_TYPE_LIST16, "0x011A", 0, 0, 0);
    list->setTextList("mbar,Pa,kPa");
    list->setValue(1);
    parameter(m_root, "Alarm", CItem::DATA_TYPE_FLOAT, "0x0140", 0, 250, 200.0f);
    parameter(m_root, "Count", CItem::DATA_TYPE_UINT16, "0x0142", 2, 30, 4);
    parameter(m_root, "Input", CItem::DATA_TYPE_INT32, "0x0143", -250000, 250000, -2);
    parameter(m_root, "Small", CItem::DATA_TYPE_INT8, "0x0145", -10, 10, 5);
    parameter(m_root, "Name", CItem::DATA_TYPE_TEXT8, "0x0000", 0, 0, "abc");
    auto *readOnly = parameter(m_root, "Sensor", CItem::DATA_TYPE_UINT16, "0x0110", 0, 0, 7);
    readOnly->setFeatures({{"Access", "R"}, {"Address_RW", "0x0110"}});
    parameter(m_root, "NoAddress", CItem::DATA_TYPE_UINT16, "", 0, 0, 1)->setFeatures({});
    QList<CItem *> items = m_root->findChildren<CItem *>();
    m_map = new CRegisterMap(items);
}

void TestSimRegisters::cleanup()
{
    delete m_map;
    delete m_root;
}

void TestSimRegisters::readLayout_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("result");
    QTest::addColumn<QVector<quint16>>("words");
    QTest::newRow("list index") << 0x011A << 1 << 0 << QVector<quint16>{1};
    QTest::newRow("float low register first") << 0x0140 << 2 << 0 << QVector<quint16>{0x0000, 0x4348};
    QTest::newRow("neighbours in one read") << 0x0140 << 5 << 0
                                            << QVector<quint16>{0x0000, 0x4348, 4, 0xFFFE, 0xFFFF};
    QTest::newRow("second half of a parameter") << 0x0141 << 1 << 0 << QVector<quint16>{0x4348};
    QTest::newRow("odd byte padded") << 0x0145 << 1 << 0 << QVector<quint16>{0x0500};
    QTest::newRow("text8 in natural order") << 0x0000 << 5 << 0 << QVector<quint16>{0x6162, 0x6300, 0, 0, 0};
    QTest::newRow("gap") << 0x0146 << 1 << 2 << QVector<quint16>{};
    QTest::newRow("runs into a gap") << 0x0145 << 2 << 2 << QVector<quint16>{};
    QTest::newRow("past a text parameter") << 0x0000 << 6 << 2 << QVector<quint16>{};
}

void TestSimRegisters::readLayout()
{
    QFETCH(int, start);
    QFETCH(int, count);
    QFETCH(int, result);
    QFETCH(QVector<quint16>, words);
    QVector<quint16> values;
    QCOMPARE(int(m_map->read(quint16(start), quint16(count), &values)), result);
    if (result == 0)
        QCOMPARE(values, words);
}

void TestSimRegisters::write_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QVector<quint16>>("words");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("in range") << 0x0142 << QVector<quint16>{30} << 0 << "Count" << QVariant(30);
    QTest::newRow("above max") << 0x0142 << QVector<quint16>{31} << 3 << "Count" << QVariant(4);
    QTest::newRow("below min") << 0x0142 << QVector<quint16>{1} << 3 << "Count" << QVariant(4);
    QTest::newRow("float at max") << 0x0140 << QVector<quint16>{0x0000, 0x437A} << 0 << "Alarm" << QVariant(250.0f);
    QTest::newRow("float above max") << 0x0140 << QVector<quint16>{0x0000, 0x447A} << 3 << "Alarm"
                                     << QVariant(200.0f);
    QTest::newRow("negative int32") << 0x0143 << QVector<quint16>{0xFFF6, 0xFFFF} << 0 << "Input" << QVariant(-10);
    QTest::newRow("list index past the texts") << 0x011A << QVector<quint16>{3} << 3 << "Einheit" << QVariant(1);
    QTest::newRow("list index") << 0x011A << QVector<quint16>{2} << 0 << "Einheit" << QVariant(2);
    QTest::newRow("half a float") << 0x0140 << QVector<quint16>{0x0000} << 2 << "Alarm" << QVariant(200.0f);
    QTest::newRow("starts mid-parameter") << 0x0141 << QVector<quint16>{0x4348} << 2 << "Alarm"
                                          << QVariant(200.0f);
    QTest::newRow("read-only parameter") << 0x0110 << QVector<quint16>{1} << 2 << "Sensor" << QVariant(7);
    QTest::newRow("no parameter") << 0x0300 << QVector<quint16>{1} << 2 << "Count" << QVariant(4);
}

void TestSimRegisters::write()
{
    QFETCH(int, start);
    QFETCH(QVector<quint16>, words);
    QFETCH(int, result);
    QFETCH(QString, name);
    QFETCH(QVariant, value);
    QCOMPARE(int(m_map->write(quint16(start), words)), result);
    QCOMPARE(m_map->item(name)->value().toDouble(), value.toDouble());
}

void TestSimRegisters::writeIsAllOrNothing()
{
    // Alarm takes a valid value, Count an invalid one: neither changes.
    QCOMPARE(m_map->write(0x0140, {0x0000, 0x4320, 99}), CRegisterMap::IllegalDataValue);
    QCOMPARE(m_map->item("Alarm")->value().toDouble(), 200.0);
    QCOMPARE(m_map->write(0x0140, {0x0000, 0x4320, 12}), CRegisterMap::Ok);
    QCOMPARE(m_map->item("Alarm")->value().toDouble(), 160.0);
    QCOMPARE(m_map->item("Count")->value().toInt(), 12);
}

void TestSimRegisters::overlapIsReported()
{
    QObject root;
    parameter(&root, "First", CItem::DATA_TYPE_FLOAT, "0x0010", 0, 0, 1.0f);
    parameter(&root, "Second", CItem::DATA_TYPE_UINT16, "0x0011", 0, 0, 1);
    const CRegisterMap map(root.findChildren<CItem *>());
    QCOMPARE(map.size(), 1);
    QCOMPARE(map.problems().size(), 1);
    QVERIFY(map.problems().first().contains("Second"));
}

void TestSimRegisters::serverAnswers_data()
{
    QTest::addColumn<QModbusRequest>("pdu");
    QTest::addColumn<QByteArray>("answer"); // hex of function code + data
    QTest::newRow("status block") << request(QModbusPdu::ReadHoldingRegisters, {0x7000, 12}) << QByteArray("0318");
    QTest::newRow("status block tail") << request(QModbusPdu::ReadHoldingRegisters, {0x700A, 2}) << QByteArray("0304");
    QTest::newRow("past the status block") << request(QModbusPdu::ReadHoldingRegisters, {0x700A, 3})
                                           << QByteArray("8302");
    QTest::newRow("parameters") << request(QModbusPdu::ReadHoldingRegisters, {0x0142, 1}) << QByteArray("03020004");
    QTest::newRow("zero registers") << request(QModbusPdu::ReadHoldingRegisters, {0x0142, 0}) << QByteArray("8303");
    QTest::newRow("write single") << request(QModbusPdu::WriteSingleRegister, {0x0142, 5})
                                  << QByteArray("0601420005");
    QTest::newRow("write single out of range") << request(QModbusPdu::WriteSingleRegister, {0x0142, 50})
                                               << QByteArray("8603");
    QTest::newRow("write multiple") << request(QModbusPdu::WriteMultipleRegisters, {0x0142, 1, 6}, 2)
                                    << QByteArray("1001420001");
    QTest::newRow("byte count mismatch") << request(QModbusPdu::WriteMultipleRegisters, {0x0142, 1, 6}, 4)
                                         << QByteArray("9003");
    QTest::newRow("write the status block") << request(QModbusPdu::WriteSingleRegister, {0x7000, 1})
                                            << QByteArray("8602");
    QTest::newRow("unsupported function") << request(QModbusPdu::ReadInputRegisters, {0x7000, 12})
                                          << QByteArray("8401");
}

void TestSimRegisters::serverAnswers()
{
    QFETCH(QModbusRequest, pdu);
    QFETCH(QByteArray, answer);
    CSimDevice device(m_map, 1);
    CDeviceServer server(m_map, &device);
    const QModbusResponse response = server.answer(pdu);
    const QByteArray bytes = QByteArray(1, char(response.functionCode() | (response.isException() ? 0x80 : 0)))
        + response.data();
    QCOMPARE(bytes.toHex().left(answer.size()), answer);
    if (!response.isException() && pdu.functionCode() == QModbusPdu::ReadHoldingRegisters)
        QCOMPARE(response.data().size(), 1 + 2 * int(quint8(pdu.data().at(3))));
}

void TestSimRegisters::wrongStatusAddressShiftsTheBlock()
{
    CSimDevice device(m_map, 1);
    CDeviceServer server(m_map, &device);
    const QModbusRequest status = request(QModbusPdu::ReadHoldingRegisters, {0x7000, 12});
    const QByteArray good = server.answer(status).data();
    server.setWrongStatusAddress(true);
    const QByteArray shifted = server.answer(status).data();
    QCOMPARE(shifted.size(), good.size());
    QCOMPARE(shifted.mid(1, 22), good.mid(3, 22));
    QCOMPARE(shifted.right(2), QByteArray(2, '\0'));
}

QTEST_GUILESS_MAIN(TestSimRegisters)
#include "tst_simregisters.moc"

// The answer check of the Modbus master, frame by frame: what a request looks
// like on the wire and what the bytes received after it are taken for.
#include "cmodbusframe.h"

#include <QtTest>

namespace {

typedef CModbusFrame::Verdict Verdict;

// Function code fc to unit 1 in transaction 0x0105: reads of 2 registers from 0x0010, writes of 0x1234 (0x5678).
CModbusFrame::Request requestFor(int fc)
{
    CModbusFrame::Request request;
    request.functionCode = quint8(fc);
    request.start = 0x0010;
    request.transactionId = 0x0105;
    if (fc == 6)
        request.words = {0x1234};
    else if (fc == 16)
        request.words = {0x1234, 0x5678};
    request.count = fc == 6 ? 1 : 2;
    return request;
}

CLinkSettings::Transport transportOf(const QString &name)
{
    return name == QLatin1String("tcp") ? CLinkSettings::Tcp : CLinkSettings::Rtu;
}

} // namespace

Q_DECLARE_METATYPE(CModbusFrame::Verdict)

class tst_CModbusFrame : public QObject
{
    Q_OBJECT

private slots:
    void encode_data()
    {
        QTest::addColumn<QString>("transport");
        QTest::addColumn<int>("fc");
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("tcp read") << "tcp" << 3 << QByteArray("010500000006010300100002");
        QTest::newRow("tcp input read") << "tcp" << 4 << QByteArray("010500000006010400100002");
        QTest::newRow("tcp write single") << "tcp" << 6 << QByteArray("010500000006010600101234");
        QTest::newRow("tcp write multiple") << "tcp" << 16 << QByteArray("01050000000b01100010000204" "12345678");
        QTest::newRow("rtu read") << "rtu" << 3 << QByteArray("010300100002" "c5ce");
        QTest::newRow("rtu write multiple") << "rtu" << 16 << QByteArray("01100010000204" "12345678" "8997");
    }

    void encode()
    {
        QFETCH(QString, transport);
        QFETCH(int, fc);
        QTEST(CModbusFrame::encode(transportOf(transport), requestFor(fc)).toHex(), "frame");
        // The traffic monitor shows the same protocol data unit for both transports.
        const CModbusFrame::Request request = requestFor(fc);
        QCOMPARE(CModbusFrame::pdu(CLinkSettings::Rtu, CModbusFrame::encode(CLinkSettings::Rtu, request)),
                 CModbusFrame::pdu(CLinkSettings::Tcp, CModbusFrame::encode(CLinkSettings::Tcp, request)));
    }

    void check_data()
    {
        QTest::addColumn<QString>("transport");
        QTest::addColumn<int>("fc");
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<Verdict>("verdict");
        QTest::addColumn<QString>("detail"); // registers in hex, exception code or part of the reason
        auto row = [](const char *name, const char *transport, int fc, const char *hex, Verdict verdict,
                      const QString &detail) {
            QTest::newRow(name) << QString::fromLatin1(transport) << fc << QByteArray::fromHex(hex) << verdict
                                << detail;
        };
        // Modbus TCP answers to a read of 2 registers in transaction 0x0105. Wrong headers, functions, counts and
        // lengths are the master's test, against a device that sends them.
        row("tcp answer", "tcp", 3, "0105 0000 0007 01 03 04 aaaa bbbb", Verdict::Answer, "aaaabbbb");
        row("tcp input answer", "tcp", 4, "0105 0000 0007 01 04 04 aaaa bbbb", Verdict::Answer, "aaaabbbb");
        row("tcp header so far", "tcp", 3, "0105 0000 0007 01", Verdict::Incomplete, "");
        row("tcp one byte missing", "tcp", 3, "0105 0000 0007 01 03 04 aaaa bb", Verdict::Incomplete, "");
        row("tcp exception", "tcp", 3, "0105 0000 0003 01 83 02", Verdict::Exception, "2");
        row("tcp foreign transaction", "tcp", 3, "9105 0000 0007 01 03 04 aaaa bbbb", Verdict::Invalid,
            "transaction 37125 instead of 261");
        row("tcp earlier transaction", "tcp", 3, "0104 0000 0007 01 03 04 aaaa bbbb", Verdict::Stale, "");
        row("tcp earlier, unfinished", "tcp", 3, "0104 0000 0007 01 03", Verdict::Incomplete, "");
        row("tcp earlier, impossible length", "tcp", 3, "0104 0000 0001 01", Verdict::Invalid, "transaction 260");
        // Write answers echo what was written.
        row("tcp write single echo", "tcp", 6, "0105 0000 0006 01 06 0010 1234", Verdict::Answer, "");
        row("tcp write single, other value", "tcp", 6, "0105 0000 0006 01 06 0010 1235", Verdict::Invalid,
            "echo of value 4661 instead of 4660");
        row("tcp write multiple echo", "tcp", 16, "0105 0000 0006 01 10 0010 0002", Verdict::Answer, "");
        row("tcp write multiple, other address", "tcp", 16, "0105 0000 0006 01 10 0011 0002", Verdict::Invalid,
            "echo of register 0x0011 instead of 0x0010");
        row("tcp write multiple, other count", "tcp", 16, "0105 0000 0006 01 10 0010 0003", Verdict::Invalid,
            "echo of register count 3 instead of 2");
        row("tcp write answered as read", "tcp", 16, "0105 0000 0007 01 03 04 aaaa bbbb", Verdict::Invalid,
            "function code 3 instead of 16");
        row("tcp write refused", "tcp", 16, "0105 0000 0003 01 90 03", Verdict::Exception, "3");
        // Modbus RTU: bus address, PDU, CRC low byte first.
        row("rtu answer", "rtu", 3, "01 03 04 aaaa bbbb c9 48", Verdict::Answer, "aaaabbbb");
        row("rtu so far", "rtu", 3, "01 03 04 aaaa", Verdict::Incomplete, "");
        row("rtu checksum", "rtu", 3, "01 03 04 aaaa bbbb c9 49", Verdict::Invalid,
            "checksum 0xc949 instead of 0xc948");
        row("rtu exception", "rtu", 3, "01 83 02 c0 f1", Verdict::Exception, "2");
        row("rtu address", "rtu", 3, "02", Verdict::Invalid, "unit id 2 instead of 1");
        row("rtu function", "rtu", 3, "01 04", Verdict::Invalid, "function code 4 instead of 3");
        row("rtu byte count", "rtu", 3, "01 03 02", Verdict::Invalid, "byte count 2 instead of 4");
        row("rtu trailing bytes", "rtu", 3, "01 03 04 aaaa bbbb c9 48 55", Verdict::Invalid,
            "1 bytes beyond the answer");
        row("rtu write echo", "rtu", 16, "01 10 0010 0002 40 0d", Verdict::Answer, "");
    }

    void check()
    {
        QFETCH(QString, transport);
        QFETCH(int, fc);
        QFETCH(QByteArray, received);
        QFETCH(Verdict, verdict);
        QFETCH(QString, detail);
        const CModbusFrame::Answer answer = CModbusFrame::check(transportOf(transport), requestFor(fc), received);
        QCOMPARE(int(answer.verdict), int(verdict));
        QByteArray registers;
        for (quint16 word : answer.registers)
            registers += QByteArray::number(word, 16);
        if (verdict == Verdict::Answer)
            QCOMPARE(QString::fromLatin1(registers), detail);
        if (verdict == Verdict::Exception)
            QCOMPARE(QString::number(answer.exceptionCode), detail);
        if (verdict == Verdict::Invalid)
            QVERIFY2(answer.reason.contains(detail), qPrintable(answer.reason));
        // An answer, or a stale one to skip, is taken off the stream whole.
        if (verdict == Verdict::Answer || verdict == Verdict::Stale)
            QCOMPARE(answer.size, received.size());
    }
};

QTEST_APPLESS_MAIN(tst_CModbusFrame)
#include "tst_cmodbusframe.moc"

#ifndef CHOSTILESERVER_H
#define CHOSTILESERVER_H

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;

// A Modbus TCP device for tests: it holds 16-bit registers (each reads as its own address until written), answers
// reads (functions 3 and 4) and writes (16), and while a fault is set answers the way broken devices and networks do.
class CHostileServer : public QObject
{
    Q_OBJECT

public:
    enum Fault {
        None,
        Silent,                 // no answer, nothing done
        HeaderOnly,             // the 7-byte MBAP header; the PDU never follows
        CloseMidFrame,          // half the answer, then the connection closes
        Garbage,                // eleven bytes that are no frame
        WrongProtocol,          // protocol id 1
        WrongTransaction,       // a transaction id no request used
        LateTransaction,        // the transaction id of the attempt before
        WrongUnit,              // unit id + 1
        WrongFunction,          // function code + 1
        WriteEchoForRead,       // a read answered with a Write Multiple echo
        ExceptionWrongFunction, // the exception form of function code + 1
        ExceptionIllegalAddress, // exception 2, a real refusal
        ExceptionBusy,          // exception 6, nothing done
        ExceptionLong,          // an exception with one byte too many
        ShortByteCount,         // one register too few, byte count and length to match
        LongByteCount,          // one register too many, byte count and length to match
        ByteCountOff,           // byte count one short, the frame otherwise right
        LengthShort,            // length field one short
        LengthLong,             // length field one long
        TrailingGarbage,        // three bytes after the answer
        SplitFrame,             // header and PDU 20 ms apart (no fault for the client)
        StaleThenAnswer,        // an old answer, then the right one (no fault for the client)
        EchoWrongAddress,       // a write done, echoed with address + 1
        EchoWrongCount,         // a write done, echoed with count + 1
        AnswerLost              // the request done, its answer never sent
    };
    Q_ENUM(Fault)

    explicit CHostileServer(QObject *parent = nullptr);

    quint16 port() const { return m_server.serverPort(); }
    // Ends every connection and stops listening, as a device that goes away.
    void stop();
    // Listens again on the same port; false when that fails.
    bool restart() { return m_server.listen(QHostAddress::LocalHost, m_port); }
    // The next count answers carry fault.
    void setFault(Fault fault, int count);
    quint16 held(quint16 address) const { return m_registers.value(address, address); }

private:
    struct Request
    {
        quint16 transaction = 0;
        quint8 unit = 0;
        quint8 function = 0;
        quint16 start = 0;
        quint16 count = 0;
        QVector<quint16> words;
    };

    void serve(QTcpSocket *socket);
    void answer(QTcpSocket *socket, const Request &request);
    QByteArray perform(const Request &request, bool done);
    QByteArray faulty(Fault fault, const Request &request, QByteArray pdu) const;
    static QByteArray frame(quint16 transaction, quint16 protocol, int length, quint8 unit, const QByteArray &pdu);

    QTcpServer m_server;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    QHash<quint16, quint16> m_registers;
    Fault m_fault = None;
    int m_faultsLeft = 0;
    quint16 m_port = 0;
};

#endif // CHOSTILESERVER_H

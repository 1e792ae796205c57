#include "chostileserver.h"

#include <QDataStream>
#include <QTcpSocket>
#include <QTimer>

namespace {

quint16 wordAt(const QByteArray &bytes, int offset)
{
    return quint16((quint8(bytes.at(offset)) << 8) | quint8(bytes.at(offset + 1)));
}

void appendWord(QByteArray &bytes, int word)
{
    bytes.append(char((word >> 8) & 0xFF)).append(char(word & 0xFF));
}

} // namespace

CHostileServer::CHostileServer(QObject *parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, [this]() {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            m_buffers.insert(socket, QByteArray());
            connect(socket, &QTcpSocket::readyRead, this, [this, socket]() { serve(socket); });
            connect(socket, &QTcpSocket::disconnected, this, [this, socket]() {
                m_buffers.remove(socket);
                socket->deleteLater();
            });
        }
    });
    m_server.listen(QHostAddress::LocalHost);
}

void CHostileServer::stop()
{
    m_port = m_server.serverPort();
    m_server.close();
    // Each socket's disconnected() forgets it.
    for (QTcpSocket *socket : m_buffers.keys())
        socket->abort();
}

void CHostileServer::setFault(Fault fault, int count)
{
    m_fault = fault;
    m_faultsLeft = count;
}

void CHostileServer::serve(QTcpSocket *socket)
{
    // An answer may close the connection, which forgets its buffer.
    QByteArray buffer = m_buffers.value(socket) + socket->readAll();
    while (buffer.size() >= 12 && m_buffers.contains(socket)) {
        const int size = 6 + wordAt(buffer, 4);
        if (buffer.size() < size)
            break;
        Request request;
        request.transaction = wordAt(buffer, 0);
        request.unit = quint8(buffer.at(6));
        request.function = quint8(buffer.at(7));
        request.start = wordAt(buffer, 8);
        request.count = wordAt(buffer, 10);
        for (int i = 0; request.function == 16 && i < request.count && 13 + 2 * i + 1 < size; ++i)
            request.words.append(wordAt(buffer, 13 + 2 * i));
        buffer.remove(0, size);
        answer(socket, request);
    }
    if (m_buffers.contains(socket))
        m_buffers.insert(socket, buffer);
}

void CHostileServer::answer(QTcpSocket *socket, const Request &request)
{
    const Fault fault = m_faultsLeft > 0 ? m_fault : None;
    m_faultsLeft = qMax(0, m_faultsLeft - 1);
    const bool done = fault != Silent && fault != ExceptionBusy && fault != ExceptionIllegalAddress;
    const QByteArray bytes = faulty(fault, request, perform(request, done));
    if (fault == SplitFrame) {
        socket->write(bytes.left(7));
        socket->flush();
        QTimer::singleShot(20, socket, [socket, bytes]() { socket->write(bytes.mid(7)); });
        return;
    }
    socket->write(bytes);
    if (fault == CloseMidFrame) {
        socket->flush();
        socket->disconnectFromHost();
    }
}

// The right answer PDU; a write is carried out when done.
QByteArray CHostileServer::perform(const Request &request, bool done)
{
    QByteArray pdu(1, char(request.function));
    if (request.function != 16) {
        pdu.append(char(2 * request.count));
        for (int i = 0; i < request.count; ++i)
            appendWord(pdu, held(quint16(request.start + i)));
        return pdu;
    }
    for (int i = 0; done && i < request.words.size(); ++i)
        m_registers.insert(quint16(request.start + i), request.words.at(i));
    appendWord(pdu, request.start);
    appendWord(pdu, request.count);
    return pdu;
}

QByteArray CHostileServer::faulty(Fault fault, const Request &request, QByteArray pdu) const
{
    quint16 transaction = request.transaction;
    quint16 protocol = 0;
    quint8 unit = request.unit;
    int lengthChange = 0;
    QByteArray after;
    const char function = char(request.function);
    const QByteArray good = frame(transaction, 0, 1 + pdu.size(), unit, pdu);
    switch (fault) {
    case Silent:
    case AnswerLost: return QByteArray();
    case HeaderOnly: return good.left(7);
    case CloseMidFrame: return good.left(good.size() / 2);
    case StaleThenAnswer: return frame(quint16(transaction - 1), 0, 1 + pdu.size(), unit, pdu) + good;
    case Garbage: return QByteArray::fromHex("deadbeef0102030405060708").left(11);
    case WrongProtocol: protocol = 1; break;
    case WrongTransaction: transaction = quint16(transaction + 0x4000); break;
    case LateTransaction: transaction = quint16(transaction - 1); break;
    case WrongUnit: unit = quint8(unit + 1); break;
    case WrongFunction: pdu[0] = char(function + 1); break;
    case WriteEchoForRead:
        pdu = QByteArray(1, char(16));
        appendWord(pdu, request.start);
        appendWord(pdu, request.count);
        break;
    case ExceptionWrongFunction: pdu = QByteArray(1, char((function + 1) | 0x80)).append(char(2)); break;
    case ExceptionIllegalAddress: pdu = QByteArray(1, char(function | 0x80)).append(char(2)); break;
    case ExceptionBusy: pdu = QByteArray(1, char(function | 0x80)).append(char(6)); break;
    case ExceptionLong: pdu = QByteArray(1, char(function | 0x80)).append(char(4)).append(char(0)); break;
    case ShortByteCount: pdu.chop(2); pdu[1] = char(pdu.size() - 2); break;
    case LongByteCount: appendWord(pdu, 0x1234); pdu[1] = char(pdu.size() - 2); break;
    case ByteCountOff: pdu[1] = char(pdu.at(1) - 1); break;
    case LengthShort: lengthChange = -1; break;
    case LengthLong: lengthChange = 1; break;
    case TrailingGarbage: after = QByteArray("\x01\x02\x03", 3); break;
    case EchoWrongAddress: pdu[2] = char(pdu.at(2) + 1); break;
    case EchoWrongCount: pdu[4] = char(pdu.at(4) + 1); break;
    default: break;
    }
    return frame(transaction, protocol, 1 + pdu.size() + lengthChange, unit, pdu) + after;
}

QByteArray CHostileServer::frame(quint16 transaction, quint16 protocol, int length, quint8 unit, const QByteArray &pdu)
{
    QByteArray bytes;
    appendWord(bytes, transaction);
    appendWord(bytes, protocol);
    appendWord(bytes, length);
    return bytes.append(char(unit)).append(pdu);
}

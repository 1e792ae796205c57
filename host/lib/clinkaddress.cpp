#include "clinkaddress.h"

#include "chosttr.h"
#include "clinkendpoint.h"

#include <QRegularExpression>
#include <QSerialPort>

namespace {

const QString TcpPrefix = QStringLiteral("tcp:");
const QString RtuPrefix = QStringLiteral("rtu:");
// Parity letters of a frame, by QSerialPort code.
const QHash<int, QChar> ParityLetters = {{QSerialPort::NoParity, QLatin1Char('N')},
                                         {QSerialPort::EvenParity, QLatin1Char('E')},
                                         {QSerialPort::OddParity, QLatin1Char('O')},
                                         {QSerialPort::MarkParity, QLatin1Char('M')},
                                         {QSerialPort::SpaceParity, QLatin1Char('S')}};
const QHash<int, QString> ParityNames = {{QSerialPort::NoParity, QStringLiteral("none")},
                                         {QSerialPort::EvenParity, QStringLiteral("even")},
                                         {QSerialPort::OddParity, QStringLiteral("odd")},
                                         {QSerialPort::MarkParity, QStringLiteral("mark")},
                                         {QSerialPort::SpaceParity, QStringLiteral("space")}};

} // namespace

bool CLinkAddress::parse(const QString &text, CLinkSettings *settings, QString *error)
{
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(RtuPrefix))
        return parseRtu(trimmed.mid(RtuPrefix.size()), settings, error);
    return parseTcp(trimmed.startsWith(TcpPrefix) ? trimmed.mid(TcpPrefix.size()) : trimmed, settings, error);
}

bool CLinkAddress::parseTcp(const QString &text, CLinkSettings *settings, QString *error)
{
    QString host;
    quint16 port = 0;
    QString endpointError;
    if (!CLinkEndpoint::parse(text, &host, &port, &endpointError)) {
        *error = CHostTr::tr("\"%1\" is no link: give tcp:HOST:PORT or rtu:PORT[:BAUD:8E1] (%2)")
                     .arg(text, endpointError);
        return false;
    }
    settings->transport = CLinkSettings::Tcp;
    settings->host = host;
    settings->port = port;
    return true;
}

bool CLinkAddress::parseRtu(const QString &text, CLinkSettings *settings, QString *error)
{
    static const QRegularExpression withLine(QStringLiteral("^(.+):(\\d+):([5-8])([NEOMS])([12])$"));
    const QRegularExpressionMatch match = withLine.match(text);
    const QString port = match.hasMatch() ? match.captured(1) : text;
    if (port.isEmpty()) {
        *error = CHostTr::tr("\"rtu:%1\" names no serial port").arg(text);
        return false;
    }
    settings->transport = CLinkSettings::Rtu;
    settings->serialPort = port;
    if (!match.hasMatch())
        return true;
    settings->baudRate = match.captured(2).toInt();
    settings->dataBits = match.captured(3).toInt();
    settings->parity = ParityLetters.key(match.captured(4).at(0));
    settings->stopBits = match.captured(5).toInt();
    return true;
}

QString CLinkAddress::text(const CLinkSettings &settings)
{
    if (settings.transport == CLinkSettings::Rtu)
        return QStringLiteral("%1%2:%3:%4").arg(RtuPrefix, settings.serialPort).arg(settings.baudRate).arg(frame(settings));
    return endpoint(settings);
}

QString CLinkAddress::endpoint(const CLinkSettings &settings)
{
    if (settings.transport == CLinkSettings::Rtu)
        return RtuPrefix + settings.serialPort;
    return TcpPrefix + CLinkEndpoint::format(settings.host, settings.port);
}

QString CLinkAddress::frame(const CLinkSettings &settings)
{
    return QStringLiteral("%1%2%3")
        .arg(settings.dataBits)
        .arg(ParityLetters.value(settings.parity, QLatin1Char('?')))
        .arg(settings.stopBits);
}

int CLinkAddress::parityCode(const QString &name)
{
    return ParityNames.key(name, QSerialPort::NoParity);
}

QString CLinkAddress::parityName(int code)
{
    return ParityNames.value(code);
}

#include "clinkendpoint.h"

#include "chosttr.h"

#include <QHostAddress>

bool CLinkEndpoint::parse(const QString &text, QString *host, quint16 *port, QString *error)
{
    const int colon = text.lastIndexOf(QLatin1Char(':'));
    QString name = colon < 0 ? QString() : text.left(colon);
    if (name.startsWith(QLatin1Char('[')) && name.endsWith(QLatin1Char(']')))
        name = name.mid(1, name.size() - 2);
    else if (name.contains(QLatin1Char(':')))
        name.clear(); // an IPv6 address without brackets: the port cannot be told apart
    bool ok = false;
    const uint number = colon < 0 ? 0 : text.mid(colon + 1).toUInt(&ok);
    if (name.isEmpty() || name.contains(QLatin1Char('[')) || name.contains(QLatin1Char(']'))) {
        *error = CHostTr::tr("\"%1\" is no HOST:PORT (an IPv6 address goes in brackets: [::1]:502)").arg(text);
        return false;
    }
    if (!ok || number < 1 || number > 65535) {
        *error = CHostTr::tr("the port in \"%1\" must be a number from 1 to 65535").arg(text);
        return false;
    }
    *host = name;
    *port = quint16(number);
    return true;
}

QString CLinkEndpoint::hostText(const QString &host)
{
    QHostAddress address;
    const bool ipv6 = address.setAddress(host) && address.protocol() == QAbstractSocket::IPv6Protocol;
    return ipv6 ? QStringLiteral("[%1]").arg(host) : host;
}

QString CLinkEndpoint::format(const QString &host, quint16 port)
{
    return QStringLiteral("%1:%2").arg(hostText(host)).arg(port);
}

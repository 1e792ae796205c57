#ifndef CLINKENDPOINT_H
#define CLINKENDPOINT_H

#include "loomworkhost_global.h"

#include <QString>
#include <QtGlobal>

// The address of a Modbus TCP device as users write it: "HOST:PORT", with an
// IPv6 address in brackets ("[::1]:502").
class LOOMWORKHOST_EXPORT CLinkEndpoint
{
public:
    // Splits text into host (without brackets) and port. False, with error
    // saying what is wrong, when text is no such address.
    static bool parse(const QString &text, QString *host, quint16 *port, QString *error);
    // The host as it is written in front of ":PORT": IPv6 addresses in brackets.
    static QString hostText(const QString &host);
    // "host:port", IPv6 addresses in brackets.
    static QString format(const QString &host, quint16 port);
};

#endif // CLINKENDPOINT_H

#ifndef CLINKADDRESS_H
#define CLINKADDRESS_H

#include "clinksettings.h"
#include "loomworkhost_global.h"

#include <QString>

// How a link is written in scan results, fleet files and reports, one word
// that the CLI reads back:
//   tcp:HOST:PORT             Modbus TCP (a bare HOST:PORT too; [v6]:PORT)
//   rtu:PORT[:BAUD:FRAME]     Modbus RTU on a serial port, FRAME as 8E1
// Devices behind one endpoint share its wire, so their requests go one after
// the other; devices behind different endpoints can be served in parallel.
class LOOMWORKHOST_EXPORT CLinkAddress
{
public:
    // Reads text into settings; what the text leaves open (RTU line settings
    // without BAUD:FRAME, time limits) stays as settings has it. False with
    // error naming what is wrong.
    static bool parse(const QString &text, CLinkSettings *settings, QString *error);
    // The link as text: "tcp:10.0.0.5:502", "rtu:/dev/ttyUSB0:19200:8E1".
    static QString text(const CLinkSettings &settings);
    // What devices share: "tcp:HOST:PORT" or "rtu:PORT".
    static QString endpoint(const CLinkSettings &settings);
    // Data bits, parity letter and stop bits: "8E1".
    static QString frame(const CLinkSettings &settings);

    // QSerialPort's parity code for a parity name ("even", "odd", "none",
    // "mark", "space"), and back.
    static int parityCode(const QString &name);
    static QString parityName(int code);

private:
    static bool parseTcp(const QString &text, CLinkSettings *settings, QString *error);
    static bool parseRtu(const QString &text, CLinkSettings *settings, QString *error);
};

#endif // CLINKADDRESS_H

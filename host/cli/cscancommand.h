#ifndef CSCANCOMMAND_H
#define CSCANCOMMAND_H

#include "cbusscanner.h"
#include "clinksettings.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

class CDeviceSession;

// loomwork-cli scan: finds the devices on a link (every baud rate and
// parity the device offers on a serial line) and prints one line per device
// that answered: link, unit id, serial number, model, order number and
// software version, so the output serves as a fleet file; or, with --json,
// an array of the same (a fleet list too).
class CScanCommand
{
public:
    // session has the description loaded and the plugin (for model names).
    explicit CScanCommand(CDeviceSession &session);

    // "FIRST-LAST" or "ID", each 1 .. 247; false with error.
    static bool parseUnitIds(const QString &text, int *first, int *last, QString *error);

    // Scans from base (transport, address or port, line settings to try
    // first). timeout 0: the plan's for each line. Returns the exit code:
    // 0 when a device answered, 3 when none did or the link failed.
    int run(const CLinkSettings &base, int first, int last, int timeout, bool allSettings, bool json);

private:
    void print(const CBusScanner::Hit &hit, bool json);
    static QJsonObject hitJson(const CBusScanner::Hit &hit);

    CDeviceSession &m_session;
    QJsonArray *m_array = nullptr;
};

#endif // CSCANCOMMAND_H

#ifndef CFLEETLIST_H
#define CFLEETLIST_H

#include "cfleetdevice.h"
#include "loomworkhost_global.h"

#include <QHash>
#include <QList>
#include <QStringList>

// The devices a fleet command works on, read from a file in one of three
// forms:
// - lines "LINK UNIT-ID [SERIAL-NUMBER]" (more columns are ignored, "-" is
//   no serial number, "#" starts a comment): what `scan` prints;
// - CSV lines "link,unit id[,serial number]", with an optional header line;
// - a JSON array of objects with "link", "unitId" (or "address") and
//   "serialNumber" (optional): what `scan --json` prints.
// Links as CLinkAddress reads them. A list with any bad entry is refused as a
// whole, naming every bad entry; a device named twice is a bad entry.
class LOOMWORKHOST_EXPORT CFleetList
{
public:
    // Reads fileName ("-": standard input); base gives what the links leave
    // open (line settings, time limits). False with error.
    bool load(const QString &fileName, const CLinkSettings &base, QString *error);
    bool parse(const QByteArray &content, const CLinkSettings &base, QString *error);

    const QList<CFleetDevice> &devices() const;
    // The devices by the endpoint they share (see CLinkAddress::endpoint),
    // endpoints and devices in list order.
    QList<QList<CFleetDevice>> byEndpoint() const;

private:
    bool parseJson(const QByteArray &content, const CLinkSettings &base, QStringList *problems);
    void parseLines(const QByteArray &content, const CLinkSettings &base, QStringList *problems);
    bool addDevice(const QString &link, const QString &unitId, const QString &serialNumber, int line,
                   const CLinkSettings &base, QStringList *problems);

    QList<CFleetDevice> m_devices;
    QHash<QString, int> m_lines; // "endpoint#unit id" -> the entry naming it
};

#endif // CFLEETLIST_H

#ifndef CCOMMISSIONINGREPORT_H
#define CCOMMISSIONINGREPORT_H

#include "cdevicerecord.h"
#include "loomworkhost_global.h"

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>

// The record of a commissioning run (a set saved from, compared with or
// applied to one device or a fleet): what was done with which set, by which
// program, when, and per device its nameplate, times, the values written
// before and after with their units, what reading them back gave, where it
// still differs, and how it ended. Written as report.json for machines and
// as report.html for people: one self-contained page (no external files,
// printable), in the language of the program's translation.
class LOOMWORKHOST_EXPORT CCommissioningReport
{
public:
    static const int FormatVersion = 1;

    QString command;          // "save", "diff", "apply", or "session" (a host's work on one device)
    QString source;           // the set file; for a save, the folder
    QString model;            // of the set or the description
    QString orderNumber;
    QString parameterVersion;
    QString program;          // "loomwork-cli 1.7.0"
    bool dryRun = false;
    QDateTime started;
    QDateTime finished;
    QList<CDeviceRecord> records;

    // How many devices ended in each outcome.
    QMap<CDeviceRecord::Outcome, int> counts() const;
    // Whether every device ended as asked.
    bool succeeded() const;

    QJsonObject toJson() const;
    QString toHtml() const;
    // Writes report.json and report.html into directory (made when
    // missing); false with error naming the file that failed.
    bool write(const QString &directory, QString *error) const;

private:
    QString htmlHead() const;
    QString htmlSummary() const;
    QString htmlDevice(int index, const CDeviceRecord &record) const;
    static QString htmlChanges(const QString &title, const QList<CDeviceRecord::Change> &changes, bool written);
    QString commandText() const;
};

#endif // CCOMMISSIONINGREPORT_H

#ifndef CSETJOB_H
#define CSETJOB_H

#include "cdevicerecord.h"
#include "cparameterproblem.h"
#include "cparameterset.h"
#include "description/descriptionrecords.h"
#include "loomworkhost_global.h"

#include <QList>

class CDeviceSession;
class CItem;
class CSetRestore;

// One device's part in saving, comparing or applying a parameter set, from
// its nameplate to its outcome, with everything a report needs in a
// CDeviceRecord. The same steps serve one device and a fleet:
// - identify: the nameplate must name the description's model and, when one
//   is expected, the serial number; else the device is skipped;
// - read every parameter (nothing is saved or compared after a failed read);
// - save: the device's values as a set file;
// - diff: where the device differs from the set (nothing is written);
// - apply: the set goes into the items as the host restores it, only the
//   differences are checked and written, read back, and the device is read
//   again: it holds the set, or the record says where it does not.
// The session's link must be open on the device. The steps wait for the
// link in a local event loop.
class LOOMWORKHOST_EXPORT CSetJob
{
public:
    enum Command { Save, Diff, Apply };

    struct Request
    {
        Command command = Diff;
        CParameterSet set;     // diff, apply
        QString fileName;      // save: the file; empty: a file in directory
        QString directory;     // save: where backups of several devices go
        bool dryRun = false;   // apply: write nothing
        bool force = false;    // apply: leave the set's offending values out
    };

    // session holds the device's items, its description (model, order
    // number, parameter version) and its open link. Not owned.
    explicit CSetJob(CDeviceSession &session);

    // All steps for the device the link addresses; record names the device
    // (link, unit id, expected serial number) and takes the rest.
    void run(const Request &request, CDeviceRecord *record) const;

    // The steps one by one; each returns false (outcome and message set)
    // when the device cannot go on.
    bool identify(CDeviceRecord *record) const;
    bool readDevice(CDeviceRecord *record) const;
    void save(const QString &fileName, CDeviceRecord *record) const;
    void diff(const CParameterSet &set, CDeviceRecord *record) const;
    void apply(const CParameterSet &set, bool dryRun, bool force, CDeviceRecord *record) const;

    // The file a device's backup gets in a folder: its endpoint, unit id
    // and serial number, e.g. "10.0.0.5_502_u3_81200017.json".
    static QString backupName(const CDeviceRecord &record);

private:
    void verify(const CParameterSet &set, bool wrote, CDeviceRecord *record) const;
    bool write(const QList<CItem *> &items, CDeviceRecord *record) const;
    // The rows where the device differs from the set; the number of them
    // that count (writable ones and offending entries the device has).
    int differences(const CSetRestore &restore, const CParameterSet &set, const CParameterProblems &problems,
                    QList<CDeviceRecord::Change> *rows) const;
    static void fail(CDeviceRecord *record, CDeviceRecord::Outcome outcome, const QString &message);

    const DescriptionHeader &header() const;

    CDeviceSession &m_session;
};

#endif // CSETJOB_H

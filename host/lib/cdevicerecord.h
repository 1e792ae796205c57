#ifndef CDEVICERECORD_H
#define CDEVICERECORD_H

#include "cdeviceidentity.h"
#include "loomworkhost_global.h"

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// What happened to one device when a parameter set was saved from it,
// compared with it or applied to it: which device (link, unit id, the serial
// number expected), what its nameplate says, when, what was written (each
// parameter's value before and after, with its unit, and what reading it
// back gave), where it still differs from the set, and how it ended. A
// commissioning report is a list of these; fleet workers pass them on as
// JSON.
class LOOMWORKHOST_EXPORT CDeviceRecord
{
public:
    enum Outcome {
        Unchanged,   // the device held the set; nothing written
        Changed,     // the differences were written; the device holds the set
        WouldChange, // a dry run: the differences were not written
        Saved,       // the device's set was saved
        Differs,     // the device does not hold the set
        WrongSerial, // the nameplate names another serial number: skipped
        WrongModel,  // the nameplate names another model: skipped
        NoAnswer,    // the device did not answer: skipped
        SetRefused,  // the set cannot go to this device: nothing written
        ReadFailed,  // not every parameter could be read
        WriteFailed, // a write did not complete
        FileFailed   // the set file could not be written
    };
    // What reading a written parameter back gave.
    enum ReadBack {
        NotWritten,
        Confirmed,     // the device holds the value written
        HeldOther,     // the device holds another value
        WriteRefused,  // the device refused the value
        NotReadBack,   // a line setting: the device now answers on the new one
        ReadBackFailed // it could not be read back
    };

    // One parameter: written (before -> after, read back) or differing
    // (device -> set). Texts as shown, with their units.
    struct Change
    {
        QString name;
        QString caption;
        QString before;
        QString after;
        ReadBack readBack = NotWritten;
        bool refused = false; // the set's value cannot be written
    };

    QString link;           // as CLinkAddress writes it
    int unitId = 0;
    QString expectedSerial; // empty: any
    CDeviceIdentity identity;
    QDateTime started;
    QDateTime finished;
    Outcome outcome = NoAnswer;
    QString message;        // how it ended, for people
    QStringList problems;   // what stood against the set or the write
    QList<Change> changes;  // written
    QList<Change> differences; // where the device differs from the set
    QString file;           // the set saved

    // Whether the device ended as asked (holds the set, or was saved; a dry
    // run counts).
    bool succeeded() const;

    // Stable names for machines ("changed", "wrong-serial", "confirmed", ...).
    static QString outcomeName(Outcome outcome);
    static QString readBackName(ReadBack readBack);
    // Translated texts for people.
    static QString outcomeText(Outcome outcome);
    static QString readBackText(ReadBack readBack);

    QJsonObject toJson() const;
    // A record from toJson(); false when object is none.
    static bool fromJson(const QJsonObject &object, CDeviceRecord *record);

private:
    static QJsonObject changeJson(const Change &change);
    static Change changeFromJson(const QJsonObject &object);
};

#endif // CDEVICERECORD_H

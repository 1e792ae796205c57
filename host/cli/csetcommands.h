#ifndef CSETCOMMANDS_H
#define CSETCOMMANDS_H

#include "cparameterproblem.h"
#include "cparameterset.h"

#include <QCoreApplication>
#include <QString>

class CDeviceSession;

// The CLI's parameter-set commands, with the file format the GUI host uses:
// save the device's values, compare a set with the device, and apply a set
// (only what differs, checked, read back). Each returns the exit code.
class CSetCommands
{
    Q_DECLARE_TR_FUNCTIONS(LoomworkCli)

public:
    // session is connected; descriptionFile gives model and version.
    CSetCommands(CDeviceSession &session, const QString &descriptionFile);

    int save(const QString &fileName);
    // 0 when the device holds the set, 7 when it differs.
    int diff(const QString &fileName, bool json);
    // With force, a set with problems is applied without the offending
    // entries (unless they leave no usable rest); 0 only when the device
    // holds the set afterwards.
    int apply(const QString &fileName, bool dryRun, bool force);

private:
    int prepare(const QString &fileName, CParameterSet *set);
    // Prints the differing rows; returns how many writable ones differ.
    int printDifferences(const CParameterSet &set, bool json);
    int verify(const CParameterSet &set);
    int offendingParameters(const CParameterProblems &problems) const;

    CDeviceSession &m_session;
    QString m_descriptionFile;
    QString m_orderNumber;
};

#endif // CSETCOMMANDS_H

#ifndef CSETRESTORE_H
#define CSETRESTORE_H

#include "cparameterproblem.h"
#include "cparameterset.h"
#include "loomworkhost_global.h"

#include <QCoreApplication>
#include <QSet>

class CItem;
class CParameterTransfer;

// Brings a parameter set into the device's items so that they hold exactly
// the saved values, whatever the order of the description and the unit the
// items are in. The parameters that govern others (unit, measuring range,
// characteristic, point count: the device data's write order) go first, as
// user edits, so the plugin converts and bounds the rest; then every other
// value goes in as saved, since the set holds it in the set's own unit.
class LOOMWORKHOST_EXPORT CSetRestore
{
    Q_DECLARE_TR_FUNCTIONS(LoomworkHost)

public:
    // root holds the items; parameters knows the device (not owned).
    CSetRestore(QObject *root, const CParameterTransfer *parameters, const QString &orderNumber);

    // What is wrong with the set: another model, unknown names, values its
    // parameters cannot take, and, once applied, values outside their range
    // or against the device's rules. The items are left as they were.
    CParameterProblems check(const CParameterSet &set) const;
    // Applies the set without the entries named in skip. Read-only
    // parameters are left alone. Returns the items whose value changed.
    QList<CItem *> apply(const CParameterSet &set, const QSet<QString> &skip = QSet<QString>()) const;
    // One row per parameter the set names or its application changes, in
    // tree order, against what the device holds. The items are left as
    // they were.
    QList<CParameterSet::Difference> compare(const CParameterSet &set) const;
    // The names of problems.
    static QSet<QString> names(const CParameterProblems &problems);
    // Whether problems leave a usable rest of the set.
    static bool restIsUsable(const CParameterProblems &problems);

private:
    struct Entry
    {
        CItem *item = nullptr;
        QVariant value;
        int rank = 0;
        int position = 0;
    };

    QList<Entry> entries(const CParameterSet &set, const QSet<QString> &skip) const;
    CParameterProblems entryProblems(const CParameterSet &set) const;
    CItem *find(const QString &name) const;
    void restoreSnapshot(const CParameterSet &snapshot) const;

    QObject *m_root;
    const CParameterTransfer *m_parameters;
    QString m_orderNumber;
};

#endif // CSETRESTORE_H

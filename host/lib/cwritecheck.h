#ifndef CWRITECHECK_H
#define CWRITECHECK_H

#include "cdevicedata.h"
#include "cparameterproblem.h"
#include "loomworkhost_global.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QVariant>

class CItem;

// Checks values before they go to the device: every value against its own
// range, text list and type, and the device's rules from its device data
// (limits inside the configured range, the max alarm above the min alarm,
// rising points ...). A rule is checked when a value it involves is written,
// on the values the parameters hold now, so a write never leaves the device
// in a state its rules forbid.
class LOOMWORKHOST_EXPORT CWriteCheck
{
    Q_DECLARE_TR_FUNCTIONS(LoomworkHost)

public:
    // items are the device's parameters (not owned); data outlives the check.
    CWriteCheck(const QList<CItem *> &items, const CDeviceData &data);

    // The problems with writing the current values of written.
    CParameterProblems check(const QList<CItem *> &written) const;
    // Why value does not suit item by its type, list or (with checkRange)
    // its own range; empty when it does.
    static QString valueProblem(const CItem *item, const QVariant &value, bool checkRange = true);
    // The item's caption and object name, as problems name a parameter.
    static QString label(const CItem *item);
    // The item's value (or value) with its unit, as the host shows it.
    static QString valueWithUnit(const CItem *item, const QVariant &value);
    static QString valueWithUnit(const CItem *item);
    // The parameters that must reach the device in the same request as item
    // because one rule bounds them against each other.
    QList<CItem *> companions(const CItem *item) const;

private:
    typedef CDeviceData::Rule Rule;

    CItem *find(const QString &name) const;
    bool applies(const Rule &rule) const;
    QList<CItem *> subjects(const Rule &rule) const;
    QStringList involved(const Rule &rule) const;
    void checkWithin(const Rule &rule, CParameterProblems *problems) const;
    void checkAbove(const Rule &rule, CParameterProblems *problems) const;
    void checkRising(const Rule &rule, CParameterProblems *problems) const;

    QHash<QString, CItem *> m_items;
    const CDeviceData &m_data;
};

#endif // CWRITECHECK_H

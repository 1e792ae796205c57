#ifndef CLINECHANGE_H
#define CLINECHANGE_H

#include "clinksettings.h"
#include "loomworkhost_global.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

class CItem;
class CParameterTransfer;

// What a write does to the link: the device's address, baud rate, parity and
// stop bits are parameters of its own (named in its device data). Once such a
// parameter is written with a new value, the device answers only with the new
// settings, so the host must follow.
class LOOMWORKHOST_EXPORT CLineChange
{
    Q_DECLARE_TR_FUNCTIONS(LoomworkHost)

public:
    // Computes the link settings after writing items from current: each
    // line-setting parameter among items whose value differs from the
    // device's replaces its setting. False when none changes.
    bool compute(const CParameterTransfer &parameters, const QList<CItem *> &items, const CLinkSettings &current);

    const CLinkSettings &settings() const;
    // One line per change: "Modbus address (ModbusAdresse): 1 -> 5".
    const QStringList &descriptions() const;

private:
    CLinkSettings m_settings;
    QStringList m_descriptions;
};

#endif // CLINECHANGE_H

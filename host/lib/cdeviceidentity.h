#ifndef CDEVICEIDENTITY_H
#define CDEVICEIDENTITY_H

#include "loomworkhost_global.h"

#include <QJsonObject>
#include <QString>

// What a device's nameplate says: its model (the name the plugin that serves
// its order number gives it; empty when no plugin does), order number, serial
// number and software version, as the device reported them.
class LOOMWORKHOST_EXPORT CDeviceIdentity
{
public:
    QString model;
    QString orderNumber;
    QString serialNumber;
    QString softwareVersion;

    // Whether the nameplate was read.
    bool isKnown() const;
    // "model", "orderNumber", "serialNumber", "softwareVersion".
    QJsonObject toJson() const;
    static CDeviceIdentity fromJson(const QJsonObject &object);
};

#endif // CDEVICEIDENTITY_H

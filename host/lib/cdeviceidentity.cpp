#include "cdeviceidentity.h"

bool CDeviceIdentity::isKnown() const
{
    return !orderNumber.isEmpty() || !serialNumber.isEmpty();
}

QJsonObject CDeviceIdentity::toJson() const
{
    return QJsonObject{{QStringLiteral("model"), model},
                       {QStringLiteral("orderNumber"), orderNumber},
                       {QStringLiteral("serialNumber"), serialNumber},
                       {QStringLiteral("softwareVersion"), softwareVersion}};
}

CDeviceIdentity CDeviceIdentity::fromJson(const QJsonObject &object)
{
    CDeviceIdentity identity;
    identity.model = object.value(QStringLiteral("model")).toString();
    identity.orderNumber = object.value(QStringLiteral("orderNumber")).toString();
    identity.serialNumber = object.value(QStringLiteral("serialNumber")).toString();
    identity.softwareVersion = object.value(QStringLiteral("softwareVersion")).toString();
    return identity;
}

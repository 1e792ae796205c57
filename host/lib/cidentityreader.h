#ifndef CIDENTITYREADER_H
#define CIDENTITYREADER_H

#include "cdevicedata.h"
#include "cdeviceidentity.h"
#include "loomworkhost_global.h"

#include <QList>
#include <QVector>

#include <functional>

class CDeviceSession;
class CItem;
class CLoomworkPlugin;
class CModbusMaster;

// Reads a device's nameplate (order number, serial number, software
// version: the parameters the device data names) in one request, and tells
// the three ways a unit id can answer apart: with its nameplate, with a
// Modbus exception (a device is there, but it does not give its nameplate),
// or not at all. A gateway's own exceptions 10 and 11 say that no device
// answered behind it.
class LOOMWORKHOST_EXPORT CIdentityReader
{
public:
    static constexpr int GatewayPathUnavailable = 0x0A;
    static constexpr int GatewayTargetFailed = 0x0B;

    struct Answer
    {
        enum Kind { Identified, Exception, NoAnswer };
        Kind kind = NoAnswer;
        int exceptionCode = 0; // with Exception
        QString error;         // why there is no nameplate
        CDeviceIdentity identity;
    };

    // The nameplate items of session's description; plugin (may be null)
    // names the model of an order number it serves. Neither is owned; both
    // must outlive the reader, and the session's items its use.
    CIdentityReader(const CDeviceSession &session, CLoomworkPlugin *plugin);

    // False when the description has no nameplate parameter.
    bool isPossible() const;
    // The registers read: from start(), count() of them.
    quint16 start() const;
    int count() const;

    // Reads the nameplate of the device the master's settings address
    // (failures are left to the caller, not reported); done runs once.
    void read(CModbusMaster *master, const std::function<void(const Answer &)> &done) const;
    // The nameplate in registers read from start(); the items take the values.
    CDeviceIdentity decode(const QVector<quint16> &registers) const;
    // The nameplate as the items hold it (from the last read of the device).
    CDeviceIdentity held() const;

private:
    Answer answerFor(bool ok, int exceptionCode, const QString &error, const QVector<quint16> &registers) const;

    QList<CItem *> m_items; // by CDeviceData::IdentityField, null when missing
    CLoomworkPlugin *m_plugin;
    quint16 m_start = 0;
    int m_count = 0;
};

#endif // CIDENTITYREADER_H

#ifndef CREQUEST_H
#define CREQUEST_H

#include <QByteArray>
#include <QtGlobal>

// One request to the device, handed from a device backend to the host's
// communication master. Copied by value; the master decides how to frame it.
struct CRequest
{
    qint32 requestType = 0;   // kind of request, as the master interprets it
    quint8 deviceAddress = 0; // bus address field
    quint8 functionCode = 0;  // Modbus function code (3: read holding registers)
    quint16 startAddress = 0; // first register
    quint16 registerCount = 0;
    quint16 auxWord1 = 0;
    quint16 auxWord2 = 0;
    QByteArray data;          // payload of a write
};

#endif // CREQUEST_H

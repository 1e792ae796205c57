#ifndef CREQUEST_H
#define CREQUEST_H

#include <QByteArray>
#include <QtGlobal>

// One request to the device, handed from a device backend to the host's
// communication master. Copied by value; the master decides how to frame it.
struct CRequest
{
    // Kinds of request a master tells apart. CyclicRead is one read of a poll
    // that the device widget repeats, so a master may drop one that cannot
    // be served; anything else is a plain request.
    enum Type : qint32 { Plain = 0, CyclicRead = 5 };

    // The Modbus function codes a master carries out.
    enum FunctionCode : quint8 {
        ReadHoldingRegisters = 3,
        ReadInputRegisters = 4,
        WriteSingleRegister = 6,
        WriteMultipleRegisters = 16
    };

    qint32 requestType = Plain; // one of Type, as the master interprets it
    quint8 deviceAddress = 0;   // bus address field (0: the master's configured address)
    quint8 functionCode = 0;    // one of FunctionCode
    quint16 startAddress = 0;   // first register
    quint16 registerCount = 0;
    quint16 auxWord1 = 0;
    quint16 auxWord2 = 0;
    QByteArray data;            // payload of a write
};

#endif // CREQUEST_H

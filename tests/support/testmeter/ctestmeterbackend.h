#ifndef CTESTMETERBACKEND_H
#define CTESTMETERBACKEND_H

#include "backend/crequest.h"

#include <QObject>

// The device logic of the test meter: it bounds the setpoint by the range,
// polls the two-register status block and turns it into a display text and
// an LED code. It follows the family's conventions a host relies on: the
// object name "<model>_Backend", cyclicTimeout(), displayText(QString),
// displayLed(int), and the host objects "ModbusMaster" and "Parameter".
class CTestMeterBackend : public QObject
{
    Q_OBJECT

public:
    static const quint16 StatusAddress = 0x0100;
    static const quint16 StatusRegisters = 2;

    // Binds to the items and host objects below parent.
    explicit CTestMeterBackend(QObject *parent);

signals:
    void displayText(const QString &text);
    void displayLed(int code);
    void buildRequest(const CRequest &request);

public slots:
    void cyclicTimeout();

private slots:
    void decodeData(const QByteArray &data);
    void boundSetpoint();
};

#endif // CTESTMETERBACKEND_H

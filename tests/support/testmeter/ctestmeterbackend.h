#ifndef CTESTMETERBACKEND_H
#define CTESTMETERBACKEND_H

#include "backend/crequest.h"

#include <QObject>

// The test meter's logic: the setpoint bounded by the range, the status block polled into a display
// text and an LED code, with the names a host relies on ("<model>_Backend", cyclicTimeout(), ...).
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

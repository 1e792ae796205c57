#include "ctestmeterbackend.h"

#include "items/citem.h"

#include <QtEndian>

namespace {

const char RangeName[] = "Range";
const char SetpointName[] = "Setpoint";

} // namespace

CTestMeterBackend::CTestMeterBackend(QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("TM 100_Backend"));
    if (CItem *range = parent->findChild<CItem *>(QLatin1String(RangeName)))
        connect(range, SIGNAL(valueChanged(QVariant)), this, SLOT(boundSetpoint()));
    if (QObject *master = parent->findChild<QObject *>(QStringLiteral("ModbusMaster"))) {
        connect(this, SIGNAL(buildRequest(CRequest)), master, SLOT(buildRequest(CRequest)));
        connect(master, SIGNAL(dataResponse(QByteArray)), this, SLOT(decodeData(QByteArray)));
    }
    boundSetpoint();
}

// The setpoint cannot go beyond the range the meter is set to.
void CTestMeterBackend::boundSetpoint()
{
    const CItem *range = parent()->findChild<CItem *>(QLatin1String(RangeName));
    CItem *setpoint = parent()->findChild<CItem *>(QLatin1String(SetpointName));
    if (range && setpoint)
        setpoint->setRange(0.0, range->value().toDouble());
}

void CTestMeterBackend::cyclicTimeout()
{
    CRequest request;
    request.requestType = CRequest::CyclicRead;
    request.functionCode = CRequest::ReadHoldingRegisters;
    request.startAddress = StatusAddress;
    request.registerCount = StatusRegisters;
    emit buildRequest(request);
}

// The answer: start address, then the measured value in tenths (signed) and
// the LED code, big-endian words. Answers to other requests are not ours.
void CTestMeterBackend::decodeData(const QByteArray &data)
{
    if (data.size() < 2 + 2 * StatusRegisters || qFromBigEndian<quint16>(data.constData()) != StatusAddress)
        return;
    const auto value = qFromBigEndian<qint16>(data.constData() + 2);
    const auto led = qFromBigEndian<quint16>(data.constData() + 4);
    emit displayLed(led);
    emit displayText(QString::number(value / 10.0, 'f', 1));
}

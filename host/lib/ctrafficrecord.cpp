#include "ctrafficrecord.h"

CTrafficRecord CTrafficRecord::sent(quint64 attempt, const CModbusFrame::Request &request,
                                    CLinkSettings::Transport transport, const QByteArray &frame, bool retry)
{
    CTrafficRecord record;
    record.attempt = attempt;
    record.time = QDateTime::currentDateTime();
    record.unitId = request.unitId;
    record.functionCode = request.functionCode;
    record.address = request.start;
    record.count = request.count;
    record.pdu = CModbusFrame::pdu(transport, frame);
    record.retry = retry;
    return record;
}

CTrafficRecord CTrafficRecord::ended(Outcome outcome, CLinkSettings::Transport transport, const QByteArray &frame,
                                     const QString &error, qint64 roundTripUs) const
{
    CTrafficRecord record = *this;
    record.time = QDateTime::currentDateTime();
    record.direction = Response;
    record.outcome = outcome;
    record.roundTripUs = roundTripUs;
    record.retry = false;
    record.error = error;
    record.pdu = outcome == Failed ? frame : CModbusFrame::pdu(transport, frame);
    if (outcome == Exception && record.pdu.size() >= 2)
        record.exceptionCode = quint8(record.pdu.at(1));
    return record;
}

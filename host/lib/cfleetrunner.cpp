#include "cfleetrunner.h"

#include "cdeviceconnection.h"
#include "cdevicesession.h"
#include "chosttr.h"
#include "clinkaddress.h"
#include "cmodbusmaster.h"

CFleetRunner::CFleetRunner(CDeviceSession &session, const QString &descriptionFile, QObject *parent)
    : QObject(parent), m_session(session), m_descriptionFile(descriptionFile)
{
}

QList<CDeviceRecord> CFleetRunner::run(const QList<CFleetDevice> &devices, const CSetJob::Request &request)
{
    QList<CDeviceRecord> records;
    for (const CFleetDevice &device : devices) {
        records.append(runDevice(device, request));
        emit deviceFinished(records.last());
    }
    m_session.master()->disconnectDevice();
    m_openLink.clear();
    return records;
}

CDeviceRecord CFleetRunner::runDevice(const CFleetDevice &device, const CSetJob::Request &request)
{
    CDeviceRecord record;
    record.link = CLinkAddress::text(device.link);
    record.unitId = device.unitId;
    record.expectedSerial = device.serialNumber;
    record.started = QDateTime::currentDateTime();
    QString error;
    if (!openLink(device, &error)) {
        record.outcome = CDeviceRecord::NoAnswer;
        record.message = error;
    } else if (!m_session.loadDescription(m_descriptionFile)) {
        record.outcome = CDeviceRecord::ReadFailed;
        record.message = m_session.errorString();
    } else {
        CSetJob(m_session).run(request, &record);
        // A job that moved the device to new line settings left the link on them.
        m_openLink = CLinkAddress::text(m_session.master()->settings());
    }
    record.finished = QDateTime::currentDateTime();
    return record;
}

// Opens the device's link unless it is open already; an endpoint that could
// not be reached is not tried again for each of its devices.
bool CFleetRunner::openLink(const CFleetDevice &device, QString *error)
{
    CModbusMaster *master = m_session.master();
    const QString endpoint = CLinkAddress::endpoint(device.link);
    if (m_unreachable.contains(endpoint)) {
        *error = m_unreachable.value(endpoint);
        return false;
    }
    const QString link = CLinkAddress::text(device.link);
    if (link == m_openLink && master->state() != CModbusMaster::Disconnected) {
        CLinkSettings settings = master->settings();
        settings.serverAddress = device.unitId;
        master->setSettings(settings);
        return true;
    }
    m_openLink.clear();
    if (!m_session.connection()->openAndWait(device.link, error)) {
        *error = CHostTr::tr("no connection to %1: %2").arg(endpoint, *error);
        m_unreachable.insert(endpoint, *error);
        return false;
    }
    m_openLink = link;
    return true;
}

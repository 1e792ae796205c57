#ifndef CFLEETRUNNER_H
#define CFLEETRUNNER_H

#include "cdevicerecord.h"
#include "cfleetdevice.h"
#include "csetjob.h"
#include "loomworkhost_global.h"

#include <QHash>
#include <QList>
#include <QObject>

class CDeviceSession;

// Runs a set job (save, diff or apply) on devices one after the other, as
// devices on one serial line or behind one gateway must be served. Each
// device gets items built anew from the description, so nothing of one
// device stays in the values, ranges or read states of the next; devices
// behind the endpoint that is open share the open link. A device that cannot
// be reached, is another one than expected or fails is recorded and the next
// one goes on.
class LOOMWORKHOST_EXPORT CFleetRunner : public QObject
{
    Q_OBJECT

public:
    // session: its items are rebuilt and its link used; descriptionFile: the
    // description they are built from. Not owned.
    CFleetRunner(CDeviceSession &session, const QString &descriptionFile, QObject *parent = nullptr);

    // Runs request on each device in turn; the records in device order.
    QList<CDeviceRecord> run(const QList<CFleetDevice> &devices, const CSetJob::Request &request);

signals:
    void deviceFinished(const CDeviceRecord &record);

private:
    CDeviceRecord runDevice(const CFleetDevice &device, const CSetJob::Request &request);
    bool openLink(const CFleetDevice &device, QString *error);

    CDeviceSession &m_session;
    QString m_descriptionFile;
    QString m_openLink;                     // as CLinkAddress writes it
    QHash<QString, QString> m_unreachable; // endpoint -> why
};

#endif // CFLEETRUNNER_H

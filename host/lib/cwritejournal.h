#ifndef CWRITEJOURNAL_H
#define CWRITEJOURNAL_H

#include "cdevicerecord.h"
#include "loomworkhost_global.h"

#include <QHash>
#include <QList>
#include <QObject>

class CItem;
class CParameterTransfer;

// What the writes through a parameter transfer did to the device since the
// journal was cleared: per parameter the value the device held before its
// first write and after its last (as shown, with units), and what reading
// the last write back gave. A commissioning report's account of a device.
class LOOMWORKHOST_EXPORT CWriteJournal : public QObject
{
    Q_OBJECT

public:
    // transfer is not owned and must outlive the journal.
    explicit CWriteJournal(CParameterTransfer *transfer, QObject *parent = nullptr);

    void clear();
    // One entry per parameter written, in the order of first writes.
    QList<CDeviceRecord::Change> changes() const;
    // Whether every write so far was taken and read back as written.
    bool allConfirmed() const;

private:
    void onWriteStarted(const QList<CItem *> &items);
    void onFinished();
    CDeviceRecord::ReadBack readBack(const CItem *item, const QString &before) const;

    CParameterTransfer *m_transfer;
    QList<CItem *> m_order;                // first written first
    QHash<CItem *, CDeviceRecord::Change> m_changes;
    QList<CItem *> m_running;              // the write under way
    QHash<CItem *, QString> m_runningBefore;
};

#endif // CWRITEJOURNAL_H

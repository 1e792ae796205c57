#include "cwritejournal.h"

#include "cdevicedata.h"
#include "cparametertransfer.h"
#include "description/citemregisters.h"
#include "items/citem.h"

CWriteJournal::CWriteJournal(CParameterTransfer *transfer, QObject *parent)
    : QObject(parent), m_transfer(transfer)
{
    connect(transfer, &CParameterTransfer::writeStarted, this, &CWriteJournal::onWriteStarted);
    connect(transfer, &CParameterTransfer::finished, this, &CWriteJournal::onFinished);
}

void CWriteJournal::clear()
{
    m_order.clear();
    m_changes.clear();
    m_running.clear();
    m_runningBefore.clear();
}

QList<CDeviceRecord::Change> CWriteJournal::changes() const
{
    QList<CDeviceRecord::Change> result;
    for (CItem *item : m_order)
        result.append(m_changes.value(item));
    return result;
}

bool CWriteJournal::allConfirmed() const
{
    for (const CDeviceRecord::Change &change : m_changes) {
        if (change.readBack != CDeviceRecord::Confirmed && change.readBack != CDeviceRecord::NotReadBack)
            return false;
    }
    return true;
}

void CWriteJournal::onWriteStarted(const QList<CItem *> &items)
{
    m_running = items;
    m_runningBefore.clear();
    for (CItem *item : items) {
        const QString before = m_transfer->deviceText(item);
        m_runningBefore.insert(item, before);
        if (m_changes.contains(item))
            continue;
        // Items rebuilt from a description are other items: start afresh.
        connect(item, &QObject::destroyed, this, &CWriteJournal::clear, Qt::UniqueConnection);
        m_order.append(item);
        m_changes.insert(item, {item->objectName(), item->caption(), before, QString(), CDeviceRecord::NotWritten,
                                false});
    }
}

void CWriteJournal::onFinished()
{
    for (CItem *item : qAsConst(m_running)) {
        CDeviceRecord::Change &change = m_changes[item];
        change.after = m_transfer->deviceText(item);
        change.readBack = readBack(item, m_runningBefore.value(item));
    }
    m_running.clear();
    // A parameter written back to what it was is no change.
    for (int i = m_order.size() - 1; i >= 0; --i) {
        CItem *item = m_order.at(i);
        const CDeviceRecord::Change &change = m_changes.value(item);
        if (change.before == change.after && change.readBack == CDeviceRecord::Confirmed) {
            m_changes.remove(item);
            m_order.removeAt(i);
        }
    }
}

CDeviceRecord::ReadBack CWriteJournal::readBack(const CItem *item, const QString &before) const
{
    const CDeviceData *data = m_transfer->deviceData();
    if (m_transfer->writeFailure(item).isEmpty()) {
        // A device that took new line settings answers only on them: not read back.
        const bool lineChange = data && data->isLineItem(item->objectName()) && m_transfer->deviceText(item) != before;
        return lineChange ? CDeviceRecord::NotReadBack : CDeviceRecord::Confirmed;
    }
    if (!m_transfer->wasRead(item))
        return CDeviceRecord::ReadBackFailed;
    // A refused value stays in the item, pending; a value read back replaces it.
    return CItemRegisters::registerBytes(item) != m_transfer->deviceBytes(item) ? CDeviceRecord::WriteRefused
                                                                                : CDeviceRecord::HeldOther;
}

#ifndef CPARAMETERTRANSFER_H
#define CPARAMETERTRANSFER_H

#include "cregisterplan.h"
#include "loomworkhost_global.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <functional>

class CItem;
class CModbusMaster;

// The host's parameter transfer ("Parameter"): reads the device's parameter
// registers into the items and writes edited items back, in dependency
// order, reading back what it wrote. One transfer runs at a time.
class LOOMWORKHOST_EXPORT CParameterTransfer : public QObject
{
    Q_OBJECT

public:
    // master is not owned; it must outlive the transfer.
    explicit CParameterTransfer(CModbusMaster *master, QObject *parent = nullptr);

    // The device register items below root (items with "Address_RW").
    void collectItems(QObject *root);
    void setItems(const QList<CItem *> &items);
    const QList<CItem *> &items() const;
    // The register item with this exact object name, or null.
    CItem *item(const QString &name) const;

    // Largest number of unused registers a read may span to save a request.
    void setMaxGap(int registers);
    bool isBusy() const;

    // Reads every parameter. Emits progress, then dataFinished when items
    // took values from the device, and finished(success) in every case (after
    // one message when the link is not open). dataFinished and finished come
    // from the event loop, never before the starting call has returned.
    void readAll();
    // Writes one item, every writable item, or the writable items whose value
    // differs from the device's last known value; each then reads back.
    void writeItem(CItem *item);
    void writeAll();
    void writeModified();
    // Writable items whose value differs from what the device last reported.
    QList<CItem *> modifiedItems() const;

    // Items a write goes through first: unit, measuring range,
    // characteristic, points, limits, others (lower rank first).
    static int dependencyRank(const CItem *item);
    static bool isWritable(const CItem *item);

signals:
    // A transfer with the device completed; the bytes are the registers read.
    void dataFinished(QByteArray);
    void progress(int value, int maximum);
    // The transfer ended; success is false when any part failed.
    void finished(bool success);
    // A write read back a value other than the one written.
    void mismatch(const QString &name, const QString &written, const QString &readBack);

private:
    typedef std::function<void()> Step;

    bool start(const QString &what);
    void runNext();
    void stepDone();
    void end();
    void queueReads(const QList<CRegisterPlan::Block> &blocks, bool front);
    void readBlock(const CRegisterPlan::Block &block);
    void storeBlock(const CRegisterPlan::Block &block, const QVector<quint16> &registers);
    void applyRead();
    void writeItems(QList<CItem *> items);
    void writeBlock(const CRegisterPlan::Block &block);
    void verifyWritten();
    void restoreUnread();
    void fail(const QString &text);

    CModbusMaster *m_master;
    QList<CItem *> m_items;
    int m_maxGap = 4;
    bool m_busy = false;
    bool m_ok = true;
    bool m_emitData = false;
    QList<Step> m_steps;
    int m_done = 0;
    int m_total = 0;
    QHash<CItem *, QByteArray> m_device;   // last register bytes the device reported
    QHash<CItem *, QByteArray> m_received; // read in the running transfer
    QHash<CItem *, QByteArray> m_written;  // written in the running transfer
    QSet<CItem *> m_refused;               // their write failed
    QByteArray m_transferBytes;
};

#endif // CPARAMETERTRANSFER_H

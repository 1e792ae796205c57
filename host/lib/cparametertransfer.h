#ifndef CPARAMETERTRANSFER_H
#define CPARAMETERTRANSFER_H

#include "cmodbusmaster.h"
#include "cparameterproblem.h"
#include "cregisterplan.h"
#include "loomworkhost_global.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <functional>

class CDeviceData;
class CItem;

// The host's parameter transfer ("Parameter"): reads the device's parameter
// registers into the items and writes edited items back, in the device's
// write order, checked before they are sent and read back after. It keeps
// what the device last reported, so it knows which items were read, which
// differ from the device and which write failed. One transfer runs at a time.
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

    // The device's write order, rules and line settings (not owned; may be
    // null: address order, ranges checked only).
    void setDeviceData(const CDeviceData *data);
    const CDeviceData *deviceData() const;

    // What a running transfer is doing.
    enum Activity { Reading, Writing, ReadingBack };
    Q_ENUM(Activity)

    // Largest number of unused registers a read may span to save a request.
    void setMaxGap(int registers);
    bool isBusy() const;

    // Reads every parameter. Emits progress, then dataFinished when items
    // took values from the device, and finished(success) in every case (after
    // one message when the link is not open). dataFinished and finished come
    // from the event loop, never before the starting call has returned.
    void readAll();
    // Writes one item, every writable item, or the writable items whose value
    // differs from the device's last known value; each then reads back. When
    // the write of a parameter that governs others (the device data says
    // which) fails, the parameters after it are not written but reported.
    void writeItem(CItem *item);
    void writeItems(QList<CItem *> items);
    void writeAll();
    void writeModified();
    // Ends the running transfer after the request on the wire: no further
    // parameter is read or written; what was written is still read back, so
    // no parameter is left half-written or unchecked. finished(false)
    // follows; wasCancelled() then tells it from a failure.
    void cancel();
    bool wasCancelled() const;

    // Writable items whose value differs from what the device last reported.
    QList<CItem *> modifiedItems() const;
    // Puts the values the device last reported back into items, in write
    // order, and forgets their failed writes; items never read keep their
    // values. Announces the values like a read (dataFinished), so the
    // plugin's rules follow them.
    void revert(const QList<CItem *> &items);
    // What stands against writing the current values of items: their own
    // ranges and lists and the device's rules. Every write runs this first
    // and sends nothing when it finds a problem.
    CParameterProblems checkWrite(const QList<CItem *> &items) const;

    // Whether the item holds what the device reported in the last read that
    // covered it (false when never read or when that read failed).
    bool wasRead(const CItem *item) const;
    // The item's register bytes as the device last reported them (empty
    // when never read).
    QByteArray deviceBytes(const CItem *item) const;
    // The item's value with its unit as the device last reported it (empty
    // when never read); values that follow the device's unit in the unit
    // the device holds, whatever the items say meanwhile.
    QString deviceText(const CItem *item) const;
    // The unit the device holds the item's value in.
    QString deviceUnit(const CItem *item) const;
    // Why the last write of the item failed (empty when it did not); the
    // item then keeps the value that was to be written.
    QString writeFailure(const CItem *item) const;

    // Position of item in the device's write order (lower goes first).
    int writeRank(const CItem *item) const;
    // items sorted as a write sends them.
    QList<CItem *> inWriteOrder(QList<CItem *> items) const;
    // What writeItems(items) sends, in write order: the writable ones among
    // items and, where one device rule bounds an item against others, those
    // others and the writable parameters between them with their current
    // values, so the device never sees half of a change.
    QList<CItem *> itemsToWrite(QList<CItem *> items) const;
    static bool isWritable(const CItem *item);

signals:
    // A transfer with the device completed; the bytes are the registers read.
    void dataFinished(QByteArray);
    void progress(int value, int maximum);
    // Which parameter the transfer works on: number (1-based) of total in
    // this activity, and its label (caption and name).
    void activityChanged(CParameterTransfer::Activity activity, int number, int total, const QString &parameter);
    // The transfer ended; success is false when any part failed.
    void finished(bool success);
    // A write passed its checks and sends items now (in write order); what
    // the device held before is still deviceText().
    void writeStarted(const QList<CItem *> &items);
    // A write read back a value other than the one written.
    void mismatch(const QString &name, const QString &written, const QString &readBack);
    // Which items are read, differ from the device or failed may have changed.
    void statesChanged();

private:
    typedef std::function<void()> Step;
    // A step that a cancel drops (sends a further read or write).
    struct Request
    {
        Step step;
        bool cancellable = true;
    };

    bool start(const QString &what);
    void runNext();
    void stepDone();
    void end();
    void queueReads(const QList<CRegisterPlan::Block> &blocks, bool front, bool cancellable = true);
    void readBlock(const CRegisterPlan::Block &block);
    void storeBlock(const CRegisterPlan::Block &block, const QVector<quint16> &registers);
    void applyRead(bool wholeDevice);
    void sortForWriting(QList<CItem *> &items) const;
    QList<CItem *> withCompanions(const QList<CItem *> &items) const;
    void writeBlock(const CRegisterPlan::Block &block);
    void writeFailed(const CRegisterPlan::Block &block, const CModbusMaster::Result &result);
    void verifyWritten();
    void compareReadBack();
    void restoreUnread();
    bool skipsReadBack(const CItem *item) const;
    void fail(const QString &text);
    void beginActivity(Activity activity, int total);
    void announce(const QList<CItem *> &items);
    static QString labels(const QList<CItem *> &items);

    CModbusMaster *m_master;
    const CDeviceData *m_data = nullptr;
    QList<CItem *> m_items;
    int m_maxGap = 4;
    bool m_busy = false;
    bool m_ok = true;
    bool m_emitData = false;
    bool m_cancelled = false;
    Activity m_activity = Reading;
    int m_activityDone = 0;  // parameters of the activity sent so far
    int m_activityTotal = 0;
    QList<Request> m_steps;
    int m_done = 0;
    int m_total = 0;
    QHash<CItem *, QByteArray> m_device;   // last register bytes the device reported
    QHash<CItem *, QByteArray> m_received; // read in the running transfer
    QHash<CItem *, QByteArray> m_written;  // written in the running transfer
    QSet<CItem *> m_refused;               // their write failed
    QString m_blockedBy;                   // a governing parameter whose write failed
    QSet<CItem *> m_notReadBack;           // line settings the device now answers on
    QSet<CItem *> m_readFailed;            // the last read that covered them failed
    QHash<CItem *, QString> m_failures;    // why their last write failed
    QByteArray m_transferBytes;
};

#endif // CPARAMETERTRANSFER_H

#include "cparametertransfer.h"

#include "cmodbusmaster.h"
#include "cvalueformat.h"
#include "description/citemregisters.h"
#include "items/citem.h"
#include "widgets/cmessagesender.h"

#include <algorithm>

namespace {

const QString TransferTitle = QStringLiteral("Parameter transfer");

void sortForWriting(QList<CItem *> &items)
{
    std::stable_sort(items.begin(), items.end(), [](const CItem *a, const CItem *b) {
        const int rankA = CParameterTransfer::dependencyRank(a);
        const int rankB = CParameterTransfer::dependencyRank(b);
        return rankA != rankB ? rankA < rankB : CItemRegisters::address(a) < CItemRegisters::address(b);
    });
}

QString valueTextOf(const CItem *item, const QByteArray &bytes)
{
    return CValueFormat::text(item, CItem::fromByteArray(bytes, item->type()));
}

} // namespace

CParameterTransfer::CParameterTransfer(CModbusMaster *master, QObject *parent)
    : QObject(parent)
    , m_master(master)
{
    setObjectName(QStringLiteral("Parameter"));
}

void CParameterTransfer::collectItems(QObject *root)
{
    QList<CItem *> items;
    const QList<CItem *> all = root->findChildren<CItem *>();
    for (CItem *item : all) {
        if (CItemRegisters::isRegisterItem(item))
            items.append(item);
    }
    setItems(items);
}

void CParameterTransfer::setItems(const QList<CItem *> &items)
{
    m_items = items;
    m_device.clear();
}

const QList<CItem *> &CParameterTransfer::items() const
{
    return m_items;
}

CItem *CParameterTransfer::item(const QString &name) const
{
    for (CItem *item : m_items) {
        if (item->objectName() == name)
            return item;
    }
    return nullptr;
}

void CParameterTransfer::setMaxGap(int registers)
{
    m_maxGap = qMax(0, registers);
}

bool CParameterTransfer::isBusy() const
{
    return m_busy;
}

int CParameterTransfer::dependencyRank(const CItem *item)
{
    const QString name = item->objectName();
    if (name == QLatin1String("Einheit"))
        return 0;
    if (name.startsWith(QLatin1String("Messbereich")))
        return 1;
    if (name == QLatin1String("Kennlinie"))
        return 2;
    if (name.startsWith(QLatin1String("Stuetzpunkt")) || name == QLatin1String("AnzahlStuetzstellen"))
        return 3;
    if (name.startsWith(QLatin1String("Grenzwert")))
        return 4;
    return 5;
}

bool CParameterTransfer::isWritable(const CItem *item)
{
    if (!CItemRegisters::isRegisterItem(item))
        return false;
    if (!item->hasFeature(QStringLiteral("Access")))
        return true;
    return item->feature(QStringLiteral("Access")).toString().contains(QLatin1Char('W'), Qt::CaseInsensitive);
}

QList<CItem *> CParameterTransfer::modifiedItems() const
{
    QList<CItem *> items;
    for (CItem *item : m_items) {
        if (isWritable(item) && m_device.contains(item)
            && m_device.value(item) != CItemRegisters::registerBytes(item))
            items.append(item);
    }
    return items;
}

// ------------------------------------------------------------------- running

bool CParameterTransfer::start(const QString &what)
{
    if (m_busy) {
        emit m_master->messageSender()->errorMessage(
            TransferTitle, QStringLiteral("%1 refused: another transfer is running").arg(what));
        return false;
    }
    if (m_master->state() == CModbusMaster::Disconnected) {
        // One message for the whole transfer, not one per request.
        m_busy = true;
        m_emitData = false;
        m_received.clear();
        fail(QStringLiteral("%1 failed: the link to the device is not open").arg(what));
        end();
        return false;
    }
    m_busy = true;
    m_ok = true;
    m_emitData = true;
    m_steps.clear();
    m_done = 0;
    m_total = 0;
    m_received.clear();
    m_written.clear();
    m_refused.clear();
    m_transferBytes.clear();
    emit m_master->messageSender()->logMessage(what);
    return true;
}

void CParameterTransfer::runNext()
{
    if (m_steps.isEmpty()) {
        end();
        return;
    }
    const Step step = m_steps.takeFirst();
    step();
}

void CParameterTransfer::stepDone()
{
    ++m_done;
    emit progress(m_done, m_total);
    runNext();
}

void CParameterTransfer::end()
{
    // The end is announced from the event loop, never from inside the call
    // that started the transfer nor from inside the link's answer handling:
    // a caller may connect after starting, and a receiver that waits in a
    // nested event loop (a dialog) does not hold up the link meanwhile.
    const bool emitData = m_emitData && !m_received.isEmpty();
    QMetaObject::invokeMethod(this, [this, emitData, ok = m_ok, bytes = m_transferBytes]() {
        m_busy = false;
        // The backend's rules follow the new values even after a partial read.
        if (emitData)
            emit dataFinished(bytes);
        emit finished(ok);
    }, Qt::QueuedConnection);
}

void CParameterTransfer::fail(const QString &text)
{
    m_ok = false;
    emit m_master->messageSender()->logMessage(text);
    emit m_master->messageSender()->errorMessage(TransferTitle, text);
}

// --------------------------------------------------------------------- reads

void CParameterTransfer::readAll()
{
    if (!start(QStringLiteral("Reading all parameters")))
        return;
    queueReads(CRegisterPlan::readBlocks(m_items, CModbusMaster::MaxReadRegisters, m_maxGap), false);
    m_steps.append([this]() { applyRead(); stepDone(); });
    ++m_total;
    emit progress(0, m_total);
    runNext();
}

void CParameterTransfer::queueReads(const QList<CRegisterPlan::Block> &blocks, bool front)
{
    QList<Step> steps;
    for (const CRegisterPlan::Block &block : blocks)
        steps.append([this, block]() { readBlock(block); });
    m_steps = front ? steps + m_steps : m_steps + steps;
    m_total += steps.size();
}

void CParameterTransfer::readBlock(const CRegisterPlan::Block &block)
{
    // A read across unused registers may be refused; it is then split, so
    // its failure is not the user's business.
    m_master->read(block.start, quint16(block.count), [this, block](const CModbusMaster::Result &result) {
        if (result.ok) {
            storeBlock(block, result.registers);
        } else if (block.hasGaps && result.exceptionCode == 2) {
            m_maxGap = 0;
            queueReads(CRegisterPlan::splitAtGaps(block), true);
        } else {
            m_ok = false;
        }
        stepDone();
    }, !block.hasGaps);
}

void CParameterTransfer::storeBlock(const CRegisterPlan::Block &block, const QVector<quint16> &registers)
{
    const QByteArray bytes = CItemRegisters::toBytes(registers);
    m_transferBytes += bytes;
    for (CItem *item : block.items) {
        const int offset = 2 * (CItemRegisters::address(item) - block.start);
        m_received.insert(item, bytes.mid(offset, 2 * CItemRegisters::registerCount(item)));
    }
}

void CParameterTransfer::applyRead()
{
    QList<CItem *> items = m_received.keys();
    sortForWriting(items);
    for (CItem *item : qAsConst(items)) {
        const QByteArray bytes = m_received.value(item);
        m_device.insert(item, bytes);
        item->setByteArray(bytes.left(item->byteSize()));
    }
}

// -------------------------------------------------------------------- writes

void CParameterTransfer::writeItem(CItem *item)
{
    writeItems(QList<CItem *>{item});
}

void CParameterTransfer::writeAll()
{
    writeItems(m_items);
}

void CParameterTransfer::writeModified()
{
    writeItems(modifiedItems());
}

void CParameterTransfer::writeItems(QList<CItem *> items)
{
    if (!start(QStringLiteral("Writing %1 parameter(s)").arg(items.size())))
        return;
    items.erase(std::remove_if(items.begin(), items.end(), [](const CItem *item) {
        return !isWritable(item);
    }), items.end());
    sortForWriting(items);
    for (const CRegisterPlan::Block &block : CRegisterPlan::writeBlocks(items, CModbusMaster::MaxWriteRegisters)) {
        m_steps.append([this, block]() { writeBlock(block); });
        ++m_total;
    }
    if (!items.isEmpty()) {
        m_steps.append([this]() { verifyWritten(); });
        ++m_total;
    }
    emit progress(0, m_total);
    runNext();
}

void CParameterTransfer::writeBlock(const CRegisterPlan::Block &block)
{
    QByteArray bytes;
    for (CItem *item : block.items) {
        const QByteArray itemBytes = CItemRegisters::registerBytes(item);
        m_written.insert(item, itemBytes);
        bytes += itemBytes;
    }
    m_master->write(block.start, CItemRegisters::toWords(bytes), [this, block](const CModbusMaster::Result &result) {
        if (!result.ok && block.items.size() > 1 && result.exceptionCode != 0) {
            // Find the item the device refused: write them one by one.
            QList<Step> singles;
            for (CItem *item : block.items)
                singles.append([this, item]() { writeBlock(CRegisterPlan::writeBlocks({item}, 1).value(0)); });
            m_steps = singles + m_steps;
            m_total += singles.size();
        } else if (!result.ok) {
            if (block.items.size() > 1) // the master did not report it
                fail(QStringLiteral("Writing %1 parameters from register 0x%2 failed: %3")
                         .arg(block.items.size()).arg(block.start, 4, 16, QLatin1Char('0')).arg(result.error));
            m_ok = false;
            for (CItem *item : block.items)
                m_refused.insert(item);
        }
        stepDone();
    }, block.items.size() == 1);
}

void CParameterTransfer::verifyWritten()
{
    // Read back every item that was sent, so each shows what the device holds.
    queueReads(CRegisterPlan::readBlocks(m_written.keys(), CModbusMaster::MaxReadRegisters, m_maxGap), true);
    m_steps.append([this]() {
        QList<CItem *> items = m_written.keys();
        sortForWriting(items);
        for (CItem *item : qAsConst(items)) {
            const QByteArray back = m_received.value(item);
            if (m_received.contains(item) && back != m_written.value(item) && !m_refused.contains(item)) {
                const QString written = valueTextOf(item, m_written.value(item));
                const QString held = valueTextOf(item, back);
                emit mismatch(item->objectName(), written, held);
                fail(QStringLiteral("%1: wrote %2, the device holds %3")
                         .arg(item->objectName(), written, held));
            }
        }
        applyRead();
        restoreUnread();
        stepDone();
    });
    ++m_total;
    stepDone();
}

void CParameterTransfer::restoreUnread()
{
    for (auto it = m_written.constBegin(); it != m_written.constEnd(); ++it) {
        CItem *item = it.key();
        if (m_received.contains(item))
            continue;
        m_ok = false;
        if (m_device.contains(item))
            item->setByteArray(m_device.value(item).left(item->byteSize()));
        fail(QStringLiteral("%1: could not be read back; it shows the last value read from the device")
                 .arg(item->objectName()));
    }
}

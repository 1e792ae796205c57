#include "cparametertransfer.h"

#include "cdevicedata.h"
#include "chosttr.h"
#include "cvalueformat.h"
#include "cwritecheck.h"
#include "description/citemregisters.h"
#include "items/citem.h"
#include "widgets/cmessagesender.h"

#include <algorithm>

namespace {

const int IllegalDataValue = 3;

QString transferTitle()
{
    return CHostTr::tr("Parameter transfer");
}

QVariant valueOf(const CItem *item, const QByteArray &bytes)
{
    return CItem::fromByteArray(bytes.left(item->byteSize()), item->type());
}

// What the device may take for item, as far as the host knows.
QString allowedText(const CItem *item)
{
    const int type = item->type();
    if (type == CItem::DATA_TYPE_LIST16 || type == CItem::DATA_TYPE_LIST32)
        return item->textList().join(QStringLiteral(", "));
    if (item->minimum() == item->maximum())
        return CHostTr::tr("any value of its type");
    return QStringLiteral("%1 .. %2").arg(CValueFormat::text(item, qMin(item->minimum(), item->maximum())),
                                         CWriteCheck::valueWithUnit(item, qMax(item->minimum(), item->maximum())));
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
    m_readFailed.clear();
    m_failures.clear();
    emit statesChanged();
}

void CParameterTransfer::setDeviceData(const CDeviceData *data)
{
    m_data = data;
}

const CDeviceData *CParameterTransfer::deviceData() const
{
    return m_data;
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

int CParameterTransfer::writeRank(const CItem *item) const
{
    return m_data ? m_data->rank(item->objectName()) : 0;
}

QList<CItem *> CParameterTransfer::inWriteOrder(QList<CItem *> items) const
{
    sortForWriting(items);
    return items;
}

void CParameterTransfer::sortForWriting(QList<CItem *> &items) const
{
    std::stable_sort(items.begin(), items.end(), [this](const CItem *a, const CItem *b) {
        const int rankA = writeRank(a);
        const int rankB = writeRank(b);
        return rankA != rankB ? rankA < rankB : CItemRegisters::address(a) < CItemRegisters::address(b);
    });
}

bool CParameterTransfer::isWritable(const CItem *item)
{
    if (!CItemRegisters::isRegisterItem(item))
        return false;
    if (!item->hasFeature(QStringLiteral("Access")))
        return true;
    return item->feature(QStringLiteral("Access")).toString().contains(QLatin1Char('W'), Qt::CaseInsensitive);
}

CParameterProblems CParameterTransfer::checkWrite(const QList<CItem *> &items) const
{
    static const CDeviceData none;
    return CWriteCheck(m_items, m_data ? *m_data : none).check(items);
}

bool CParameterTransfer::wasRead(const CItem *item) const
{
    return m_device.contains(const_cast<CItem *>(item)) && !m_readFailed.contains(const_cast<CItem *>(item));
}

QByteArray CParameterTransfer::deviceBytes(const CItem *item) const
{
    return m_device.value(const_cast<CItem *>(item));
}

QString CParameterTransfer::deviceUnit(const CItem *item) const
{
    const QString unit = item->unit();
    CItem *selector = m_data ? this->item(m_data->unitSelector()) : nullptr;
    if (!selector || unit.isEmpty() || !m_data->unitItems().contains(item->objectName())
        || !m_device.contains(selector))
        return unit;
    return selector->valueText(valueOf(selector, m_device.value(selector)));
}

QString CParameterTransfer::deviceText(const CItem *item) const
{
    CItem *key = const_cast<CItem *>(item);
    if (!m_device.contains(key))
        return QString();
    const QString unit = deviceUnit(item);
    const QString text = CValueFormat::text(item, valueOf(item, m_device.value(key)));
    return unit.isEmpty() ? text : QStringLiteral("%1 %2").arg(text, unit);
}

QString CParameterTransfer::writeFailure(const CItem *item) const
{
    return m_failures.value(const_cast<CItem *>(item));
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

void CParameterTransfer::revert(const QList<CItem *> &items)
{
    QList<CItem *> known;
    for (CItem *item : items) {
        if (m_device.contains(item))
            known.append(item);
    }
    sortForWriting(known);
    for (CItem *item : qAsConst(known)) {
        m_failures.remove(item);
        m_refused.remove(item);
        item->setByteArray(m_device.value(item).left(item->byteSize()));
    }
    emit statesChanged();
    if (!known.isEmpty())
        emit dataFinished(QByteArray());
}

// ------------------------------------------------------------------- running

bool CParameterTransfer::start(const QString &what)
{
    if (m_busy) {
        emit m_master->messageSender()->errorMessage(transferTitle(),
                                                     CHostTr::tr("%1 refused: another transfer is running").arg(what));
        return false;
    }
    if (m_master->state() == CModbusMaster::Disconnected) {
        // One message for the whole transfer, not one per request.
        m_busy = true;
        m_emitData = false;
        m_received.clear();
        fail(CHostTr::tr("%1 failed: the link to the device is not open").arg(what));
        end();
        return false;
    }
    m_busy = true;
    m_ok = true;
    m_cancelled = false;
    m_emitData = true;
    m_steps.clear();
    m_done = 0;
    m_total = 0;
    m_received.clear();
    m_written.clear();
    m_refused.clear();
    m_blockedBy.clear();
    m_notReadBack.clear();
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
    const Request request = m_steps.takeFirst();
    if (m_cancelled && request.cancellable) {
        ++m_done;
        runNext();
        return;
    }
    request.step();
}

void CParameterTransfer::cancel()
{
    if (!m_busy || m_cancelled)
        return;
    m_cancelled = true;
    m_ok = false;
    emit m_master->messageSender()->logMessage(CHostTr::tr("Transfer cancelled: no further parameter is sent"));
}

bool CParameterTransfer::wasCancelled() const
{
    return m_cancelled;
}

void CParameterTransfer::beginActivity(Activity activity, int total)
{
    m_activity = activity;
    m_activityDone = 0;
    m_activityTotal = total;
}

void CParameterTransfer::announce(const QList<CItem *> &items)
{
    if (items.isEmpty())
        return;
    emit activityChanged(m_activity, qMin(m_activityDone + 1, m_activityTotal), m_activityTotal,
                         CWriteCheck::label(items.first()));
    m_activityDone = qMin(m_activityDone + int(items.size()), m_activityTotal);
}

// The parameters of a request, for a message: the first few by caption.
QString CParameterTransfer::labels(const QList<CItem *> &items)
{
    const int shown = 3;
    QStringList names;
    for (int i = 0; i < items.size() && i < shown; ++i)
        names << CWriteCheck::label(items.at(i));
    QString text = names.join(QStringLiteral(", "));
    if (items.size() > shown)
        text = CHostTr::tr("%1 and %n more", nullptr, int(items.size()) - shown).arg(text);
    return text;
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
        emit statesChanged();
        // The backend's rules follow the new values even after a partial read.
        if (emitData)
            emit dataFinished(bytes);
        emit finished(ok);
    }, Qt::QueuedConnection);
}

void CParameterTransfer::fail(const QString &text)
{
    m_ok = false;
    // Errors go out once, on the error channel; receivers log them.
    emit m_master->messageSender()->errorMessage(transferTitle(), text);
}

// --------------------------------------------------------------------- reads

void CParameterTransfer::readAll()
{
    if (!start(CHostTr::tr("Reading all parameters")))
        return;
    beginActivity(Reading, m_items.size());
    queueReads(CRegisterPlan::readBlocks(m_items, CModbusMaster::MaxReadRegisters, m_maxGap), false);
    // A cancelled read leaves the parameters it did not reach as they were.
    m_steps.append({[this]() { applyRead(!m_cancelled); stepDone(); }, false});
    ++m_total;
    emit progress(0, m_total);
    runNext();
}

void CParameterTransfer::queueReads(const QList<CRegisterPlan::Block> &blocks, bool front, bool cancellable)
{
    QList<Request> steps;
    for (const CRegisterPlan::Block &block : blocks)
        steps.append({[this, block]() { readBlock(block); }, cancellable});
    m_steps = front ? steps + m_steps : m_steps + steps;
    m_total += steps.size();
}

void CParameterTransfer::readBlock(const CRegisterPlan::Block &block)
{
    // A read across unused registers may be refused; it is then split, so
    // its failure is not the user's business.
    announce(block.items);
    m_master->read(block.start, quint16(block.count), [this, block](const CModbusMaster::Result &result) {
        if (result.ok) {
            storeBlock(block, result.registers);
        } else if (block.hasGaps && result.exceptionCode == 2) {
            m_maxGap = 0;
            m_activityDone = qMax(0, m_activityDone - int(block.items.size()));
            queueReads(CRegisterPlan::splitAtGaps(block), true);
        } else {
            // Reported here, by parameter, not by register.
            fail(CHostTr::tr("Reading %1 failed: %2").arg(labels(block.items), result.error));
        }
        stepDone();
    }, false);
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

void CParameterTransfer::applyRead(bool wholeDevice)
{
    QList<CItem *> items = m_received.keys();
    sortForWriting(items);
    for (CItem *item : qAsConst(items)) {
        const QByteArray bytes = m_received.value(item);
        m_device.insert(item, bytes);
        m_readFailed.remove(item);
        // A refused value stays in the item, pending, for the user to correct.
        if (!m_refused.contains(item))
            item->setByteArray(bytes.left(item->byteSize()));
    }
    if (!wholeDevice)
        return;
    for (CItem *item : qAsConst(m_items)) {
        if (!m_received.contains(item))
            m_readFailed.insert(item);
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

// The parameters one device rule bounds against each other go in one request,
// with the registers between them, so the device never sees half of a change.
QList<CItem *> CParameterTransfer::withCompanions(const QList<CItem *> &items) const
{
    static const CDeviceData none;
    const CWriteCheck check(m_items, m_data ? *m_data : none);
    QList<CItem *> result = items;
    for (const CItem *item : items) {
        const QList<CItem *> group = check.companions(item);
        if (group.isEmpty())
            continue;
        int low = 0xFFFF;
        int high = 0;
        for (const CItem *member : group) {
            low = qMin(low, int(CItemRegisters::address(member)));
            high = qMax(high, CItemRegisters::address(member) + CItemRegisters::registerCount(member));
        }
        for (CItem *candidate : m_items) {
            const int address = CItemRegisters::address(candidate);
            if (address >= low && address < high && isWritable(candidate) && !result.contains(candidate))
                result.append(candidate);
        }
    }
    return result;
}

QList<CItem *> CParameterTransfer::itemsToWrite(QList<CItem *> items) const
{
    items.erase(std::remove_if(items.begin(), items.end(), [](const CItem *item) {
        return !isWritable(item);
    }), items.end());
    return inWriteOrder(withCompanions(items));
}

void CParameterTransfer::writeItems(QList<CItem *> items)
{
    items = itemsToWrite(items);
    if (!start(CHostTr::tr("Writing %n parameter(s)", nullptr, items.size())))
        return;
    const CParameterProblems problems = checkWrite(items);
    if (!problems.isEmpty()) {
        QStringList texts;
        for (const CParameterProblem &problem : problems)
            texts << problem.text;
        fail(CHostTr::tr("Nothing was written:\n%1").arg(texts.join(QLatin1Char('\n'))));
        end();
        return;
    }
    for (CItem *item : qAsConst(items))
        m_failures.remove(item);
    beginActivity(Writing, items.size());
    emit writeStarted(items);
    for (const CRegisterPlan::Block &block : CRegisterPlan::writeBlocks(items, CModbusMaster::MaxWriteRegisters)) {
        m_steps.append({[this, block]() { writeBlock(block); }, true});
        ++m_total;
    }
    if (!items.isEmpty()) {
        m_steps.append({[this]() { verifyWritten(); }, false});
        ++m_total;
    }
    emit progress(0, m_total);
    runNext();
}

void CParameterTransfer::writeBlock(const CRegisterPlan::Block &block)
{
    announce(block.items);
    if (!m_blockedBy.isEmpty()) {
        // Their values were set up for what the governing parameter was to
        // become: written now, they would mean something else on the device.
        for (CItem *item : block.items) {
            const QString text = CHostTr::tr("%1: not written, because %2 was not written")
                                     .arg(CWriteCheck::label(item), m_blockedBy);
            m_failures.insert(item, text);
            fail(text);
        }
        stepDone();
        return;
    }
    QByteArray bytes;
    for (CItem *item : block.items) {
        const QByteArray itemBytes = CItemRegisters::registerBytes(item);
        m_written.insert(item, itemBytes);
        bytes += itemBytes;
    }
    // Failures are reported here, by parameter, not by register.
    m_master->write(block.start, CItemRegisters::toWords(bytes), [this, block](const CModbusMaster::Result &result) {
        if (!result.ok && block.items.size() > 1 && result.exceptionCode != 0) {
            // Find the item the device refused: write them one by one.
            QList<Request> singles;
            m_activityDone = qMax(0, m_activityDone - int(block.items.size()));
            for (CItem *item : block.items)
                singles.append({[this, item]() { writeBlock(CRegisterPlan::writeBlocks({item}, 1).value(0)); }, true});
            m_steps = singles + m_steps;
            m_total += singles.size();
        } else if (!result.ok) {
            writeFailed(block, result);
        }
        stepDone();
    }, false);
}

void CParameterTransfer::writeFailed(const CRegisterPlan::Block &block, const CModbusMaster::Result &result)
{
    for (CItem *item : block.items) {
        // "Illegal data value": the device does not take the value.
        const QString text = result.exceptionCode == IllegalDataValue
            ? CHostTr::tr("%1: the device refused %2 (allowed: %3): %4")
                  .arg(CWriteCheck::label(item), CWriteCheck::valueWithUnit(item), allowedText(item), result.error)
            : CHostTr::tr("%1: writing %2 failed: %3")
                  .arg(CWriteCheck::label(item), CWriteCheck::valueWithUnit(item), result.error);
        m_refused.insert(item);
        m_failures.insert(item, text);
        fail(text);
        if (m_blockedBy.isEmpty() && m_data && m_data->governs(item->objectName()))
            m_blockedBy = CWriteCheck::label(item);
    }
}

bool CParameterTransfer::skipsReadBack(const CItem *item) const
{
    // A device that took new line settings answers only on them.
    CItem *key = const_cast<CItem *>(item);
    return m_data && m_data->isLineItem(item->objectName()) && !m_refused.contains(key) && m_device.contains(key)
        && m_device.value(key) != m_written.value(key);
}

void CParameterTransfer::verifyWritten()
{
    // Read back every item that was sent, so each shows what the device holds.
    QList<CItem *> readBack;
    for (CItem *item : m_written.keys()) {
        if (!skipsReadBack(item)) {
            readBack.append(item);
            continue;
        }
        m_notReadBack.insert(item);
        emit m_master->messageSender()->logMessage(
            CHostTr::tr("%1: written; not read back, the device now answers with its new line settings")
                .arg(CWriteCheck::label(item)));
    }
    // What was sent is read back even after a cancel.
    beginActivity(ReadingBack, readBack.size());
    queueReads(CRegisterPlan::readBlocks(readBack, CModbusMaster::MaxReadRegisters, m_maxGap), true, false);
    m_steps.append({[this]() {
        compareReadBack();
        applyRead(false);
        restoreUnread();
        stepDone();
    }, false});
    ++m_total;
    stepDone();
}

void CParameterTransfer::compareReadBack()
{
    QList<CItem *> items = m_written.keys();
    sortForWriting(items);
    for (CItem *item : qAsConst(items)) {
        if (m_notReadBack.contains(item)) {
            m_device.insert(item, m_written.value(item));
            continue;
        }
        const QByteArray back = m_received.value(item);
        if (!m_received.contains(item) || back == m_written.value(item) || m_refused.contains(item))
            continue;
        const QString written = CValueFormat::text(item, valueOf(item, m_written.value(item)));
        const QString held = CValueFormat::text(item, valueOf(item, back));
        emit mismatch(item->objectName(), written, held);
        const QString text = CHostTr::tr("%1: wrote %2, the device holds %3").arg(CWriteCheck::label(item), written, held);
        m_failures.insert(item, text);
        fail(text);
    }
}

void CParameterTransfer::restoreUnread()
{
    for (auto it = m_written.constBegin(); it != m_written.constEnd(); ++it) {
        CItem *item = it.key();
        if (m_received.contains(item) || m_notReadBack.contains(item))
            continue;
        m_ok = false;
        m_readFailed.insert(item);
        if (m_device.contains(item) && !m_refused.contains(item))
            item->setByteArray(m_device.value(item).left(item->byteSize()));
        const QString text = CHostTr::tr("%1: could not be read back; it shows the last value read from the device")
                                 .arg(CWriteCheck::label(item));
        if (!m_failures.contains(item))
            m_failures.insert(item, text);
        fail(text);
    }
}

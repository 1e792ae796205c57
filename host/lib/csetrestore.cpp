#include "csetrestore.h"

#include "cdevicedata.h"
#include "chosttr.h"
#include "cparametertransfer.h"
#include "cvalueformat.h"
#include "cwritecheck.h"
#include "description/citemregisters.h"
#include "items/citem.h"

#include <algorithm>

namespace {

const CDeviceData &dataOf(const CParameterTransfer *parameters)
{
    static const CDeviceData none;
    return parameters && parameters->deviceData() ? *parameters->deviceData() : none;
}

bool isEditable(const CItem *item)
{
    return !item->isReadOnly() && (!CItemRegisters::isRegisterItem(item) || CParameterTransfer::isWritable(item));
}

QString withUnit(const CItem *item, const QVariant &value)
{
    return CWriteCheck::valueWithUnit(item, value);
}

} // namespace

CSetRestore::CSetRestore(QObject *root, const CParameterTransfer *parameters, const QString &orderNumber)
    : m_root(root)
    , m_parameters(parameters)
    , m_orderNumber(orderNumber)
{
}

CItem *CSetRestore::find(const QString &name) const
{
    for (CItem *item : CParameterSet::parameterItems(m_root)) {
        if (item->objectName() == name)
            return item;
    }
    return nullptr;
}

QList<CSetRestore::Entry> CSetRestore::entries(const CParameterSet &set, const QSet<QString> &skip) const
{
    const QList<CItem *> items = CParameterSet::parameterItems(m_root);
    const CDeviceData &data = dataOf(m_parameters);
    QList<Entry> result;
    for (int position = 0; position < items.size(); ++position) {
        CItem *item = items.at(position);
        const QVariant raw = set.value(item->objectName());
        Entry entry;
        QString reason;
        if (!raw.isValid() || skip.contains(item->objectName())
            || !CParameterSet::convertForItem(item, raw, &entry.value, &reason))
            continue;
        entry.item = item;
        entry.rank = data.rank(item->objectName());
        entry.position = position;
        result.append(entry);
    }
    std::stable_sort(result.begin(), result.end(), [](const Entry &a, const Entry &b) { return a.rank < b.rank; });
    return result;
}

QList<CItem *> CSetRestore::apply(const CParameterSet &set, const QSet<QString> &skip) const
{
    QList<CItem *> changed;
    for (const Entry &entry : entries(set, skip)) {
        // Read-only is looked at now: earlier entries may have pinned it.
        if (!isEditable(entry.item) || entry.value == entry.item->value())
            continue;
        entry.item->setValue(entry.value);
        emit entry.item->valueEdited();
        changed.append(entry.item);
    }
    return changed;
}

CParameterProblems CSetRestore::entryProblems(const CParameterSet &set) const
{
    CParameterProblems problems;
    if (!set.orderNumber.isEmpty() && !m_orderNumber.isEmpty() && set.orderNumber != m_orderNumber)
        problems.append({QString(),
                         CHostTr::tr("The set was taken from %1 (order number %2); this device is %3.")
                             .arg(set.model, set.orderNumber, m_orderNumber),
                         true});
    const CDeviceData &data = dataOf(m_parameters);
    for (const auto &entry : set.values) {
        const CItem *item = find(entry.first);
        QVariant value;
        QString reason;
        if (!item)
            problems.append({entry.first, CHostTr::tr("%1: the device has no such parameter").arg(entry.first), false});
        else if (!CParameterSet::convertForItem(item, entry.second, &value, &reason))
            problems.append(
                {entry.first, CHostTr::tr("%1: %2").arg(CWriteCheck::label(item), reason), data.governs(entry.first)});
    }
    return problems;
}

CParameterProblems CSetRestore::check(const CParameterSet &set) const
{
    CParameterProblems problems = entryProblems(set);
    if (!restIsUsable(problems))
        return problems;
    const CParameterSet before = CParameterSet::fromItems(m_root);
    const QSet<QString> skip = names(problems);
    apply(set, skip);
    // What would be written: the set's values the device does not hold yet.
    QList<CItem *> applied;
    for (const Entry &entry : entries(set, skip)) {
        CItem *item = entry.item;
        const bool held = m_parameters && m_parameters->wasRead(item)
            && m_parameters->deviceBytes(item) == CItemRegisters::registerBytes(item);
        if (isEditable(item) && CItemRegisters::isRegisterItem(item) && !held)
            applied.append(item);
    }
    const CDeviceData &data = dataOf(m_parameters);
    const QList<CItem *> items = m_parameters ? m_parameters->items() : applied;
    for (CParameterProblem problem : CWriteCheck(items, data).check(applied)) {
        problem.blocksRest = data.governs(problem.name);
        problems.append(problem);
    }
    restoreSnapshot(before);
    return problems;
}

QList<CParameterSet::Difference> CSetRestore::compare(const CParameterSet &set) const
{
    const CParameterSet before = CParameterSet::fromItems(m_root);
    const QSet<QString> skip = names(entryProblems(set));
    apply(set, skip);
    QList<CParameterSet::Difference> rows;
    for (CItem *item : CParameterSet::parameterItems(m_root)) {
        const QVariant raw = set.value(item->objectName());
        QVariant fileValue = item->value();
        QString reason;
        if (raw.isValid() && !skip.contains(item->objectName()) && !isEditable(item))
            CParameterSet::convertForItem(item, raw, &fileValue, &reason);
        const bool readFromDevice = m_parameters && m_parameters->wasRead(item);
        const QVariant earlier = before.value(item->objectName());
        if (!raw.isValid() && item->value() == earlier)
            continue;
        CParameterSet::Difference row;
        row.item = item;
        row.name = item->objectName();
        row.caption = item->fullCaption();
        row.fileText = withUnit(item, fileValue);
        row.deviceText = readFromDevice ? m_parameters->deviceText(item) : QString();
        row.writable = isEditable(item) && !skip.contains(item->objectName());
        row.readOnly = !isEditable(item);
        if (readFromDevice && CItemRegisters::isRegisterItem(item) && fileValue == item->value())
            row.differs = CItemRegisters::registerBytes(item) != m_parameters->deviceBytes(item);
        else
            row.differs = fileValue != earlier;
        rows.append(row);
    }
    restoreSnapshot(before);
    return rows;
}

// Back to a snapshot of the tree: its values as edits, then what the plugin
// pinned meanwhile (read-only values it derived) as it was.
void CSetRestore::restoreSnapshot(const CParameterSet &snapshot) const
{
    apply(snapshot);
    for (CItem *item : CParameterSet::parameterItems(m_root)) {
        const QVariant value = snapshot.value(item->objectName());
        if (value.isValid() && item->value() != value)
            item->setValue(value);
    }
}

QSet<QString> CSetRestore::names(const CParameterProblems &problems)
{
    QSet<QString> result;
    for (const CParameterProblem &problem : problems) {
        if (!problem.name.isEmpty())
            result.insert(problem.name);
    }
    return result;
}

bool CSetRestore::restIsUsable(const CParameterProblems &problems)
{
    return std::none_of(problems.cbegin(), problems.cend(),
                        [](const CParameterProblem &problem) { return problem.blocksRest; });
}

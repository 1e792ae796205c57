#include "cparametermodel.h"

#include "chostapptr.h"
#include "cparametertransfer.h"
#include "cvalueformat.h"
#include "description/citemregisters.h"
#include "items/citem.h"

#include <QApplication>
#include <QDateTime>
#include <QFont>
#include <QIcon>
#include <QStyle>

#include <limits>

namespace {

enum ValueKind { ListKind, BoolKind, TextKind, DateTimeKind, FloatKind, NumberKind };

ValueKind kindOf(int type)
{
    switch (type) {
    case CItem::DATA_TYPE_LIST16:
    case CItem::DATA_TYPE_LIST32:
    case CItem::DATA_TYPE_BITFIELD_ENTRY:
        return ListKind;
    case CItem::DATA_TYPE_BOOL:
        return BoolKind;
    case CItem::DATA_TYPE_TEXT16:
    case CItem::DATA_TYPE_TEXT8:
    case CItem::DATA_TYPE_BUILDDATE:
        return TextKind;
    case CItem::DATA_TYPE_DATETIME:
        return DateTimeKind;
    case CItem::DATA_TYPE_FLOAT:
        return FloatKind;
    default:
        return NumberKind;
    }
}

double factorOf(const CItem *item)
{
    return item->decimalFactor() == 0.0 ? 1.0 : item->decimalFactor();
}

// Stored integers keep an integer QVariant so that an unchanged value
// compares equal to what the item holds.
QVariant integerVariant(double value)
{
    const qint64 rounded = qRound64(value);
    if (rounded >= std::numeric_limits<int>::min() && rounded <= std::numeric_limits<int>::max())
        return QVariant(int(rounded));
    return QVariant(qlonglong(rounded));
}

} // namespace

CParameterModel::CParameterModel(QObject *parent)
    : QAbstractItemModel(parent)
{
}

void CParameterModel::setRoot(QObject *root)
{
    beginResetModel();
    for (auto it = m_rows.cbegin(); it != m_rows.cend(); ++it)
        disconnect(it.key(), nullptr, this, nullptr);
    m_children.clear();
    m_rows.clear();
    m_parents.clear();
    m_root = root;
    if (root)
        collect(root, root);
    endResetModel();
}

QObject *CParameterModel::root() const
{
    return m_root;
}

void CParameterModel::setTransfer(const CParameterTransfer *transfer)
{
    if (m_transfer)
        disconnect(m_transfer, nullptr, this, nullptr);
    m_transfer = transfer;
    if (transfer)
        connect(transfer, &CParameterTransfer::statesChanged, this, &CParameterModel::refreshTexts);
    refreshTexts();
}

CParameterModel::ValueState CParameterModel::valueState(const CItem *item) const
{
    if (!m_transfer || !CItemRegisters::isRegisterItem(item))
        return Unmarked;
    if (!m_transfer->writeFailure(item).isEmpty())
        return WriteFailed;
    if (!m_transfer->wasRead(item))
        return NotRead;
    if (CParameterTransfer::isWritable(item) && m_transfer->deviceBytes(item) != CItemRegisters::registerBytes(item))
        return Pending;
    return Unmarked;
}

QVariant CParameterModel::valueDecoration(const CItem *item, int role) const
{
    const ValueState state = valueState(item);
    switch (role) {
    case Qt::ForegroundRole:
        if (state == WriteFailed)
            return QColor(190, 20, 20);
        return state == NotRead ? QVariant(QColor(128, 128, 128)) : QVariant();
    case Qt::FontRole: {
        if (state == Unmarked)
            return QVariant();
        QFont font;
        font.setItalic(state == NotRead);
        font.setBold(state == Pending || state == WriteFailed);
        return font;
    }
    case Qt::DecorationRole:
        if (state == WriteFailed)
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        return state == NotRead ? QVariant(QApplication::style()->standardIcon(QStyle::SP_MessageBoxQuestion))
                                : QVariant();
    case Qt::ToolTipRole:
        switch (state) {
        case NotRead:
            return CHostAppTr::tr("%1\nNot read from the device: the value is not the device's")
                .arg(item->objectName());
        case Pending:
            return CHostAppTr::tr("%1\nChanged here, not yet written; the device holds %2")
                .arg(item->objectName(), m_transfer->deviceText(item));
        case WriteFailed:
            return CHostAppTr::tr("%1\nNot written: %2").arg(item->objectName(), m_transfer->writeFailure(item));
        case Unmarked:
            break;
        }
        return item->objectName();
    }
    return QVariant();
}

void CParameterModel::collect(QObject *source, QObject *modelParent)
{
    for (QObject *child : source->children()) {
        auto *item = qobject_cast<CItem *>(child);
        if (!item)
            continue;
        if (item->type() == CItem::DATA_TYPE_OBJECT) {
            collect(item, modelParent);
            continue;
        }
        QVector<CItem *> &children = m_children[modelParent];
        m_rows.insert(item, children.size());
        m_parents.insert(item, qobject_cast<CItem *>(modelParent));
        children.append(item);
        watch(item);
        collect(item, item);
    }
}

void CParameterModel::watch(CItem *item)
{
    connect(item, &CItem::valueChanged, this, [this, item] { itemChanged(item); });
    connect(item, &CItem::unitChanged, this, [this, item] { itemChanged(item); });
    connect(item, &CItem::readOnlyChanged, this, [this, item] { itemChanged(item); });
    connect(item, &CItem::decimalFactorChanged, this, [this, item] { itemChanged(item); });
    connect(item, &CItem::precisionChanged, this, [this, item] { itemChanged(item); });
    connect(item, &CItem::visibleChanged, this, [this, item] { emit itemVisibilityChanged(item); });
    // The items belong to the host's tree; forget them if it goes first.
    connect(item, &QObject::destroyed, this, [this] {
        if (!m_rows.isEmpty())
            setRoot(nullptr);
    });
}

void CParameterModel::itemChanged(CItem *item)
{
    emit dataChanged(indexOf(item, CaptionColumn), indexOf(item, UnitColumn));
}

void CParameterModel::refreshTexts()
{
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    for (auto it = m_rows.cbegin(); it != m_rows.cend(); ++it)
        itemChanged(const_cast<CItem *>(it.key()));
}

const QVector<CItem *> &CParameterModel::childrenOf(const QObject *parent) const
{
    static const QVector<CItem *> none;
    const auto it = m_children.constFind(parent);
    return it == m_children.cend() ? none : *it;
}

CItem *CParameterModel::item(const QModelIndex &index) const
{
    return index.isValid() ? static_cast<CItem *>(index.internalPointer()) : nullptr;
}

QModelIndex CParameterModel::indexOf(const CItem *item, int column) const
{
    const auto it = m_rows.constFind(item);
    if (it == m_rows.cend())
        return QModelIndex();
    return createIndex(*it, column, const_cast<CItem *>(item));
}

QModelIndex CParameterModel::index(int row, int column, const QModelIndex &parent) const
{
    const QObject *parentObject = parent.isValid() ? item(parent) : m_root.data();
    const QVector<CItem *> &children = childrenOf(parentObject);
    if (row < 0 || row >= children.size() || column < 0 || column >= ColumnCount)
        return QModelIndex();
    return createIndex(row, column, children.at(row));
}

QModelIndex CParameterModel::parent(const QModelIndex &child) const
{
    const CItem *childItem = item(child);
    if (!childItem)
        return QModelIndex();
    return indexOf(m_parents.value(childItem));
}

int CParameterModel::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    return childrenOf(parent.isValid() ? item(parent) : m_root.data()).size();
}

int CParameterModel::columnCount(const QModelIndex &) const
{
    return ColumnCount;
}

QVariant CParameterModel::data(const QModelIndex &index, int role) const
{
    const CItem *it = item(index);
    if (!it)
        return QVariant();
    if (role == ItemRole)
        return QVariant::fromValue<QObject *>(const_cast<CItem *>(it));
    const bool container = it->type() <= CItem::DATA_TYPE_GROUP;
    const bool marked = role == Qt::ForegroundRole || role == Qt::FontRole || role == Qt::DecorationRole;
    if (!container && index.column() == ValueColumn && (marked || role == Qt::ToolTipRole))
        return valueDecoration(it, role);
    // An edit not yet written marks its whole row, so it is found at a glance.
    if (!container && index.column() == CaptionColumn && role == Qt::FontRole) {
        const ValueState state = valueState(it);
        if (state != Pending && state != WriteFailed)
            return QVariant();
        QFont font;
        font.setBold(true);
        return font;
    }
    if (role == Qt::ToolTipRole)
        return it->objectName();
    if (role == Qt::EditRole && index.column() == ValueColumn)
        return editValue(it);
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (index.column()) {
    case CaptionColumn:
        return it->caption().isEmpty() ? it->objectName() : it->caption();
    case ValueColumn:
        return container ? QString() : CValueFormat::text(it);
    case UnitColumn:
        return it->unit();
    }
    return QVariant();
}

bool CParameterModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    CItem *it = item(index);
    if (!it || role != Qt::EditRole || index.column() != ValueColumn || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const QVariant stored = storedValue(it, value);
    // Closing an editor without a change is no edit: the plugin's follow-ups
    // must not run for it.
    if (stored == it->value())
        return true;
    it->setValue(stored);
    emit it->valueEdited();
    return true;
}

Qt::ItemFlags CParameterModel::flags(const QModelIndex &index) const
{
    const CItem *it = item(index);
    if (!it)
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == ValueColumn && !it->isReadOnly() && isEditableType(it))
        result |= Qt::ItemIsEditable;
    return result;
}

QVariant CParameterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case CaptionColumn:
        return CHostAppTr::tr("Parameter");
    case ValueColumn:
        return CHostAppTr::tr("Value");
    case UnitColumn:
        return CHostAppTr::tr("Unit");
    }
    return QVariant();
}

bool CParameterModel::isEditableType(const CItem *item)
{
    const int type = item->type();
    return type >= CItem::DATA_TYPE_TEXT16 && type <= CItem::DATA_TYPE_BUILDDATE;
}

QVariant CParameterModel::editValue(const CItem *item)
{
    const QVariant value = item->value();
    switch (kindOf(item->type())) {
    case ListKind:
        return value.toInt();
    case BoolKind:
        return value.toBool();
    case TextKind:
        return value.toString();
    case DateTimeKind:
        return value.toDateTime();
    case FloatKind:
        return value.toDouble();
    case NumberKind:
        break;
    }
    return value.toDouble() / factorOf(item);
}

QVariant CParameterModel::storedValue(const CItem *item, const QVariant &editValue)
{
    // Lists, texts and the like are stored as the editor gives them; only
    // scaled numbers need the way back.
    if (kindOf(item->type()) != NumberKind)
        return editValue;
    return integerVariant(editValue.toDouble() * factorOf(item));
}

#include "ctrafficmodel.h"

#include "chostapptr.h"
#include "cmodbusmaster.h"

#include <QBrush>
#include <QColor>
#include <QLocale>

CTrafficModel::CTrafficModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void CTrafficModel::setCapacity(int rows)
{
    m_capacity = qMax(1, rows);
    if (m_rows.size() > m_capacity) {
        beginRemoveRows(QModelIndex(), 0, m_rows.size() - m_capacity - 1);
        m_rows.remove(0, m_rows.size() - m_capacity);
        endRemoveRows();
    }
}

int CTrafficModel::capacity() const
{
    return m_capacity;
}

void CTrafficModel::setPaused(bool paused)
{
    m_paused = paused;
}

bool CTrafficModel::isPaused() const
{
    return m_paused;
}

void CTrafficModel::add(const CTrafficRecord &record)
{
    if (m_paused)
        return;
    if (m_rows.size() >= m_capacity) {
        // A tenth at a time, so a full table does not move every row per record.
        const int drop = qMax(1, m_capacity / 10);
        beginRemoveRows(QModelIndex(), 0, drop - 1);
        m_rows.remove(0, drop);
        endRemoveRows();
    }
    beginInsertRows(QModelIndex(), m_rows.size(), m_rows.size());
    m_rows.append(record);
    endInsertRows();
}

void CTrafficModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

const CTrafficRecord &CTrafficModel::record(int row) const
{
    return m_rows.at(row);
}

QString CTrafficModel::functionText(int code)
{
    switch (code) {
    case CRequest::ReadHoldingRegisters:
        return CHostAppTr::tr("Read holding registers (%1)").arg(code);
    case CRequest::ReadInputRegisters:
        return CHostAppTr::tr("Read input registers (%1)").arg(code);
    case CRequest::WriteSingleRegister:
        return CHostAppTr::tr("Write single register (%1)").arg(code);
    case CRequest::WriteMultipleRegisters:
        return CHostAppTr::tr("Write multiple registers (%1)").arg(code);
    default:
        return CHostAppTr::tr("Function %1").arg(code);
    }
}

QString CTrafficModel::resultText(const CTrafficRecord &record)
{
    switch (record.outcome) {
    case CTrafficRecord::Sent:
        return record.retry ? CHostAppTr::tr("retry") : QString();
    case CTrafficRecord::Answered:
        return CHostAppTr::tr("ok");
    case CTrafficRecord::Exception:
        return CHostAppTr::tr("exception %1 (%2)")
            .arg(record.exceptionCode)
            .arg(CModbusFrame::exceptionText(record.exceptionCode));
    case CTrafficRecord::Timeout:
        return CHostAppTr::tr("timeout");
    case CTrafficRecord::Failed:
        return record.error.isEmpty() ? CHostAppTr::tr("failed") : CHostAppTr::tr("failed: %1").arg(record.error);
    }
    return QString();
}

int CTrafficModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

int CTrafficModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CTrafficModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const CTrafficRecord &record = m_rows.at(index.row());
    if (role == Qt::DisplayRole)
        return text(record, index.column());
    if (role == Qt::ForegroundRole && record.outcome > CTrafficRecord::Answered)
        return QBrush(QColor(0xc6, 0x28, 0x28));
    if (role == Qt::ToolTipRole && index.column() == Bytes)
        return record.hex();
    const int column = index.column();
    if (role == Qt::TextAlignmentRole
        && (column == UnitId || column == Address || column == Count || column == RoundTrip))
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return QVariant();
}

QString CTrafficModel::text(const CTrafficRecord &record, int column) const
{
    const bool request = record.direction == CTrafficRecord::Request;
    switch (column) {
    case Time:
        return record.time.toString(QStringLiteral("hh:mm:ss.zzz"));
    case Direction:
        return request ? CHostAppTr::tr("request") : CHostAppTr::tr("response");
    case UnitId:
        return QString::number(record.unitId);
    case Function:
        return functionText(record.functionCode);
    case Address:
        return QStringLiteral("0x%1").arg(record.address, 4, 16, QLatin1Char('0'));
    case Count:
        return QString::number(record.count);
    case Bytes:
        return record.hex();
    case RoundTrip:
        return request ? QString() : CHostAppTr::tr("%1 ms").arg(QLocale().toString(record.roundTripUs / 1000.0, 'f', 1));
    case Result:
        return resultText(record);
    }
    return QString();
}

QVariant CTrafficModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Time: return CHostAppTr::tr("Time");
    case Direction: return CHostAppTr::tr("Direction");
    case UnitId: return CHostAppTr::tr("Unit id");
    case Function: return CHostAppTr::tr("Function");
    case Address: return CHostAppTr::tr("Address");
    case Count: return CHostAppTr::tr("Count");
    case Bytes: return CHostAppTr::tr("Bytes (hex)");
    case RoundTrip: return CHostAppTr::tr("Round trip");
    case Result: return CHostAppTr::tr("Result");
    }
    return QVariant();
}

void CTrafficModel::retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, 0), index(m_rows.size() - 1, ColumnCount - 1));
}

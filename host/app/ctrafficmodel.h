#ifndef CTRAFFICMODEL_H
#define CTRAFFICMODEL_H

#include "ctrafficrecord.h"

#include <QAbstractTableModel>
#include <QVector>

// The rows of the traffic monitor: one per request and one per response,
// timeout or failure, oldest first, at most capacity() (when full, the
// oldest tenth goes).
// Paused, it takes nothing new, so the rows on screen hold still.
class CTrafficModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Time, Direction, UnitId, Function, Address, Count, Bytes, RoundTrip, Result, ColumnCount };
    static const int DefaultCapacity = 5000;

    explicit CTrafficModel(QObject *parent = nullptr);

    void setCapacity(int rows);
    int capacity() const;
    void setPaused(bool paused);
    bool isPaused() const;

    // Appends record unless paused, dropping the oldest rows when full.
    void add(const CTrafficRecord &record);
    void clear();
    const CTrafficRecord &record(int row) const;

    // Texts of a function code ("Read holding registers (3)") and of a
    // record's outcome ("exception 2 (illegal data address)").
    static QString functionText(int code);
    static QString resultText(const CTrafficRecord &record);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The texts changed language.
    void retranslate();

private:
    QString text(const CTrafficRecord &record, int column) const;

    QVector<CTrafficRecord> m_rows;
    int m_capacity = DefaultCapacity;
    bool m_paused = false;
};

#endif // CTRAFFICMODEL_H

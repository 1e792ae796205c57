#include "cvaluetable.h"

#include <QHeaderView>

namespace {

const QColor highlightColor(255, 236, 153);

} // namespace

CValueTable::CValueTable(int columns, int stretchColumn, QWidget *parent)
    : QTableWidget(parent)
{
    setColumnCount(columns);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(stretchColumn, QHeaderView::Stretch);
}

void CValueTable::setRow(int row, const QStringList &texts, bool highlighted, const QList<int> &valueColumns)
{
    for (int column = 0; column < columnCount(); ++column) {
        auto *cell = new QTableWidgetItem(texts.value(column));
        if (highlighted)
            cell->setBackground(highlightColor);
        if (valueColumns.contains(column))
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setItem(row, column, cell);
    }
}

bool CValueTable::isHighlighted(int row) const
{
    const QTableWidgetItem *cell = item(row, 0);
    return cell && cell->background().color() == highlightColor;
}

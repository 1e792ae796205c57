#ifndef CVALUETABLE_H
#define CVALUETABLE_H

#include <QTableWidget>

// A read-only table of parameter values, one row per parameter, selected by
// rows; one column stretches, the others keep the width of their contents.
// Rows may be highlighted (a value that differs or changes).
class CValueTable : public QTableWidget
{
    Q_OBJECT

public:
    CValueTable(int columns, int stretchColumn, QWidget *parent = nullptr);

    // Fills row with texts; values (by column) are right-aligned.
    void setRow(int row, const QStringList &texts, bool highlighted, const QList<int> &valueColumns = {});
    bool isHighlighted(int row) const;
};

#endif // CVALUETABLE_H

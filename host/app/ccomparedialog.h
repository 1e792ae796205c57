#ifndef CCOMPAREDIALOG_H
#define CCOMPAREDIALOG_H

#include "cparameterset.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class CValueTable;
class QTableWidget;

// Shows a parameter set beside the device's values: one row per parameter
// with name, caption, file value and device value (each with its unit);
// rows that differ are highlighted. Accepting the dialog ("Write
// differences") asks the caller to write the set's differing values.
class CCompareDialog : public QDialog
{
    Q_OBJECT

public:
    enum Column { NameColumn, CaptionColumn, FileColumn, DeviceColumn, ColumnCount };

    explicit CCompareDialog(const QList<CParameterSet::Difference> &rows, QWidget *parent = nullptr);

    // The rows whose file and device values differ.
    QList<CParameterSet::Difference> differences() const;
    // Offers or withholds "Write differences" (there is nothing to write to
    // without a connection, or when no writable parameter differs).
    void setWriteEnabled(bool enabled);
    // The table (for tests and screenshots).
    QTableWidget *table() const;
    // Whether a row is highlighted as different.
    bool isHighlighted(int row) const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void fillTable();
    void applyFilter();
    void retranslate();

    QList<CParameterSet::Difference> m_rows;
    CValueTable *m_table;
    QLabel *m_summary;
    QCheckBox *m_onlyDifferences;
    QPushButton *m_writeButton;
    QPushButton *m_closeButton;
};

#endif // CCOMPAREDIALOG_H

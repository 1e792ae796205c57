#ifndef CWRITEPREVIEWDIALOG_H
#define CWRITEPREVIEWDIALOG_H

#include <QDialog>
#include <QList>
#include <QStringList>

class CItem;
class CParameterTransfer;
class QLabel;
class QPushButton;
class CValueTable;
class QTableWidget;

// Asks before a write: one row per parameter with its caption, the value the
// device holds, the value to be written and the unit; changed rows are
// highlighted. When the write changes the device's line settings, a warning
// says how the link will change.
class CWritePreviewDialog : public QDialog
{
    Q_OBJECT

public:
    enum Column { ParameterColumn, DeviceColumn, NewColumn, UnitColumn, ColumnCount };

    CWritePreviewDialog(const CParameterTransfer &parameters, const QList<CItem *> &items,
                        const QStringList &lineChanges, QWidget *parent = nullptr);

    QTableWidget *table() const;
    // The line-setting warning (hidden when the link stays as it is).
    QLabel *lineWarning() const;
    // How many rows change a value on the device.
    int changedCount() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void fillTable(const CParameterTransfer &parameters, const QList<CItem *> &items);
    void retranslate();

    CValueTable *m_table;
    QLabel *m_summary;
    QLabel *m_lineWarning;
    QPushButton *m_writeButton;
    QStringList m_lineChanges;
    int m_changed = 0;
};

#endif // CWRITEPREVIEWDIALOG_H

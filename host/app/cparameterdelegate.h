#ifndef CPARAMETERDELEGATE_H
#define CPARAMETERDELEGATE_H

#include <QStyledItemDelegate>

class CItem;

// Editors for the value column, chosen by the item's type: list entries and
// on/off in a combo box, numbers in a number field with the item's decimals
// that refuses a value outside the item's range (the editor stays open and
// says the allowed range; leaving it drops the value), date-times in a
// date-time edit, texts in a line edit.
class CParameterDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit CParameterDelegate(QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

    // An editor whose value would be taken: false (and the problem shown
    // and reported with inputRefused) when it lies outside the allowed range.
    bool accepts(QWidget *editor) const;

    // The editor for one item (exposed for tests and other views).
    static QWidget *editorFor(const CItem *item, QWidget *parent);
    // Bounds of the number editor in displayed units: the item's range, or
    // the type's own limits when the item has no range.
    static QPair<double, double> displayRange(const CItem *item);

signals:
    // A typed value was not taken; text names it and the allowed range.
    void inputRefused(const QString &text) const;

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    static CItem *itemOf(const QModelIndex &index);
};

#endif // CPARAMETERDELEGATE_H

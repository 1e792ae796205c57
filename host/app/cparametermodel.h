#ifndef CPARAMETERMODEL_H
#define CPARAMETERMODEL_H

#include <QAbstractItemModel>
#include <QHash>
#include <QPointer>
#include <QVector>

class CItem;
class CParameterTransfer;

// Tree model over the CItem tree below one root object: one row per item,
// columns caption, value text and unit. Object containers are left out (their
// items take their place): their names are internal, their first groups
// carry the captions the user knows. The model shows every item, hidden
// ones included; CVisibleItemFilter removes those. Item signals update the
// rows at once, so changes the plugin makes show without a refresh.
// With a parameter transfer, the value column marks what the device has not
// confirmed: values never read or whose read failed (grey, italic), values
// changed here and not yet written (bold), writes that failed (red).
class CParameterModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    enum Column { CaptionColumn, ValueColumn, UnitColumn, ColumnCount };
    // The CItem of a row, as a QObject pointer.
    static constexpr int ItemRole = Qt::UserRole + 1;

    explicit CParameterModel(QObject *parent = nullptr);

    // Shows the items below root (null: none). The item tree must not gain or
    // lose items while it is shown; call setRoot again after rebuilding it.
    void setRoot(QObject *root);
    QObject *root() const;
    // What the device reported and what failed (not owned; null: no marks).
    void setTransfer(const CParameterTransfer *transfer);

    // How a value stands against the device.
    enum ValueState { Unmarked, NotRead, Pending, WriteFailed };
    ValueState valueState(const CItem *item) const;

    // The item of an index of this model; null for an invalid index.
    CItem *item(const QModelIndex &index) const;
    // The index of an item in the given column; invalid when not in the tree.
    QModelIndex indexOf(const CItem *item, int column = CaptionColumn) const;

    // Whether the value column of the item can be edited in the tree.
    static bool isEditableType(const CItem *item);
    // The value an editor works with: list index, on/off, displayed number
    // (stored / decimal factor) or text.
    static QVariant editValue(const CItem *item);
    // Converts an editor value back to stored units (inverse of editValue).
    static QVariant storedValue(const CItem *item, const QVariant &editValue);

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // Sets the stored value from an editor value and then emits valueEdited()
    // on the item, as a user edit does, so the plugin's follow-ups run.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Re-reads every text (after a language switch).
    void refreshTexts();

signals:
    // An item's visibility changed; the filter re-evaluates its rows.
    void itemVisibilityChanged(CItem *item);

private:
    void collect(QObject *source, QObject *modelParent);
    void watch(CItem *item);
    void itemChanged(CItem *item);
    const QVector<CItem *> &childrenOf(const QObject *parent) const;

    QVariant valueDecoration(const CItem *item, int role) const;

    QPointer<QObject> m_root;
    QPointer<const CParameterTransfer> m_transfer;
    QHash<const QObject *, QVector<CItem *>> m_children;
    QHash<const CItem *, int> m_rows;
    QHash<const CItem *, CItem *> m_parents; // null: top level
};

#endif // CPARAMETERMODEL_H

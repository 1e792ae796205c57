#ifndef CPARAMETERTREE_H
#define CPARAMETERTREE_H

#include <QTreeView>

// The window's view of the parameters: caption, value and unit rows with
// the value editors of CParameterDelegate. Values and units keep the room
// they need; captions take the rest and are shortened first, so the unit
// stays in view in a small window.
class CParameterTree : public QTreeView
{
    Q_OBJECT

public:
    explicit CParameterTree(QWidget *parent = nullptr);

    // Shows model (a CParameterModel, or a proxy with its columns).
    void setModel(QAbstractItemModel *model) override;

signals:
    // An editor's value was not taken; text says why.
    void inputRefused(const QString &text);
};

#endif // CPARAMETERTREE_H

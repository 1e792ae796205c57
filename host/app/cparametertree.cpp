#include "cparametertree.h"

#include "cparameterdelegate.h"
#include "cparametermodel.h"

#include <QHeaderView>

CParameterTree::CParameterTree(QWidget *parent)
    : QTreeView(parent)
{
    setObjectName(QStringLiteral("ParameterTree"));
    auto *delegate = new CParameterDelegate(this);
    connect(delegate, &CParameterDelegate::inputRefused, this, &CParameterTree::inputRefused);
    setItemDelegate(delegate);
    setAlternatingRowColors(true);
    setUniformRowHeights(true);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                    | QAbstractItemView::EditKeyPressed);
    setTextElideMode(Qt::ElideRight);
}

void CParameterTree::setModel(QAbstractItemModel *model)
{
    QTreeView::setModel(model);
    // The header's sections exist once there is a model.
    QHeaderView *columns = header();
    columns->setStretchLastSection(false);
    columns->setSectionResizeMode(CParameterModel::CaptionColumn, QHeaderView::Stretch);
    columns->setSectionResizeMode(CParameterModel::ValueColumn, QHeaderView::ResizeToContents);
    columns->setSectionResizeMode(CParameterModel::UnitColumn, QHeaderView::ResizeToContents);
    columns->setMinimumSectionSize(48);
}

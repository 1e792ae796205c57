#include "cvisibleitemfilter.h"

#include "cparametermodel.h"
#include "items/citem.h"

CVisibleItemFilter::CVisibleItemFilter(QObject *parent)
    : QSortFilterProxyModel(parent)
{
}

void CVisibleItemFilter::setParameterModel(CParameterModel *model)
{
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    setSourceModel(model);
    if (model)
        connect(model, &CParameterModel::itemVisibilityChanged, this, &CVisibleItemFilter::invalidateFilter);
}

CItem *CVisibleItemFilter::item(const QModelIndex &index) const
{
    return m_model ? m_model->item(mapToSource(index)) : nullptr;
}

bool CVisibleItemFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const QModelIndex index = m_model->index(sourceRow, 0, sourceParent);
    const CItem *item = m_model->item(index);
    if (!item || !item->isVisible())
        return false;
    if (item->type() > CItem::DATA_TYPE_GROUP)
        return true;
    // A group shows only while it has something to show: a caption with
    // nothing under it is no use in the tree.
    for (int row = 0; row < m_model->rowCount(index); ++row) {
        if (filterAcceptsRow(row, index))
            return true;
    }
    return false;
}

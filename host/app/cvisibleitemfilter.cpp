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
    const CItem *item = m_model->item(m_model->index(sourceRow, 0, sourceParent));
    return item && item->isVisible();
}

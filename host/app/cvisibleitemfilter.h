#ifndef CVISIBLEITEMFILTER_H
#define CVISIBLEITEMFILTER_H

#include <QSortFilterProxyModel>

class CItem;
class CParameterModel;

// Shows only the visible items of a CParameterModel (a hidden item hides its
// subtree) and the groups that still hold a shown item, and follows
// visibility changes as they happen.
class CVisibleItemFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit CVisibleItemFilter(QObject *parent = nullptr);

    // Filters model; the model must outlive the filter's use of it.
    void setParameterModel(CParameterModel *model);
    // The item of an index of this filter; null for an invalid index.
    CItem *item(const QModelIndex &index) const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    CParameterModel *m_model = nullptr;
};

#endif // CVISIBLEITEMFILTER_H

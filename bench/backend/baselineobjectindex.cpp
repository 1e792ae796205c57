// Baseline lookup for the benchmark: collect every match with a regular
// expression, then take the first. Linked into the baseline module in place of
// the backend's own index.
#include "backend/cobjectindex.h"

#include <QRegularExpression>

CObjectIndex::Run::Run(CObjectIndex &index) : m_index(index) {}

CObjectIndex::Run::~Run() = default;

CObjectIndex::CObjectIndex() = default;

CObjectIndex::~CObjectIndex() = default;

QObject *CObjectIndex::find(const QObject *root, const QString &pattern)
{
    if (!root)
        return nullptr;
    return root->findChildren<QObject *>(QRegularExpression(pattern)).value(0);
}

bool CObjectIndex::eventFilter(QObject *, QEvent *)
{
    return false;
}

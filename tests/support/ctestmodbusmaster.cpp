#include "ctestmodbusmaster.h"

CTestModbusMaster::CTestModbusMaster(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("ModbusMaster"));
}

const QList<CRequest> &CTestModbusMaster::requests() const
{
    return m_requests;
}

void CTestModbusMaster::clearRequests()
{
    m_requests.clear();
}

void CTestModbusMaster::respond(const QByteArray &response)
{
    emit dataResponse(response);
}

void CTestModbusMaster::buildRequest(const CRequest &request)
{
    m_requests.append(request);
}

#ifndef CTESTMODBUSMASTER_H
#define CTESTMODBUSMASTER_H

#include "backend/crequest.h"

#include <QByteArray>
#include <QList>
#include <QObject>

// Stand-in for the host's communication master "ModbusMaster": records every
// request it receives and delivers responses on demand.
class CTestModbusMaster : public QObject
{
    Q_OBJECT

public:
    explicit CTestModbusMaster(QObject *parent = nullptr) : QObject(parent)
    {
        setObjectName(QStringLiteral("ModbusMaster"));
    }

    // Requests received so far, oldest first.
    const QList<CRequest> &requests() const { return m_requests; }
    void clearRequests() { m_requests.clear(); }
    void respond(const QByteArray &response) { emit dataResponse(response); }

signals:
    void dataResponse(const QByteArray &);

public slots:
    void buildRequest(const CRequest &request) { m_requests.append(request); }

private:
    QList<CRequest> m_requests;
};

#endif // CTESTMODBUSMASTER_H

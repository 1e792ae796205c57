#ifndef CTESTPARAMETER_H
#define CTESTPARAMETER_H

#include <QByteArray>
#include <QObject>

// Stand-in for the host's object "Parameter", which reports completed data transfers with the device.
class CTestParameter : public QObject
{
    Q_OBJECT

public:
    explicit CTestParameter(QObject *parent = nullptr) : QObject(parent)
    {
        setObjectName(QStringLiteral("Parameter"));
    }

    void finishTransfer() { emit dataFinished(QByteArray()); }

signals:
    void dataFinished(const QByteArray &);
};

#endif // CTESTPARAMETER_H

#include "ctestparameter.h"

CTestParameter::CTestParameter(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("Parameter"));
}

void CTestParameter::finishTransfer()
{
    emit dataFinished(QByteArray());
}

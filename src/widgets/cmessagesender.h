#ifndef CMESSAGESENDER_H
#define CMESSAGESENDER_H

#include "items/loomwork_global.h"

#include <QObject>
#include <QString>

// The family's message channel: code that wants to report something emits
// the matching signal; connected receivers decide what to do with the texts.
class LOOMWORK_EXPORT CMessageSender : public QObject
{
    Q_OBJECT

public:
    explicit CMessageSender(QObject *parent = nullptr);

signals:
    void logMessage(QString);
    void errorMessage(QString, QString);
    void warningMessage(QString, QString);
    void infoMessage(QString, QString);
};

#endif // CMESSAGESENDER_H

#include "widgets/cmessagesender.h"

CMessageSender::CMessageSender(QObject *parent)
    : QObject(parent)
{
}

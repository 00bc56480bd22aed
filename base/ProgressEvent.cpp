#include "ProgressEvent.h"

#include <QCoreApplication>

CEventBase::~CEventBase() = default;

void PostProgress(QObject* receiver, int64_t current, int64_t total)
{
    if (receiver)
        QCoreApplication::postEvent(receiver, new CEventBase(current, total), Qt::NormalEventPriority);
}

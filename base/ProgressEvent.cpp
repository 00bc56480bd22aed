#include "ProgressEvent.h"

#include <QCoreApplication>

CEventBase::~CEventBase() = default;

CPhaseEvent::~CPhaseEvent() = default;

void PostProgress(QObject* receiver, int64_t current, int64_t total)
{
    if (receiver)
        QCoreApplication::postEvent(receiver, new CEventBase(current, total), Qt::NormalEventPriority);
}

void PostPhase(QObject* receiver, const QString& name)
{
    if (receiver)
        QCoreApplication::postEvent(receiver, new CPhaseEvent(name), Qt::NormalEventPriority);
}

void PostNote(QObject* receiver, const QString& text)
{
    if (receiver)
        QCoreApplication::postEvent(receiver, new CPhaseEvent(text, true), Qt::NormalEventPriority);
}

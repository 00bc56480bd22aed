#pragma once
// The program's custom event: progress of a long flash or song operation,
// posted to the window that shows the progress bar.
#include <QEvent>

#include <cstdint>

class QObject;

constexpr QEvent::Type kProgressEventType = QEvent::Type(1008);

class CEventBase : public QEvent {
public:
    CEventBase(int64_t current_, int64_t total_) : QEvent(kProgressEventType), current(current_), total(total_) {}
    ~CEventBase() override;

    int64_t current;
    int64_t total;
};

using ProgressEvent = CEventBase;

// Posts a progress event with normal priority; a null receiver is ignored.
void PostProgress(QObject* receiver, int64_t current, int64_t total);

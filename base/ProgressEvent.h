#pragma once
// The program's custom event: progress of a long flash or song operation,
// posted to the window that shows the progress bar.
#include <QEvent>

#include <QString>

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

// How the progress events of a phase count: bytes of a song, or percent of
// a whole firmware update.
enum class ProgressUnit { Bytes, Percent };

constexpr QEvent::Type kPhaseEventType = QEvent::Type(1009);

// The start of a phase of an operation, e.g. "Backup Song 003": the progress
// events that follow count its amount.
class CPhaseEvent : public QEvent {
public:
    CPhaseEvent(QString name_, ProgressUnit unit_) : QEvent(kPhaseEventType), name(std::move(name_)), unit(unit_) {}
    ~CPhaseEvent() override;

    QString name;
    ProgressUnit unit;
};

// Posts a progress event with normal priority; a null receiver is ignored.
void PostProgress(QObject* receiver, int64_t current, int64_t total);
// Posts the start of a phase; a null receiver is ignored.
void PostPhase(QObject* receiver, const QString& name, ProgressUnit unit = ProgressUnit::Bytes);

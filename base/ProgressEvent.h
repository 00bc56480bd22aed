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

constexpr QEvent::Type kPhaseEventType = QEvent::Type(1009);

// The next part of an operation, e.g. "Backup Song 003 (2 of 5)": the bar
// takes its name; the progress events go on counting the whole run.
class CPhaseEvent : public QEvent {
public:
    explicit CPhaseEvent(QString name_, bool note_ = false)
        : QEvent(kPhaseEventType), name(std::move(name_)), note(note_)
    {
    }
    ~CPhaseEvent() override;

    QString name;
    // A line of its own that no amount follows, e.g. "Song 004 unchanged".
    bool note;
};

// Posts a progress event with normal priority; a null receiver is ignored.
void PostProgress(QObject* receiver, int64_t current, int64_t total);
// Posts the start of the next part; a null receiver is ignored.
void PostPhase(QObject* receiver, const QString& name);
// Posts a note, e.g. "Song 004 unchanged"; a null receiver is ignored.
void PostNote(QObject* receiver, const QString& text);

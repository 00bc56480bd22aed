#pragma once
// The progress of a whole firmware update as the face shows it: one
// percentage over every step of its plan, never going back, with the step's
// name and the time left from the rate so far, e.g. "Erase section 1 of 3 —
// 12% — 0:41 left". The device link's write chunks are posted to this
// object, which maps them into the step under way.
#include "ProgressMeter.h"
#include "UpdatePlan.h"

#include <QObject>
#include <QString>

#include <functional>

// What the face does with a running update.
struct UpdateView {
    // The bar: percent of the whole update and its text.
    std::function<void(int percent, const QString& text)> progress;
    // The stretch from the first erase to the end of the write began or
    // ended; Cancellable() tells which.
    std::function<void()> stretchChanged;
    // A cancel asked for during that stretch was refused: the text says so.
    std::function<void(const QString& text)> cancelRefused;
};

class CUpdateProgress : public QObject {
public:
    CUpdateProgress(const CUpdatePlan& plan, const UpdateView& view);

    // A step begins; a write step counts the write chunks of length bytes.
    void Begin(size_t step, uint32_t length = 0);
    // The step under way is done to done of total.
    void Report(uint64_t done, uint64_t total);
    // Where the step under way stopped: "Write of section 2 of 3".
    QString StepFailedText() const { return m_plan.FailedStepText(m_step); }
    // How many bytes the write step under way has written.
    uint64_t WrittenBytes() const { return m_written; }
    // Refuses a cancel asked for meanwhile and clears it.
    void RefuseCancel();

protected:
    void customEvent(QEvent* event) override;

private:
    const CUpdatePlan& m_plan;
    const UpdateView& m_view;
    CProgressMeter m_meter;
    size_t m_step = 0;
    uint32_t m_length = 0;
    uint64_t m_chunks = 0;
    uint64_t m_written = 0;
    uint64_t m_shown = 0;
};

// The text of a refused cancel.
extern const char* const kUpdateGoesOn;

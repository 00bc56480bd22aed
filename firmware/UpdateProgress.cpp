#include "UpdateProgress.h"

#include "Operation.h"
#include "ProgressEvent.h"
#include "USBPort.h"

#include <QCoreApplication>

#include <algorithm>

const char* const kUpdateGoesOn = QT_TRANSLATE_NOOP("UpdateProgress",
                                                   "The firmware update cannot be stopped once it erases the flash: it "
                                                   "goes on. Do not unplug the pedal.");

namespace {
}

CUpdateProgress::CUpdateProgress(const CUpdatePlan& plan, const UpdateView& view) : m_plan(plan), m_view(view)
{
    m_meter.SetPhase(QString(), ProgressUnit::Percent);
}

void CUpdateProgress::Begin(size_t step, uint32_t length)
{
    m_step = step;
    m_length = length;
    m_chunks = (uint64_t(length) + CUSBPort::kWriteChunk - 1) / CUSBPort::kWriteChunk;
    m_written = 0;
    Report(0, 1);
}

void CUpdateProgress::Report(uint64_t done, uint64_t total)
{
    // Never back: the plan's steps only add up.
    m_shown = std::max(m_shown, m_plan.Done(m_step, done, total));
    const uint64_t all = std::max<uint64_t>(m_plan.Total(), 1);
    const int percent = int(m_shown * 100 / all);
    if (m_view.progress)
        m_view.progress(percent, m_plan.StepText(m_step) + kProgressSeparator + m_meter.Text(int64_t(m_shown), int64_t(all)));
    RefuseCancel();
}

void CUpdateProgress::RefuseCancel()
{
    if (Cancellable() || !CancelRequested())
        return;
    ClearCancel();
    if (m_view.cancelRefused)
        m_view.cancelRefused(QCoreApplication::translate("UpdateProgress", kUpdateGoesOn));
}

// A write chunk of the step under way; the chunk count tells it from a late
// event of an earlier run.
void CUpdateProgress::customEvent(QEvent* event)
{
    if (event->type() != kProgressEventType)
        return;
    const auto* chunk = static_cast<const CEventBase*>(event);
    if (m_plan.Step(m_step).phase != UpdatePhase::Write || uint64_t(chunk->total) != m_chunks || chunk->current <= 0)
        return;
    m_written = std::min<uint64_t>(uint64_t(chunk->current) * CUSBPort::kWriteChunk, m_length);
    Report(uint64_t(chunk->current), m_chunks);
}

#include "UpdatePlan.h"

#include <QCoreApplication>

namespace {
// One exchange on the link: a millisecond's latency each way.
constexpr uint64_t kExchangeUs = 2000;
// A sector of the microcontroller's flash erases in about 20 ms, a NAND block in about 3 ms.
constexpr uint64_t kEraseUs[2] = {20000, 3000};
// A byte written: 8/7 of it on a 250,000 bytes/s link (4.6 us), plus
// programming at 160,000 bytes/s (6.3 us) on flash 0, a NAND page's share on flash 1.
constexpr uint64_t kWriteUsPerByte[2] = {11, 5};
// The pedal sums what it holds far faster than it receives it.
constexpr uint64_t kVerifyBytesPerUs = 16;

struct Text {
    Q_DECLARE_TR_FUNCTIONS(UpdatePlan)
};

// "Erase section 1 of 3" (running) or "Erase of section 1 of 3" (where it stopped).
QString PhaseText(UpdatePhase phase, bool stopped)
{
    switch (phase) {
    case UpdatePhase::Erase:
        return stopped ? Text::tr("Erase of section %1 of %2") : Text::tr("Erase section %1 of %2");
    case UpdatePhase::Write:
        return stopped ? Text::tr("Write of section %1 of %2") : Text::tr("Write section %1 of %2");
    case UpdatePhase::Verify:
        break;
    }
    return stopped ? Text::tr("Verify of section %1 of %2") : Text::tr("Verify section %1 of %2");
}
}  // namespace

size_t CUpdatePlan::Add(UpdatePhase phase, uint32_t section, uint64_t weight)
{
    m_steps.push_back({phase, section, weight});
    m_before.push_back(m_total);
    m_total += weight;
    return m_steps.size() - 1;
}

size_t CUpdatePlan::AddErase(uint32_t section, uint32_t flash_no, uint32_t sectors)
{
    return Add(UpdatePhase::Erase, section, uint64_t(sectors) * (kEraseUs[flash_no ? 1 : 0] + kExchangeUs));
}

size_t CUpdatePlan::AddWrite(uint32_t section, uint32_t flash_no, uint32_t bytes)
{
    return Add(UpdatePhase::Write, section, uint64_t(bytes) * kWriteUsPerByte[flash_no ? 1 : 0] + kExchangeUs);
}

size_t CUpdatePlan::AddVerify(uint32_t section, uint32_t bytes)
{
    return Add(UpdatePhase::Verify, section, kExchangeUs + bytes / kVerifyBytesPerUs);
}

QString CUpdatePlan::StepText(size_t step) const
{
    const UpdateStep& s = m_steps[step];
    return PhaseText(s.phase, false).arg(s.section).arg(m_sections);
}

QString CUpdatePlan::FailedStepText(size_t step) const
{
    const UpdateStep& s = m_steps[step];
    return PhaseText(s.phase, true).arg(s.section).arg(m_sections);
}

uint64_t CUpdatePlan::Done(size_t step, uint64_t done, uint64_t total) const
{
    const uint64_t weight = m_steps[step].weight;
    const uint64_t share = total == 0 ? 0 : (done >= total ? weight : weight * done / total);
    return m_before[step] + share;
}

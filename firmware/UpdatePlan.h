#pragma once
// The steps of a firmware update with the time each is expected to take,
// so that one bar runs 0 to 100 once over every erase, write and verify:
// erase by the sector, write by the byte (the link and the programming),
// verify by the run. The figures are those of a USB full-speed MIDI pedal
// with a microcontroller flash (0) and a NAND song flash (1).
#include <QString>

#include <cstdint>
#include <vector>

enum class UpdatePhase { Erase, Write, Verify };

struct UpdateStep {
    UpdatePhase phase;
    uint32_t section;  // 1-based, as the file numbers it
    uint64_t weight;   // expected microseconds
};

class CUpdatePlan {
public:
    explicit CUpdatePlan(uint32_t sections = 0) : m_sections(sections) {}

    // Adds a step and returns its index.
    size_t AddErase(uint32_t section, uint32_t flash_no, uint32_t sectors);
    size_t AddWrite(uint32_t section, uint32_t flash_no, uint32_t bytes);
    size_t AddVerify(uint32_t section, uint32_t bytes);

    // "Erase section 1 of 3", "Write section 2 of 3", "Verify section 2 of 3".
    QString StepText(size_t step) const;
    // The work done once step is done to fraction done/total, in the unit of Total().
    uint64_t Done(size_t step, uint64_t done, uint64_t total) const;
    uint64_t Total() const { return m_total; }
    // Where a step stopped: "Erase of section 2 of 3".
    QString FailedStepText(size_t step) const;
    const UpdateStep& Step(size_t step) const { return m_steps[step]; }

private:
    size_t Add(UpdatePhase phase, uint32_t section, uint64_t weight);

    uint32_t m_sections;
    std::vector<UpdateStep> m_steps;
    std::vector<uint64_t> m_before;  // the weight of the steps before each
    uint64_t m_total = 0;
};

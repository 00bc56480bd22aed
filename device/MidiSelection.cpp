// Which MIDI service carries the bytes: every path at once unless
// CORVANTA_MIDI_API pins one.
#include "MidiPaths.h"

#include <cstdlib>
#include <mutex>

namespace {

// Chooses at the first port object, so that a run that needs no MIDI
// probes nothing.
class CChosenOnFirstUse : public IMidiService {
public:
    std::unique_ptr<IMidiIn> createInput(const std::string& client, unsigned queueLimit) override
    {
        return Chosen().createInput(client, queueLimit);
    }
    std::unique_ptr<IMidiOut> createOutput(const std::string& client) override { return Chosen().createOutput(client); }

private:
    IMidiService& Chosen()
    {
        std::call_once(m_once, [this] {
            const char* setting = std::getenv("CORVANTA_MIDI_API");
            m_chosen = ChooseMidiService(setting ? setting : "");
        });
        return *m_chosen;
    }

    std::once_flag m_once;
    std::unique_ptr<IMidiService> m_chosen;
};

}  // namespace

std::unique_ptr<IMidiService> ChooseMidiService(const std::string& setting)
{
    if (setting == "alsa-raw")
        return CreateRawMidiService();
    if (!setting.empty())
        return CreateRtMidiService(setting);
    return CreateSystemMidiPaths();
}

IMidiService& SystemMidi()
{
    static CChosenOnFirstUse service;
    return service;
}

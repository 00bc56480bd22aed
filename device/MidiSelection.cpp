// Which MIDI service carries the bytes: hardware through ALSA raw MIDI,
// bridged devices and the demo through JACK, RtMidi's ALSA sequencer only
// when asked for.
#include "MidiService.h"

#include <cstdlib>
#include <mutex>

namespace {

bool HasOutputPorts(IMidiService& service)
{
    try {
        return service.createOutput("RtMidi Output Client")->getPortCount() > 0;
    } catch (const MidiError&) {
        return false;
    }
}

// Chooses at the first port object, so that a run that needs no MIDI
// probes nothing (an absent JACK server prints its complaints).
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
    auto raw = CreateRawMidiService();
    if (HasOutputPorts(*raw))
        return raw;
    auto jack = CreateRtMidiService("jack");
    if (HasOutputPorts(*jack))
        return jack;
    return raw;
}

IMidiService& SystemMidi()
{
    static CChosenOnFirstUse service;
    return service;
}

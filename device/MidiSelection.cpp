// Which MIDI service carries the bytes: hardware through ALSA raw MIDI,
// bridged devices and the demo through JACK, RtMidi's ALSA sequencer only
// when asked for.
#include "MidiService.h"

#include <cstdlib>

namespace {

bool HasOutputPorts(IMidiService& service)
{
    try {
        return service.createOutput("RtMidi Output Client")->getPortCount() > 0;
    } catch (const MidiError&) {
        return false;
    }
}

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
    static const std::unique_ptr<IMidiService> service = [] {
        const char* setting = std::getenv("CORVANTA_MIDI_API");
        return ChooseMidiService(setting ? setting : "");
    }();
    return *service;
}

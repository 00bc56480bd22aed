#pragma once
// Every MIDI path of the system as one service: the ports of ALSA raw MIDI,
// then those of the ALSA sequencer, then those of JACK, in one list that is
// read afresh at every listing, so a pedal is found however and whenever it
// appears. A port object opens a port on the path the index falls in.
#include "MidiService.h"

#include <memory>
#include <vector>

struct MidiPathService {
    MidiPathKind kind;
    std::unique_ptr<IMidiService> service;
};

class CMidiPaths : public IMidiService {
public:
    explicit CMidiPaths(std::vector<MidiPathService> paths);

    std::unique_ptr<IMidiIn> createInput(const std::string& clientName, unsigned queueSizeLimit) override;
    std::unique_ptr<IMidiOut> createOutput(const std::string& clientName) override;

    size_t PathCount() const { return m_paths.size(); }
    MidiPathKind KindAt(size_t path) const { return m_paths[path].kind; }
    IMidiService& ServiceAt(size_t path) { return *m_paths[path].service; }

private:
    std::vector<MidiPathService> m_paths;
};

// The paths of this system: raw MIDI, the sequencer while /dev/snd/seq can
// be opened, and JACK while the JACK server runs (so that an absent one
// prints no complaints).
std::unique_ptr<CMidiPaths> CreateSystemMidiPaths();

// The text of a path kind in reports: "raw MIDI", "ALSA sequencer", "JACK".
const char* PathKindName(MidiPathKind kind);

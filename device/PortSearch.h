#pragma once
// Finding the pedal among the MIDI ports.
#include "MidiService.h"

#include <QStringList>

#include <string>
#include <vector>

class CUSBPort;
class IMidiService;

// A pair of same-named ports: output index in the high 16 bits of ports,
// input index in the low 16 bits, as CUSBPort::open takes them.
struct PortPair {
    std::string name;  // the input's name
    uint32_t ports;
    MidiPathKind path;
};
// Every pair of an input with each same-named output of the same path, in
// the order the search tries them; throws MidiError.
std::vector<PortPair> ListPortPairs(IMidiService& midi);

// An input and an output port belong to one device when their names are
// identical byte for byte, or equal once the bridge markers "(capture)" and
// "(playback)" (a2jmidid, PipeWire) are removed.
bool PortNamesPair(const std::string& input, const std::string& output);

// Connects to one pair; a pedal in play mode is closed again with its
// message. False when the pair did not answer.
bool ConnectPair(CUSBPort& port, uint32_t ports);

// What a search that found no pedal can say about ports it could not open:
// which device, who holds it or what access is missing, what to do.
struct SearchOutcome {
    QStringList obstacles;
};

// Tries the pairs of same-named ports in order and leaves the link either
// in update mode with a pedal or closed. It stops at the first pedal whose
// path carries every frame (raw MIDI, the sequencer with a big enough
// buffer, JACK); a pedal reached only through a sequencer whose buffer is
// too small is kept when nothing better answers (it can be read, not
// written). A sequencer port is not tried when its raw MIDI device opened
// and did not answer. A pedal in play mode is closed again with its message.
// A later failed pair never drops a pedal that an earlier pair found.
SearchOutcome SearchDevice(CUSBPort& port);

// The name of the hardware port behind a sequencer port as RtMidi lists it
// ("Rig Pedal:Rig Pedal MIDI 1 24:0" -> "Rig Pedal MIDI 1"); the name
// itself when it is not of that form.
std::string SequencerPortBaseName(const std::string& name);

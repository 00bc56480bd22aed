#pragma once
// Finding the pedal among the MIDI ports.
#include <string>
#include <vector>

class CUSBPort;
class IMidiService;

// A pair of same-named ports: output index in the high 16 bits of ports,
// input index in the low 16 bits, as CUSBPort::open takes them.
struct PortPair {
    std::string name;  // the input's name
    uint32_t ports;
};
// Every pair of an input with each same-named output, in the order the
// search tries them; throws MidiError.
std::vector<PortPair> ListPortPairs(IMidiService& midi);

// An input and an output port belong to one device when their names are
// identical byte for byte, or equal once the bridge markers "(capture)" and
// "(playback)" (a2jmidid, PipeWire) are removed.
bool PortNamesPair(const std::string& input, const std::string& output);

// Connects to one pair; a pedal in play mode is closed again with its
// message. False when the pair did not answer.
bool ConnectPair(CUSBPort& port, uint32_t ports);

// Tries every pair of same-named ports and leaves the link either in update
// mode with a pedal or closed. A pedal in play mode is closed again with its
// message. A later failed pair never drops a pedal that an earlier pair found.
void SearchDevice(CUSBPort& port);

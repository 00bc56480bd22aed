#pragma once
// Finding the pedal among the MIDI ports.
#include <string>

class CUSBPort;

// An input and an output port belong to one device when their names are
// identical byte for byte, or equal once the bridge markers "(capture)" and
// "(playback)" (a2jmidid, PipeWire) are removed.
bool PortNamesPair(const std::string& input, const std::string& output);

// Tries every pair of same-named ports and leaves the link either in update
// mode with a pedal or closed. A pedal in play mode is closed again with its
// message. A later failed pair never drops a pedal that an earlier pair found.
void SearchDevice(CUSBPort& port);

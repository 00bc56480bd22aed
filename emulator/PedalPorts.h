#pragma once
// Transports that give the virtual pedal a MIDI port pair.
#include "InProcessMidi.h"
#include "VirtualPedal.h"

#include <memory>
#include <string>

class RtMidiIn;
class RtMidiOut;

// The pedal's ports in the in-process MIDI service, both named name (as a
// USB MIDI device shows on the reference platform) unless names are given.
class CInProcessPedalPorts {
public:
    CInProcessPedalPorts(CInProcessMidi& midi, CVirtualPedal& pedal, std::string name);
    CInProcessPedalPorts(CInProcessMidi& midi, CVirtualPedal& pedal, std::string sourceName,
                         std::string destinationName);
    ~CInProcessPedalPorts();

    // Pulling and plugging the cable: the ports go away and come back; a
    // pedal told to switch comes back in update mode.
    void Unplug();
    void Plug();

private:
    CInProcessMidi& m_midi;
    CVirtualPedal& m_pedal;
    const std::string m_sourceName;
    const std::string m_destinationName;
    std::unique_ptr<CInProcessMidi::Source> m_source;
    std::unique_ptr<CInProcessMidi::Destination> m_destination;
};

// The pedal's ports as JACK virtual ports named as a bridged USB device:
// "<name> (capture)" carries the pedal's replies, "<name> (playback)" its commands.
class CJackPedalPorts {
public:
    CJackPedalPorts(CVirtualPedal& pedal, const std::string& name);  // throws MidiError
    ~CJackPedalPorts();

private:
    static void OnMessage(double, std::vector<unsigned char>* message, void* self);

    CVirtualPedal& m_pedal;
    std::unique_ptr<RtMidiOut> m_out;
    std::unique_ptr<CDeliveryQueue> m_queue;
    std::unique_ptr<RtMidiIn> m_in;
};

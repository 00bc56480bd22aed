#pragma once
// The virtual pedal on an ALSA raw MIDI device, e.g. the device side of a
// USB MIDI gadget: commands are read from its input, replies written to its
// output.
#include "DeliveryQueue.h"
#include "RawMidiStreams.h"
#include "VirtualPedal.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Cuts a raw byte stream into SysEx messages (0xF0 ... 0xF7): real-time bytes
// inside are dropped, bytes outside a message and a message longer than
// maxLength are dropped, another status byte ends a message unfinished.
class CSysExAssembler {
public:
    using Sink = std::function<void(const std::vector<uint8_t>& message)>;

    CSysExAssembler(size_t maxLength, Sink sink);
    void Feed(const uint8_t* bytes, size_t count);

private:
    void Take(uint8_t byte);

    const size_t m_maxLength;
    Sink m_sink;
    std::vector<uint8_t> m_message;
    bool m_inMessage = false;
};

class CRawMidiPedalPorts {
public:
    CRawMidiPedalPorts(CVirtualPedal& pedal, const std::string& device);  // throws MidiError
    ~CRawMidiPedalPorts();

private:
    CVirtualPedal& m_pedal;
    std::unique_ptr<CRawMidiOutput> m_out;
    std::unique_ptr<CDeliveryQueue> m_queue;
    CSysExAssembler m_assembler;
    std::unique_ptr<CRawMidiInput> m_in;
};

#include "PedalPorts.h"

#include <RtMidi.h>

#include <cstdio>

CInProcessPedalPorts::CInProcessPedalPorts(CInProcessMidi& midi, CVirtualPedal& pedal, std::string name)
    : CInProcessPedalPorts(midi, pedal, name, name)
{
}

CInProcessPedalPorts::CInProcessPedalPorts(CInProcessMidi& midi, CVirtualPedal& pedal, std::string sourceName,
                                           std::string destinationName)
    : m_midi(midi), m_pedal(pedal), m_sourceName(std::move(sourceName)), m_destinationName(std::move(destinationName))
{
    Plug();
}

CInProcessPedalPorts::~CInProcessPedalPorts() { Unplug(); }

void CInProcessPedalPorts::Unplug()
{
    m_destination.reset();  // joins the pedal's thread before its output goes
    m_pedal.SetOutput(nullptr);
    m_source.reset();
}

void CInProcessPedalPorts::Plug()
{
    if (m_source)
        return;
    m_pedal.Replug();
    m_source = m_midi.AddSource(m_sourceName);
    CInProcessMidi::Source* source = m_source.get();
    m_pedal.SetOutput([source](const uint8_t* bytes, size_t n) { source->Send(bytes, n); });
    m_destination = m_midi.AddDestination(
        m_destinationName, [this](const CDeliveryQueue::Message& m) { m_pedal.Handle(m.data(), m.size()); });
}

CJackPedalPorts::CJackPedalPorts(CVirtualPedal& pedal, const std::string& name) : m_pedal(pedal)
{
    try {
        const std::string capture = name + " (capture)";
        const std::string playback = name + " (playback)";
        m_out = std::make_unique<RtMidiOut>(RtMidi::UNIX_JACK, capture);
        m_out->openVirtualPort(capture);
        RtMidiOut* out = m_out.get();
        m_pedal.SetOutput([out](const uint8_t* bytes, size_t n) {
            try {
                out->sendMessage(bytes, n);
            } catch (const RtMidiError& e) {
                // A reply that cannot go out is lost, as on a real cable.
                std::fprintf(stderr, "corvanta-pedal: reply lost: %s\n", e.getMessage().c_str());
            }
        });
        // JACK calls back on its process thread; the pedal works on a thread of its own.
        m_queue = std::make_unique<CDeliveryQueue>(
            [this](const CDeliveryQueue::Message& m) { m_pedal.Handle(m.data(), m.size()); });
        m_in = std::make_unique<RtMidiIn>(RtMidi::UNIX_JACK, playback, 1000);
        m_in->ignoreTypes(false, false, false);
        m_in->setCallback(&CJackPedalPorts::OnMessage, this);
        m_in->openVirtualPort(playback);
    } catch (const RtMidiError& e) {
        throw MidiError(e.getMessage());
    }
}

CJackPedalPorts::~CJackPedalPorts()
{
    m_in.reset();
    m_queue.reset();
    m_pedal.SetOutput(nullptr);
    m_out.reset();
}

void CJackPedalPorts::OnMessage(double, std::vector<unsigned char>* message, void* self)
{
    static_cast<CJackPedalPorts*>(self)->m_queue->Push(*message);
}

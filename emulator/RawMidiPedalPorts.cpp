#include "RawMidiPedalPorts.h"

#include <cstdio>

namespace {
// Larger than any frame the program sends, in its encoded form.
constexpr size_t kLargestMessage = 64 * 1024;
constexpr size_t kReadSize = 64 * 1024;
}  // namespace

CSysExAssembler::CSysExAssembler(size_t maxLength, Sink sink) : m_maxLength(maxLength), m_sink(std::move(sink))
{
    m_message.reserve(maxLength);
}

void CSysExAssembler::Feed(const uint8_t* bytes, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        Take(bytes[i]);
}

void CSysExAssembler::Take(uint8_t byte)
{
    if (byte >= 0xF8)
        return;
    if (byte == 0xF0) {
        m_message.assign(1, byte);
        m_inMessage = true;
        return;
    }
    if (!m_inMessage)
        return;
    if (byte & 0x80 && byte != 0xF7) {
        m_inMessage = false;
        return;
    }
    if (m_message.size() == m_maxLength) {
        m_inMessage = false;
        return;
    }
    m_message.push_back(byte);
    if (byte == 0xF7) {
        m_inMessage = false;
        m_sink(m_message);
    }
}

CRawMidiPedalPorts::CRawMidiPedalPorts(CVirtualPedal& pedal, const std::string& device)
    : m_pedal(pedal), m_out(std::make_unique<CRawMidiOutput>(device)),
      m_queue(std::make_unique<CDeliveryQueue>(
          [this](const CDeliveryQueue::Message& m) { m_pedal.Handle(m.data(), m.size()); })),
      m_assembler(kLargestMessage, [this](const std::vector<uint8_t>& message) { m_queue->Push(message); })
{
    CRawMidiOutput* out = m_out.get();
    m_pedal.SetOutput([out](const uint8_t* bytes, size_t n) {
        try {
            out->Write(bytes, n);
        } catch (const MidiError& e) {
            // A reply that cannot go out is lost, as on a real cable.
            std::fprintf(stderr, "corvanta-pedal: reply lost: %s\n", e.what());
        }
    });
    // The reader starts last: everything it hands on has somewhere to go.
    try {
        m_in = std::make_unique<CRawMidiInput>(device, kReadSize,
                                               [this](const uint8_t* bytes, size_t n) { m_assembler.Feed(bytes, n); });
    } catch (const MidiError&) {
        m_pedal.SetOutput(nullptr);  // the output goes with this object
        throw;
    }
}

CRawMidiPedalPorts::~CRawMidiPedalPorts()
{
    m_in.reset();
    m_queue.reset();
    m_pedal.SetOutput(nullptr);
}

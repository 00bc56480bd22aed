// The raw MIDI pieces that need no sound card: the pedal's SysEx assembler,
// the choice of service and the messages of devices that cannot be opened.
// The raw devices themselves are tested on a real kernel (tests/rig).
#include "MidiService.h"
#include "RawMidiPedalPorts.h"
#include "RawMidiStreams.h"

#include <gtest/gtest.h>

namespace {

using Message = std::vector<uint8_t>;

std::vector<Message> Assemble(const std::vector<Message>& pieces, size_t maxLength = 16)
{
    std::vector<Message> messages;
    CSysExAssembler assembler(maxLength, [&](const Message& m) { messages.push_back(m); });
    for (const Message& piece : pieces)
        assembler.Feed(piece.data(), piece.size());
    return messages;
}

std::string OpenFailure(const std::function<void()>& open)
{
    try {
        open();
    } catch (const MidiError& e) {
        return e.what();
    }
    return "opened";
}

}  // namespace

TEST(SysExAssembler, JoinsPiecesAndDropsWhatIsNoMessage)
{
    EXPECT_EQ(Assemble({{0xF0, 1, 2}, {3}, {4, 0xF7}}), (std::vector<Message>{{0xF0, 1, 2, 3, 4, 0xF7}}));
    EXPECT_EQ(Assemble({{0x40, 0x90, 0xF0, 1, 0xF8, 2, 0xF7, 0x7F}}), (std::vector<Message>{{0xF0, 1, 2, 0xF7}}))
        << "bytes outside and real-time bytes inside a message are dropped";
    EXPECT_EQ(Assemble({{0xF0, 1, 0x90, 2, 0xF7, 0xF0, 3, 0xF7}}), (std::vector<Message>{{0xF0, 3, 0xF7}}))
        << "a status byte ends a message unfinished";
    EXPECT_EQ(Assemble({{0xF0, 1, 0xF0, 2, 0xF7}}), (std::vector<Message>{{0xF0, 2, 0xF7}}))
        << "a new start begins again";
    EXPECT_EQ(Assemble({{0xF0, 1, 2, 3, 0xF7}, {0xF0, 1, 2, 0xF7}}, 4), (std::vector<Message>{{0xF0, 1, 2, 0xF7}}))
        << "a message longer than the limit is dropped";
}

TEST(MidiServiceChoice, UnknownNameFailsAtCreationWithTheName)
{
    auto service = ChooseMidiService("midi-over-smoke");
    EXPECT_EQ(OpenFailure([&] { service->createOutput("client"); }),
              "unknown MIDI API in CORVANTA_MIDI_API: midi-over-smoke");
}

TEST(MidiServiceChoice, RawServiceOpensOnlyListedPorts)
{
    auto service = ChooseMidiService("alsa-raw");
    auto out = service->createOutput("client");
    auto in = service->createInput("client", 100);
    EXPECT_EQ(OpenFailure([&] { out->openPort(out->getPortCount(), "x"); }), "invalid output port number");
    EXPECT_EQ(OpenFailure([&] { in->openPort(in->getPortCount(), "x"); }), "invalid input port number");
    EXPECT_FALSE(out->isPortOpen());
    EXPECT_FALSE(in->isPortOpen());
    EXPECT_EQ(out->getPortName(out->getPortCount()), "") << "a port past the end has no name";
}

TEST(RawMidiStreams, AMissingDeviceIsNamedInTheFailure)
{
    const std::string text = OpenFailure([] { CRawMidiOutput("hw:99,0,0"); });
    EXPECT_EQ(text.rfind("cannot open MIDI device hw:99,0,0: ", 0), 0u) << text;
    EXPECT_EQ(OpenFailure([] { CRawMidiInput("hw:99,0,0", 64, [](const uint8_t*, size_t) {}); })
                  .rfind("cannot open MIDI device hw:99,0,0: ", 0),
              0u);
}

// The receive side against hand-made devices: replies the virtual pedal
// would never send, and transmit limits.
#include "Frame.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using Bytes = std::vector<uint8_t>;

namespace {

Bytes IdentifyReply()
{
    Bytes f(34, 0x41);
    frame::Finish(f.data(), frame::kIdentify, 27);
    return f;
}

// A device whose answer to every message is given by the test.
class CHandMadeDevice {
public:
    CHandMadeDevice(CInProcessMidi& midi, std::function<Bytes(const Bytes&)> answer)
        : m_source(midi.AddSource("Hand Made")), m_answer(std::move(answer))
    {
        m_destination = midi.AddDestination("Hand Made", [this](const CDeliveryQueue::Message& m) {
            const Bytes reply = m_answer(m);
            if (!reply.empty())
                m_source->Send(reply);
        });
    }

private:
    std::unique_ptr<CInProcessMidi::Source> m_source;
    std::function<Bytes(const Bytes&)> m_answer;
    std::unique_ptr<CInProcessMidi::Destination> m_destination;
};

class Receive : public ::testing::Test {
protected:
    // Opens the link in update mode without the connection sequence.
    void Open() { ASSERT_TRUE(port.open(0, 1)); }

    CScriptedPrompt prompt;
    CInProcessMidi midi;
    CUSBPort port{midi};
};

}  // namespace

TEST_F(Receive, NewStartByteRestartsTheFrame)
{
    CHandMadeDevice device(midi, [](const Bytes&) {
        Bytes m = {0xF0, 0x11, 0x22, 0x33};
        const Bytes reply = PackedMessage(IdentifyReply());
        m.insert(m.end(), reply.begin(), reply.end());
        return m;
    });
    Open();
    EXPECT_TRUE(port.identify(200));
    EXPECT_TRUE(prompt.texts.isEmpty());
}

TEST_F(Receive, StrayStatusByteInsideAFrameFailsTheExchange)
{
    CHandMadeDevice device(midi, [](const Bytes&) {
        Bytes m = PackedMessage(IdentifyReply());
        m[10] = 0x90;  // a note-on status byte in the middle
        return m;
    });
    Open();
    EXPECT_FALSE(port.identify(200));
}

// Identify reply checks, each with its box.
struct IdentifyCase {
    const char* name;
    std::function<void(Bytes&)> damage;
    const char* box;
};
void PrintTo(const IdentifyCase& c, std::ostream* os) { *os << c.name; }

class IdentifyReplyCheck : public Receive, public ::testing::WithParamInterface<IdentifyCase> {};

TEST_P(IdentifyReplyCheck, ShowsItsBox)
{
    const IdentifyCase& c = GetParam();
    CHandMadeDevice device(midi, [&](const Bytes&) {
        Bytes f = IdentifyReply();
        c.damage(f);
        return PackedMessage(f);
    });
    Open();
    EXPECT_FALSE(port.identify(200));
    ASSERT_EQ(prompt.texts.size(), 1);
    EXPECT_TRUE(prompt.texts[0].startsWith(QString::fromUtf8(c.box))) << prompt.texts[0].toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Damage, IdentifyReplyCheck,
    ::testing::Values(IdentifyCase{"Short", [](Bytes& f) { f.resize(20); }, "Data length error"},
                      IdentifyCase{"Long", [](Bytes& f) { f.push_back(0); }, "Data length error"},
                      IdentifyCase{"ZeroLengthField", [](Bytes& f) { f[3] = 0; }, "Data length error"},
                      IdentifyCase{"WrongType", [](Bytes& f) { f[2] = 0x12; }, "Cmd type error"},
                      IdentifyCase{"Checksum", [](Bytes& f) { f[33] ^= 1; }, "Checksum错误,算出来是24, 包内校验是25"}),
    [](const ::testing::TestParamInfo<IdentifyCase>& info) { return info.param.name; });

// A device that never stops talking: real-time bytes inside an endless frame
// keep the ring from ever standing empty for long. The receive must still
// end within its wall-clock bound (twice the budget). The talker gives up
// after 20 s, so a receive that would hang ends then and fails the bound.
TEST_F(Receive, EndlessTalkerCannotHangTheReceive)
{
    using namespace std::chrono;
    std::atomic<bool> stop{false};
    auto source = midi.AddSource("Talker");
    auto sink = midi.AddDestination("Talker", [](const CDeliveryQueue::Message&) {});
    Open();
    const uint8_t start = 0xF0;
    source->Send(&start, 1);
    std::thread talker([&] {
        const uint8_t clock = 0xF8;
        const auto giveUp = steady_clock::now() + seconds(20);
        while (!stop.load() && steady_clock::now() < giveUp) {
            source->Send(&clock, 1);
            std::this_thread::sleep_for(microseconds(100));
        }
    });
    uint8_t buffer[64];
    size_t received = 0;
    const auto begin = steady_clock::now();
    EXPECT_FALSE(port.receive_frame(buffer, sizeof buffer, 50, received));
    EXPECT_LT(steady_clock::now() - begin, seconds(5)) << "a 50 ms budget ends within 100 ms of wall time";
    stop = true;
    talker.join();
}

TEST_F(Receive, ZeroBudgetReadsNothingAndClosedLinkFailsAtOnce)
{
    uint8_t buffer[8];
    size_t received = 1;
    EXPECT_FALSE(port.receive_frame(buffer, sizeof buffer, 200, received)) << "closed";
    EXPECT_EQ(received, 0u);
    const uint8_t frame[7] = {0x00, 0x59, 0x11, 0, 0, 0, 0xFF};
    EXPECT_FALSE(port.send_frame(frame, sizeof frame)) << "nothing is sent while closed";
    CHandMadeDevice device(midi, [](const Bytes&) { return PackedMessage(IdentifyReply()); });
    Open();
    ASSERT_TRUE(port.send_frame(frame, sizeof frame));
    EXPECT_FALSE(port.receive_frame(buffer, sizeof buffer, 0, received));
}

TEST_F(Receive, TransmitBufferBoundsTheFrame)
{
    std::atomic<size_t> largest{0};
    CHandMadeDevice device(midi, [&](const Bytes& m) {
        largest = std::max(largest.load(), m.size());
        return Bytes();
    });
    Open();
    CMidiPortPair& pair = port.port_pair();
    const Bytes fits(44798, 0x12);
    EXPECT_TRUE(pair.SendSysEx(fits.data(), fits.size()));
    const Bytes tooLong(44799, 0x12);
    EXPECT_FALSE(pair.SendSysEx(tooLong.data(), tooLong.size()));
    pair.m_packed = 0;
    const Bytes raw(51198, 0x12);
    EXPECT_TRUE(pair.SendSysEx(raw.data(), raw.size()));
    const Bytes rawTooLong(51199, 0x12);
    EXPECT_FALSE(pair.SendSysEx(rawTooLong.data(), rawTooLong.size()));
    EXPECT_TRUE(Eventually([&] { return largest.load() == 51200; }));
}

// The choice of MIDI path for a pedal: raw MIDI, the ALSA sequencer and JACK
// played by in-process services, each with a pedal of its own model, so the
// model the search connects to names the path it took.
#include "MidiPaths.h"
#include "PortSearch.h"
#include "SharedPedal.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr size_t kUnlimited = std::numeric_limits<size_t>::max();
const char* const kHeld = "MIDI device hw:1,0,0 is in use by aseqdump (PID 812)";

// An in-process service in the role of one path: a raw device another
// program holds refuses every open; a sequencer refuses messages above its
// buffer, as the kernel would cut them.
class CFakePath : public IMidiService {
public:
    CFakePath(MidiPathKind kind, bool held, size_t limit) : kind(kind), held(held), limit(limit) {}

    std::unique_ptr<IMidiIn> createInput(const std::string& client, unsigned queueLimit) override
    {
        return std::make_unique<In>(midi.createInput(client, queueLimit), *this);
    }
    std::unique_ptr<IMidiOut> createOutput(const std::string& client) override
    {
        return std::make_unique<Out>(midi.createOutput(client), *this);
    }

    CInProcessMidi midi;
    const MidiPathKind kind;
    const bool held;
    const size_t limit;

private:
    template <class Base>
    class Port : public Base {
    public:
        Port(std::unique_ptr<Base> inner, CFakePath& path) : m_inner(std::move(inner)), m_path(path) {}
        unsigned getPortCount() override { return m_inner->getPortCount(); }
        std::string getPortName(unsigned index) override { return m_inner->getPortName(index); }
        MidiPathKind getPortPath(unsigned) override { return m_path.kind; }
        void openPort(unsigned index, const std::string& name) override
        {
            if (m_path.held)
                throw MidiError(kHeld);
            m_inner->openPort(index, name);
        }
        void closePort() override { m_inner->closePort(); }
        bool isPortOpen() const override { return m_inner->isPortOpen(); }

    protected:
        std::unique_ptr<Base> m_inner;
        CFakePath& m_path;
    };
    class In : public Port<IMidiIn> {
    public:
        using Port::Port;
        void setCallback(MidiCallback callback, void* data) override { m_inner->setCallback(callback, data); }
        void ignoreTypes(bool a, bool b, bool c) override { m_inner->ignoreTypes(a, b, c); }
        void setBufferSize(unsigned size, unsigned count) override { m_inner->setBufferSize(size, count); }
        void setPortLostCallback(MidiPortLostCallback callback, void* data) override
        {
            m_inner->setPortLostCallback(callback, data);
        }
    };
    class Out : public Port<IMidiOut> {
    public:
        using Port::Port;
        void sendMessage(const uint8_t* bytes, size_t count) override
        {
            if (count > m_path.limit)
                throw MidiRefused("cut by the sequencer");
            m_inner->sendMessage(bytes, count);
        }
        size_t messageLimit() override { return m_path.limit; }
    };
};

struct PathCase {
    const char* name;
    bool rawHeld;
    size_t sequencerBuffer;  // 0: the pedal is not on the sequencer
    bool jackBridge;
    int32_t expectedModel;   // -1: no pedal usable
    bool writable;
};

class PathChoice : public ::testing::TestWithParam<PathCase> {};

}  // namespace

TEST_P(PathChoice, TakesTheBestFreePath)
{
    const PathCase& c = GetParam();
    CScriptedPrompt prompt;
    auto raw = std::make_unique<CFakePath>(MidiPathKind::RawMidi, c.rawHeld, kUnlimited);
    auto sequencer = std::make_unique<CFakePath>(MidiPathKind::Sequencer, false, c.sequencerBuffer);
    auto jack = std::make_unique<CFakePath>(MidiPathKind::Jack, false, kUnlimited);
    CVirtualPedal rawPedal(PedalFor(10002)), sequencerPedal(PedalFor(10003)), jackPedal(PedalFor(10004));
    CInProcessPedalPorts rawPorts(raw->midi, rawPedal, "Looper MIDI 1");
    std::unique_ptr<CInProcessPedalPorts> sequencerPorts, jackPorts;
    if (c.sequencerBuffer)
        sequencerPorts = std::make_unique<CInProcessPedalPorts>(sequencer->midi, sequencerPedal,
                                                                "Looper:Looper MIDI 1 24:0");
    if (c.jackBridge)
        jackPorts = std::make_unique<CInProcessPedalPorts>(jack->midi, jackPedal, "a2j:Looper [24] (capture): Looper",
                                                           "a2j:Looper [24] (playback): Looper");
    std::vector<MidiPathService> services;
    services.push_back({MidiPathKind::RawMidi, std::move(raw)});
    services.push_back({MidiPathKind::Sequencer, std::move(sequencer)});
    services.push_back({MidiPathKind::Jack, std::move(jack)});
    CMidiPaths paths(std::move(services));
    CUSBPort port(paths);

    const SearchOutcome outcome = SearchDevice(port);
    EXPECT_TRUE(prompt.texts.isEmpty()) << prompt.texts.join('|').toStdString();
    if (c.expectedModel < 0) {
        EXPECT_EQ(port.state(), Closed);
        EXPECT_EQ(outcome.obstacles, QStringList{kHeld}) << "the holder instead of \"No device connected !\"";
        return;
    }
    ASSERT_EQ(port.state(), UpdateMode);
    EXPECT_EQ(port.device_info().model_id, c.expectedModel);
    const std::optional<QString> refusal = WriteRefusal(port);
    EXPECT_EQ(!refusal, c.writable) << (refusal ? refusal->toStdString() : "");
    if (refusal)
        EXPECT_TRUE(refusal->contains("at most 4096 bytes; the pedal's writes need 5871")) << refusal->toStdString();
    else
        EXPECT_TRUE(port.flash_write(1, 0x10000, std::vector<uint8_t>(CUSBPort::kWriteChunk, 0x5A).data(),
                                     CUSBPort::kWriteChunk, nullptr));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, PathChoice,
    ::testing::Values(PathCase{"RawFree", false, 4096, true, 10002, true},
                      PathCase{"RawHeldSequencerSmall", true, 4096, false, 10003, false},
                      PathCase{"RawHeldSequencerLarge", true, 65536, false, 10003, true},
                      PathCase{"RawHeldSequencerSmallJackBridge", true, 4096, true, 10004, true},
                      PathCase{"Nothing", true, 0, false, -1, false}),
    [](const ::testing::TestParamInfo<PathCase>& info) { return std::string(info.param.name); });

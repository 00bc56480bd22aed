// Port pairing, the port search, identification at connection and the watcher.
#include "DeviceLog.h"
#include "DeviceWatcher.h"
#include "Frame.h"
#include "PortSearch.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>

namespace {

const char* const kReplug = "Please replug the USB cable to enter update mode!";
const char* const kEnterUpdateMode =
    "You should enter update mode first! For how to enter update mode, please refer to the manual";

}  // namespace

TEST(PortNames, PairOnlyIdenticalNamesOrNamesEqualWithoutBridgeMarkers)
{
    EXPECT_TRUE(PortNamesPair("Device A", "Device A"));
    EXPECT_FALSE(PortNamesPair("Device A", "Device A 2"));
    EXPECT_FALSE(PortNamesPair("Device A", "device a"));
    EXPECT_TRUE(PortNamesPair("Pedal (capture):Pedal (capture)", "Pedal (playback):Pedal (playback)"));
    EXPECT_FALSE(PortNamesPair("Pedal (capture)", "Other (playback)"));
    EXPECT_TRUE(PortNamesPair("Midi-Bridge:USB Looper (capture_0) MIDI 1", "Midi-Bridge:USB Looper (playback_0) MIDI 1"));
    EXPECT_FALSE(PortNamesPair("", "")) << "a vanished port is no device";
}

// What the port search finds among the ports present.
using Ports = std::vector<std::shared_ptr<void>>;
struct SearchCase {
    const char* name;
    std::function<Ports(CInProcessMidi&, CVirtualPedal&)> ports;
    bool found;           // connected to the pedal in update mode; else closed
    const char* box;      // the one box shown, or none
};
void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.name; }

class PortSearch : public ::testing::TestWithParam<SearchCase> {};

TEST_P(PortSearch, EndsOnThePedalOrClosedWithItsBox)
{
    const SearchCase& c = GetParam();
    CScriptedPrompt prompt;
    CInProcessMidi midi;
    CVirtualPedal pedal(PedalFor(10003));
    const Ports ports = c.ports(midi, pedal);
    CUSBPort port(midi);
    SearchDevice(port);
    EXPECT_EQ(port.state(), c.found ? UpdateMode : Closed);
    EXPECT_EQ(port.device_info().model_id, c.found ? 10003 : -1);
    EXPECT_EQ(port.keep_alive(), c.found);
    uint8_t b[4];
    EXPECT_EQ(port.flash_read(1, 0, b, 4), c.found) << "no traffic while closed";
    EXPECT_EQ(prompt.texts, c.box ? QStringList(c.box) : QStringList());
    EXPECT_EQ(prompt.titles, c.box ? QStringList("Message") : QStringList());
}

template <class T, class... Args>
std::shared_ptr<void> Made(Args&&... args)
{
    return std::make_shared<T>(std::forward<Args>(args)...);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PortSearch,
    ::testing::Values(
        SearchCase{"AmongOtherPorts",
                   [](CInProcessMidi& m, CVirtualPedal& p) {
                       return Ports{Made<CSilentPorts>(m, "Keyboard"), std::shared_ptr<void>(m.AddSource("Input Only")),
                                    Made<CInProcessPedalPorts>(m, p, "USB Looper")};
                   },
                   true, nullptr},
        // Two pairs with the pedal's name; the other device never answers.
        SearchCase{"SameNamedPairPedalFirst",
                   [](CInProcessMidi& m, CVirtualPedal& p) {
                       return Ports{Made<CInProcessPedalPorts>(m, p, "USB MIDI"), Made<CSilentPorts>(m, "USB MIDI")};
                   },
                   true, nullptr},
        SearchCase{"SameNamedPairPedalSecond",
                   [](CInProcessMidi& m, CVirtualPedal& p) {
                       return Ports{Made<CSilentPorts>(m, "USB MIDI"), Made<CInProcessPedalPorts>(m, p, "USB MIDI")};
                   },
                   true, nullptr},
        SearchCase{"NoAnswerStaysClosed",
                   [](CInProcessMidi& m, CVirtualPedal&) { return Ports{Made<CSilentPorts>(m, "Dead")}; }, false,
                   nullptr},
        SearchCase{"EchoingPortIsNotPaired",
                   [](CInProcessMidi& m, CVirtualPedal&) {
                       return Ports{Made<CSilentPorts>(m, "Midi Through Port-0", true)};
                   },
                   false, nullptr},
        SearchCase{"MissingMidiService",
                   [](CInProcessMidi& m, CVirtualPedal&) {
                       m.SetCreateFailure("ALSA sequencer not available");
                       return Ports{};
                   },
                   false, "ALSA sequencer not available"}),
    [](const ::testing::TestParamInfo<SearchCase>& info) { return info.param.name; });

// Play mode: registers read, the pedal is closed with its box, and the
// switch command goes only to models that can switch; those come back in
// update mode after a replug.
struct PlayModeCase {
    int32_t model;
    const char* box;
    uint32_t switches;
};

class PlayModeSearch : public ::testing::TestWithParam<PlayModeCase> {};

TEST_P(PlayModeSearch, ClosesThePedalWithItsBoxAndASwitchedOneComesBack)
{
    const PlayModeCase& c = GetParam();
    CScriptedPrompt prompt;
    CPedalRig rig(PedalFor(c.model, PedalMode::Play));
    SearchDevice(rig.port);
    EXPECT_EQ(rig.port.state(), Closed);
    EXPECT_EQ(prompt.texts, QStringList(c.box));
    EXPECT_EQ(prompt.titles, QStringList("Message"));
    EXPECT_EQ(rig.port.device_info().model_id, c.model) << "registers decode to the stored bytes";
    ASSERT_TRUE(Eventually([&] { return rig.pedal.SwitchCommandCount() == c.switches; }));
    if (c.switches == 0)
        return;
    // The switched pedal comes back in update mode after a replug.
    rig.ports->Unplug();
    rig.ports->Plug();
    SearchDevice(rig.port);
    EXPECT_EQ(rig.port.state(), UpdateMode);
    EXPECT_EQ(rig.port.device_info().model_id, c.model);
}

// A model that can switch, one that cannot and one the program does not know.
INSTANTIATE_TEST_SUITE_P(Models, PlayModeSearch,
                         ::testing::Values(PlayModeCase{10001, kReplug, 1}, PlayModeCase{10002, kEnterUpdateMode, 0},
                                           PlayModeCase{10009, kEnterUpdateMode, 0}));

TEST(PlayMode, UnansweredRegistersGiveMinusOneAndTheConnectionStillSucceeds)
{
    CScriptedPrompt prompt;
    CPedalRig rig(PedalFor(10002, PedalMode::Play));
    rig.pedal.AddFault({FaultKind::Drop, 0, 1, 0x18});  // the second byte of model_id
    ASSERT_TRUE(rig.Connect());
    EXPECT_EQ(rig.port.state(), PlayMode);
    const auto& info = rig.port.device_info();
    EXPECT_EQ(std::make_tuple(info.version, info.model_id, info.aux), std::make_tuple(0x010203, -1, 7));
    EXPECT_TRUE(rig.port.keep_alive());
    rig.pedal.AddFault({FaultKind::Short, 3, 1, 0x12});
    EXPECT_FALSE(rig.port.handshake(100)) << "a raw reply must be exactly 4 bytes";
}

// A failed open is logged and leaves the link closed; it does not lose the
// input callback, so the next open connects.
TEST(Connection, AFailedOpenIsLoggedAndTheNextOneConnects)
{
    CScriptedPrompt prompt;
    CPedalRig rig;
    CUSBPort& port = rig.port;
    EXPECT_FALSE(port.connect_device((5u << 16) | 5u));
    EXPECT_EQ(port.state(), Closed);
    EXPECT_FALSE(port.last_error().empty());
    const QStringList log = FileLines(LogFilePath());
    ASSERT_FALSE(log.isEmpty());
    EXPECT_TRUE(log.last().endsWith("{CUSBPort::open failed=" + QString::fromStdString(port.last_error()) + "}"));
    EXPECT_FALSE(port.open(0, 3)) << "a mode above 2 is refused";
    EXPECT_FALSE(port.connect_device(7)) << "no input port 7";
    EXPECT_TRUE(port.connect_device(0));
    EXPECT_EQ(port.state(), UpdateMode);
}

TEST(Connection, ErasedInformationBlockIsTheUnknownDevice)
{
    CScriptedPrompt prompt;
    PedalConfig config = PedalFor(10002);
    config.identity.reset();
    CPedalRig rig(config);
    ASSERT_TRUE(rig.Connect());
    EXPECT_EQ(rig.port.device_info().model_id, -1);
    EXPECT_EQ(ConnectionStatusText(rig.port.state(), rig.port.device_info()),
              "Corvanta V1.7 - (Connected - Unknown Device, Ver=V255.255.255)");
    EXPECT_FALSE(CanHoldSongs(rig.port.state(), rig.port.device_info()));
    EXPECT_EQ(version_text(0x7F010203), "1.2.3") << "the top byte is not part of the version";
    EXPECT_EQ(ConnectionStatusText(PlayMode, rig.port.device_info()), "Corvanta V1.7 - (Please enter update mode !)");
}

TEST(Connection, FailedInformationReadNeverKeepsAnEarlierPedalsIdentity)
{
    CScriptedPrompt prompt;
    CPedalRig rig(PedalFor(10002));
    ASSERT_TRUE(rig.Connect());
    ASSERT_EQ(rig.port.device_info().model_id, 10002);
    for (uint32_t at = 1; at <= 4; ++at)  // every try of the read
        rig.pedal.AddFault({FaultKind::WrongAddress, 0, at, frame::kRead});
    ASSERT_TRUE(rig.Connect());
    const DeviceInfo& info = rig.port.device_info();
    EXPECT_EQ(std::make_pair(info.model_id, info.version), std::make_pair(-1, -1));
}

// Under load (or over a bridging MIDI service) the identify answer may come
// after its 200 ms: the connection waits for it a while longer, so the
// pedal is still found in update mode.
TEST(Connection, ALateIdentifyAnswerStillConnectsInUpdateMode)
{
    CScriptedPrompt prompt;
    CPedalRig rig(PedalFor(10002));
    rig.pedal.AddFault({FaultKind::Delay, 500, 1, frame::kIdentify});
    ASSERT_TRUE(rig.Connect());
    EXPECT_EQ(rig.port.state(), UpdateMode);
    EXPECT_EQ(rig.port.device_info().model_id, 10002);
    EXPECT_TRUE(prompt.texts.isEmpty()) << prompt.texts.join('|').toStdString();
}

// The listener hears each change of the foreign output ports: input ports
// and the program's own ports are not counted.
TEST(Watcher, RaisesTheFlagWhenOutputPortsComeAndGoAndStops)
{
    CInProcessMidi midi;
    std::atomic<bool> changed{false};
    std::mutex lock;
    std::vector<std::vector<std::string>> heard;
    const auto heardSoFar = [&] {
        std::lock_guard<std::mutex> guard(lock);
        return heard;
    };
    auto existing = midi.AddDestination("Synth", [](const CDeliveryQueue::Message&) {});
    CDeviceWatcher watcher(
        midi, changed,
        [&](const std::vector<std::string>& names, auto) {
            std::lock_guard<std::mutex> guard(lock);
            heard.push_back(names);
        },
        std::chrono::milliseconds(20));
    ASSERT_TRUE(Eventually([&] { return changed.load(); })) << "the first pass counts as a change";
    changed = false;
    auto source = midi.AddSource("Input only");
    auto own = midi.AddDestination("RtMidi Input Client:RtMidi Input", [](const CDeliveryQueue::Message&) {});
    auto added = midi.AddDestination("Pedal", [](const CDeliveryQueue::Message&) {});
    ASSERT_TRUE(Eventually([&] { return changed.load(); }));
    changed = false;
    added.reset();
    ASSERT_TRUE(Eventually([&] { return changed.load(); }));
    watcher.Stop();
    using Names = std::vector<std::string>;
    EXPECT_EQ(heardSoFar(), (std::vector<Names>{{"Synth"}, {"Synth", "Pedal"}, {"Synth"}}))
        << "one change for the pedal's coming, one for its going";
}

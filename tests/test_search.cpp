// Port pairing, the port search, identification at connection and the watcher.
#include "DeviceLog.h"
#include "DeviceWatcher.h"
#include "Frame.h"
#include "PortSearch.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

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
    EXPECT_TRUE(PortNamesPair("a2j:USB Looper [20] (capture): USB Looper MIDI 1",
                              "a2j:USB Looper [20] (playback): USB Looper MIDI 1"));
    EXPECT_TRUE(PortNamesPair("Pedal (capture):Pedal (capture)", "Pedal (playback):Pedal (playback)"));
    EXPECT_FALSE(PortNamesPair("Pedal (capture)", "Other (playback)"));
    EXPECT_TRUE(PortNamesPair("Midi-Bridge:USB Looper (capture_0) MIDI 1", "Midi-Bridge:USB Looper (playback_0) MIDI 1"));
    EXPECT_FALSE(PortNamesPair("", "")) << "a vanished port is no device";
}

TEST(PortSearch, FindsThePedalAmongOtherPorts)
{
    CScriptedPrompt prompt;
    CInProcessMidi midi;
    CSilentPorts other(midi, "Keyboard");
    auto inputOnly = midi.AddSource("Input Only");
    CVirtualPedal pedal(PedalFor(10003));
    CInProcessPedalPorts ports(midi, pedal, "USB Looper");
    CUSBPort port(midi);
    SearchDevice(port);
    EXPECT_EQ(port.state(), UpdateMode);
    EXPECT_EQ(port.device_info().model_id, 10003);
    EXPECT_TRUE(prompt.texts.isEmpty());
}

TEST(PortSearch, FindsAPedalBehindAJackBridge)
{
    CScriptedPrompt prompt;
    CInProcessMidi midi;
    CVirtualPedal pedal(PedalFor(10002));
    CInProcessPedalPorts ports(midi, pedal, "Pedal (capture):Pedal (capture)", "Pedal (playback):Pedal (playback)");
    CUSBPort port(midi);
    SearchDevice(port);
    EXPECT_EQ(port.state(), UpdateMode);
}

// Two pairs with the pedal's name; the other device never answers. In both
// orders the search ends connected to the pedal.
TEST(PortSearch, TwoSameNamedPairsEndConnectedInBothOrders)
{
    for (bool pedalFirst : {true, false}) {
        SCOPED_TRACE(pedalFirst ? "pedal first" : "pedal second");
        CScriptedPrompt prompt;
        CInProcessMidi midi;
        CVirtualPedal pedal(PedalFor(10002));
        std::unique_ptr<CInProcessPedalPorts> pedalPorts;
        std::unique_ptr<CSilentPorts> silent;
        if (pedalFirst)
            pedalPorts = std::make_unique<CInProcessPedalPorts>(midi, pedal, "USB MIDI");
        silent = std::make_unique<CSilentPorts>(midi, "USB MIDI");
        if (!pedalFirst)
            pedalPorts = std::make_unique<CInProcessPedalPorts>(midi, pedal, "USB MIDI");
        CUSBPort port(midi);
        SearchDevice(port);
        EXPECT_EQ(port.state(), UpdateMode);
        EXPECT_EQ(port.device_info().model_id, 10002);
        EXPECT_TRUE(port.keep_alive());
        EXPECT_TRUE(prompt.texts.isEmpty());
    }
}

TEST(PortSearch, EchoingPortIsNotPairedAndShowsNoBox)
{
    CScriptedPrompt prompt;
    CInProcessMidi midi;
    CEchoPorts through(midi, "Midi Through Port-0");
    CUSBPort port(midi);
    SearchDevice(port);
    EXPECT_EQ(port.state(), Closed);
    EXPECT_TRUE(prompt.texts.isEmpty()) << prompt.texts.join('|').toStdString();
    EXPECT_EQ(port.device_info().model_id, -1);
}

TEST(PortSearch, MissingMidiServiceIsShownAndLeavesTheLinkClosed)
{
    CScriptedPrompt prompt;
    CInProcessMidi midi;
    midi.SetCreateFailure("ALSA sequencer not available");
    CUSBPort port(midi);
    SearchDevice(port);
    EXPECT_EQ(port.state(), Closed);
    ASSERT_EQ(prompt.texts.size(), 1);
    EXPECT_EQ(prompt.texts[0], "ALSA sequencer not available");
    EXPECT_EQ(prompt.titles[0], "Message");
}

// Play mode: registers read, the pedal is closed with its box, and the
// switch command goes only to models that can switch.
struct PlayModeCase {
    int32_t model;
    const char* box;
    uint32_t switches;
};

class PlayModeSearch : public ::testing::TestWithParam<PlayModeCase> {};

TEST_P(PlayModeSearch, ClosesThePedalWithItsBox)
{
    const PlayModeCase& c = GetParam();
    CScriptedPrompt prompt;
    CPedalRig rig(PedalFor(c.model, PedalMode::Play));
    SearchDevice(rig.port);
    EXPECT_EQ(rig.port.state(), Closed);
    ASSERT_EQ(prompt.texts.size(), 1);
    EXPECT_EQ(prompt.texts[0], c.box);
    EXPECT_EQ(prompt.titles[0], "Message");
    EXPECT_EQ(rig.port.device_info().model_id, c.model) << "registers decode to the stored bytes";
    EXPECT_EQ(rig.port.device_info().version, 0x010203);
    EXPECT_EQ(rig.port.device_info().aux, 7);
    ASSERT_TRUE(Eventually([&] { return rig.pedal.SwitchCommandCount() == c.switches; }));
}

INSTANTIATE_TEST_SUITE_P(Models, PlayModeSearch,
                         ::testing::Values(PlayModeCase{10001, kReplug, 1}, PlayModeCase{10007, kReplug, 1},
                                           PlayModeCase{10008, kReplug, 1}, PlayModeCase{10002, kEnterUpdateMode, 0},
                                           PlayModeCase{10009, kEnterUpdateMode, 0}));

TEST(PlayMode, SwitchedPedalComesBackInUpdateModeAfterAReplug)
{
    CScriptedPrompt prompt;
    CPedalRig rig(PedalFor(10001, PedalMode::Play));
    SearchDevice(rig.port);
    ASSERT_TRUE(Eventually([&] { return rig.pedal.SwitchCommandCount() == 1; }));
    rig.ports->Unplug();
    rig.ports->Plug();
    SearchDevice(rig.port);
    EXPECT_EQ(rig.port.state(), UpdateMode);
    EXPECT_EQ(ConnectionStatusText(rig.port.state(), rig.port.device_info()),
              "Corvanta V1.7 - (Connected - RK-20, Ver=V1.2.3)");
}

TEST(PlayMode, UnansweredRegistersGiveMinusOneAndTheConnectionStillSucceeds)
{
    CScriptedPrompt prompt;
    CPedalRig rig(PedalFor(10002, PedalMode::Play));
    rig.pedal.AddFault({FaultKind::Drop, 0, 1, 0x18});  // the second byte of model_id
    ASSERT_TRUE(rig.Connect());
    EXPECT_EQ(rig.port.state(), PlayMode);
    EXPECT_EQ(rig.port.device_info().version, 0x010203);
    EXPECT_EQ(rig.port.device_info().model_id, -1);
    EXPECT_EQ(rig.port.device_info().aux, 7);
    EXPECT_TRUE(rig.port.keep_alive());
    rig.pedal.AddFault({FaultKind::Short, 3, 1, 0x12});
    EXPECT_FALSE(rig.port.handshake(100)) << "a raw reply must be exactly 4 bytes";
}

TEST(Connection, AFailedOpenDoesNotLoseTheInputCallback)
{
    CScriptedPrompt prompt;
    CPedalRig rig;
    EXPECT_FALSE(rig.port.connect_device(7)) << "no input port 7";
    EXPECT_TRUE(rig.port.connect_device(0));
    EXPECT_EQ(rig.port.state(), UpdateMode);
}

TEST(Connection, NoAnswerStaysClosed)
{
    CScriptedPrompt prompt;
    CInProcessMidi midi;
    CSilentPorts silent(midi, "Dead");
    CUSBPort port(midi);
    EXPECT_FALSE(port.connect_device(0));
    EXPECT_EQ(port.state(), Closed);
    EXPECT_FALSE(port.keep_alive());
    uint8_t b[4];
    EXPECT_FALSE(port.flash_read(1, 0, b, 4)) << "no traffic while closed";
    EXPECT_TRUE(prompt.texts.isEmpty());
}

TEST(Connection, OpenFailureIsLoggedAndClosed)
{
    CScriptedPrompt prompt;
    CInProcessMidi midi;
    CUSBPort port(midi);
    EXPECT_FALSE(port.connect_device((5u << 16) | 5u));
    EXPECT_EQ(port.state(), Closed);
    EXPECT_FALSE(port.last_error().empty());
    const QStringList log = FileLines(LogFilePath());
    ASSERT_FALSE(log.isEmpty());
    EXPECT_TRUE(log.last().endsWith("{CUSBPort::open failed=" + QString::fromStdString(port.last_error()) + "}"));
    EXPECT_FALSE(port.open(0, 3)) << "a mode above 2 is refused";
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
    EXPECT_EQ(rig.port.device_info().model_id, -1);
    EXPECT_EQ(rig.port.device_info().version, -1);
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

TEST(Identity, StatusTextsAndVersions)
{
    DeviceInfo info;
    info.model_id = 10009;
    info.version = 0x7F010203;
    EXPECT_EQ(version_text(info.version), "1.2.3");
    EXPECT_EQ(version_text(-1), "255.255.255");
    EXPECT_EQ(ConnectionStatusText(UpdateMode, info), "Corvanta V1.7 - (Unknown device connected !)");
    EXPECT_EQ(ConnectionStatusText(PlayMode, info), "Corvanta V1.7 - (Please enter update mode !)");
    EXPECT_EQ(ConnectionStatusText(Closed, info), "Corvanta V1.7 - (No device connected !)");
    for (int32_t id : {10001, 10007, 10008}) {
        ASSERT_NE(find_model(id), nullptr);
        EXPECT_STREQ(find_model(id)->name, "RK-20");
        EXPECT_EQ(find_model(id)->update_switch, 1u);
        info.model_id = id;
        EXPECT_FALSE(CanHoldSongs(UpdateMode, info));
    }
    info.model_id = 10002;
    EXPECT_TRUE(CanHoldSongs(UpdateMode, info));
    EXPECT_FALSE(CanHoldSongs(PlayMode, info));
    EXPECT_EQ(find_model(10006)->song_area->channels, 2u);
}

TEST(Watcher, RaisesTheFlagWhenOutputPortsComeAndGoAndStops)
{
    CInProcessMidi midi;
    std::atomic<bool> changed{false};
    auto existing = midi.AddDestination("Synth", [](const CDeliveryQueue::Message&) {});
    {
        CDeviceWatcher watcher(midi, changed, nullptr, std::chrono::milliseconds(20));
        ASSERT_TRUE(Eventually([&] { return changed.load(); })) << "the first pass sees one port";
        changed = false;
        auto source = midi.AddSource("Input only");
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        EXPECT_FALSE(changed.load()) << "input ports are not watched";
        auto own = midi.AddDestination("RtMidi Input Client:RtMidi Input", [](const CDeliveryQueue::Message&) {});
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        EXPECT_FALSE(changed.load()) << "the program's own ports are not counted";
        auto added = midi.AddDestination("Pedal", [](const CDeliveryQueue::Message&) {});
        ASSERT_TRUE(Eventually([&] { return changed.load(); }));
        changed = false;
        added.reset();
        ASSERT_TRUE(Eventually([&] { return changed.load(); }));
    }
    changed = false;
    auto later = midi.AddDestination("Later", [](const CDeliveryQueue::Message&) {});
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(changed.load()) << "a stopped watcher raises nothing";
}

// The main window, offscreen, against the in-process MIDI service.
#include "AppFiles.h"
#include "CorvantaQT.h"
#include "DeviceWatcher.h"
#include "Frame.h"
#include "ProgressEvent.h"
#include "TestSupport.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QListWidget>
#include <QProgressBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>

namespace {

template <class T = QWidget>
T* Widget(QWidget& window, const char* name)
{
    T* w = window.findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// The firmware file choice, '+' shown and '-' hidden: the web list and its
// label, then the local path's label, button and field.
QString FileChoice(QWidget& window)
{
    QString shown;
    for (const char* name : {"m_comNewSoftware", "m_labelNewSoftware", "m_labelPath", "m_btnOpen", "m_editPath"})
        shown += Widget(window, name)->isHidden() ? '-' : '+';
    return shown;
}

}  // namespace

// A window's tests hold the prompt and the MIDI service of their windows.
class Window : public ::testing::Test {
protected:
    CScriptedPrompt prompt;
    CInProcessMidi midi;
};

// The window as the program starts, by the pedal on the bus.
struct StartCase {
    const char* name;
    int32_t model;              // 0: no pedal
    const char* state;          // the title's part in brackets
    const char* buttons;        // as CommandButtons; row 0 selected
    int rows;
    const char* box = nullptr;  // the one box shown, or none
    PedalMode mode = PedalMode::Update;
    bool failedLoad = false;    // the catalogue's first chunk is refused four times
};
void PrintTo(const StartCase& c, std::ostream* os) { *os << c.name; }

class WindowStart : public Window, public ::testing::WithParamInterface<StartCase> {};

TEST_P(WindowStart, ShowsThePedalAndEnablesButtonsByModel)
{
    const StartCase& c = GetParam();
    CVirtualPedal pedal(PedalFor(c.model ? c.model : 10002, c.mode));
    // The information block read is the first read; the catalogue's are
    // next, and a failed chunk is asked for four times.
    for (uint32_t at = 2; c.failedLoad && at <= 5; ++at)
        pedal.AddFault({FaultKind::WrongAddress, 0, at, frame::kRead});
    std::unique_ptr<CInProcessPedalPorts> ports;
    if (c.model)
        ports = std::make_unique<CInProcessPedalPorts>(midi, pedal, "Corvanta Pedal");
    CorvantaQT window(midi);
    EXPECT_EQ(window.windowTitle(), QString("Corvanta V1.7 - (%1)").arg(c.state));
    EXPECT_EQ(CommandButtons(window), c.buttons);
    EXPECT_EQ(Widget<QListWidget>(window, "m_lstSong")->count(), c.rows);
    EXPECT_EQ(prompt.texts, c.box ? QStringList(c.box) : QStringList());
    EXPECT_TRUE(Widget(window, "progressBar")->isHidden());
    EXPECT_EQ(Widget<QTabWidget>(window, "propSheet")->currentIndex(), 0);
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the window keeps its size";
    // The local file choice swaps the web list for the path widgets, and back.
    EXPECT_EQ(FileChoice(window), "++---");
    auto* local = Widget<QCheckBox>(window, "m_btnSelLocal");
    local->click();
    EXPECT_EQ(FileChoice(window), "--+++");
    local->click();
    EXPECT_EQ(FileChoice(window), "++---");
}

INSTANTIATE_TEST_SUITE_P(
    Pedals, WindowStart,
    ::testing::Values(
        StartCase{"NoPedal", 0, "No device connected !", "-----", 0},
        StartCase{"Korvel", 10002, "Connected - KORVEL, Ver=V1.2.3", "-+-++", 30},
        StartCase{"Rk20", 10001, "Connected - RK-20, Ver=V1.2.3", "---++", 0},
        StartCase{"Unknown", 10009, "Unknown device connected !", "---++", 0},
        StartCase{"PlayMode", 10002, "No device connected !", "-----", 0,
                  "You should enter update mode first! For how to enter update mode, please refer to the manual",
                  PedalMode::Play},
        // The link stays open; the list stays empty, no row to follow.
        StartCase{"FailedLoad", 10002, "Connected - KORVEL, Ver=V1.2.3", "+++++", 0, "Load song info failed !",
                  PedalMode::Update, true}),
    [](const ::testing::TestParamInfo<StartCase>& info) { return info.param.name; });

// The bar follows the running operation, one at a time; the poll ticks
// meanwhile and does nothing, and the flag the watcher raised is acted on by
// the first poll after it.
TEST_F(Window, ProgressFollowsTheRunningOperationAndThePollWaitsForIt)
{
    CorvantaQT window(midi);
    window.show();
    auto* bar = Widget<QProgressBar>(window, "progressBar");
    auto* tabs = Widget<QTabWidget>(window, "propSheet");
    const auto shown = [&](int64_t current, int64_t total) {
        PostProgress(&window, current, total);
        QCoreApplication::processEvents();
        return bar->value();
    };
    CPollTicks ticks(&window);
    CVirtualPedal pedal(PedalFor(10002));
    std::unique_ptr<CInProcessPedalPorts> ports;

    EXPECT_EQ(shown(1, 3), -1) << "ignored while idle";
    for (Operation op : {OpFirmware, OpExport, OpImport}) {
        SCOPED_TRACE(op);
        ASSERT_TRUE(window.BeginOperation(op));
        if (op == OpImport) {
            ports = std::make_unique<CInProcessPedalPorts>(midi, pedal, "USB Looper");
            ASSERT_TRUE(ticks.WaitFor(2));
            EXPECT_EQ(pedal.CommandCount(), 0u) << "no probe during an operation";
        }
        EXPECT_FALSE(bar->isHidden());
        EXPECT_EQ(bar->value(), 0);
        EXPECT_EQ(tabs->isTabEnabled(0), op != OpFirmware) << "the other page's tab is off";
        EXPECT_EQ(tabs->isTabEnabled(1), op == OpFirmware);
        EXPECT_FALSE(window.BeginOperation(OpExport)) << "one operation at a time";
        EXPECT_FALSE(window.close()) << "no close while it runs";
        const int quarter = shown(1, 4), half = shown(2, 4);
        EXPECT_TRUE(0 < quarter && quarter < half) << quarter << ", " << half << ": the bar moves forward";
        EXPECT_EQ(shown(int64_t(3) << 32, int64_t(4) << 32), shown(3, 4)) << "64-bit counters";
        EXPECT_EQ(shown(4, 4), 100);
        EXPECT_EQ(shown(1, 0), 100) << "a total of 0 is ignored";
        window.EndOperation();
        EXPECT_TRUE(bar->isHidden());
        EXPECT_TRUE(tabs->isTabEnabled(0) && tabs->isTabEnabled(1));
    }
    EXPECT_EQ(window.CurrentOperation(), OpIdle);
    window.PollConnection();
    EXPECT_TRUE(window.windowTitle().contains("KORVEL")) << window.windowTitle().toStdString();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.close());
}

// A pedal pulled out right after the start, before the watcher's first look
// at the ports, is noticed: that first look counts as a change. The poll
// finds a pedal plugged in later and notices it pulled out again.
TEST_F(Window, APedalPulledOutRightAfterTheStartIsNoticedAndAPluggedOneFound)
{
    CVirtualPedal pedal(PedalFor(10004));
    auto ports = std::make_unique<CInProcessPedalPorts>(midi, pedal, "USB Looper");
    CorvantaQT window(midi);
    ASSERT_TRUE(window.windowTitle().contains("SONDRAL"));
    const auto shows = [&](const char* title) {
        return QTest::qWaitFor([&] { return window.windowTitle().contains(title); }, 5000);
    };
    ports.reset();
    EXPECT_TRUE(shows("No device"));
    EXPECT_EQ(CommandButtons(window), "-----");
    ports = std::make_unique<CInProcessPedalPorts>(midi, pedal, "USB Looper");
    EXPECT_TRUE(shows("SONDRAL"));
    EXPECT_EQ(CommandButtons(window), "-+-++");
    EXPECT_EQ(window.findChild<QListWidget*>("m_lstSong")->count(), 1);
    ports.reset();
    EXPECT_TRUE(shows("No device"));
    EXPECT_EQ(CommandButtons(window), "-----");
    EXPECT_TRUE(prompt.texts.isEmpty());
}

// A box of the port search runs a nested event loop; neither the poll nor
// a close request may act before it is answered. The poll's timer cannot
// tick inside its own box, so the poll is called there directly, once the
// flag is raised by another device.
TEST_F(Window, PollAndCloseWhileABoxIsOpenWaitForIt)
{
    CorvantaQT window(midi);
    CVirtualPedal pedal(PedalFor(10002, PedalMode::Play));
    std::atomic<int> changes{0};
    std::atomic<bool> changed{false};
    CDeviceWatcher watcher(midi, changed, [&](const auto&, auto) { ++changes; });
    uint32_t commandsDuringBox = 0;
    int boxesDuringBox = 0;
    bool closedDuringBox = true;
    window.show();
    std::unique_ptr<CInProcessMidi::Destination> extra;
    prompt.onBox = [&] {
        prompt.onBox = nullptr;
        const uint32_t before = pedal.CommandCount();
        // Another device comes while the box is open: the flag rises again.
        const int seen = changes;
        extra = midi.AddDestination("Synth", [](const CDeliveryQueue::Message&) {});
        EXPECT_TRUE(QTest::qWaitFor([&] { return changes > seen; }, 5000)) << "a watcher saw it";
        window.PollConnection();
        closedDuringBox = window.close();
        commandsDuringBox = pedal.CommandCount() - before;
        boxesDuringBox = prompt.texts.size();
    };
    CInProcessPedalPorts ports(midi, pedal, "USB Looper");
    ASSERT_TRUE(QTest::qWaitFor([&] { return prompt.onBox == nullptr && boxesDuringBox > 0; }, 10000));
    EXPECT_EQ(commandsDuringBox, 0u);
    EXPECT_EQ(boxesDuringBox, 1);
    EXPECT_TRUE(!closedDuringBox && window.isVisible()) << "the window stays open";
    // The raised flag is handled after the box: the search runs once more.
    EXPECT_TRUE(QTest::qWaitFor([&] { return prompt.texts.size() == 2; }, 5000));
}

TEST(Settings, UnwritableProgramFolderFallsBackToTheUserFolder)
{
    QTemporaryDir user;
    EXPECT_EQ(ChooseAppDir("/nonexistent/program", user.path() + "/cfg"), user.path() + "/cfg/");
    EXPECT_TRUE(QDir(user.path() + "/cfg").exists());
    EXPECT_EQ(ChooseAppDir(user.path(), "/unused"), user.path() + "/");
}

// The command protocol through the virtual pedal on the in-process MIDI service.
#include "DeviceLog.h"
#include "DeviceWatcher.h"
#include "Frame.h"
#include "ProgressEvent.h"
#include "SongSupport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

class ProgressSpy : public QObject {
public:
    std::vector<std::pair<int64_t, int64_t>> seen;

protected:
    void customEvent(QEvent* e) override
    {
        if (e->type() == kProgressEventType) {
            auto* p = static_cast<CEventBase*>(e);
            seen.emplace_back(p->current, p->total);
        }
    }
};

class Protocol : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(rig.Connect()); }

    CScriptedPrompt prompt;
    CPedalRig rig;
    CUSBPort& port = rig.port;
    CVirtualPedal& pedal = rig.pedal;
};

}  // namespace

TEST(ProtocolFrames, GoldenFramesOnTheWire)
{
    CPedalRig rig;
    rig.pedal.SetRecording(true);
    ASSERT_TRUE(rig.Connect());
    ASSERT_TRUE(rig.port.flash_erase(1, 0x10000));
    const std::vector<Bytes> wire = rig.pedal.Received();
    ASSERT_EQ(wire.size(), 3u);
    EXPECT_EQ(wire[0], (Bytes{0xF0, 0x00, 0x32, 0x45, 0x00, 0x00, 0x00, 0x40, 0x7F, 0xF7}));
    const std::vector<Bytes> frames = SentFrames(rig.pedal);
    EXPECT_EQ(frames[1], (Bytes{0x00, 0x59, 0x23, 0x08, 0x00, 0x00, 0x00, 0x80, 0x21, 0x00, 0x00, 0x10, 0x00, 0x00, 0x4E}));
    EXPECT_EQ(frames[2], (Bytes{0x00, 0x59, 0x21, 0x05, 0x00, 0x00, 0x01, 0x00, 0x00, 0x01, 0x00, 0xFD}));
}

// The commands cover n bytes from address in order, in chunks of that size.
static void ExpectChunks(const std::vector<SentCommand>& commands, uint32_t address, uint32_t n, uint32_t chunk)
{
    std::vector<SentCommand> expected;
    for (uint32_t at = 0; at < n; at += chunk)
        expected.push_back({1, address + at, std::min(chunk, n - at)});
    EXPECT_EQ(commands, expected);
}

// Writes go in chunks of 5,120 bytes with one progress event each, reads in
// chunks of 1,009; nothing lands past the destination.
TEST_F(Protocol, ReadsAndWritesOfEveryChunkBoundary)
{
    pedal.SetRecording(true);
    uint32_t address = 0;
    for (uint32_t n : {0u, 1u, 1009u, 1010u, 5120u, 5121u}) {
        SCOPED_TRACE(n);
        address += 0x10000;  // a fresh, erased range each time
        const Bytes data = SongAudio(n, n);
        size_t from = pedal.Received().size();
        ProgressSpy spy;
        ASSERT_TRUE(port.flash_write(1, address, data.data(), n, &spy));
        QCoreApplication::processEvents();
        const std::vector<SentCommand> writes = SentCommands(pedal, frame::kWrite, from);
        ExpectChunks(writes, address, n, 5120);
        ASSERT_EQ(spy.seen.size(), writes.size());
        for (size_t k = 0; k < writes.size(); ++k)
            EXPECT_EQ(spy.seen[k], std::make_pair(int64_t(k + 1), int64_t(writes.size())));

        Bytes back(n + 1, 0xEE);
        from = pedal.Received().size();
        ASSERT_TRUE(port.flash_read(1, address, back.data(), n));
        ExpectChunks(SentCommands(pedal, frame::kRead, from), address, n, 1009);
        EXPECT_EQ(Bytes(back.begin(), back.begin() + n), data);
        EXPECT_EQ(back[n], 0xEE) << "nothing written past the destination";
    }
    EXPECT_TRUE(prompt.texts.isEmpty());
}

// The results a refused write (0), a bit flipped on the way (3) and a bad
// checksum reply (4) give are the texts of FirmwareUpdate.DeviceFaultsStopTheUpdateWhereTheyHappen.
TEST_F(Protocol, VerifyResults)
{
    const Bytes data = SongAudio(3000);
    // Programming the NOR flash over unerased bytes can only clear bits: the sum differs.
    const Bytes other = SongAudio(3000, 77);
    EXPECT_EQ(port.flash_write_verify(0, 0x40000, data.data(), 3000, nullptr), 1);
    EXPECT_EQ(port.flash_write_verify(0, 0x40000, other.data(), 3000, nullptr), 3);
    ASSERT_TRUE(port.flash_erase(1, 0x80000));
    for (uint32_t at = 1; at <= 3; ++at)  // every try of the checksum query
        pedal.AddFault({FaultKind::BadType, 0, at, frame::kChecksum});
    EXPECT_EQ(port.flash_write_verify(1, 0x80000, data.data(), 3000, nullptr), 4);
    Bytes back(3000);
    ASSERT_TRUE(port.flash_read(1, 0x80000, back.data(), 3000));
    EXPECT_EQ(back, data) << "the data stays written when the verify reply is bad";
    // The checksum reply's echo of flash, address and length is not compared.
    for (FaultKind echo : {FaultKind::WrongAddress, FaultKind::WrongLength}) {
        ASSERT_TRUE(port.flash_erase(1, 0x80000));
        pedal.AddFault({echo, 0, 1, frame::kChecksum});
        EXPECT_EQ(port.flash_write_verify(1, 0x80000, data.data(), 3000, nullptr), 1);
    }
}

// A failed erase or write changes the flash: it is never sent again. Refused
// and out-of-range commands and replies of the wrong type fail without a box;
// only a status reply of the wrong size shows one.
TEST_F(Protocol, FailedCommandsAreNotSentAgainAndOnlyAWrongSizedStatusShowsABox)
{
    EXPECT_FALSE(port.flash_erase(1, 0x7FFFFFFF));
    Bytes buffer(100);
    const int logged = FileLines(LogFilePath()).size();
    EXPECT_FALSE(port.flash_read(3, 0, buffer.data(), 16));
    const QStringList log = FileLines(LogFilePath()).mid(logged);
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].endsWith("]{CUSBConnect::flash_read failed}")) << log[0].toStdString();
    pedal.AddFault({FaultKind::Refuse, 0, 1, frame::kErase});
    uint32_t before = pedal.CommandCount();
    EXPECT_FALSE(port.flash_erase(1, 0));
    EXPECT_EQ(pedal.CommandCount() - before, 1u);
    EXPECT_TRUE(port.flash_erase(1, 0));
    EXPECT_TRUE(prompt.texts.isEmpty());
    pedal.AddFault({FaultKind::BadType, 0, 1, frame::kWrite});
    before = pedal.CommandCount();
    EXPECT_FALSE(port.flash_write(1, 0, buffer.data(), uint32_t(buffer.size()), nullptr));
    EXPECT_EQ(pedal.CommandCount() - before, 1u);
    EXPECT_TRUE(prompt.texts.isEmpty());
    pedal.AddFault({FaultKind::Short, 5, 1, frame::kErase});
    EXPECT_FALSE(port.flash_erase(1, 0));
    EXPECT_EQ(prompt.texts, QStringList(QString::fromUtf8("读取回复码长度错误,需要8字节,收到5字节")));
}

// The pedal is pulled out while a write waits for its status reply (50 s
// budget): the write fails at once, and every later exchange fails without
// waiting until the link is opened again. Either the MIDI service itself
// tells that the input's port went, or only the watcher sees the ports go,
// as with RtMidi.
class Unplug : public Protocol, public ::testing::WithParamInterface<bool> {};

TEST_P(Unplug, EndsTheWaitingExchangeAtOnce)
{
    using namespace std::chrono;
    const bool serviceNotices = GetParam();
    std::atomic<bool> changed{false};
    rig.midi.SetNoticesLostPorts(serviceNotices);
    std::unique_ptr<CDeviceWatcher> watcher;
    if (!serviceNotices)
        watcher = std::make_unique<CDeviceWatcher>(rig.midi, changed, CDeviceWatcher::EndWaitsOf(port), milliseconds(20));
    const Bytes data = SongAudio(100);
    pedal.AddFault({FaultKind::Drop, 0, 1, frame::kWrite});
    const uint32_t before = pedal.CommandCount();
    std::thread puller([&] {
        // Pulled once the pedal has the write whose reply will never come.
        Eventually([&] { return pedal.CommandCount() > before; });
        rig.ports->Unplug();
    });
    const auto start = steady_clock::now();
    EXPECT_FALSE(port.flash_write(1, 0, data.data(), uint32_t(data.size()), nullptr));
    puller.join();
    EXPECT_LT(steady_clock::now() - start, seconds(10)) << "not the write's 50 s budget";
    Bytes back(16);
    EXPECT_FALSE(port.keep_alive());
    EXPECT_FALSE(port.flash_read(1, 0, back.data(), 16));
    EXPECT_EQ(pedal.CommandCount(), before + 1) << "nothing more was sent";
    EXPECT_TRUE(prompt.texts.isEmpty());

    rig.ports->Plug();
    ASSERT_TRUE(port.connect_device(port.open_ports()));
    EXPECT_TRUE(port.flash_read(1, 0, back.data(), 16)) << "a new open ends the lost state";
}

INSTANTIATE_TEST_SUITE_P(Seen, Unplug, ::testing::Bool(), [](const ::testing::TestParamInfo<bool>& info) {
    return info.param ? "ByTheMidiService" : "ByTheWatcher";
});

// Each injected reply fault: the operation's result and the box the protocol shows.
struct ReplyFaultCase {
    const char* name;
    FaultKind kind;
    uint32_t param;
    bool readSucceeds;
    const char* box;  // nullptr: no box
};

void PrintTo(const ReplyFaultCase& c, std::ostream* os) { *os << c.name; }

class ReadReplyFault : public Protocol, public ::testing::WithParamInterface<ReplyFaultCase> {};

// A read changes nothing on the pedal, so a chunk whose reply is lost or
// fails its checks is asked for again, quietly; only when all four tries of
// the same chunk fail does the read fail, with the protocol's box.
TEST_P(ReadReplyFault, IsAskedAgainAndFailsTheReadOnlyWhenEveryTryFails)
{
    const ReplyFaultCase& c = GetParam();
    const Bytes data = SongAudio(1009);
    ASSERT_TRUE(port.flash_write(1, 0x3000, data.data(), 1009, nullptr));
    Bytes back(1009);
    pedal.AddFault({c.kind, c.param, 1, frame::kRead});
    uint32_t before = pedal.CommandCount();
    EXPECT_TRUE(port.flash_read(1, 0x3000, back.data(), 1009));
    EXPECT_EQ(back, data);
    EXPECT_TRUE(prompt.texts.isEmpty()) << prompt.texts.join('|').toStdString();
    EXPECT_EQ(pedal.CommandCount() - before, c.readSucceeds ? 1u : 2u);

    pedal.ClearFaults();
    for (uint32_t at = 1; at <= 4; ++at)
        pedal.AddFault({c.kind, c.param, at, frame::kRead});
    std::fill(back.begin(), back.end(), 0);
    before = pedal.CommandCount();
    EXPECT_EQ(port.flash_read(1, 0x3000, back.data(), 1009), c.readSucceeds);
    EXPECT_EQ(pedal.CommandCount() - before, c.readSucceeds ? 1u : 4u) << "never a fifth try";
    // One box with its title, or none.
    EXPECT_EQ(prompt.titles, c.box ? QStringList("Message") : QStringList()) << prompt.texts.join('|').toStdString();
    EXPECT_EQ(prompt.texts.size(), prompt.titles.size());
    if (c.box) {
        EXPECT_TRUE(prompt.texts.value(0).startsWith(QString::fromUtf8(c.box))) << prompt.texts.value(0).toStdString();
    }
    if (c.readSucceeds) {
        EXPECT_EQ(back, data);
    }
    // The link recovers: the next exchange works.
    ASSERT_TRUE(port.flash_read(1, 0x3000, back.data(), 1009));
    EXPECT_EQ(back, data);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ReadReplyFault,
    ::testing::Values(
        ReplyFaultCase{"Drop", FaultKind::Drop, 0, false, nullptr},
        ReplyFaultCase{"Checksum", FaultKind::BadChecksum, 0, false, "Checksum错误,算出来是"},
        ReplyFaultCase{"Type", FaultKind::BadType, 0, false, nullptr},
        ReplyFaultCase{"Short", FaultKind::Short, 100, false, "Data length error,need 1024 bytes,got 100 bytes"},
        ReplyFaultCase{"WrongAddress", FaultKind::WrongAddress, 0, false, nullptr},
        ReplyFaultCase{"WrongLength", FaultKind::WrongLength, 0, false, nullptr},
        ReplyFaultCase{"LyingLengthField", FaultKind::LieLength, 0, false, "Data length error,need 1024 bytes,got 1025 bytes"},
        ReplyFaultCase{"RealTimeBytesInside", FaultKind::RealTime, 0, true, nullptr},
        ReplyFaultCase{"OversizedMessage", FaultKind::Oversize, 0, false, nullptr},
        ReplyFaultCase{"Refused", FaultKind::Refuse, 0, false, nullptr}),
    [](const ::testing::TestParamInfo<ReplyFaultCase>& info) { return info.param.name; });

TEST(DeviceLog, LongMessagesAreCutTo199Characters)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("log.txt");
    WriteLog(path, "%s", std::string(300, 'x').c_str());
    WriteLog(path, "second");
    const QString day = QDateTime::currentDateTime().toString("[yyyy-dd-MM");
    const QStringList lines = FileLines(path);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].endsWith("{" + QString(199, 'x') + "}"));
    const QRegularExpression stamped(R"(^\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3}\]\{second\}$)");
    EXPECT_TRUE(stamped.match(lines[1]).hasMatch()) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].startsWith(day)) << "day before month";
    WriteLog("/nonexistent-folder/log.txt", "skipped silently");
    EXPECT_FALSE(QDir("/nonexistent-folder").exists()) << "no folder is made for the log";
}

TEST_F(Protocol, LateReplyIsNeverTakenForTheNextCommands)
{
    // The identify replies of keep_alive arrive after its three 50 ms tries, while
    // the next command is about to run; it must not be read as the erase's
    // status reply (that would show the status length box and fail).
    pedal.AddFault({FaultKind::Delay, 200, 1, frame::kIdentify});
    EXPECT_FALSE(port.keep_alive());
    EXPECT_TRUE(port.flash_erase(1, 0));
    EXPECT_TRUE(port.keep_alive());
    EXPECT_TRUE(prompt.texts.isEmpty()) << prompt.texts.join('|').toStdString();
}

// The pedal answers nothing once its power is cut: each keep-alive fails
// after its own budget of 50 ms, not a longer wait. The cut falls on the
// first command of any kind after the fault is added.
TEST_F(Protocol, PowerCutFailsEveryLaterCommandWithinItsBudget)
{
    using namespace std::chrono;
    pedal.AddFault({FaultKind::Power, 0, 1, -1});
    const auto start = steady_clock::now();
    EXPECT_FALSE(port.keep_alive());
    EXPECT_FALSE(pedal.Powered());
    EXPECT_FALSE(port.keep_alive());
    EXPECT_LT(steady_clock::now() - start, seconds(2)) << "two budgets of 50 ms, generously";
    EXPECT_TRUE(prompt.texts.isEmpty());
}

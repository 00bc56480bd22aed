// The virtual pedal itself: NOR and NAND semantics, flash images, identity, faults.
#include "DeviceModels.h"
#include "Frame.h"
#include "TestSupport.h"
#include "WireCodec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>

using Bytes = std::vector<uint8_t>;

namespace {

// Drives a pedal directly with packed frames and collects its unpacked replies.
class DirectPedal {
public:
    explicit DirectPedal(CVirtualPedal& pedal) : m_pedal(pedal)
    {
        m_pedal.SetOutput([this](const uint8_t* m, size_t n) {
            Bytes f(n);
            f.resize(Unpack7(m + 1, n - 2, f.data(), f.size()));
            replies.push_back(f);
        });
    }
    void Send(uint8_t code, const Bytes& payload)
    {
        Bytes f(payload.size() + 7);
        std::copy(payload.begin(), payload.end(), f.begin() + 6);
        frame::Finish(f.data(), code, uint32_t(payload.size()));
        Bytes m(PackedSize(f.size()) + 2);
        m.front() = 0xF0;
        Pack7(f.data(), f.size(), m.data() + 1);
        m.back() = 0xF7;
        m_pedal.Handle(m.data(), m.size());
    }
    void Write(uint32_t address, const Bytes& data, uint8_t flash_no = 1)
    {
        Bytes p = {flash_no, 0, 0, 0, 0, 0, 0, 0};
        frame::PutLE(&p[1], address, 4);
        frame::PutLE(&p[5], uint32_t(data.size()), 3);
        p.insert(p.end(), data.begin(), data.end());
        Send(frame::kWrite, p);
    }
    void Erase(uint32_t address)
    {
        Bytes p = {1, 0, 0, 0, 0};
        frame::PutLE(&p[1], address, 4);
        Send(frame::kErase, p);
    }
    std::vector<Bytes> replies;

private:
    CVirtualPedal& m_pedal;
};

Bytes FlashBytes(CVirtualPedal& pedal, int flash, uint32_t address, size_t n)
{
    Bytes b(n);
    EXPECT_TRUE(pedal.Flash(flash).Read(address, b.data(), n));
    return b;
}

}  // namespace

TEST(NorFlash, ProgramOnlyClearsBitsAndEraseSetsTheWholeSector)
{
    CNorFlash flash(1 << 20, 4096, std::make_unique<CMemoryFlashStore>(4096));
    const Bytes a = {0xF0, 0x0F, 0xAA};
    const Bytes b = {0x3C, 0xFF, 0x55};
    ASSERT_TRUE(flash.Program(5000, a.data(), 3));
    ASSERT_TRUE(flash.Program(5000, b.data(), 3));
    Bytes got(3);
    flash.Read(5000, got.data(), 3);
    EXPECT_EQ(got, (Bytes{0x30, 0x0F, 0x00}));
    ASSERT_TRUE(flash.EraseSector(4097));
    flash.Read(4096, got.data(), 3);
    EXPECT_EQ(got, (Bytes{0xFF, 0xFF, 0xFF}));
    EXPECT_FALSE(flash.Program((1 << 20) - 1, a.data(), 3)) << "beyond the end";
    EXPECT_FALSE(flash.EraseSector(1 << 20));
    uint16_t sum = 0;
    ASSERT_TRUE(flash.Sum16(0, 1 << 20, sum));
    EXPECT_EQ(sum, uint16_t((1 << 20) * 0xFF));
}

namespace {
bool Erased(const Bytes& b)
{
    return std::all_of(b.begin(), b.end(), [](uint8_t x) { return x == 0xFF; });
}
}  // namespace

TEST(NandFlash, EachPageIsProgrammedOnceBetweenErasesOfItsBlock)
{
    // Blocks of 4 pages of 256 bytes.
    CNandFlash flash(8 * 1024, 1024, 256, std::make_unique<CMemoryFlashStore>(1024));
    const Bytes a(256, 0x5A), b(300, 0x00);
    Bytes got(256);
    ASSERT_TRUE(flash.Program(3 * 256, a.data(), a.size())) << "pages of a block in any order";
    ASSERT_TRUE(flash.Program(0, a.data(), 10));
    EXPECT_FALSE(flash.Program(3 * 256, b.data(), 1)) << "the same page again";
    EXPECT_FALSE(flash.Program(100, b.data(), 1)) << "another byte of a programmed page";
    EXPECT_FALSE(flash.Program(2 * 256, b.data(), 300)) << "touches a programmed page";
    EXPECT_EQ(flash.Violations(), 3u);
    flash.Read(2 * 256, got.data(), 256);
    EXPECT_TRUE(Erased(got)) << "a refused write changes nothing";
    flash.Read(3 * 256, got.data(), 256);
    EXPECT_EQ(got, a);

    ASSERT_TRUE(flash.EraseSector(1000)) << "erases the whole block";
    flash.Read(0, got.data(), 256);
    EXPECT_TRUE(Erased(got));
    EXPECT_TRUE(flash.Program(3 * 256, b.data(), 256));
    EXPECT_TRUE(flash.Program(1024 - 1, b.data(), 0)) << "an empty write touches nothing";
    EXPECT_EQ(flash.Violations(), 3u);
}

TEST(NandFlash, AStreamOfWritesFillsEachPageInOnePass)
{
    CNandFlash flash(8 * 1024, 1024, 256, std::make_unique<CMemoryFlashStore>(1024));
    const Bytes part(100, 0x11);
    ASSERT_TRUE(flash.Program(0, part.data(), 100));
    ASSERT_TRUE(flash.Program(100, part.data(), 100)) << "continues where the last write ended";
    ASSERT_TRUE(flash.Program(200, part.data(), 100)) << "and on into the next page";
    EXPECT_FALSE(flash.Program(350, part.data(), 10)) << "a gap is a second program";
    EXPECT_FALSE(flash.Program(0, part.data(), 1)) << "so is going back";
    ASSERT_TRUE(flash.Program(2048, part.data(), 50));
    EXPECT_FALSE(flash.Program(300, part.data(), 10)) << "only the last write's page stays open";
    EXPECT_EQ(flash.Violations(), 3u);
}

TEST(NandFlash, ACutWriteProgramsItsFirstBytesAndLeavesNoPageOpen)
{
    CNandFlash flash(8 * 1024, 1024, 256, std::make_unique<CMemoryFlashStore>(1024));
    const Bytes data(600, 0x22);
    ASSERT_TRUE(flash.Program(0, data.data(), 600, 100));
    Bytes got(600);
    flash.Read(0, got.data(), 600);
    EXPECT_EQ(Bytes(got.begin(), got.begin() + 100), Bytes(100, 0x22));
    EXPECT_TRUE(Erased(Bytes(got.begin() + 100, got.end())));
    EXPECT_FALSE(flash.Program(100, data.data(), 10)) << "the cut page was programmed";
    EXPECT_TRUE(flash.Program(256, data.data(), 256)) << "the pages it never reached were not";
    // A cut erase frees only the pages it erased whole.
    flash.EraseSector(0, 300);
    EXPECT_TRUE(flash.Program(0, data.data(), 256));
    EXPECT_FALSE(flash.Program(300, data.data(), 1));
    EXPECT_EQ(flash.Violations(), 2u);
}

TEST(NandFlash, PagesOfAnImageFromAnEarlierRunStayProgrammed)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("flash1.bin");
    const Bytes data(10, 0x33);
    {
        CNandFlash flash(64 * 1024, 16 * 1024, 256, std::make_unique<CFileFlashStore>(path));
        ASSERT_TRUE(flash.Program(20 * 1024, data.data(), 10));
    }
    CNandFlash again(64 * 1024, 16 * 1024, 256, std::make_unique<CFileFlashStore>(path));
    EXPECT_FALSE(again.Program(20 * 1024 + 100, data.data(), 10));
    EXPECT_TRUE(again.Program(20 * 1024 + 256, data.data(), 10));
    EXPECT_EQ(again.Violations(), 1u);
}

TEST(Pedal, RefusesToProgramASongFlashPageTwiceButNotFlashZero)
{
    for (int32_t model : {10002, 10003}) {
        SCOPED_TRACE(model);
        CVirtualPedal pedal(PedalFor(model));
        DirectPedal link(pedal);
        const uint32_t page = find_model(model)->song_area->page_size;
        link.Write(5 * page + 2, Bytes(300, 0x44));
        link.Write(5 * page, Bytes(2, 0x48));  // the lead bytes after the body: a second program
        link.Write(6 * page, Bytes(2, 0x48));
        link.Write(0x10000, Bytes(2, 0x00), 0);
        link.Write(0x10000, Bytes(2, 0x00), 0);
        ASSERT_EQ(link.replies.size(), 5u);
        EXPECT_EQ(link.replies[0][6], 0);
        EXPECT_NE(link.replies[1][6], 0) << "refused";
        EXPECT_EQ(link.replies[2][6], 0);
        EXPECT_EQ(link.replies[3][6], 0);
        EXPECT_EQ(link.replies[4][6], 0) << "flash 0 is NOR";
        EXPECT_EQ(pedal.NandViolations(), 1u);
        EXPECT_EQ(FlashBytes(pedal, 1, 5 * page, 3), (Bytes{0xFF, 0xFF, 0x44}));
        link.Erase(0);
        link.Write(5 * page, Bytes(2, 0x48));
        EXPECT_EQ(link.replies.back()[6], 0) << "programmed again after the block's erase";
    }
}

TEST(FlashImage, BytesAreStoredComplementedAndPersistAcrossRuns)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("flash1.bin");
    {
        CNorFlash flash(64 << 20, 65536, std::make_unique<CFileFlashStore>(path));
        const Bytes data = {0x12, 0x34};
        ASSERT_TRUE(flash.Program(10 << 20, data.data(), 2));
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.size(), (10 << 20) + 2) << "only up to the last written byte";
    file.seek(10 << 20);
    EXPECT_EQ(file.read(2), QByteArray("\xED\xCB", 2));
    file.seek(0);
    EXPECT_EQ(file.read(4), QByteArray(4, '\0')) << "holes are erased flash";
    CNorFlash again(64 << 20, 65536, std::make_unique<CFileFlashStore>(path));
    Bytes got(4);
    again.Read((10 << 20) - 1, got.data(), 4);
    EXPECT_EQ(got, (Bytes{0xFF, 0x12, 0x34, 0xFF}));
}

TEST(Identity, WrittenIntoAnErasedBlockOnlyAndReadAsRegisters)
{
    QTemporaryDir dir;
    auto store = [&] { return std::make_unique<CFileFlashStore>(dir.filePath("flash0.bin")); };
    {
        CVirtualPedal pedal(PedalFor(10003, PedalMode::Update, 0x020100), store());
        EXPECT_EQ(frame::GetLE(FlashBytes(pedal, 0, 0x2180 + 4, 4).data(), 4), 10003u);
    }
    CVirtualPedal restarted(PedalFor(10002, PedalMode::Play), store());
    EXPECT_EQ(frame::GetLE(FlashBytes(restarted, 0, 0x2180 + 4, 4).data(), 4), 10003u)
        << "an existing block is kept";
    std::vector<Bytes> raw;
    restarted.SetOutput([&](const uint8_t* m, size_t n) { raw.emplace_back(m, m + n); });
    const Bytes read = {0xF0, 0x59, 0x14, 0x00, 0x00, 0xF7};  // byte 1 of version
    restarted.Handle(read.data(), read.size());
    ASSERT_EQ(raw.size(), 1u);
    const Bytes& r = raw[0];
    EXPECT_EQ(((r[4] << 4) | (r[3] & 0x0F)) & 0xFF, 0x01);
}

TEST(Faults, ParseTheCommandLineSyntax)
{
    const auto delay = ParseFault("delay:300@2/0x23");
    ASSERT_TRUE(delay);
    EXPECT_EQ(delay->kind, FaultKind::Delay);
    EXPECT_EQ(delay->param, 300u);
    EXPECT_EQ(delay->at, 2u);
    EXPECT_EQ(delay->code, 0x23);
    const auto power = ParseFault("power@7");
    ASSERT_TRUE(power);
    EXPECT_EQ(power->code, -1);
    for (const char* bad : {"", "drop", "drop@0", "melt@1", "torn:x@1", "drop@1/0x100", "drop@1/"})
        EXPECT_FALSE(ParseFault(bad)) << bad;
}

TEST(Faults, TornWriteProgramsTheFirstBytesThenNothingAnswers)
{
    CVirtualPedal pedal(PedalFor(10002));
    DirectPedal link(pedal);
    Bytes data(5120);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = uint8_t(i);
    pedal.AddFault({FaultKind::Torn, 1000, 1, frame::kWrite});
    link.Write(0x80000, data);
    EXPECT_TRUE(link.replies.empty());
    EXPECT_FALSE(pedal.Powered());
    const Bytes cells = FlashBytes(pedal, 1, 0x80000, 5120);
    EXPECT_TRUE(std::equal(data.begin(), data.begin() + 1000, cells.begin()));
    EXPECT_TRUE(std::all_of(cells.begin() + 1000, cells.end(), [](uint8_t b) { return b == 0xFF; }));
    link.Erase(0x80000);
    EXPECT_EQ(FlashBytes(pedal, 1, 0x80000, 1)[0], 0x00) << "nothing is written after the cut";
    EXPECT_TRUE(link.replies.empty());
    pedal.RestorePower();
    link.Write(0x80000 + 4096, Bytes(10, 0x00));
    link.Write(0x80000 + 1000, Bytes(10, 0x00));
    ASSERT_EQ(link.replies.size(), 2u);
    EXPECT_EQ(link.replies[0][6], 0) << "the page the cut never reached is still erased";
    EXPECT_NE(link.replies[1][6], 0) << "the cut page was programmed";
    EXPECT_EQ(pedal.NandViolations(), 1u);
}

TEST(Faults, TornEraseLeavesTheSectorHalfErased)
{
    CVirtualPedal pedal(PedalFor(10002));
    DirectPedal link(pedal);
    link.Write(0x40000, Bytes(5120, 0x00));
    link.Write(0x40000 + 200000, Bytes(5120, 0x00));
    ASSERT_EQ(link.replies.size(), 2u);
    pedal.AddFault({FaultKind::Torn, 0, 1, frame::kErase});
    link.Erase(0x40000);
    EXPECT_EQ(FlashBytes(pedal, 1, 0x40000, 1)[0], 0xFF);
    EXPECT_EQ(FlashBytes(pedal, 1, 0x40000 + 200000, 1)[0], 0x00) << "the second half of the 256 KiB block";
    EXPECT_EQ(link.replies.size(), 2u);
}

TEST(Faults, CountFromTheMomentTheyAreAdded)
{
    CVirtualPedal pedal(PedalFor(10002));
    DirectPedal link(pedal);
    link.Send(frame::kIdentify, {});
    link.Send(frame::kIdentify, {});
    pedal.AddFault({FaultKind::Refuse, 0, 2, -1});
    link.Send(frame::kIdentify, {});
    link.Send(frame::kIdentify, {});
    link.Send(frame::kIdentify, {});
    ASSERT_EQ(link.replies.size(), 5u);
    EXPECT_EQ(link.replies[2][2], frame::kIdentify);
    EXPECT_EQ(link.replies[3][2], frame::kStatus);
    EXPECT_EQ(link.replies[3][6], 1) << "refused";
    EXPECT_EQ(link.replies[4][2], frame::kIdentify);
}

TEST(Pedal, AnswersMalformedFramesWithAnErrorStatus)
{
    CVirtualPedal pedal(PedalFor(10002));
    DirectPedal link(pedal);
    link.Send(0x55, {});
    link.Send(frame::kRead, {1, 0, 0, 0, 0, 0xF2, 0x03, 0x00});  // 1,010 bytes: over the read limit
    link.Send(frame::kErase, {1, 0, 0, 0, 0x40});                // beyond the song flash
    ASSERT_EQ(link.replies.size(), 3u);
    for (const Bytes& r : link.replies) {
        EXPECT_EQ(r.size(), 8u);
        EXPECT_EQ(r[2], frame::kStatus);
        EXPECT_NE(r[6], 0);
    }
}

// Under the realistic timing each exchange costs its command and reply on
// a 250,000 bytes/s link with 1 ms per message, plus the flash operation,
// and the reply leaves only when that time is over.
TEST(PedalTiming, RealisticRepliesLeaveWhenTheModelledExchangeIsDone)
{
    using namespace std::chrono;
    PedalConfig config = PedalFor(10002);
    config.timing = PedalTiming::Realistic();
    CVirtualPedal pedal(config);
    DirectPedal direct(pedal);
    // Read 1,009 bytes: a 20-byte command, a 1,173-byte reply.
    auto start = steady_clock::now();
    direct.Send(frame::kRead, {1, 0, 0, 0, 0, 0xF1, 0x03, 0x00});
    const auto elapsed = steady_clock::now() - start;
    EXPECT_EQ(pedal.ModelledMicros(), 2000u + (20u + 1173u) * 4u);
    EXPECT_GE(elapsed, microseconds(pedal.ModelledMicros())) << "not before the modelled time";

    // An erase of the song flash: a 16-byte command, a 12-byte status, 3 ms.
    uint64_t before = pedal.ModelledMicros();
    direct.Send(frame::kErase, {1, 0, 0, 0, 0});
    EXPECT_EQ(pedal.ModelledMicros() - before, 2000u + (16u + 12u) * 4u + 3000u);
    // 5,120 bytes from the start of a 4,096-byte page: two page programs.
    before = pedal.ModelledMicros();
    direct.Write(0, Bytes(5120, 0x5A));
    EXPECT_EQ(pedal.ModelledMicros() - before, 2000u + (5871u + 12u) * 4u + 600u);
    // The same on the microcontroller's flash: 32 ms of programming.
    before = pedal.ModelledMicros();
    direct.Write(0x10000, Bytes(5120, 0x5A), 0);
    EXPECT_EQ(pedal.ModelledMicros() - before, 2000u + (5871u + 12u) * 4u + 32000u);
    for (const Bytes& reply : direct.replies) {
        if (reply[2] == frame::kStatus) {
            EXPECT_EQ(reply[6], 0) << "every command was done";
        }
    }
}

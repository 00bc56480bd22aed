// The virtual pedal itself: NOR and NAND semantics, flash images, identity, faults.
#include "Frame.h"
#include "TestSupport.h"
#include "WireCodec.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

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
        const Bytes m = PackedMessage(f);
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
    // The status byte of each reply: 0 when the command was done.
    std::vector<int> Statuses() const
    {
        std::vector<int> statuses;
        for (const Bytes& r : replies)
            statuses.push_back(r[6]);
        return statuses;
    }
    std::vector<Bytes> replies;

private:
    CVirtualPedal& m_pedal;
};

Bytes Cells(CVirtualPedal& pedal, int flash, uint32_t address, int n)
{
    const QByteArray b = FlashBytes(pedal, flash, address, n);
    return Bytes(b.begin(), b.end());
}

}  // namespace

// The NAND rules, step by step on blocks of 4 pages of 256 bytes: each page
// is programmed once between erases of its block, a stream of writes fills
// a page in one pass, and a cut write or erase touches only what it reached.
struct NandStep {
    char op;  // 'P' program, 'E' erase, 'F' whether the range reads erased
    uint32_t address, n;
    bool ok;
    size_t limit = SIZE_MAX;  // the bytes a cut program or erase reaches
};
struct NandCase {
    const char* name;
    std::vector<NandStep> steps;
    uint32_t violations;
};
void PrintTo(const NandCase& c, std::ostream* os) { *os << c.name; }

class NandWrites : public ::testing::TestWithParam<NandCase> {};

TEST_P(NandWrites, FollowTheRules)
{
    CNandFlash flash(8 * 1024, 1024, 256, std::make_unique<CMemoryFlashStore>(1024));
    const Bytes data(600, 0x22);
    int k = 0;
    for (const NandStep& step : GetParam().steps) {
        SCOPED_TRACE(k++);
        Bytes got(step.n);
        switch (step.op) {
        case 'P':
            EXPECT_EQ(flash.Program(step.address, data.data(), step.n, step.limit), step.ok);
            break;
        case 'E':
            EXPECT_EQ(flash.EraseSector(step.address, step.limit), step.ok);
            break;
        default:
            flash.Read(step.address, got.data(), step.n);
            EXPECT_EQ(std::all_of(got.begin(), got.end(), [](uint8_t x) { return x == 0xFF; }), step.ok);
        }
    }
    EXPECT_EQ(flash.Violations(), GetParam().violations);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, NandWrites,
    ::testing::Values(
        // Pages of a block in any order; the same page, another byte of it or
        // a write touching it is refused and changes nothing; an erase frees
        // the whole block; an empty write touches nothing.
        NandCase{"EachPageIsProgrammedOnceBetweenErasesOfItsBlock",
                 {{'P', 768, 256, true}, {'P', 0, 10, true}, {'P', 768, 1, false}, {'P', 100, 1, false},
                  {'P', 512, 300, false}, {'F', 512, 256, true}, {'F', 768, 256, false}, {'E', 1000, 0, true},
                  {'F', 0, 1024, true}, {'P', 768, 256, true}, {'P', 1023, 0, true}},
                 3},
        // On where the last write ended and into the next page; a gap or a
        // step back is a second program; only the last write's page stays open.
        NandCase{"AStreamOfWritesFillsEachPageInOnePass",
                 {{'P', 0, 100, true}, {'P', 100, 100, true}, {'P', 200, 100, true}, {'P', 350, 10, false},
                  {'P', 0, 1, false}, {'P', 2048, 50, true}, {'P', 300, 10, false}},
                 3},
        NandCase{"ACutWriteProgramsItsFirstBytesAndLeavesNoPageOpen",
                 {{'P', 0, 600, true, 100}, {'F', 0, 100, false}, {'F', 100, 500, true}, {'P', 100, 10, false},
                  {'P', 256, 256, true}, {'E', 0, 0, true, 300}, {'P', 0, 256, true}, {'P', 300, 1, false}},
                 2}),
    [](const ::testing::TestParamInfo<NandCase>& info) { return info.param.name; });

// Both flashes' images: NOR bytes stored complemented up to the last one
// written, and NAND pages programmed in an earlier run stay programmed.
TEST(FlashImage, BytesAreStoredComplementedAndPersistAcrossRuns)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("flash0.bin"), nandPath = dir.filePath("flash1.bin");
    const Bytes data = {0x12, 0x34};
    const auto nand = [&] { return CNandFlash(64 * 1024, 16 * 1024, 256, std::make_unique<CFileFlashStore>(nandPath)); };
    {
        CNorFlash flash(64 << 20, 65536, std::make_unique<CFileFlashStore>(path));
        ASSERT_TRUE(flash.Program(10 << 20, data.data(), 2));
        ASSERT_TRUE(nand().Program(20 * 1024, data.data(), 2));
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
    CNandFlash songs = nand();
    EXPECT_FALSE(songs.Program(20 * 1024 + 100, data.data(), 2)) << "a page programmed in the earlier run";
    EXPECT_TRUE(songs.Program(20 * 1024 + 256, data.data(), 2));
    EXPECT_EQ(songs.Violations(), 1u);
}

// Read as registers in play mode: PlayMode.UnansweredRegistersGiveMinusOneAndTheConnectionStillSucceeds.
TEST(Identity, WrittenIntoAnErasedBlockOnly)
{
    QTemporaryDir dir;
    auto store = [&] { return std::make_unique<CFileFlashStore>(dir.filePath("flash0.bin")); };
    {
        CVirtualPedal pedal(PedalFor(10003, PedalMode::Update, 0x020100), store());
        EXPECT_EQ(frame::GetLE(Cells(pedal, 0, 0x2180 + 4, 4).data(), 4), 10003u);
    }
    CVirtualPedal restarted(PedalFor(10002, PedalMode::Play), store());
    EXPECT_EQ(frame::GetLE(Cells(restarted, 0, 0x2180 + 4, 4).data(), 4), 10003u)
        << "an existing block is kept";
}

TEST(Faults, ParseTheCommandLineSyntax)
{
    const auto delay = ParseFault("delay:300@2/0x23");
    ASSERT_TRUE(delay);
    EXPECT_EQ(std::make_tuple(delay->kind, delay->param, delay->at, delay->code),
              std::make_tuple(FaultKind::Delay, 300u, 2u, 0x23));
    const auto power = ParseFault("power@7");
    ASSERT_TRUE(power);
    EXPECT_EQ(power->code, -1);
    for (const char* bad : {"", "drop", "drop@0", "melt@1", "torn:x@1", "drop@1/0x100", "drop@1/"})
        EXPECT_FALSE(ParseFault(bad)) << bad;
}

// A cut write programs its first bytes and a cut erase erases only the first
// half of its block; after the cut nothing is done and nothing answers.
TEST(Faults, TornWriteAndEraseStopWhereTheCutFalls)
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
    Bytes cut(data.begin(), data.begin() + 1000);
    cut.resize(5120, 0xFF);
    EXPECT_EQ(Cells(pedal, 1, 0x80000, 5120), cut);
    link.Erase(0x80000);
    EXPECT_EQ(Cells(pedal, 1, 0x80000, 1)[0], 0x00) << "nothing is written after the cut";
    EXPECT_TRUE(link.replies.empty());
    pedal.RestorePower();
    link.Write(0x80000 + 4096, Bytes(10, 0x00));
    link.Write(0x80000 + 1000, Bytes(10, 0x00));
    // The page the cut never reached is still erased; the cut page was
    // programmed: the pedal refuses it a second time. Flash 0 is NOR: it never refuses.
    link.Write(0x10000, Bytes(2, 0x00), 0);
    link.Write(0x10000, Bytes(2, 0x00), 0);
    EXPECT_EQ(link.Statuses(), (std::vector<int>{0, 1, 0, 0}));
    EXPECT_EQ(pedal.NandViolations(), 1u);

    link.Write(0x40000, Bytes(5120, 0x00));
    link.Write(0x40000 + 200000, Bytes(5120, 0x00));
    pedal.AddFault({FaultKind::Torn, 0, 1, frame::kErase});
    link.Erase(0x40000);
    EXPECT_EQ(Cells(pedal, 1, 0x40000, 1)[0], 0xFF);
    EXPECT_EQ(Cells(pedal, 1, 0x40000 + 200000, 1)[0], 0x00) << "the second half of the 256 KiB block";
    EXPECT_EQ(link.Statuses(), (std::vector<int>{0, 1, 0, 0, 0, 0})) << "no reply to the cut erase";
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

// Under the realistic timing each exchange costs the time of its bytes on
// the link plus the flash operation. That the reply leaves only when that
// time is over is measured in bench/ (bench_transfer's ideal_over_wall).
TEST(PedalTiming, RealisticExchangesCostTheirBytesAndTheFlashOperation)
{
    PedalConfig config = PedalFor(10002);
    config.timing = PedalTiming::Realistic();
    CVirtualPedal pedal(config);
    DirectPedal direct(pedal);
    // The modelled time of one exchange.
    const auto cost = [&](const std::function<void()>& exchange) {
        const uint64_t before = pedal.ModelledMicros();
        exchange();
        return pedal.ModelledMicros() - before;
    };
    const uint64_t shortRead = cost([&] { direct.Send(frame::kRead, {1, 0, 0, 0, 0, 0x01, 0x00, 0x00}); });
    const uint64_t longRead = cost([&] { direct.Send(frame::kRead, {1, 0, 0, 0, 0, 0xF1, 0x03, 0x00}); });
    const uint64_t erase = cost([&] { direct.Send(frame::kErase, {1, 0, 0, 0, 0}); });
    // Two writes within one page of the song flash, and one over two pages.
    const uint64_t shortWrite = cost([&] { direct.Write(0x1000, Bytes(100, 0x5A)); });
    const uint64_t longWrite = cost([&] { direct.Write(0x20000, Bytes(4000, 0x5A)); });
    const uint64_t songWrite = cost([&] { direct.Write(0x10000, Bytes(5120, 0x5A)); });
    const uint64_t mcuWrite = cost([&] { direct.Write(0x10000, Bytes(5120, 0x5A), 0); });
    EXPECT_GT(longRead, shortRead) << "a reply's bytes take their time on the link";
    EXPECT_GT(erase, 0u);
    EXPECT_GT(longWrite, shortWrite) << "a write's bytes take their time on the link";
    EXPECT_GT(mcuWrite, songWrite) << "the microcontroller's flash programs slower than the song flash";
    ASSERT_EQ(direct.replies.size(), 7u);
    for (const Bytes& reply : direct.replies)
        EXPECT_TRUE(reply[2] != frame::kStatus || reply[6] == 0) << "every command was done";
}

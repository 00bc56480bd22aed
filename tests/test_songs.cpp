// Song storage through the virtual pedal: round trips, raw flash layout,
// the catalogue's rules, device faults and damaged flash, and the demo songs.
#include "DemoSongs.h"
#include "Frame.h"
#include "LooperSongFile.h"
#include "LooperSongOld.h"
#include "SongSupport.h"

#include <gtest/gtest.h>


namespace {

// Offsets of the 2-byte reads the pedal received, as pages of an info block.
std::vector<uint32_t> MarkerReads(CSongRig& s, uint32_t infoBlock)
{
    std::vector<uint32_t> pages;
    for (const SentCommand& c : SentCommands(s.rig.pedal, frame::kRead))
        if (c.length == 2)
            pages.push_back((c.address - BlockAddress(s.Area(), infoBlock)) / s.Area().page_size);
    return pages;
}

// The writes into an info block the pedal received.
std::vector<SentCommand> InfoWrites(CSongRig& s, uint32_t infoBlock)
{
    std::vector<SentCommand> writes;
    for (const SentCommand& c : SentCommands(s.rig.pedal, frame::kWrite))
        if (c.flash == kSongFlash && c.address / s.Area().block_size == infoBlock)
            writes.push_back(c);
    return writes;
}

// Records the boxes of each test; a test that expects none says so.
class SongTest : public ::testing::Test {
protected:
    CScriptedPrompt prompt;
};

}  // namespace

using SongLayout = SongTest;
using SongInfo = SongTest;
using SongCatalogue = SongTest;
using SongFaults = SongTest;
using DemoSongs = SongTest;

// ---- Round trips for each song area ----

class SongRoundTrip : public ::testing::TestWithParam<int32_t> {
protected:
    CScriptedPrompt prompt;
    CLoadedSongRig s{GetParam()};
    const SongAreaParams& a = s.Area();
};

// Every boundary length up to the largest song, which fills the whole block
// list; one byte more, or less than one unit, is refused and the song stays.
TEST_P(SongRoundTrip, EveryBoundaryLengthReadsBackByTheFormatsRules)
{
    const uint32_t block = a.pages_per_block * a.page_payload, largest = a.max_song_blocks * block;
    uint32_t seed = 1;
    Bytes song;
    for (uint32_t length : {a.write_unit, a.write_unit + 1, a.page_payload, a.page_payload + 1, block, block + 1, largest}) {
        SCOPED_TRACE(length);
        song = SongAudio(length, seed++);
        ASSERT_EQ(s.songs.write_song(0, song.data(), length, nullptr), SongOk);
        // Before a reload the current format holds the written length; the
        // old format's length always comes from its record.
        EXPECT_EQ(s.ReadSong(0), s.Old() ? Reloaded(song, a, OldFormat) : song);
        EXPECT_EQ(s.ReloadedSong(0), s.AsReloaded(song));
    }
    EXPECT_EQ(s.songs.song(0)->get_block_count(), a.max_song_blocks);
    const uint32_t commands = s.rig.pedal.CommandCount();
    EXPECT_EQ(s.songs.write_song(0, song.data(), largest + 1, nullptr), SongTooLarge);
    for (uint32_t length : {0u, 1u, a.write_unit - 1})
        EXPECT_EQ(s.songs.write_song(0, song.data(), length, nullptr), SongTooShort) << length;
    EXPECT_EQ(SongResultText(SongTooShort), "Failed !");
    EXPECT_EQ(s.rig.pedal.CommandCount(), commands) << "nothing sent to the pedal";
    EXPECT_EQ(s.ReloadedSong(0), song);
    EXPECT_TRUE(prompt.texts.isEmpty()) << prompt.texts.join('|').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Areas, SongRoundTrip, ::testing::Values(10002, 10003, 10006),
                         [](const ::testing::TestParamInfo<int32_t>& info) {
                             return std::string(find_model(info.param)->name);
                         });

// ---- Raw flash layout, read from the pedal's side ----

TEST_F(SongLayout, CurrentFormatPiecesAndFatPageBytes)
{
    CLoadedSongRig s(10002, 100);
    const uint32_t payload = 4032;
    const Bytes song = SongAudio(65 * payload + 1, 3);
    s.rig.pedal.SetRecording(true);
    ASSERT_EQ(s.Write(2, song), SongOk);
    auto piece = [&](size_t k) { return Bytes(song.begin() + k * payload, song.begin() + (k + 1) * payload); };
    EXPECT_EQ(s.RawFlash(26472448, payload), piece(0)) << "block 100, page 63";
    EXPECT_EQ(s.RawFlash(100 * 262144, payload), piece(1));
    EXPECT_EQ(s.RawFlash(100 * 262144 + 62 * 4096, payload), piece(63));
    EXPECT_EQ(s.RawFlash(101 * 262144, payload), piece(64));
    Bytes last(192, 0);  // the last byte, zero-padded to a unit, then erased flash
    last[0] = song.back();
    last.push_back(0xFF);
    EXPECT_EQ(s.RawFlash(101 * 262144 + 4096, 193), last);

    // Slot 2's info block is block 1972; its first FAT page is at page 0,
    // written in one frame.
    EXPECT_EQ(InfoWrites(s, 1972), (std::vector<SentCommand>{{1, 1972 * 262144, s.InfoSize()}}));
    const Bytes fat = s.RawFlash(1972 * 262144, 330);
    // Marker, whole units, blocks 100 and 101, then 158 unused entries.
    Bytes head = {0x48, 0x44, 0xFF, 0, 0, 0, 0, 100, 0, 101, 0};
    frame::PutLE(&head[3], uint32_t(song.size() / 192), 4);
    head.resize(327, 0xFF);
    EXPECT_EQ(Bytes(fat.begin(), fat.begin() + 327), head);
    uint32_t sum = 0;
    for (int i = 2; i < 327; ++i)
        sum += fat[i];
    EXPECT_EQ(frame::GetLE(&fat[327], 2), sum & 0xFFFF);
    EXPECT_EQ(fat[329], 0xFF) << "the rest of the page stays erased";
    EXPECT_EQ(PageAddress(s.Area(), 1972, 5), 516968448u) << "block 1972, page 5";
}

TEST_F(SongLayout, OldFormatRecordAndSongFileFlag)
{
    CLoadedSongRig s(10003, 7);
    // The flag's region and the sector after it hold data: the erases show.
    const Bytes dirty(0x8800, 0x5A);
    s.rig.pedal.Flash(0).Program(0x10000, dirty.data(), dirty.size());
    s.rig.pedal.SetRecording(true);
    // 130,944 bytes fill exactly one block: U = 703.
    const Bytes song = SongAudio(130944 + 186, 4);
    ASSERT_EQ(s.Write(0, song), SongOk);
    // A fresh info block: the first record goes to page 2 of block 1980, in one frame.
    EXPECT_EQ(InfoWrites(s, 1980), (std::vector<SentCommand>{{1, 1980 * 131072 + 2 * 2048, s.InfoSize()}}));
    const Bytes r = s.RawFlash(1980 * 131072 + 2 * 2048, 2624);
    const Bytes magic = {'l', 'o', 'o', 'p', 'e', 'r', 0};
    EXPECT_EQ(Bytes(r.begin(), r.begin() + 7), magic);
    // In use, first block index 0, last block index 1, last page position 0,
    // last unit 0, then the block list: 7, 8 and unused entries.
    EXPECT_EQ(Bytes(r.begin() + 7, r.begin() + 22),
              (Bytes{0xFF, 1, 0xFF, 0, 0, 1, 0, 0, 0, 7, 0, 8, 0, 0xFF, 0xFF}));
    EXPECT_EQ(frame::GetLE(&r[16 + 2 * 1299], 2), 0xFFFFu);
    EXPECT_EQ(Bytes(r.begin() + 2616, r.begin() + 2623), magic);
    EXPECT_EQ(r[2623], 0xFF);
    EXPECT_EQ(s.RawFlash(1980 * 131072, 2)[0], 0xFF) << "page 0 stays erased";

    // The flag, its sixteen sectors erased around it, the sector after them kept.
    const QByteArray flag = QByteArray(2, 0) + QByteArray(0x8000 - 2, '\xFF') + QByteArray(0x800, 0x5A);
    EXPECT_EQ(FlashBytes(s.rig.pedal, 0, 0x10000, flag.size()), flag);
    std::vector<SentCommand> flagErases, expected;
    for (const SentCommand& c : SentCommands(s.rig.pedal, frame::kErase))
        if (c.flash == 0)
            flagErases.push_back(c);
    for (uint32_t a = 0x10000; a < 0x18000; a += 0x800)
        expected.push_back({0, a, 0});
    EXPECT_EQ(flagErases, expected) << "sixteen erases of flash 0, in order";

    ASSERT_EQ(s.Reload(), SongOk);
    EXPECT_EQ(s.songs.song(0)->get_song_size(), 130944u + 186);
}

// ---- Finding the current song info ----

TEST_F(SongInfo, BisectionReadsSixPagesAndTheNextWriteAppends)
{
    CSongRig s(10002);
    for (uint32_t page = 0; page <= 40; ++page)
        PlantFatPage(s.rig.pedal, s.model, 0, page, {uint16_t(200 + page)}, 192 * (page + 1));
    s.rig.pedal.SetRecording(true);
    ASSERT_EQ(s.songs.load_songs(), SongOk);
    const std::vector<uint32_t> reads = MarkerReads(s, 1970);
    EXPECT_LE(std::count_if(reads.begin(), reads.end(), [](uint32_t page) { return page < 64; }), 7)
        << "a bisection of slot 0's 64 pages, not a scan";
    EXPECT_EQ(s.songs.song(0)->get_song_size(), 192u * 41);
    const Bytes song = SongAudio(1000, 2);
    ASSERT_EQ(s.Write(0, song), SongOk);
    EXPECT_EQ(s.RawFlash(PageAddress(s.Area(), 1970, 41), 2), (Bytes{0x48, 0x44}));
    EXPECT_TRUE(s.songs.used_blocks().test(100)) << "the new song's block is marked at once";
    EXPECT_FALSE(s.songs.used_blocks().test(240)) << "the replaced song's block is free again";
}

// The old format's wrap; the current format's is in the power-cut loop (SongPowerLoss, KORVELWrap).
TEST_F(SongInfo, FullInfoBlocksWrapToPageZero)
{
    CLoadedSongRig s(10006);
    const Bytes song = SongAudio(400, 4);
    for (int write = 0; write < 31; ++write)  // pages 2, 4, ..., 62
        ASSERT_EQ(s.Write(0, song), SongOk) << write;
    EXPECT_EQ(s.CurrentPage(0), 62);
    s.rig.pedal.SetRecording(true);
    ASSERT_EQ(s.Write(0, song), SongOk);
    EXPECT_EQ(s.CurrentPage(0), 0);
    ASSERT_EQ(s.Reload(), SongOk);
    EXPECT_EQ(MarkerReads(s, 1980).size(), 31u) << "pages 62 down to 2; page 0 is read whole, not scanned";
    EXPECT_EQ(s.ReadSong(0), s.AsReloaded(song));
}

// A delete cut short by a power loss erases only part of the info block; the
// FAT pages it leaves above page 0 must not win over the next song's page.
TEST_F(SongInfo, ADeleteCutShortNeverBringsItsSongBack)
{
    CLoadedSongRig s(10002);
    const SongAreaParams& a = s.Area();
    const Bytes old = SongAudio(3000, 1), next = SongAudio(5000, 2);
    for (int i = 0; i < 40; ++i)  // FAT pages 0 to 39
        ASSERT_EQ(s.Write(0, old), SongOk);
    s.rig.pedal.SetRefuseWhenUnpowered(true);
    s.rig.pedal.AddFault({FaultKind::Torn, 0, 1, frame::kErase});  // the lower half erased
    s.songs.song(0)->delete_song();
    s.rig.pedal.RestorePower();
    ASSERT_EQ(s.Reload(), SongOk);
    ASSERT_FALSE(s.songs.song(0)->is_used());
    ASSERT_NE(s.RawFlash(PageAddress(a, a.data_blocks, 39), 1)[0], 0xFF) << "the cut left upper FAT pages";
    ASSERT_EQ(s.Write(0, next), SongOk);
    EXPECT_EQ(s.ReloadedSong(0), s.AsReloaded(next));
}

// ---- The catalogue ----

TEST_F(SongCatalogue, FreeBlockSearchWrapsOnceToBlockZero)
{
    CLoadedSongRig s(10002, 1969);
    BlockList blocks;
    EXPECT_EQ(s.songs.find_free_blocks(3 * 258048, blocks), SongOk);
    EXPECT_EQ(blocks, (BlockList{1969, 0, 1}));
    EXPECT_EQ(s.songs.find_free_blocks(0, blocks), SongOk);
    EXPECT_TRUE(blocks.empty());
    EXPECT_EQ(s.songs.find_free_blocks(41287681, blocks), SongTooLarge);
}

TEST_F(SongCatalogue, ThirtyWritesAndDeletesWithoutAReload)
{
    CLoadedSongRig s(10002, 0);
    std::vector<Bytes> expected(30);
    for (uint32_t slot = 0; slot < 30; ++slot) {
        expected[slot] = SongAudio(192 * (slot * 97 + 50) + slot, slot + 10);
        ASSERT_EQ(s.Write(slot, expected[slot]), SongOk);
        if (slot % 3 == 2) {  // delete every third song right away
            ASSERT_EQ(s.songs.song(slot)->delete_song(), SongOk);
            expected[slot].clear();
        }
    }
    // Rewrite a deleted slot: its FAT page must land where the next load looks.
    expected[2] = SongAudio(192 * 700, 99);
    ASSERT_EQ(s.Write(2, expected[2]), SongOk);
    ASSERT_EQ(s.Reload(), SongOk);
    for (uint32_t slot = 0; slot < 30; ++slot)
        EXPECT_EQ(s.ReadSong(slot), s.AsReloaded(expected[slot])) << slot;
}

TEST_F(SongCatalogue, LabelsSlotLimitsAClosedLinkAndUnsupportedModels)
{
    CLoadedSongRig s(10002);
    const Bytes song = SongAudio(1048576, 1);
    ASSERT_EQ(s.Write(0, song), SongOk);
    EXPECT_EQ(s.songs.song_label(0), "Song 001 -- (1.00  MB)");
    Bytes buffer(10);
    EXPECT_EQ(s.songs.read_song(30, buffer.data(), 10, nullptr), SongSlotOutOfRange);
    EXPECT_EQ(s.songs.write_song(30, song.data(), 1000, nullptr), SongSlotOutOfRange);
    EXPECT_EQ(s.songs.read_song(0, buffer.data(), 1048575, nullptr), SongNoSpace) << "capacity one byte short";
    s.rig.port.close_link();
    EXPECT_EQ(s.songs.load_songs(), SongDeviceClosed);
    EXPECT_EQ(s.songs.write_song(0, song.data(), 1000, nullptr), SongDeviceClosed);
    for (int32_t model : {10009, 10001}) {
        CSongRig other(model);
        ASSERT_EQ(other.songs.load_songs(), SongDeviceUnsupported) << model;
        EXPECT_EQ(other.songs.size(), 0u);
    }
    EXPECT_EQ(SongResultText(SongDeviceUnsupported), "Device not support !");
}

// ---- Device faults and damaged flash ----

TEST_F(SongFaults, FailedLoadRefusesWritesAndDeletesUntilALoadSucceeds)
{
    CSongRig s(10002);
    const Bytes song = SongAudio(5000, 1);
    ASSERT_EQ(s.songs.load_songs(), SongOk);
    ASSERT_EQ(s.Write(3, song), SongOk);
    for (uint32_t at = 3; at <= 6; ++at)  // the third read and every try of it
        s.rig.pedal.AddFault({FaultKind::WrongAddress, 0, at, frame::kRead});
    ASSERT_EQ(s.songs.load_songs(), SongReadFailed);
    EXPECT_EQ(s.Write(5, song), SongReadFailed);
    EXPECT_EQ(s.songs.song(0)->delete_song(), SongReadFailed);
    EXPECT_EQ(s.songs.song(29)->delete_song(), SongReadFailed);
    ASSERT_EQ(s.songs.load_songs(), SongOk);
    EXPECT_EQ(s.ReadSong(3), s.AsReloaded(song));
    EXPECT_EQ(SongResultText(SongReadFailed), "Read data failed!");
}

struct WriteFaultCase {
    const char* name;
    int32_t model;
    FaultKind kind;
    int code;
    uint32_t at;
    int result;
};
void PrintTo(const WriteFaultCase& c, std::ostream* os) { *os << c.name; }

class SongWriteFault : public ::testing::TestWithParam<WriteFaultCase> {};

TEST_P(SongWriteFault, GivesItsCodeAndKeepsThePreviousSong)
{
    const WriteFaultCase& c = GetParam();
    CScriptedPrompt prompt;
    CLoadedSongRig s(c.model, 10);
    const Bytes previous = SongAudio(300000, 1), next = SongAudio(300000, 2);
    ASSERT_EQ(s.Write(0, previous), SongOk);
    // A checksum query is asked three times: each reply is bad.
    for (uint32_t k = 0; k < (c.code == frame::kChecksum ? 3u : 1u); ++k)
        s.rig.pedal.AddFault({c.kind, 0, c.at + k, c.code});
    EXPECT_EQ(s.Write(0, next), c.result);
    EXPECT_EQ(s.Write(0, next), c.result) << "refused until a load";
    EXPECT_EQ(s.ReloadedSong(0), s.AsReloaded(previous));
    EXPECT_TRUE(prompt.texts.isEmpty()) << prompt.texts.join('|').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SongWriteFault,
    ::testing::ValuesIn(std::vector<WriteFaultCase>{
        {"FirstBlockErase", 10002, FaultKind::Refuse, frame::kErase, 1, SongEraseFailed},
        {"SecondBlockErase", 10002, FaultKind::Refuse, frame::kErase, 2, SongEraseFailed},
        {"AudioPageWrite", 10002, FaultKind::Refuse, frame::kWrite, 70, SongWriteFailed},
        {"FatPageWrite", 10002, FaultKind::Refuse, frame::kWrite, 75, SongWriteFailed},
        {"OldBlockErase", 10003, FaultKind::Refuse, frame::kErase, 2, SongEraseFailed},
        {"OldPageWrite", 10003, FaultKind::Refuse, frame::kWrite, 5, SongWriteFailed},
        {"OldVerifyMismatch", 10003, FaultKind::BitFlip, frame::kWrite, 3, SongWriteFailed},
        {"OldVerifyReplyBad", 10003, FaultKind::BadType, frame::kChecksum, 3, SongWriteFailed}}),
    [](const ::testing::TestParamInfo<WriteFaultCase>& info) { return info.param.name; });

TEST_F(SongFaults, FailedSongFileFlagGivesElevenButTheSongIsInPlace)
{
    CLoadedSongRig s(10004);
    const Bytes song = SongAudio(10000, 3);
    // The flag's erases are the only erases of flash 0 addresses; refuse the 5th of them.
    s.rig.pedal.AddFault({FaultKind::Refuse, 0, 6, frame::kErase});
    EXPECT_EQ(s.Write(0, song), SongFlagFailed);
    EXPECT_EQ(SongResultText(SongFlagFailed), "Write wav flag failed!");
    EXPECT_EQ(s.ReloadedSong(0), s.AsReloaded(song));
}

TEST_F(SongFaults, BrokenBlockChainsShowTheirBoxAndLoadAsEmpty)
{
    CSongRig s(10002);
    PlantFatPage(s.rig.pedal, s.model, 0, 0, {5, 3000}, 300000);
    PlantFatPage(s.rig.pedal, s.model, 1, 0, {7}, 192 * 2000000);  // a unit count beyond the block list
    PlantFatPage(s.rig.pedal, s.model, 2, 0, {1975}, 1000);        // an info block, not a data block
    PlantFatPage(s.rig.pedal, s.model, 3, 0, {8}, 1920);
    EXPECT_EQ(s.songs.load_songs(), SongOk);
    ASSERT_EQ(prompt.texts.size(), 3);
    EXPECT_EQ(prompt.texts[0], "Error:Block chain 1 greater than 3000");
    for (uint32_t slot = 0; slot < 3; ++slot)
        EXPECT_FALSE(s.songs.song(slot)->is_used()) << slot;
    EXPECT_EQ(s.songs.song(3)->get_song_size(), 1920u);
    EXPECT_TRUE(s.songs.used_blocks().test(8));
    EXPECT_FALSE(s.songs.used_blocks().test(5));
}

TEST_F(SongFaults, BrokenOldRecordsShowTheirBoxAndLoadAsEmpty)
{
    // Where the record is changed, and to what.
    const std::vector<std::pair<uint32_t, Bytes>> damages = {
        {12, {0x9A, 0x02}},  // last block index 666: more blocks than the area allows
        {14, {64}},          // page position beyond the block
        {15, {11}},          // unit beyond the page
        {16, {0xB8, 0x0B}},  // block 3000
    };
    for (const auto& [offset, bytes] : damages) {
        SCOPED_TRACE(offset);
        prompt.Clear();
        CSongRig s(10003);
        CLooperSongOld::Record r = CLooperSongOld::BuildRecord(s.Area(), {4}, 186);
        std::copy(bytes.begin(), bytes.end(), r.begin() + offset);
        s.rig.pedal.Flash(1).Program(PageAddress(s.Area(), 1980, 2), r.data(), r.size());
        EXPECT_EQ(s.songs.load_songs(), SongOk);
        EXPECT_EQ(prompt.texts.size(), 1);
        EXPECT_TRUE(prompt.texts.value(0).startsWith("Error:Block chain "));
        EXPECT_FALSE(s.songs.song(0)->is_used());
    }
}

TEST_F(SongFaults, OldFormatRefusesAreasWithMoreBlocksThanItsRecordHolds)
{
    CSongRig s(10003);
    SongAreaParams wide = s.Area();
    wide.max_song_blocks = 1301;
    CLooperSongOld slot;
    slot.set_song_area(1980, wide, &s.rig.port);
    const uint32_t commands = s.rig.pedal.CommandCount();
    const Bytes song = SongAudio(1000, 1);
    EXPECT_EQ(slot.write_song_file({1}, song.data(), 1000, nullptr), SongTooLarge);
    EXPECT_EQ(s.rig.pedal.CommandCount(), commands);
}

// ---- The demo filler of corvanta-pedal: songs a new user sees at the first start ----

TEST_F(DemoSongs, FillABlankSongAreaOnceAndKeepExistingSongs)
{
    for (int32_t model : {10002, 10006}) {
        SCOPED_TRACE(model);
        CSongRig s(model);
        // The filler gives the pedal ports of its own, as corvanta-pedal does
        // before it opens its MIDI ports; the rig's cable is pulled meanwhile.
        const auto fill = [&s](QString& error) {
            s.rig.ports->Unplug();
            const bool ok = WriteDemoSongs(s.rig.pedal, error);
            s.rig.ports->Plug();
            return ok;
        };
        QString error;
        ASSERT_TRUE(fill(error)) << error.toStdString();
        ASSERT_EQ(s.Reload(), SongOk);
        const size_t expected = model == 10002 ? 3 : 1;
        for (size_t slot = 0; slot < s.songs.size(); ++slot)
            EXPECT_EQ(s.songs.song(slot)->is_used(), slot < expected) << slot;
        const Bytes first = s.ReadSong(0);
        EXPECT_GT(first.size(), 46875u * 3) << "longer than a second";
        EXPECT_TRUE(s.songs.song_label(0).startsWith("Song 001 -- ("));
        ASSERT_TRUE(fill(error));
        EXPECT_EQ(s.ReloadedSong(0), first) << "a song area with songs is left alone";
    }
}

TEST_F(DemoSongs, RefuseAModelWithoutSongStorage)
{
    CVirtualPedal pedal(PedalFor(10001));
    QString error;
    EXPECT_FALSE(WriteDemoSongs(pedal, error));
    EXPECT_TRUE(error.contains("holds no songs")) << error.toStdString();
}

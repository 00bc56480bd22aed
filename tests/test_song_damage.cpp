// Damaged song info: the newest FAT page or old-format record cut short
// after every byte, or with any one byte changed. The slot then reads as the
// previous song, the new song, or empty with its message; it never names a
// block past the song area. Old records carry no checksum: a changed length
// or block entry is read as it stands, inside the song area.
#include "SongSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

enum class Expect {
    Previous,       // the song before the damaged one
    New,            // the damaged page still reads as written
    Empty,          // no song, result 0, no box
    ChecksumError,  // no song, result 5
    OtherLength,    // the new song's blocks with another length, or empty with the broken-chain box
    OtherBlocks,    // the new song's length with another data block, or empty with the broken-chain box
};

struct DamageCase {
    std::string what;
    Bytes bytes;
    Expect expect;
};

struct AreaCase {
    int32_t model;
    bool first;  // the damaged song info is the first of its info block
};
void PrintTo(const AreaCase& c, std::ostream* os) { *os << c.model << (c.first ? " first" : ""); }

class SongInfoDamage : public ::testing::TestWithParam<AreaCase> {
protected:
    bool Old() const { return find_model(GetParam().model)->storage_format == OldFormat; }

    // Writes the previous song (unless the damaged one is to be the first)
    // and the new one; returns the new song info's address.
    uint32_t Prepare(CSongRig& s)
    {
        const SongAreaParams& a = s.Area();
        EXPECT_EQ(s.songs.load_songs(), SongOk);
        previous = SongAudio(a.page_payload + a.write_unit, 1);
        next = SongAudio(2 * a.page_payload + 3 * a.write_unit, 2);
        if (!GetParam().first) {
            // Old records high in the block keep the downward scan short.
            const int top = Old() ? int(a.pages_per_block) - 4 : 0;
            do {
                EXPECT_EQ(s.Write(0, previous), SongOk);
            } while (s.CurrentPage(0) < top);
        }
        EXPECT_EQ(s.Write(0, next), SongOk);
        return PageAddress(a, a.data_blocks, uint32_t(s.CurrentPage(0)));
    }

    Expect PreviousOr(Expect ifFirst) const { return GetParam().first ? ifFirst : Expect::Previous; }

    // Every cut after byte K, and every byte changed.
    std::vector<DamageCase> Cases(const Bytes& written, uint32_t blockCount) const
    {
        std::vector<DamageCase> cases;
        for (size_t k = 1; k < written.size(); ++k) {
            Bytes cut(written.size(), 0xFF);
            std::copy(written.begin(), written.begin() + long(k), cut.begin());
            cases.push_back({"cut after byte " + std::to_string(k), cut, CutExpect(cut, written)});
        }
        for (size_t at = 0; at < written.size(); ++at) {
            for (uint8_t mask : {uint8_t(0xFF), uint8_t(0x01)}) {
                if (mask == 0x01 && at >= 16)
                    continue;  // the header's small numbers only
                Bytes changed(written);
                changed[at] ^= mask;
                // A FAT page needs its marker and its checksum to count.
                cases.push_back({"byte " + std::to_string(at) + " ^ " + std::to_string(mask), changed,
                                 Old() ? OldChangeExpect(at, mask, blockCount) : PreviousOr(Expect::ChecksumError)});
            }
        }
        return cases;
    }

    Expect CutExpect(const Bytes& cut, const Bytes& written) const
    {
        if (cut == written)
            return Expect::New;
        if (!Old())
            return PreviousOr(Expect::ChecksumError);
        // A record whose trailer was reached reads as written up to it.
        const bool trailerErased = std::all_of(cut.begin() + 2616, cut.end(), [](uint8_t b) { return b == 0xFF; });
        return trailerErased ? PreviousOr(Expect::Empty) : Expect::New;
    }

    Expect OldChangeExpect(size_t at, uint8_t mask, uint32_t blockCount) const
    {
        if (at < 2)  // the scan passes the record by
            return PreviousOr(Expect::Empty);
        if (at < 7)  // a broken magic stands for an empty slot
            return Expect::Empty;
        if (at == 8)  // the in-use flag
            return (1 ^ mask) == 0 ? Expect::Empty : Expect::New;
        if (at >= 12 && at < 16)
            return Expect::OtherLength;
        if (at >= 16 && at < 16 + 2 * blockCount)
            return Expect::OtherBlocks;
        return Expect::New;
    }

    void Check(CSongRig& s, const DamageCase& c, CScriptedPrompt& prompt)
    {
        SCOPED_TRACE(c.what);
        prompt.Clear();
        const int load = s.songs.load_songs();
        CLooperSongBase* slot = s.songs.song(0);
        ASSERT_NE(slot, nullptr);
        const SongAreaParams& a = s.Area();
        for (uint32_t b = a.data_blocks; b < kMaxBlockNumbers; ++b)
            ASSERT_FALSE(s.songs.used_blocks().test(b)) << "block " << b << " is outside the data blocks";
        const bool boxed = prompt.texts.size() == 1 && prompt.texts[0].startsWith("Error:Block chain ");
        const bool altered = c.expect == Expect::OtherLength || c.expect == Expect::OtherBlocks;
        EXPECT_TRUE(prompt.texts.isEmpty() || (altered && boxed)) << prompt.texts.join('|').toStdString();
        // Whatever the damage, the load goes on with the other slots.
        EXPECT_EQ(load, SongOk);
        const Bytes got = s.ReadSong(0);
        switch (c.expect) {
        case Expect::Previous:
        case Expect::New:
            EXPECT_TRUE(got == s.AsReloaded(c.expect == Expect::Previous ? previous : next))
                << (c.expect == Expect::Previous ? "not the previous song" : "not the new song");
            break;
        case Expect::Empty:
        case Expect::ChecksumError:
            // A slot whose song info fails its checksum is listed as damaged.
            EXPECT_FALSE(slot->is_used());
            EXPECT_EQ(slot->is_damaged(), c.expect == Expect::ChecksumError);
            break;
        case Expect::OtherLength:
        case Expect::OtherBlocks: {
            EXPECT_EQ(slot->is_used(), !boxed);
            const Bytes written = s.AsReloaded(next);
            if (!boxed && c.expect == Expect::OtherBlocks) {
                EXPECT_EQ(got.size(), written.size());
            } else if (!boxed) {
                const size_t common = std::min(got.size(), written.size());
                EXPECT_TRUE(std::equal(got.begin(), got.begin() + long(common), written.begin()));
            }
            break;
        }
        }
    }

    Bytes previous, next;
};

TEST_P(SongInfoDamage, SlotReadsAsThePreviousOrNewSongOrEmptyWithItsMessage)
{
    CScriptedPrompt prompt;
    CSongRig s(GetParam().model, 40);
    const uint32_t address = Prepare(s);
    const Bytes written = s.RawFlash(address, s.InfoSize());
    const uint32_t blockCount = s.songs.song(0)->get_block_count();
    for (const DamageCase& c : Cases(written, blockCount)) {
        s.rig.pedal.Flash(1).Overwrite(address, c.bytes.data(), c.bytes.size());
        Check(s, c, prompt);
        if (HasFatalFailure())
            return;
    }
    s.rig.pedal.Flash(1).Overwrite(address, written.data(), written.size());
    ASSERT_EQ(s.songs.load_songs(), SongOk);
    EXPECT_EQ(s.ReadSong(0), s.AsReloaded(next));
}

INSTANTIATE_TEST_SUITE_P(Areas, SongInfoDamage,
                         ::testing::Values(AreaCase{10002, false}, AreaCase{10002, true}, AreaCase{10003, false},
                                           AreaCase{10003, true}, AreaCase{10006, false}),
                         [](const ::testing::TestParamInfo<AreaCase>& info) {
                             return std::string(find_model(info.param.model)->name) +
                                    (info.param.first ? "FirstInBlock" : "");
                         });

}  // namespace

// The demo filler of corvanta-pedal: songs a new user sees at the first start.
#include "DemoSongs.h"
#include "SongSupport.h"

#include <gtest/gtest.h>

namespace {
// The filler gives the pedal ports of its own, as corvanta-pedal does before
// it opens its MIDI ports; the rig's cable is pulled meanwhile.
bool Fill(CSongRig& s, QString& error)
{
    s.rig.ports->Unplug();
    const bool ok = WriteDemoSongs(s.rig.pedal, error);
    s.rig.ports->Plug();
    return ok;
}
}  // namespace

TEST(DemoSongs, FillABlankSongAreaOnceAndKeepExistingSongs)
{
    CScriptedPrompt prompt;
    for (int32_t model : {10002, 10006}) {
        SCOPED_TRACE(model);
        CSongRig s(model);
        QString error;
        ASSERT_TRUE(Fill(s, error)) << error.toStdString();
        ASSERT_EQ(s.Reload(), SongOk);
        const size_t expected = model == 10002 ? 3 : 1;
        for (size_t slot = 0; slot < s.songs.size(); ++slot)
            EXPECT_EQ(s.songs.song(slot)->is_used(), slot < expected) << slot;
        const Bytes first = s.ReadSong(0);
        EXPECT_GT(first.size(), 46875u * 3) << "longer than a second";
        EXPECT_TRUE(s.songs.song_label(0).startsWith("Song 001 -- ("));
        ASSERT_TRUE(Fill(s, error));
        ASSERT_EQ(s.Reload(), SongOk);
        EXPECT_EQ(s.ReadSong(0), first) << "a song area with songs is left alone";
    }
}

TEST(DemoSongs, RefuseAModelWithoutSongStorage)
{
    CScriptedPrompt prompt;
    CVirtualPedal pedal(PedalFor(10001));
    QString error;
    EXPECT_FALSE(WriteDemoSongs(pedal, error));
    EXPECT_TRUE(error.contains("holds no songs")) << error.toStdString();
}

// A restore that fails stops there, on the virtual pedal: one message names
// the slots restored and the slot that failed, no later backup file is read
// and no later command reaches the pedal.
#include "Frame.h"
#include "ProgressEvent.h"
#include "SongBackup.h"
#include "SongSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs action at the first progress event of the phase that ends with suffix.
class CAtPhase : public QObject {
public:
    CAtPhase(QString suffix, std::function<void()> action) : m_suffix(std::move(suffix)), m_action(std::move(action)) {}

protected:
    void customEvent(QEvent* event) override
    {
        if (event->type() == kPhaseEventType)
            m_phase = static_cast<const CPhaseEvent*>(event)->name;
        if (event->type() == kProgressEventType && m_action && m_phase.endsWith(m_suffix))
            std::exchange(m_action, nullptr)();
    }

private:
    QString m_suffix, m_phase;
    std::function<void()> m_action;
};

struct Case {
    const char* what;
    uint32_t failedRow;
    bool unplug;  // else the failed row's first write is refused
    const char* message;
};

class RestoreStop : public ::testing::TestWithParam<Case> {
protected:
    static constexpr uint32_t kSongs = 4;
    static constexpr uint32_t kSongBytes = 192 * 1600;  // two blocks

    void Put(uint32_t row, uint32_t seed)
    {
        const Bytes audio = SongAudio(kSongBytes, seed);
        ASSERT_EQ(s.songs.write_song(row, audio.data(), kSongBytes, nullptr), SongOk);
    }

    CScriptedPrompt prompt;
    CSongRig s{10002};
    QTemporaryDir dir;
};

}  // namespace

TEST_P(RestoreStop, OneMessageAndNothingAfterTheFailure)
{
    const Case& c = GetParam();
    CVirtualPedal& pedal = s.rig.pedal;
    pedal.SetRecording(true);
    ASSERT_EQ(s.Reload(), SongOk);
    for (uint32_t row = 0; row < kSongs; ++row)
        Put(row, row + 1);
    const QString folder = dir.filePath("backup");
    ASSERT_TRUE(BackupSongs(s.rig.port, s.songs, folder, nullptr));
    size_t from = pedal.Received().size();
    for (uint32_t row = 0; row < kSongs; ++row)
        Put(row, row + 10);
    const size_t writesPerSong = CountSent(pedal, frame::kWrite, from) / kSongs;
    ASSERT_EQ(s.Reload(), SongOk);
    BackupManifest manifest;
    ASSERT_TRUE(ReadBackup(folder, s.rig.port, s.songs, manifest));
    // A later file read would show its own message.
    for (uint32_t row = c.failedRow + 1; row < kSongs; ++row)
        ASSERT_TRUE(QFile::remove(QDir(folder).filePath(manifest.entries[row].file)));

    prompt.Clear();
    from = pedal.Received().size();
    const uint32_t failedWrite = uint32_t(c.failedRow * writesPerSong + 1);
    if (!c.unplug)
        pedal.AddFault({FaultKind::Refuse, 0, failedWrite, frame::kWrite});
    CAtPhase receiver(QString::asprintf("(%u of %u)", c.failedRow + 1, kSongs), [&] { s.rig.ports->Unplug(); });
    EXPECT_FALSE(RestoreSongs(folder, manifest, s.songs, c.unplug ? &receiver : nullptr));
    EXPECT_EQ(prompt.texts, QStringList({c.message}));
    if (c.unplug)
        return;
    EXPECT_EQ(CountSent(pedal, frame::kWrite, from), failedWrite);
    EXPECT_EQ(CountSent(pedal, frame::kWrite, pedal.Received().size() - 1), 1u) << "the refused write is the last command";
    ASSERT_EQ(s.Reload(), SongOk);
    for (uint32_t row = 0; row < kSongs; ++row)
        EXPECT_EQ(s.ReadSong(row), SongAudio(kSongBytes, row < c.failedRow ? row + 1 : row + 10)) << row;
}

INSTANTIATE_TEST_SUITE_P(
    Failures, RestoreStop,
    ::testing::Values(
        Case{"FirstSlotRefused", 0, false,
             "Restore failed at slot 1 (Write data failed!): no slot was restored; the slots after it were not written"},
        Case{"MiddleSlotRefused", 2, false,
             "Restore failed at slot 3 (Write data failed!): slots 1, 2 were restored; the slots after it were not written"},
        Case{"Unplugged", 1, true,
             "Restore failed at slot 2 (Write data failed!): slot 1 was restored; the slots after it were not written"}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.what); });

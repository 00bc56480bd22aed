// Cancel of a backup and a restore at several points, on the virtual pedal:
// the earlier backup on disk and the songs on the pedal's flash afterwards.
#include "LooperSongFile.h"
#include "Operation.h"
#include "ProgressEvent.h"
#include "SongBackup.h"
#include "FirmwareSupport.h"
#include "SongSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

// Records the phases and asks for a cancel at the first progress event for
// which when(phase, current, total) holds; after: in the next turn of the
// event loop instead.
class CCancelAt : public QObject {
public:
    using When = std::function<bool(const QString& phase, int64_t current, int64_t total)>;
    explicit CCancelAt(When when_ = {}, bool after_ = false) : when(std::move(when_)), after(after_) {}

    When when;
    bool after;
    QStringList phases;
    bool fired = false;

protected:
    void customEvent(QEvent* event) override
    {
        if (event->type() == kPhaseEventType)
            phases << static_cast<const CPhaseEvent*>(event)->name;
        if (event->type() != kProgressEventType || fired || !when)
            return;
        const auto* p = static_cast<const CEventBase*>(event);
        if (!when(phases.value(phases.size() - 1), p->current, p->total))
            return;
        fired = true;
        if (after)
            QTimer::singleShot(0, this, [] { RequestCancel(); });
        else
            RequestCancel();
    }
};

std::map<QString, QByteArray> Files(const QString& folder)
{
    std::map<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        files[name] = ReadTestFile(QDir(folder).filePath(name));
    return files;
}

class CancelSongs : public ::testing::Test {
protected:
    void TearDown() override { ClearCancel(); }
    // Two write units short of whole blocks: every song spans two blocks.
    void Put(uint32_t row, uint32_t seed)
    {
        songs[row] = SongAudio(192 * 1600, seed);
        ASSERT_EQ(s.songs.write_song(row, songs[row].data(), uint32_t(songs[row].size()), nullptr), SongOk);
    }
    Bytes InfoBlock(uint32_t row)
    {
        const SongAreaParams& a = s.Area();
        return s.RawFlash((a.data_blocks + row) * a.block_size, a.block_size);
    }
    bool Backup(const QString& folder, CCancelAt& receiver, bool& cancelled)
    {
        ClearCancel();
        prompt.Clear();
        cancelled = false;
        return BackupSongs(s.rig.port, s.songs, folder, &receiver, &cancelled);
    }

    CScriptedPrompt prompt;
    CSongRig s{10002};
    std::map<uint32_t, Bytes> songs;
    QTemporaryDir dir;
};

}  // namespace

TEST_F(CancelSongs, ACancelledBackupKeepsTheEarlierOneWholeAndLeavesNoPartials)
{
    ASSERT_EQ(s.Reload(), SongOk);
    Put(1, 1);
    Put(11, 2);
    const QString folder = dir.filePath("backup");
    CCancelAt plain;
    bool cancelled = false;
    ASSERT_TRUE(Backup(folder, plain, cancelled));
    EXPECT_EQ(plain.phases, QStringList({"Backup Song 002 (1 of 2)", "Backup Song 012 (2 of 2)",
                                         "Backup done: 2 read, 0 unchanged"}));
    const auto earlier = Files(folder);
    ASSERT_EQ(earlier.size(), 3u);
    Put(1, 3);  // the next backup reads both songs again
    Put(11, 4);

    const int64_t page = 4032;
    struct Point {
        const char* name;
        CCancelAt::When when;
        bool after;
    };
    const Point points[] = {
        {"first page", [&](const QString&, int64_t c, int64_t) { return c == page; }, false},
        {"second song's middle",
         [](const QString& phase, int64_t c, int64_t t) { return phase.endsWith("(2 of 2)") && c >= t / 2; }, false},
        {"after the last read",
         [&](const QString& phase, int64_t c, int64_t t) { return phase.endsWith("(2 of 2)") && c + page >= t; }, true},
    };
    for (const Point& point : points) {
        SCOPED_TRACE(point.name);
        CCancelAt receiver(point.when, point.after);
        EXPECT_FALSE(Backup(folder, receiver, cancelled));
        EXPECT_TRUE(receiver.fired && cancelled);
        EXPECT_EQ(prompt.texts, QStringList({"Backup cancelled; the earlier backup in '" + folder + "' is unchanged"}));
        EXPECT_EQ(Files(folder), earlier) << "no partial file, the manifest and the songs as they were";
    }

    // No earlier backup: nothing is left.
    const QString fresh = dir.filePath("fresh");
    CCancelAt first([&](const QString&, int64_t c, int64_t) { return c == page; });
    EXPECT_FALSE(Backup(fresh, first, cancelled));
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(prompt.texts, QStringList({"Backup cancelled; no backup was written to '" + fresh + "'"}));
    EXPECT_TRUE(Files(fresh).empty());
}

TEST_F(CancelSongs, ACancelledRestoreNamesTheRestoredSlotsTheOthersKeepTheirSongs)
{
    ASSERT_EQ(s.Reload(), SongOk);
    Put(1, 1);
    Put(4, 2);
    Put(11, 3);
    const QString folder = dir.filePath("backup");
    CCancelAt plain;
    bool cancelled = false;
    ASSERT_TRUE(Backup(folder, plain, cancelled));
    const std::map<uint32_t, Bytes> backedUp = songs;
    for (uint32_t row : {1u, 4u, 11u})
        Put(row, row + 10);
    ASSERT_EQ(s.Reload(), SongOk);
    BackupManifest manifest;
    ASSERT_TRUE(ReadBackup(folder, s.rig.port, s.songs, manifest));

    const int64_t block = 64 * 4032;
    struct Case {
        const char* phase;  // of the song whose first block is cancelled
        QString message;
        std::vector<uint32_t> restored;  // rows
    };
    const Case cases[] = {
        {"(1 of 3)", "Restore cancelled: no slot was restored; every slot keeps its song", {}},
        {"(2 of 3)", "Restore cancelled: slot 2 was restored; the others keep their songs", {1}},
        {"(3 of 3)", "Restore cancelled: slots 2, 5 were restored; the others keep their songs", {1, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.phase);
        // What the slots hold before: the songs of the last restore or the changed ones.
        std::map<uint32_t, Bytes> info;
        for (uint32_t row : {1u, 4u, 11u})
            info[row] = InfoBlock(row);
        // The progress counts the whole restore: the songs before this one come first.
        int64_t before = 0;
        for (const Case* earlier = cases; earlier != &c; ++earlier)
            before += manifest.entries[size_t(earlier - cases)].bytes;
        CCancelAt receiver([&](const QString& phase, int64_t current, int64_t) {
            return phase.endsWith(c.phase) && current == before + block;
        });
        ClearCancel();
        prompt.Clear();
        EXPECT_FALSE(RestoreSongs(folder, manifest, s.songs, &receiver, &cancelled));
        EXPECT_TRUE(cancelled);
        EXPECT_EQ(prompt.texts, QStringList({c.message}));
        EXPECT_EQ(receiver.phases.first(), "Restore Song 002 (1 of 3)");
        ASSERT_EQ(s.Reload(), SongOk);
        for (uint32_t row : {1u, 4u, 11u}) {
            const bool restored = std::find(c.restored.begin(), c.restored.end(), row) != c.restored.end();
            EXPECT_EQ(s.ReadSong(row), restored ? backedUp.at(row) : songs.at(row)) << "row " << row;
            if (!restored) {
                EXPECT_EQ(InfoBlock(row), info[row]) << "row " << row << ": its song info was not written";
            }
        }
        // The next case starts from the changed songs again.
        for (uint32_t row : c.restored)
            Put(row, row + 10);
        ASSERT_EQ(s.Reload(), SongOk);
    }
}

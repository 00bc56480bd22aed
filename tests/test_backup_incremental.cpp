// Backups and restores that move only what changed, on the virtual pedal:
// what the pedal is asked to read or write, the files on disk and the songs
// on its flash.
#include "FirmwareSupport.h"
#include "Frame.h"
#include "LooperSongFile.h"
#include "ProgressEvent.h"
#include "SongBackup.h"
#include "SongSupport.h"
#include "Wave.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

// The phases and notes a backup or restore posts.
class CPhases : public QObject {
public:
    QStringList phases, notes;

protected:
    void customEvent(QEvent* event) override
    {
        if (event->type() != kPhaseEventType)
            return;
        const auto* phase = static_cast<const CPhaseEvent*>(event);
        (phase->note ? notes : phases) << phase->name;
    }
};

constexpr uint32_t kSongBytes = 192 * 1600;  // two blocks
const uint32_t kRows[] = {0, 1, 3};

uint32_t Chunks(uint32_t n) { return (n + CUSBPort::kReadChunk - 1) / CUSBPort::kReadChunk; }

class Incremental : public ::testing::Test {
public:
    Incremental()
    {
        s.rig.pedal.SetRecording(true);
        EXPECT_EQ(s.Reload(), SongOk);
        for (uint32_t row : kRows)
            Put(row, row + 1);
    }
    void Put(uint32_t row, uint32_t seed)
    {
        const Bytes audio = SongAudio(kSongBytes, seed);
        ASSERT_EQ(s.songs.write_song(row, audio.data(), kSongBytes, nullptr), SongOk);
    }
    bool Backup(CPhases& phases, bool full = false)
    {
        return BackupSongs(s.rig.port, s.songs, folder, &phases, nullptr, full);
    }
    bool Restore(CPhases& phases, bool full = false)
    {
        BackupManifest manifest;
        return ReadBackup(folder, s.rig.port, s.songs, manifest) &&
               RestoreSongs(folder, manifest, s.songs, &phases, nullptr, full);
    }
    std::map<QString, QByteArray> Files() const
    {
        std::map<QString, QByteArray> files;
        for (const QString& name : QDir(folder).entryList(QDir::Files)) {
            QFile f(QDir(folder).filePath(name));
            f.open(QIODevice::ReadOnly);
            files[name] = f.readAll();
        }
        return files;
    }
    // Read frames of a backup that reads the fingerprints of used songs and
    // the whole of read songs.
    size_t ExpectedReads(size_t used, size_t read) const
    {
        const SongAreaParams& a = s.Area();
        const uint32_t page = Chunks(a.page_payload);
        return used * (Chunks(CLooperSongFile::RecordSize(a)) + 3 * page) +
               read * ((kSongBytes + a.page_payload - 1) / a.page_payload) * page;
    }
    // Every used slot's file in the manifest holds the song on the flash.
    void ExpectFilesHoldTheSongs(const std::vector<uint32_t>& usedRows)
    {
        BackupManifest manifest;
        ASSERT_TRUE(ReadBackup(folder, s.rig.port, s.songs, manifest));
        ASSERT_EQ(manifest.entries.size(), usedRows.size());
        for (size_t i = 0; i < usedRows.size(); ++i) {
            const BackupEntry& e = manifest.entries[i];
            EXPECT_EQ(e.slot, usedRows[i] + 1);
            EXPECT_EQ(e.fingerprint.size(), 64);
            CWave wave;
            ASSERT_TRUE(wave.load(QDir(folder).filePath(e.file)));
            EXPECT_EQ(Bytes(wave.samples(), wave.samples() + wave.data_size()), s.ReadSong(usedRows[i])) << e.file.toStdString();
        }
    }

    CScriptedPrompt prompt;
    CSongRig s{10002};
    QTemporaryDir dir;
    QString folder = dir.filePath("backup");
};

struct Change {
    const char* name;
    std::function<void(Incremental&)> apply;
    std::vector<uint32_t> readRows;  // read again from the pedal
    std::vector<uint32_t> usedRows;  // after the change
    bool full;
};

class IncrementalBackup : public Incremental, public ::testing::WithParamInterface<Change> {};

}  // namespace

TEST_P(IncrementalBackup, ReadsOnlyWhatChanged)
{
    const Change& c = GetParam();
    CPhases first;
    ASSERT_TRUE(Backup(first));
    const auto before = Files();
    c.apply(*this);
    ASSERT_EQ(s.Reload(), SongOk);

    CPhases second;
    const size_t from = s.rig.pedal.Received().size();
    ASSERT_TRUE(Backup(second, c.full));
    EXPECT_EQ(CountSent(s.rig.pedal, frame::kRead, from), ExpectedReads(c.usedRows.size(), c.readRows.size()))
        << "fingerprints and the songs read, no page beyond";
    QStringList unchanged;
    for (uint32_t row : c.usedRows) {
        if (std::find(c.readRows.begin(), c.readRows.end(), row) == c.readRows.end())
            unchanged << QString::asprintf("Song %03u unchanged", row + 1);
    }
    EXPECT_EQ(second.notes, unchanged + QStringList{QStringLiteral("Backup done: %1 read, %2 unchanged")
                                                        .arg(c.readRows.size())
                                                        .arg(unchanged.size())});
    ExpectFilesHoldTheSongs(c.usedRows);
    const auto after = Files();
    for (const auto& [name, bytes] : after) {
        if (name != kManifestName && before.count(name))
            EXPECT_EQ(bytes, before.at(name)) << name.toStdString() << ": a kept file is not touched";
    }
    EXPECT_EQ(after.size(), c.usedRows.size() + 1) << "no file of an empty slot or of an earlier song";
}

INSTANTIATE_TEST_SUITE_P(
    Changes, IncrementalBackup,
    ::testing::Values(
        Change{"Unchanged", [](Incremental&) {}, {}, {0, 1, 3}, false},
        Change{"ChangedSlot", [](Incremental& t) { t.Put(1, 20); }, {1}, {0, 1, 3}, false},
        Change{"DeletedAndRewrittenInTheSameBlocksAndPage",
               [](Incremental& t) {
                   const SongAreaParams& a = t.s.Area();
                   const uint32_t info = (a.data_blocks + 3) * a.block_size;
                   const Bytes infoBefore = t.s.RawFlash(info, a.page_size);
                   ASSERT_EQ(t.s.songs.song(3)->delete_song(), SongOk);
                   t.Put(3, 30);
                   ASSERT_EQ(t.s.RawFlash(info, a.page_size), infoBefore) << "the same song info at the same page";
               },
               {3}, {0, 1, 3}, false},
        Change{"FileAlteredOnDisk",
               [](Incremental& t) {
                   QFile song(QDir(t.folder).filePath("song-001.wav"));
                   ASSERT_TRUE(song.open(QIODevice::ReadWrite) && song.seek(5000));
                   const char byte = song.read(1)[0];
                   song.seek(5000);
                   song.write(QByteArray(1, char(byte ^ 0x10)));
               },
               {0}, {0, 1, 3}, false},
        Change{"SlotNowEmpty", [](Incremental& t) { ASSERT_EQ(t.s.songs.song(1)->delete_song(), SongOk); }, {},
               {0, 3}, false},
        Change{"Full", [](Incremental&) {}, {0, 1, 3}, {0, 1, 3}, true}),
    [](const ::testing::TestParamInfo<Change>& info) { return std::string(info.param.name); });

TEST_F(Incremental, ARestoreWritesOnlySlotsThatDiffer)
{
    CPhases backup;
    ASSERT_TRUE(Backup(backup));
    size_t from = s.rig.pedal.Received().size();
    CPhases same;
    ASSERT_TRUE(Restore(same));
    EXPECT_EQ(CountSent(s.rig.pedal, frame::kErase, from) + CountSent(s.rig.pedal, frame::kWrite, from), 0u);
    EXPECT_EQ(same.notes, QStringList({"Song 001 already there", "Song 002 already there", "Song 004 already there",
                                       "Restore done: 0 written, 3 already there"}));

    Put(1, 20);
    ASSERT_EQ(s.Reload(), SongOk);
    CPhases changed;
    ASSERT_TRUE(Restore(changed));
    EXPECT_EQ(changed.phases, QStringList({"Restore Song 002 (2 of 3)"}));
    CPhases full;
    ASSERT_TRUE(Restore(full, true));
    EXPECT_EQ(full.phases.size(), 3);
    ASSERT_EQ(s.Reload(), SongOk);
    for (uint32_t row : kRows)
        EXPECT_EQ(s.ReadSong(row), SongAudio(kSongBytes, row + 1)) << row;
}

TEST_F(Incremental, AnOlderManifestRestoresAndCountsAsNothingKnown)
{
    CPhases backup;
    ASSERT_TRUE(Backup(backup));
    const QString path = QDir(folder).filePath(kManifestName);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    file.close();
    QJsonArray entries;
    for (const QJsonValue& v : root.value("slots").toArray()) {
        QJsonObject o = v.toObject();
        o.remove("fingerprint");
        entries.append(o);
    }
    root["slots"] = entries;
    root["format"] = "corvanta-backup 1";
    WriteTestFile(path, QJsonDocument(root).toJson());
    Put(0, 40);
    ASSERT_EQ(s.Reload(), SongOk);

    CPhases restore;
    ASSERT_TRUE(Restore(restore));
    EXPECT_EQ(restore.phases.size(), 3) << "every slot written";
    ASSERT_EQ(s.Reload(), SongOk);
    for (uint32_t row : kRows)
        EXPECT_EQ(s.ReadSong(row), SongAudio(kSongBytes, row + 1)) << row;
    CPhases again;
    ASSERT_TRUE(Backup(again));
    EXPECT_EQ(again.notes, QStringList({"Backup done: 3 read, 0 unchanged"}));
}

// Backups and restores on the virtual pedal: those that move only what
// changed, those cancelled at several points and restores that stop at their
// first failure. They are judged by what the pedal is asked to read or write,
// the files on disk and the songs on its flash.
#include "FirmwareSupport.h"
#include "Frame.h"
#include "LooperSongFile.h"
#include "Operation.h"
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
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

// Records the phases and the notes a backup or restore posts, and runs action
// at the first progress event for which when(phase, current, total) holds;
// deferred: in the next turn of the event loop instead.
class CPhases : public QObject {
public:
    using When = std::function<bool(const QString& phase, int64_t current, int64_t total)>;
    explicit CPhases(When when = {}, std::function<void()> action = RequestCancel, bool deferred = false)
        : m_when(std::move(when)), m_action(std::move(action)), m_deferred(deferred)
    {
    }

    QStringList phases, notes;
    bool fired = false;

protected:
    void customEvent(QEvent* event) override
    {
        if (event->type() == kPhaseEventType) {
            const auto* phase = static_cast<const CPhaseEvent*>(event);
            (phase->note ? notes : phases) << phase->name;
        }
        if (event->type() != kProgressEventType || fired || !m_when)
            return;
        const auto* p = static_cast<const CEventBase*>(event);
        if (!m_when(phases.value(phases.size() - 1), p->current, p->total))
            return;
        fired = true;
        if (m_deferred)
            QTimer::singleShot(0, this, m_action);
        else
            m_action();
    }

private:
    When m_when;
    std::function<void()> m_action;
    bool m_deferred;
};

// Two write units short of whole blocks: every song spans two blocks.
constexpr uint32_t kSongBytes = 192 * 1600;

uint32_t Chunks(uint32_t n) { return (n + CUSBPort::kReadChunk - 1) / CUSBPort::kReadChunk; }

// A pedal to put songs on and a backup folder.
class CBackupRig : public ::testing::Test {
public:
    CBackupRig()
    {
        s.rig.pedal.SetRecording(true);
        EXPECT_EQ(s.Reload(), SongOk);
    }
    ~CBackupRig() override { ClearCancel(); }
    void Put(uint32_t row, uint32_t seed)
    {
        songs[row] = SongAudio(kSongBytes, seed);
        ASSERT_EQ(s.songs.write_song(row, songs[row].data(), kSongBytes, nullptr), SongOk);
    }
    bool Backup(CPhases* phases = nullptr, bool full = false, const QString& to = {})
    {
        ClearCancel();
        prompt.Clear();
        cancelled = false;
        return BackupSongs(s.rig.port, s.songs, to.isEmpty() ? folder : to, phases, &cancelled, full);
    }
    BackupManifest Manifest()
    {
        BackupManifest manifest;
        EXPECT_TRUE(ReadBackup(folder, s.rig.port, s.songs, manifest));
        return manifest;
    }
    // Songs seeded row in rows, backed up, then other songs (seeded row + 10)
    // in their place: the checked backup's manifest.
    BackupManifest BackUpAndChange(const std::vector<uint32_t>& rows)
    {
        for (uint32_t row : rows)
            Put(row, row + 1);
        EXPECT_TRUE(Backup());
        for (uint32_t row : rows)
            Put(row, row + 10);
        EXPECT_EQ(s.Reload(), SongOk);
        return Manifest();
    }
    bool Restore(CPhases* phases, bool full = false)
    {
        return RestoreSongs(folder, Manifest(), s.songs, phases, nullptr, full);
    }
    std::map<QString, QByteArray> Files(const QString& in = {}) const
    {
        const QDir at(in.isEmpty() ? folder : in);
        std::map<QString, QByteArray> files;
        for (const QString& name : at.entryList(QDir::Files | QDir::Hidden))
            files[name] = ReadTestFile(at.filePath(name));
        return files;
    }

    CScriptedPrompt prompt;
    CSongRig s{10002};
    std::map<uint32_t, Bytes> songs;
    QTemporaryDir dir;
    QString folder = dir.filePath("backup");
    bool cancelled = false;
};

const uint32_t kRows[] = {0, 1, 3};

class Incremental : public CBackupRig {
public:
    Incremental()
    {
        for (uint32_t row : kRows)
            Put(row, row + 1);
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
        const BackupManifest manifest = Manifest();
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
    void ExpectTheFirstSongs()
    {
        ASSERT_EQ(s.Reload(), SongOk);
        for (uint32_t row : kRows)
            EXPECT_EQ(s.ReadSong(row), SongAudio(kSongBytes, row + 1)) << row;
    }
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
    ASSERT_TRUE(Backup());
    const auto before = Files();
    c.apply(*this);
    ASSERT_EQ(s.Reload(), SongOk);

    CPhases second;
    const size_t from = s.rig.pedal.Received().size();
    ASSERT_TRUE(Backup(&second, c.full));
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
        if (name != kManifestName && before.count(name)) {
            EXPECT_EQ(bytes, before.at(name)) << name.toStdString() << ": a kept file is not touched";
        }
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
    ASSERT_TRUE(Backup());
    EXPECT_EQ(RestoreQuestion(folder, Manifest(), s.songs),
              "Restore 0 songs from '" + folder + "' (0 used slots are overwritten, 3 songs already there are kept) ?");
    EXPECT_EQ(RestoreQuestion(folder, Manifest(), s.songs, true),
              "Restore 3 songs from '" + folder + "' (3 used slots are overwritten) ?");
    size_t from = s.rig.pedal.Received().size();
    CPhases same;
    ASSERT_TRUE(Restore(&same));
    EXPECT_EQ(CountSent(s.rig.pedal, frame::kErase, from) + CountSent(s.rig.pedal, frame::kWrite, from), 0u);
    EXPECT_EQ(same.notes, QStringList({"Song 001 already there", "Song 002 already there", "Song 004 already there",
                                       "Restore done: 0 written, 3 already there"}));

    Put(1, 20);
    ASSERT_EQ(s.Reload(), SongOk);
    CPhases changed;
    ASSERT_TRUE(Restore(&changed));
    EXPECT_EQ(changed.phases, QStringList({"Restore Song 002 (2 of 3)"}));
    CPhases full;
    ASSERT_TRUE(Restore(&full, true));
    EXPECT_EQ(full.phases.size(), 3);
    ExpectTheFirstSongs();
}

TEST_F(Incremental, AnOlderManifestRestoresAndCountsAsNothingKnown)
{
    ASSERT_TRUE(Backup());
    const QString path = QDir(folder).filePath(kManifestName);
    QJsonObject root = QJsonDocument::fromJson(ReadTestFile(path)).object();
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
    ASSERT_TRUE(Restore(&restore));
    EXPECT_EQ(restore.phases.size(), 3) << "every slot written";
    ExpectTheFirstSongs();
    CPhases again;
    ASSERT_TRUE(Backup(&again));
    EXPECT_EQ(again.notes, QStringList({"Backup done: 3 read, 0 unchanged"}));
}

// ---- A cancelled or failed backup keeps the earlier one whole ----

using CancelSongs = CBackupRig;

TEST_F(CancelSongs, ACancelledOrFailedBackupKeepsTheEarlierOneWholeAndLeavesNoPartials)
{
    Put(1, 1);
    Put(11, 2);
    CPhases plain;
    ASSERT_TRUE(Backup(&plain));
    EXPECT_EQ(plain.phases, QStringList({"Backup Song 002 (1 of 2)", "Backup Song 012 (2 of 2)"}));
    EXPECT_EQ(plain.notes, QStringList({"Backup done: 2 read, 0 unchanged"}));
    const auto earlier = Files();
    ASSERT_EQ(earlier.size(), 3u);
    Put(1, 3);  // the next backup reads both songs again
    Put(11, 4);

    const int64_t page = 4032;
    struct Point {
        const char* name;
        CPhases::When when;
        bool deferred;
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
        CPhases receiver(point.when, RequestCancel, point.deferred);
        EXPECT_FALSE(Backup(&receiver));
        EXPECT_TRUE(receiver.fired && cancelled);
        EXPECT_EQ(prompt.texts, QStringList({"Backup cancelled; the earlier backup in '" + folder + "' is unchanged"}));
        EXPECT_EQ(Files(), earlier) << "no partial file, the manifest and the songs as they were";
    }

    // A write, a rename or the manifest's write that fails. Slot 2's new file
    // goes under the name the earlier manifest does not use.
    const QString unchanged =
        "Cannot write the backup folder '" + folder + "'; the earlier backup in it is unchanged";
    const std::pair<const char*, QString> failures[] = {
        {"song-002-b.wav.partial",
         "Open file 'song-002-b.wav.partial' failed, it may be occupied by other process"},
        {"song-002-b.wav", unchanged},         // the rename fails
        {"manifest.json.partial", unchanged},  // the manifest's write fails
    };
    for (const auto& [obstacle, message] : failures) {
        SCOPED_TRACE(obstacle);
        QDir(folder).mkdir(obstacle);
        EXPECT_FALSE(Backup());
        EXPECT_EQ(prompt.texts, QStringList(message));
        QDir(folder).rmdir(obstacle);
        EXPECT_EQ(Files(), earlier) << "the earlier backup whole, no partial file";
    }
    ASSERT_TRUE(Backup());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
              QStringList({kManifestName, "song-002-b.wav", "song-012-b.wav"}));

    // No earlier backup: nothing is left.
    const QString fresh = dir.filePath("fresh");
    CPhases first([&](const QString&, int64_t c, int64_t) { return c == page; });
    EXPECT_FALSE(Backup(&first, false, fresh));
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(prompt.texts, QStringList({"Backup cancelled; no backup was written to '" + fresh + "'"}));
    EXPECT_TRUE(Files(fresh).empty());
}

// ---- A restore stopped at one slot (a write refused, the pedal pulled out,
// a cancel) stops there with one message naming the slots restored; no
// later backup file is read, no later command reaches the pedal and the
// slots not restored keep their songs and their song info ----

namespace {

enum class Stop { Refused, Unplugged, Cancelled };

struct StopCase {
    const char* what;
    uint32_t at;  // index in kStopRows of the slot stopped at
    Stop stop;
    const char* message;
};

void PrintTo(const StopCase& c, std::ostream* os) { *os << c.what; }

const std::vector<uint32_t> kStopRows = {1, 4, 11, 12};

class RestoreStop : public CBackupRig, public ::testing::WithParamInterface<StopCase> {
protected:
    Bytes InfoBlock(uint32_t row)
    {
        const SongAreaParams& a = s.Area();
        return s.RawFlash((a.data_blocks + row) * a.block_size, a.block_size);
    }
};

}  // namespace

TEST_P(RestoreStop, OneMessageAndNothingAfterTheStop)
{
    const StopCase& c = GetParam();
    CVirtualPedal& pedal = s.rig.pedal;
    Put(kStopRows[0], 1);
    size_t from = pedal.Received().size();
    Put(kStopRows[0], 1);  // the write commands of one song written over another
    const size_t writesPerSong = CountSent(pedal, frame::kWrite, from);
    const BackupManifest manifest = BackUpAndChange(kStopRows);
    std::map<uint32_t, Bytes> info;
    for (uint32_t row : kStopRows)
        info[row] = InfoBlock(row);
    // A later file read would show its own message.
    for (size_t i = c.at + 1; i < kStopRows.size(); ++i)
        ASSERT_TRUE(QFile::remove(QDir(folder).filePath(manifest.entries[i].file)));

    prompt.Clear();
    from = pedal.Received().size();
    const uint32_t failedWrite = uint32_t(c.at * writesPerSong + 1);
    if (c.stop == Stop::Refused)
        pedal.AddFault({FaultKind::Refuse, 0, failedWrite, frame::kWrite});
    // The progress counts the whole restore: the songs before this one come
    // first. A cancel comes after the slot's first block, an unplug at once.
    int64_t before = 0;
    for (uint32_t i = 0; i < c.at; ++i)
        before += manifest.entries[i].bytes;
    const QString stopPhase = QString::asprintf("(%u of %zu)", c.at + 1, kStopRows.size());
    CPhases receiver(
        [&](const QString& phase, int64_t current, int64_t) {
            return phase.endsWith(stopPhase) && (c.stop == Stop::Unplugged || current == before + 64 * 4032);
        },
        c.stop == Stop::Unplugged ? std::function<void()>([&] { s.rig.ports->Unplug(); }) : RequestCancel);
    EXPECT_FALSE(RestoreSongs(folder, manifest, s.songs, c.stop == Stop::Refused ? nullptr : &receiver, &cancelled));
    EXPECT_EQ(prompt.texts, QStringList({c.message}));
    EXPECT_EQ(cancelled, c.stop == Stop::Cancelled);
    if (c.stop != Stop::Refused) {
        EXPECT_TRUE(receiver.fired);
        EXPECT_EQ(receiver.phases.value(0), "Restore Song 002 (1 of 4)");
    }
    for (size_t i = c.at; i < kStopRows.size(); ++i)
        EXPECT_EQ(InfoBlock(kStopRows[i]), info[kStopRows[i]]) << "row " << kStopRows[i] << ": its song info not written";
    if (c.stop == Stop::Unplugged)
        return;
    if (c.stop == Stop::Refused) {
        EXPECT_EQ(CountSent(pedal, frame::kWrite, from), failedWrite);
        EXPECT_EQ(CountSent(pedal, frame::kWrite, pedal.Received().size() - 1), 1u) << "the refused write is the last";
    }
    ASSERT_EQ(s.Reload(), SongOk);
    for (uint32_t i = 0; i < kStopRows.size(); ++i)
        EXPECT_EQ(s.ReadSong(kStopRows[i]), SongAudio(kSongBytes, kStopRows[i] + (i < c.at ? 1 : 10))) << kStopRows[i];
}

INSTANTIATE_TEST_SUITE_P(
    Stops, RestoreStop,
    ::testing::Values(
        StopCase{"FirstSlotRefused", 0, Stop::Refused,
                 "Restore failed at slot 2 (Write data failed!): no slot was restored; the slots after it were not written"},
        StopCase{"MiddleSlotRefused", 2, Stop::Refused,
                 "Restore failed at slot 12 (Write data failed!): slots 2, 5 were restored; the slots after it were not "
                 "written"},
        StopCase{"Unplugged", 1, Stop::Unplugged,
                 "Restore failed at slot 5 (Write data failed!): slot 2 was restored; the slots after it were not written"},
        StopCase{"CancelledInTheFirstSlot", 0, Stop::Cancelled,
                 "Restore cancelled: no slot was restored; every slot keeps its song"},
        StopCase{"CancelledInTheSecondSlot", 1, Stop::Cancelled,
                 "Restore cancelled: slot 2 was restored; the others keep their songs"},
        StopCase{"CancelledInTheThirdSlot", 2, Stop::Cancelled,
                 "Restore cancelled: slots 2, 5 were restored; the others keep their songs"}),
    [](const ::testing::TestParamInfo<StopCase>& info) { return std::string(info.param.what); });

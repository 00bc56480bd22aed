#include "SongBackup.h"

#include "BackupCommon.h"
#include "LooperSongList.h"
#include "Operation.h"
#include "ProgressEvent.h"
#include "Prompt.h"
#include "RunProgress.h"
#include "SongFingerprint.h"
#include "SongResult.h"
#include "SongTransfer.h"
#include "USBPort.h"
#include "Wave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <set>

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SongBackup)
};

int NotTheSong(const BackupEntry& e)
{
    ShowMessage(Text::tr("'%1' is not the song the backup recorded").arg(e.file));
    return kCommandFailed;
}

// The audio of a backup file, refused with its message unless it is exactly
// what the entry says: SongOk, kCommandFailed, or SongCancelled when a
// cancel stopped its checksum.
int LoadEntry(const QString& folder, const BackupEntry& e, const SongAreaParams& area, CWave& wave)
{
    const QString path = QDir(folder).filePath(e.file);
    // A file of another length is refused before it is read: a huge foreign
    // file in the folder costs no allocation.
    if (QFileInfo(path).size() != qint64(CWave::kHeaderBytes) + e.bytes || !wave.load(path))
        return NotTheSong(e);
    QByteArray sum;
    if (!Sha256(wave.samples(), wave.data_size(), sum))
        return SongCancelled;
    if (!(wave.format() == CWave::TargetFormat(uint16_t(area.channels), area.sample_rate)) ||
        qint64(wave.data_size()) != e.bytes || sum.toHex() != e.sha256.toLatin1())
        return NotTheSong(e);
    return SongOk;
}

// One entry of a checked backup: its file checked again, then written into
// its slot. A write stops before the song info: the slot keeps its song.
int RestoreEntry(const QString& folder, const BackupEntry& e, const SongAreaParams& area, CLooperSongList& songs,
                 QObject* progress)
{
    CWave wave;
    const int loaded = LoadEntry(folder, e, area, wave);
    if (loaded != SongOk)
        return loaded;
    if (CancelRequested())
        return SongCancelled;
    return songs.write_song(e.slot - 1, wave.samples(), uint32_t(wave.data_size()), progress);
}

// "2, 5"
QString SlotList(const std::vector<uint32_t>& restored)
{
    QStringList numbers;
    for (uint32_t slot : restored)
        numbers << QString::number(slot);
    return numbers.join(", ");
}

QString CancelledText(const std::vector<uint32_t>& restored)
{
    if (restored.empty())
        return Text::tr("Restore cancelled: no slot was restored; every slot keeps its song");
    if (restored.size() == 1)
        return Text::tr("Restore cancelled: slot %1 was restored; the others keep their songs").arg(SlotList(restored));
    return Text::tr("Restore cancelled: slots %1 were restored; the others keep their songs").arg(SlotList(restored));
}

// The one message of a restore that stopped before its end.
QString StoppedText(const std::vector<uint32_t>& restored, uint32_t failedSlot, int code)
{
    if (code == SongCancelled)
        return CancelledText(restored);
    const QString failed = SongResultText(code);
    if (restored.empty())
        return Text::tr("Restore failed at slot %1 (%2): no slot was restored; the slots after it were not written")
            .arg(failedSlot)
            .arg(failed);
    if (restored.size() == 1)
        return Text::tr("Restore failed at slot %1 (%2): slot %3 was restored; the slots after it were not written")
            .arg(failedSlot)
            .arg(failed, SlotList(restored));
    return Text::tr("Restore failed at slot %1 (%2): slots %3 were restored; the slots after it were not written")
        .arg(failedSlot)
        .arg(failed, SlotList(restored));
}
// The pedal's slot holds the very song the entry was backed up from.
bool AlreadyThere(const CLooperSongBase& song, const BackupEntry& e, const SongAreaParams& area, int32_t model)
{
    return song.is_used() && !e.fingerprint.isEmpty() &&
           SongFingerprint(song, area, StorageFormatOf(model)) == e.fingerprint;
}
}  // namespace

bool ReadBackup(const QString& folder, CUSBPort& link, CLooperSongList& songs, BackupManifest& manifest)
{
    const SongAreaParams* area = BackupAreaOf(link);
    if (!area)
        return false;
    if (!ReadManifest(QDir(folder), manifest))
        return FailWith(Text::tr("'%1' holds no complete backup (its %2 is missing or unreadable)")
                        .arg(folder, kManifestName));
    if (manifest.model_id != link.device_info().model_id)
        return FailWith(Text::tr("The backup is of model %1, the pedal is model %2")
                        .arg(manifest.model_id)
                        .arg(link.device_info().model_id));
    std::set<uint32_t> seen;
    for (BackupEntry& e : manifest.entries) {
        // Each slot once, from the file named after it: no name can point outside the backup.
        if (e.slot < 1 || e.slot > songs.size() || !seen.insert(e.slot).second || !IsBackupFileName(e.file, e.slot))
            return FailWith(Text::tr("The backup's entry for slot %1 is not valid").arg(e.slot));
        CWave wave;
        if (LoadEntry(folder, e, *area, wave) != SongOk)
            return false;
        e.on_pedal = AlreadyThere(*songs.song(e.slot - 1), e, *area, manifest.model_id);
    }
    return true;
}

QString RestoreQuestion(const QString& folder, const BackupManifest& manifest, CLooperSongList& songs, bool full)
{
    int overwritten = 0, kept = 0;
    for (const BackupEntry& e : manifest.entries) {
        if (e.on_pedal && !full)
            ++kept;
        else if (songs.song(e.slot - 1)->is_used())
            ++overwritten;
    }
    if (kept == 0)
        return Text::tr("Restore %1 songs from '%2' (%3 used slots are overwritten) ?")
            .arg(manifest.entries.size())
            .arg(folder)
            .arg(overwritten);
    return Text::tr("Restore %1 songs from '%2' (%3 used slots are overwritten, %4 songs already there are kept) ?")
        .arg(manifest.entries.size() - kept)
        .arg(folder)
        .arg(overwritten)
        .arg(kept);
}

bool RestoreSongs(const QString& folder, const BackupManifest& manifest, CLooperSongList& songs, QObject* progress,
                  bool* cancelled, bool full)
{
    const SongAreaParams area = *find_model(manifest.model_id)->song_area;
    std::vector<uint32_t> restored;
    const uint32_t count = uint32_t(manifest.entries.size());
    int64_t runBytes = 0;
    for (const BackupEntry& e : manifest.entries)
        runBytes += e.bytes;
    CRunProgress run(progress, runBytes);
    for (uint32_t i = 0; i < count; ++i) {
        const BackupEntry& e = manifest.entries[i];
        if (!full && e.on_pedal) {
            run.SkipSong(e.bytes);
            PostNote(progress, Text::tr("Song %1 already there").arg(SlotNumber(e.slot)));
            continue;
        }
        PostSongPhase(progress, Text::tr("Restore Song %1 (%2 of %3)"), e.slot, i + 1, count);
        const int code = RestoreEntry(folder, e, area, songs, run.NextSong(e.bytes));
        if (code == SongOk) {
            restored.push_back(e.slot);
            continue;
        }
        // After a failed write the catalogue waits for a reload: nothing
        // more is read or written.
        if (cancelled)
            *cancelled = code == SongCancelled;
        ShowMessage(StoppedText(restored, e.slot, code));
        return false;
    }
    PostNote(progress, Text::tr("Restore done: %1 written, %2 already there")
                           .arg(restored.size())
                           .arg(count - restored.size()));
    KeepResponsive();
    return true;
}

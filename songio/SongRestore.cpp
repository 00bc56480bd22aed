#include "SongBackup.h"

#include "BackupCommon.h"
#include "LooperSongList.h"
#include "Operation.h"
#include "ProgressEvent.h"
#include "Prompt.h"
#include "SongFingerprint.h"
#include "SongResult.h"
#include "SongTransfer.h"
#include "USBPort.h"
#include "Wave.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <set>

namespace {

int NotTheSong(const BackupEntry& e)
{
    ShowMessage(QStringLiteral("'%1' is not the song the backup recorded").arg(e.file));
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

// "slot 2 was restored", "slots 2, 5 were restored".
QString RestoredText(const std::vector<uint32_t>& restored)
{
    QStringList numbers;
    for (uint32_t slot : restored)
        numbers << QString::number(slot);
    return restored.size() == 1 ? QStringLiteral("slot %1 was restored").arg(numbers.front())
                                : QStringLiteral("slots %1 were restored").arg(numbers.join(", "));
}

// The one message of a restore that stopped before its end.
QString StoppedText(const std::vector<uint32_t>& restored, uint32_t failedSlot, int code)
{
    if (code == SongCancelled) {
        if (restored.empty())
            return QStringLiteral("Restore cancelled: no slot was restored; every slot keeps its song");
        return QStringLiteral("Restore cancelled: %1; the others keep their songs").arg(RestoredText(restored));
    }
    return QStringLiteral("Restore failed at slot %1 (%2): %3; the slots after it were not written")
        .arg(failedSlot)
        .arg(SongResultText(code))
        .arg(restored.empty() ? QStringLiteral("no slot was restored") : RestoredText(restored));
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
        return FailWith(QStringLiteral("'%1' holds no complete backup (its %2 is missing or unreadable)")
                        .arg(folder, kManifestName));
    if (manifest.model_id != link.device_info().model_id)
        return FailWith(QStringLiteral("The backup is of model %1, the pedal is model %2")
                        .arg(manifest.model_id)
                        .arg(link.device_info().model_id));
    std::set<uint32_t> seen;
    for (const BackupEntry& e : manifest.entries) {
        // Each slot once, from the file named after it: no name can point outside the backup.
        if (e.slot < 1 || e.slot > songs.size() || !seen.insert(e.slot).second || !IsBackupFileName(e.file, e.slot))
            return FailWith(QStringLiteral("The backup's entry for slot %1 is not valid").arg(e.slot));
        CWave wave;
        if (LoadEntry(folder, e, *area, wave) != SongOk)
            return false;
    }
    return true;
}

QString RestoreQuestion(const QString& folder, const BackupManifest& manifest, CLooperSongList& songs)
{
    int overwritten = 0;
    for (const BackupEntry& e : manifest.entries)
        overwritten += songs.song(e.slot - 1)->is_used() ? 1 : 0;
    return QStringLiteral("Restore %1 songs from '%2' (%3 used slots are overwritten) ?")
        .arg(manifest.entries.size())
        .arg(folder)
        .arg(overwritten);
}

bool RestoreSongs(const QString& folder, const BackupManifest& manifest, CLooperSongList& songs, QObject* progress,
                  bool* cancelled, bool full)
{
    const SongAreaParams area = *find_model(manifest.model_id)->song_area;
    std::vector<uint32_t> restored;
    const uint32_t count = uint32_t(manifest.entries.size());
    for (uint32_t i = 0; i < count; ++i) {
        const BackupEntry& e = manifest.entries[i];
        if (!full && AlreadyThere(*songs.song(e.slot - 1), e, area, manifest.model_id)) {
            PostNote(progress, QString::asprintf("Song %03u already there", e.slot));
            continue;
        }
        PostSongPhase(progress, "Restore", e.slot, i + 1, count);
        const int code = RestoreEntry(folder, e, area, songs, progress);
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
    PostNote(progress, QStringLiteral("Restore done: %1 written, %2 already there")
                           .arg(restored.size())
                           .arg(count - restored.size()));
    KeepResponsive();
    return true;
}

#include "SongBackup.h"

#include "AppFiles.h"
#include "LooperSongList.h"
#include "Operation.h"
#include "ProgressEvent.h"
#include "Prompt.h"
#include "SongResult.h"
#include "SongTransfer.h"
#include "USBPort.h"
#include "Wave.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <set>

namespace {

const SongAreaParams* AreaOf(CUSBPort& link)
{
    const DeviceModel* model = find_model(link.device_info().model_id);
    if (!CanHoldSongs(link.state(), link.device_info()) || !model || !model->song_area) {
        ShowMessage(SongResultText(SongDeviceUnsupported));
        return nullptr;
    }
    return model->song_area;
}

bool Fail(const QString& text)
{
    ShowMessage(text);
    return false;
}

const QString kPartialSuffix = QStringLiteral(".partial");

// Removes the files of a run that failed, partial or already in place:
// none of them is a file the earlier manifest names.
bool RemoveNewFiles(const QDir& dir, const QStringList& written)
{
    for (const QString& name : written) {
        QFile::remove(dir.filePath(name + kPartialSuffix));
        QFile::remove(dir.filePath(name));
    }
    return false;
}

// Moves every partial file to its final name, which no manifest names: a
// file there is left over from a run that stopped.
bool PutInPlace(const QDir& dir, const QStringList& written)
{
    for (const QString& name : written) {
        const QString final = dir.filePath(name);
        if ((QFile::exists(final) && !QFile::remove(final)) || !QFile::rename(final + kPartialSuffix, final))
            return false;
    }
    return true;
}

// Once the new manifest is in place: the earlier backup's files it no longer names.
void RemoveUnnamed(const QDir& dir, const BackupManifest& earlier, const BackupManifest& now)
{
    for (const BackupEntry& e : earlier.entries) {
        const BackupEntry* kept = now.Entry(e.slot);
        if (IsBackupFileName(e.file, e.slot) && !(kept && kept->file == e.file))
            QFile::remove(dir.filePath(e.file));
    }
}

// The audio of a backup file, refused with its message unless it is exactly
// what the entry says: SongOk, kCommandFailed, or SongCancelled when a
// cancel stopped its checksum.
int LoadEntry(const QString& folder, const BackupEntry& e, const SongAreaParams& area, CWave& wave)
{
    const QString path = QDir(folder).filePath(e.file);
    if (!wave.load(path))
        return kCommandFailed;
    QByteArray sum;
    if (!Sha256(wave.samples(), wave.data_size(), sum))
        return SongCancelled;
    if (!(wave.format() == CWave::TargetFormat(uint16_t(area.channels), area.sample_rate)) ||
        qint64(wave.data_size()) != e.bytes || sum.toHex() != e.sha256.toLatin1()) {
        ShowMessage(QStringLiteral("'%1' is not the song the backup recorded").arg(e.file));
        return kCommandFailed;
    }
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

uint32_t UsedSlots(CLooperSongList& songs)
{
    uint32_t used = 0;
    for (uint32_t row = 0; row < songs.size(); ++row)
        used += songs.song(row)->is_used() ? 1 : 0;
    return used;
}

// "Backup Song 003 (2 of 5)": the bar's phase for one song of several.
void PostSongPhase(QObject* progress, const char* verb, uint32_t slot, uint32_t nth, uint32_t count)
{
    PostPhase(progress, QString::asprintf("%s Song %03u (%u of %u)", verb, slot, nth, count));
}

// A cancelled backup removes its partial files; the folder's earlier
// backup, when it had one, was not touched.
bool BackupCancelled(const QDir& dir, const QStringList& written, bool hadBackup, bool* cancelled)
{
    if (cancelled)
        *cancelled = true;
    RemoveNewFiles(dir, written);
    ShowMessage(hadBackup ? QStringLiteral("Backup cancelled; the earlier backup in '%1' is unchanged").arg(dir.path())
                          : QStringLiteral("Backup cancelled; no backup was written to '%1'").arg(dir.path()));
    return false;
}

QString RestoredSlotsText(const std::vector<uint32_t>& restored)
{
    if (restored.empty())
        return QStringLiteral("Restore cancelled: no slot was restored; every slot keeps its song");
    QStringList numbers;
    for (uint32_t slot : restored)
        numbers << QString::number(slot);
    const QString which = restored.size() == 1 ? QStringLiteral("slot %1 was").arg(numbers.front())
                                            : QStringLiteral("slots %1 were").arg(numbers.join(", "));
    return QStringLiteral("Restore cancelled: %1 restored; the others keep their songs").arg(which);
}
}  // namespace

bool BackupSongs(CUSBPort& link, CLooperSongList& songs, const QString& folder, QObject* progress, bool* cancelled)
{
    const SongAreaParams* area = AreaOf(link);
    if (!area)
        return false;
    const QDir dir(folder);
    if (!QDir().mkpath(folder))
        return Fail(QStringLiteral("Cannot write the backup folder '%1'").arg(folder));
    const bool hadBackup = dir.exists(kManifestName);
    BackupManifest earlier;
    ReadManifest(dir, earlier);
    // The songs go to partial files under names the earlier manifest does
    // not use, so a failed or cancelled run leaves an earlier backup whole.
    BackupManifest manifest{link.device_info().model_id, version_text(link.device_info().version), {}};
    QStringList written;
    const uint32_t count = UsedSlots(songs);
    for (uint32_t row = 0; row < songs.size(); ++row) {
        if (!songs.song(row)->is_used())
            continue;
        PostSongPhase(progress, "Backup", row + 1, uint32_t(manifest.entries.size()) + 1, count);
        const QString name = NextBackupFileName(earlier, row + 1);
        written << name;
        QSaveFile file;
        if (!OpenFileOrWarn(file, dir.filePath(name + kPartialSuffix)))
            return RemoveNewFiles(dir, written);
        ExportedAudio audio;
        const int code = ExportSongTo(file, songs, *area, row, ExportFormat{area->sample_rate}, progress, &audio);
        if (code == SongCancelled)
            return BackupCancelled(dir, written, hadBackup, cancelled);
        if (code != SongOk) {
            ShowMessage(QStringLiteral("Song %1: %2").arg(row + 1).arg(SongResultText(code)));
            return RemoveNewFiles(dir, written);
        }
        manifest.entries.push_back({row + 1, name, audio.bytes, audio.sha256.toHex(), {}});
    }
    // The last moment to stop: putting the files in place is quick and is
    // not cut short.
    if (CancelRequested())
        return BackupCancelled(dir, written, hadBackup, cancelled);
    if (!PutInPlace(dir, written) || !CommitManifest(dir, manifest)) {
        RemoveNewFiles(dir, written);
        return Fail(hadBackup ? QStringLiteral("Cannot write the backup folder '%1'; the earlier backup in it is unchanged")
                                    .arg(folder)
                              : QStringLiteral("Cannot write the backup folder '%1'").arg(folder));
    }
    RemoveUnnamed(dir, earlier, manifest);
    return true;
}

bool ReadBackup(const QString& folder, CUSBPort& link, CLooperSongList& songs, BackupManifest& manifest)
{
    const SongAreaParams* area = AreaOf(link);
    if (!area)
        return false;
    if (!ReadManifest(QDir(folder), manifest))
        return Fail(QStringLiteral("'%1' holds no complete backup (its %2 is missing or unreadable)")
                        .arg(folder, kManifestName));
    if (manifest.model_id != link.device_info().model_id)
        return Fail(QStringLiteral("The backup is of model %1, the pedal is model %2")
                        .arg(manifest.model_id)
                        .arg(link.device_info().model_id));
    std::set<uint32_t> seen;
    for (const BackupEntry& e : manifest.entries) {
        // Each slot once, from the file named after it: no name can point outside the backup.
        if (e.slot < 1 || e.slot > songs.size() || !seen.insert(e.slot).second || !IsBackupFileName(e.file, e.slot))
            return Fail(QStringLiteral("The backup's entry for slot %1 is not valid").arg(e.slot));
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
                  bool* cancelled)
{
    const SongAreaParams area = *find_model(manifest.model_id)->song_area;
    bool ok = true;
    std::vector<uint32_t> restored;
    const uint32_t count = uint32_t(manifest.entries.size());
    for (uint32_t i = 0; i < count; ++i) {
        const BackupEntry& e = manifest.entries[i];
        PostSongPhase(progress, "Restore", e.slot, i + 1, count);
        const int code = RestoreEntry(folder, e, area, songs, progress);
        if (code == SongCancelled) {
            if (cancelled)
                *cancelled = true;
            ShowMessage(RestoredSlotsText(restored));
            ok = false;
            break;
        }
        if (code == kCommandFailed)  // its message was shown
            return false;
        if (code == SongOk) {
            restored.push_back(e.slot);
        } else {
            ShowMessage(QStringLiteral("Song %1: %2").arg(e.slot).arg(SongResultText(code)));
            ok = false;
        }
    }
    return ok;
}

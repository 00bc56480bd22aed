#include "SongBackup.h"

#include "AppFiles.h"
#include "BackupCommon.h"
#include "LooperSongList.h"
#include "Operation.h"
#include "ProgressEvent.h"
#include "Prompt.h"
#include "SongResult.h"
#include "SongTransfer.h"
#include "USBPort.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace {

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

uint32_t UsedSlots(CLooperSongList& songs)
{
    uint32_t used = 0;
    for (uint32_t row = 0; row < songs.size(); ++row)
        used += songs.song(row)->is_used() ? 1 : 0;
    return used;
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

}  // namespace

bool BackupSongs(CUSBPort& link, CLooperSongList& songs, const QString& folder, QObject* progress, bool* cancelled)
{
    const SongAreaParams* area = BackupAreaOf(link);
    if (!area)
        return false;
    const QDir dir(folder);
    if (!QDir().mkpath(folder))
        return FailWith(QStringLiteral("Cannot write the backup folder '%1'").arg(folder));
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
        return FailWith(hadBackup ? QStringLiteral("Cannot write the backup folder '%1'; the earlier backup in it is unchanged")
                                    .arg(folder)
                              : QStringLiteral("Cannot write the backup folder '%1'").arg(folder));
    }
    RemoveUnnamed(dir, earlier, manifest);
    return true;
}

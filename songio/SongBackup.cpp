#include "SongBackup.h"

#include "AppFiles.h"
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
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <optional>

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SongBackup)
};

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

int64_t UsedBytes(CLooperSongList& songs)
{
    int64_t bytes = 0;
    for (uint32_t row = 0; row < songs.size(); ++row)
        bytes += songs.song(row)->is_used() ? songs.song(row)->get_song_size() : 0;
    return bytes;
}

// Whether the file still holds the audio the entry records (the pedal's
// format, the length, the SHA-256), checked quietly: a file that fails is
// read from the pedal again. None when a cancel stopped the checksum.
std::optional<bool> FileHolds(const QDir& dir, const BackupEntry& e, const SongAreaParams& area)
{
    QFile file(dir.filePath(e.file));
    WaveHeader header;
    QString problem;
    if (!file.open(QIODevice::ReadOnly) || file.size() != qint64(CWave::kHeaderBytes) + e.bytes ||
        !ReadWaveHeader(file, header, problem) ||
        !(header.format == CWave::TargetFormat(uint16_t(area.channels), area.sample_rate)) ||
        file.pos() != qint64(CWave::kHeaderBytes))
        return false;
    QCryptographicHash sum(QCryptographicHash::Sha256);
    for (QByteArray block; !(block = file.read(4 << 20)).isEmpty();) {
        if (!ContinueOperation())
            return std::nullopt;
        sum.addData(block);
    }
    return sum.result().toHex() == e.sha256.toLatin1();
}

// One backup run: the earlier backup it may keep files of, and what it wrote.
struct BackupRun {
    QDir dir;
    const SongAreaParams& area;
    BackupManifest earlier;
    bool full;
    QObject* progress;
    CRunProgress& bar;  // one bar over every used song, kept ones included
    BackupManifest manifest;
    QStringList written;  // new files, partial until put in place
    uint32_t read = 0;
};

// The earlier entry of the slot when it still stands for the song on the
// pedal (fingerprint) and its file on disk for its audio; else null.
std::optional<const BackupEntry*> Unchanged(BackupRun& run, uint32_t slot, const QString& fingerprint)
{
    const BackupEntry* e = run.earlier.Entry(slot);
    if (run.full || !e || e->fingerprint.isEmpty() || e->fingerprint != fingerprint ||
        !IsBackupFileName(e->file, slot))
        return nullptr;
    const std::optional<bool> holds = FileHolds(run.dir, *e, run.area);
    if (!holds)
        return std::nullopt;
    return *holds ? e : nullptr;
}

// Reads the song of row into its new partial file; its entry on success.
// SongOk, SongCancelled, or a failure shown with its message.
int ReadSlot(BackupRun& run, CLooperSongList& songs, uint32_t row, const QString& fingerprint)
{
    const QString name = NextBackupFileName(run.earlier, row + 1);
    run.written << name;
    QSaveFile file;
    if (!OpenFileOrWarn(file, run.dir.filePath(name + kPartialSuffix)))
        return kCommandFailed;
    ExportedAudio audio;
    const int code =
        ExportSongTo(file, songs, run.area, row, ExportFormat{run.area.sample_rate},
                     run.bar.NextSong(songs.song(row)->get_song_size()), &audio);
    if (code != SongOk && code != SongCancelled)
        ShowMessage(Text::tr("Song %1: %2").arg(row + 1).arg(SongResultText(code)));
    if (code == SongOk) {
        run.manifest.entries.push_back({row + 1, name, audio.bytes, audio.sha256.toHex(), fingerprint});
        ++run.read;
    }
    return code;
}

// One used slot: kept when unchanged, else read.
int BackupSlot(BackupRun& run, CLooperSongList& songs, uint32_t row, uint32_t count)
{
    const uint32_t slot = row + 1;
    const QString fingerprint = SongFingerprint(*songs.song(row), run.area, StorageFormatOf(run.manifest.model_id));
    const std::optional<const BackupEntry*> kept = Unchanged(run, slot, fingerprint);
    if (!kept)
        return SongCancelled;
    if (*kept) {
        run.manifest.entries.push_back(**kept);
        run.bar.SkipSong(songs.song(row)->get_song_size());
        PostNote(run.progress, Text::tr("Song %1 unchanged").arg(SlotNumber(slot)));
        return SongOk;
    }
    PostSongPhase(run.progress, Text::tr("Backup Song %1 (%2 of %3)"), slot, uint32_t(run.manifest.entries.size()) + 1, count);
    return ReadSlot(run, songs, row, fingerprint);
}

// A cancelled backup removes its partial files; the folder's earlier
// backup, when it had one, was not touched.
bool BackupCancelled(const QDir& dir, const QStringList& written, bool hadBackup, bool* cancelled)
{
    if (cancelled)
        *cancelled = true;
    RemoveNewFiles(dir, written);
    ShowMessage(hadBackup ? Text::tr("Backup cancelled; the earlier backup in '%1' is unchanged").arg(dir.path())
                          : Text::tr("Backup cancelled; no backup was written to '%1'").arg(dir.path()));
    return false;
}

}  // namespace

bool BackupSongs(CUSBPort& link, CLooperSongList& songs, const QString& folder, QObject* progress, bool* cancelled,
                 bool full)
{
    const SongAreaParams* area = BackupAreaOf(link);
    if (!area)
        return false;
    const QDir dir(folder);
    if (!QDir().mkpath(folder))
        return FailWith(Text::tr("Cannot write the backup folder '%1'").arg(folder));
    const bool hadBackup = dir.exists(kManifestName);
    const int32_t model = link.device_info().model_id;
    CRunProgress bar(progress, UsedBytes(songs));
    BackupRun run{dir, *area, {}, full, progress, bar, {model, version_text(link.device_info().version), {}}, {}};
    ReadManifest(dir, run.earlier);
    // Another model's fingerprints mean nothing here; its file names are
    // still kept clear of.
    if (run.earlier.model_id != model)
        run.full = true;
    // The songs go to partial files under names the earlier manifest does
    // not use, so a failed or cancelled run leaves an earlier backup whole.
    const uint32_t count = UsedSlots(songs);
    for (uint32_t row = 0; row < songs.size(); ++row) {
        if (!songs.song(row)->is_used())
            continue;
        const int code = BackupSlot(run, songs, row, count);
        if (code == SongCancelled)
            return BackupCancelled(dir, run.written, hadBackup, cancelled);
        if (code != SongOk)
            return RemoveNewFiles(dir, run.written);
    }
    // The last moment to stop: putting the files in place is quick and is
    // not cut short.
    if (CancelRequested())
        return BackupCancelled(dir, run.written, hadBackup, cancelled);
    if (!PutInPlace(dir, run.written) || !CommitManifest(dir, run.manifest)) {
        RemoveNewFiles(dir, run.written);
        return FailWith(hadBackup ? Text::tr("Cannot write the backup folder '%1'; the earlier backup in it is unchanged")
                                        .arg(folder)
                                  : Text::tr("Cannot write the backup folder '%1'").arg(folder));
    }
    RemoveUnnamed(dir, run.earlier, run.manifest);
    PostNote(progress, Text::tr("Backup done: %1 read, %2 unchanged")
                           .arg(run.read)
                           .arg(run.manifest.entries.size() - run.read));
    KeepResponsive();
    return true;
}

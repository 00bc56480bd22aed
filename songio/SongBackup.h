#pragma once
// Lossless backup of every used slot and its restore. A backup folder holds
// one WAV file per used slot in the pedal's own format ("song-005.wav") and
// "manifest.json", written last: a folder without it is no complete backup.
#include <QString>

#include <vector>

class CLooperSongList;
class CUSBPort;
class QObject;

constexpr const char* kManifestName = "manifest.json";

struct BackupEntry {
    uint32_t slot;  // 1-based, as the list shows it
    QString file;   // name inside the backup folder
    qint64 bytes;   // length of the audio
    QString sha256;  // hex SHA-256 of the audio
};

struct BackupManifest {
    int32_t model_id = -1;
    QString firmware;
    std::vector<BackupEntry> entries;
};

// Writes the backup of the connected pedal into folder; messages go through
// the prompt. Only complete backups get a manifest. Each song starts a phase
// "Backup Song 003 (2 of 5)" on progress; the progress events count the
// bytes of the whole run. A cancel removes the partial files
// and keeps the folder's earlier backup whole; it returns false with its
// message and sets *cancelled.
bool BackupSongs(CUSBPort& link, CLooperSongList& songs, const QString& folder, QObject* progress,
                 bool* cancelled = nullptr);

// Reads and checks the manifest and every file it names against the
// connected pedal (model, slots, format, lengths, checksums) before anything
// is written; false with its message otherwise.
bool ReadBackup(const QString& folder, CUSBPort& link, CLooperSongList& songs, BackupManifest& manifest);
// The question before a restore: how many songs, from where, and how many
// used slots they overwrite.
QString RestoreQuestion(const QString& folder, const BackupManifest& manifest, CLooperSongList& songs);
// Writes the checked backup's songs into their slots; other slots keep theirs.
// Each song starts a phase "Restore Song 003 (2 of 5)"; the progress events
// count the bytes of the whole run. A cancel stops
// before the current slot's song info: the slots restored so far keep their
// new songs, the others theirs, and the message names the restored slots;
// it returns false and sets *cancelled. The caller reloads the catalogue
// afterwards: a failed write leaves it waiting for a load.
bool RestoreSongs(const QString& folder, const BackupManifest& manifest, CLooperSongList& songs, QObject* progress,
                  bool* cancelled = nullptr);

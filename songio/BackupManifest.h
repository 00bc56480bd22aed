#pragma once
// The manifest of a backup folder ("manifest.json") and the names of the
// song files it may name. A slot's file has two names, "song-005.wav" and
// "song-005-b.wav": a backup that replaces an earlier one writes each new
// file under the name the earlier manifest does not use, so the earlier
// files stay whole until the new manifest is in place.
#include <QDir>
#include <QString>

#include <cstdint>
#include <vector>

constexpr const char* kManifestName = "manifest.json";

struct BackupEntry {
    uint32_t slot;        // 1-based, as the list shows it
    QString file;         // name inside the backup folder
    qint64 bytes;         // length of the audio
    QString sha256;       // hex SHA-256 of the audio
    QString fingerprint;  // the song's fingerprint on the pedal; empty: not known
    bool on_pedal = false;  // not stored: the slot held this very song when the backup was checked
};

struct BackupManifest {
    int32_t model_id = -1;
    QString firmware;
    std::vector<BackupEntry> entries;

    const BackupEntry* Entry(uint32_t slot) const;
};

// "song-005.wav", or with alternate "song-005-b.wav".
QString BackupFileName(uint32_t slot, bool alternate = false);
// Either name of the slot's file.
bool IsBackupFileName(const QString& name, uint32_t slot);
// The name of the slot's file that earlier does not use.
QString NextBackupFileName(const BackupManifest& earlier, uint32_t slot);

// Reads the folder's manifest; false when there is none or it cannot be
// read. A manifest of an earlier version reads with no fingerprints.
bool ReadManifest(const QDir& dir, BackupManifest& manifest);
// Writes the manifest whole beside the old one and puts it in its place in
// one rename; false, with the old one untouched, on any failure.
bool CommitManifest(const QDir& dir, const BackupManifest& manifest);

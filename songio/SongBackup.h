#pragma once
// Lossless backup of every used slot and its restore. A backup folder holds
// one WAV file per used slot in the pedal's own format ("song-005.wav" or
// "song-005-b.wav") and "manifest.json", written last: a folder without it
// is no complete backup.
#include "BackupManifest.h"

#include <QString>

class CLooperSongList;
class CUSBPort;
class QObject;

// Writes the backup of the connected pedal into folder; messages go through
// the prompt. Only complete backups get a manifest; an earlier backup in
// the folder stays whole until the new manifest has replaced its own, and
// whole when anything fails before. Each song starts a phase "Backup Song
// 003 (2 of 5)" on progress. A cancel removes the partial files
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
// Each song starts a phase "Restore Song 003 (2 of 5)". A cancel stops
// before the current slot's song info, a failure at once; either shows one
// message naming the slots restored (and the slot that failed) and returns
// false, a cancel also sets *cancelled. Nothing is read or written after a
// failure. The caller reloads the catalogue afterwards: a failed write
// leaves it waiting for a load.
bool RestoreSongs(const QString& folder, const BackupManifest& manifest, CLooperSongList& songs, QObject* progress,
                  bool* cancelled = nullptr);

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
// the prompt. Over an earlier backup of the same model a slot whose
// fingerprint equals the manifest's, and whose file still has the
// manifest's SHA-256, is kept without reading the song ("Song 004
// unchanged" on progress); full reads every song. Slots now empty leave the
// manifest and their files. Only complete backups get a manifest; an
// earlier backup in the folder stays whole until the new manifest has
// replaced its own, and whole when anything fails before. Each song read
// starts a phase "Backup Song 003 (2 of 5)"; a note "Backup done: 1 read, 2
// unchanged" ends it. A cancel removes the partial files and keeps the
// folder's earlier backup whole; it returns false with its message and sets
// *cancelled.
bool BackupSongs(CUSBPort& link, CLooperSongList& songs, const QString& folder, QObject* progress,
                 bool* cancelled = nullptr, bool full = false);

// Reads and checks the manifest and every file it names against the
// connected pedal (model, slots, format, lengths, checksums) before anything
// is written; false with its message otherwise.
bool ReadBackup(const QString& folder, CUSBPort& link, CLooperSongList& songs, BackupManifest& manifest);
// The question before a restore: how many songs are written, from where, how
// many used slots they overwrite and, unless full, how many are already there.
QString RestoreQuestion(const QString& folder, const BackupManifest& manifest, CLooperSongList& songs,
                        bool full = false);
// Writes the checked backup's songs into their slots; other slots keep theirs.
// A slot that held the backup's song when ReadBackup checked it is left alone
// ("Song 004 already there" on progress) unless full. Each song written
// starts a phase "Restore Song 003 (2 of 5)"; a note "Restore done: 1
// written, 2 already there" ends it. A cancel stops before the current
// slot's song info, a failure at once; either shows one message naming the
// slots restored (and the slot that failed) and returns false, a cancel also
// sets *cancelled. Nothing is read or written after a failure. The caller
// reloads the catalogue afterwards: a failed write leaves it waiting for a
// load.
bool RestoreSongs(const QString& folder, const BackupManifest& manifest, CLooperSongList& songs, QObject* progress,
                  bool* cancelled = nullptr, bool full = false);

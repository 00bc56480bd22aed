#pragma once
// The song commands shared by the window and the command line: the list
// text of a slot, export of a song to a WAV or FLAC file and import of an
// audio file into a slot. Qt Core only.
#include "DeviceModels.h"

#include <QByteArray>
#include <QString>

#include <optional>

class CLooperSongList;
class CWave;
class QObject;
class QSaveFile;

// The rate of an exported WAV file.
constexpr uint32_t kExportRate = 48000;
// A failure of the command's own steps (a file that converts to nothing, a
// resampler failure, an export that could not be written); shown as "Failed !".
constexpr int kCommandFailed = -1;

// "Song 005 -- (0.13  MB)", "Song 005 -- (Empty)" or "Song 005 -- (Damaged)".
QString SongListText(CLooperSongList& songs, uint32_t row);
// Why the song of a damaged slot cannot be exported, and what can be done.
QString DamagedSongText(CLooperSongList& songs, uint32_t row);

// How an exported song is written: its rate (the pedal's own rate leaves
// the samples untouched), through 16 bits as the pedal's companion always
// did or from the full 24 bits, as WAV or as FLAC.
struct ExportFormat {
    uint32_t rate = kExportRate;
    bool fullResolution = false;
    bool flac = false;
};
// The choice of the window's save dialog: a ".flac" name is FLAC at full resolution.
ExportFormat ExportFormatForName(const QString& path);

// The SHA-256 of n bytes, summed in blocks between which the event loop
// runs; false when a cancel stopped it.
bool Sha256(const uint8_t* bytes, uint64_t n, QByteArray& hash);

// What the faces show, translated, when the user cancelled an export or an import.
constexpr const char* kExportCancelled = QT_TRANSLATE_NOOP("SongTransfer", "Export cancelled");
constexpr const char* kImportCancelled = QT_TRANSLATE_NOOP("SongTransfer", "Import cancelled");

// Reads the song of row and writes it to file, an open QSaveFile that is
// committed on success. With audio, also the length and SHA-256 of the
// samples written. Returns a song result code or kCommandFailed. A cancel
// (SongCancelled) stops the read, the conversion or the writing at its next
// block and never commits the file: an earlier file of that name stays.
struct ExportedAudio {
    qint64 bytes = 0;
    QByteArray sha256;
};
int ExportSongTo(QSaveFile& file, CLooperSongList& songs, const SongAreaParams& area, uint32_t row,
                 const ExportFormat& format, QObject* progress, ExportedAudio* audio = nullptr);

// Reads path into wave converted to the pedal's format (to one channel the
// first channel, or with mix the mean of all) and writes it into row. None
// when the file was refused with its message (a song larger than the free
// blocks, too, before any audio is read); nothing was sent then, nor for
// SongTooLarge and kCommandFailed. A cancel (SongCancelled) during the
// conversion stops before anything is sent; during the write, before the
// song info is written, so the slot keeps its previous song.
std::optional<int> ImportSongFrom(const QString& path, CWave& wave, CLooperSongList& songs, const SongAreaParams& area,
                                  uint32_t row, QObject* progress, bool mix = false);

#pragma once
// Import of an audio file as a song in the pedal's format. A WAV file that
// the WAV reader and the 16-bit conversion take goes that way; every other
// file (other WAV layouts and chunk orders, AIFF, FLAC, Ogg, MP3, ...) is
// read by libsndfile and converted at full resolution. The converted size is
// worked out from the header before any audio is read, and the file is
// decoded and converted in blocks: memory follows the song, not the file.
// The event loop runs between blocks, and a cancel stops at the next one.
#include <QString>

#include <cstdint>

class CWave;

struct ImportRequest {
    uint16_t channels = 1;  // of the song: 1 or 2
    uint32_t rate = 46875;  // of the song
    bool mix = false;       // to one channel: the mean of all channels instead of the first
    uint64_t maxBytes = 0;  // the largest song the pedal holds
};

enum class ImportResult {
    Converted,  // song holds the song
    Refused,    // the file cannot be read or converted; its message was shown
    TooLarge,   // the song would not fit the pedal
    Failed,     // the conversion failed or made nothing of a file with audio
    Cancelled,  // the user's cancel stopped the reading or the conversion
};

// Reads path into song (24-bit integer PCM of the request's format).
ImportResult ImportAudioFile(const QString& path, const ImportRequest& request, CWave& song);

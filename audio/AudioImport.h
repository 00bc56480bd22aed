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
    uint64_t freeBytes = UINT64_MAX;  // what the pedal's free blocks hold
};

enum class ImportResult {
    Converted,  // song holds the song
    Refused,    // the file cannot be read or converted; its message was shown
    TooLarge,   // the song would not fit the pedal
    NoSpace,    // the song is larger than the free space
    Failed,     // the conversion failed or made nothing of a file with audio
    Cancelled,  // the user's cancel stopped the reading or the conversion
};

// Whether path is an audio file the import can read (the WAV reader or
// libsndfile opens it); false with its message shown.
bool CanReadAudioFile(const QString& path);
// The channels of an audio file the import can read; 0 for any other, without a message.
int AudioFileChannels(const QString& path);

// Reads path into song (24-bit integer PCM of the request's format). The
// sizes are checked from the header before any audio is read; songBytes, when
// given, receives the song's size worked out from it.
ImportResult ImportAudioFile(const QString& path, const ImportRequest& request, CWave& song,
                             uint64_t* songBytes = nullptr);

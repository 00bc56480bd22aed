#pragma once
// Song storage tests: a pedal of one model with its song catalogue, and
// readers of the raw song flash that do not go through the code under test.
#include "LooperSongList.h"
#include "SongResult.h"
#include "TestSupport.h"

#include <QString>

#include <vector>

using Bytes = std::vector<uint8_t>;

// The song as it reads back after a reload: the current format stores whole
// units (rounded down), the old format the last unit zero-padded.
Bytes Reloaded(const Bytes& song, const SongAreaParams& a, uint32_t format);

// A 16-bit WAV file of a sine per channel (440 Hz by default), written by the
// WAV writer; returns path.
QString SineWav(const QString& path, uint32_t rate, uint32_t frames, const std::vector<double>& tones = {440});

// Audio bytes that differ in every page.
Bytes SongAudio(size_t n, uint32_t seed = 1);

// Writes a FAT page for one block of song into slot's info block (current
// format); damaged: one block list byte changed, the checksum not.
void PutFatPage(CVirtualPedal& pedal, int32_t model_id, uint32_t slot, uint16_t block, bool damaged);

// Marks the first count data blocks as used by songs of max_song_blocks
// blocks in the slots from firstSlot on (current format): FAT pages written
// straight onto the pedal's flash.
void UseBlocks(CVirtualPedal& pedal, int32_t model_id, uint32_t firstSlot, uint32_t count);

class CSongRig {
public:
    explicit CSongRig(int32_t model_id, uint32_t startBlock = 100);

    // Reconnects and loads the catalogue afresh, as after replugging.
    int Reload();
    const SongAreaParams& Area() const { return *find_model(model)->song_area; }
    Bytes RawFlash(uint32_t address, size_t n);
    Bytes ReadSong(uint32_t slot);

    int32_t model;
    CPedalRig rig;
    CLooperSongList songs{&rig.port};
};

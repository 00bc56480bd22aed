#pragma once
// Song storage tests: a pedal of one model with its song catalogue, and
// readers of the raw song flash that do not go through the code under test.
#include "LooperSongList.h"
#include "SongResult.h"
#include "TestSupport.h"

#include <QString>
#include <QTemporaryDir>

#include <vector>

#include <gtest/gtest.h>

using Bytes = std::vector<uint8_t>;

// The song as it reads back after a reload: the current format stores whole
// units (rounded down), the old format the last unit zero-padded.
Bytes Reloaded(const Bytes& song, const SongAreaParams& a, uint32_t format);

// A WAV file of a sine per channel (440 Hz by default) at 0.4 of full scale,
// written by the WAV writer; returns path.
QString SineWav(const QString& path, uint32_t rate, uint32_t frames, const std::vector<double>& tones = {440},
                uint16_t bits = 16);

// Sample frame of channel channel in interleaved 24-bit frames.
int32_t Sample24(const uint8_t* frames, size_t frame, int channels, int channel);
// Sign changes of one channel of 24-bit frames past threshold (dither and the
// ringing of a resampled edge stay below it): twice the periods of its tone.
int Crossings(const uint8_t* frames, size_t count, int channels, int channel, int32_t threshold = 1 << 17);

// One run of the command line on midi, its output and messages captured.
struct CliRun {
    int exit;
    std::string out, err;
};
CliRun RunCliCaptured(const QStringList& args, IMidiService& midi);

// The folder of the test program's files, removed at its end.
QTemporaryDir& TestFolder();
// Runs a tool that makes a file in the test folder (OUT in its arguments
// stands for it); returns the file's path.
QString MadeByTool(const QString& name, const QString& program, const QStringList& args);

// Audio bytes that differ in every page.
Bytes SongAudio(size_t n, uint32_t seed = 1);

// Writes a FAT page of blocks and length straight onto page of slot's info
// block (current format); damaged: one block list byte changed, the checksum not.
void PlantFatPage(CVirtualPedal& pedal, int32_t model_id, uint32_t slot, uint32_t page, const BlockList& blocks,
                  uint32_t length, bool damaged = false);
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
    // The song of slot as it reads back after a reload.
    Bytes ReloadedSong(uint32_t slot)
    {
        EXPECT_EQ(Reload(), SongOk);
        return ReadSong(slot);
    }
    int Write(uint32_t slot, const Bytes& song)
    {
        return songs.write_song(slot, song.data(), uint32_t(song.size()), nullptr);
    }
    // The model's storage format: the old one, or the current one of FAT pages.
    bool Old() const { return find_model(model)->storage_format == OldFormat; }
    // The song as it reads back after a reload in the model's format.
    Bytes AsReloaded(const Bytes& song) const { return Reloaded(song, Area(), Old() ? OldFormat : CurrentFormat); }
    // The bytes of one song info: a FAT page or an old-format record.
    uint32_t InfoSize() const;
    // The page of its info block that holds slot's current song info.
    int CurrentPage(uint32_t slot);

    int32_t model;
    CPedalRig rig;
    CLooperSongList songs{&rig.port};
};

// A song rig whose catalogue is loaded, as the program loads it at connection.
struct CLoadedSongRig : CSongRig {
    explicit CLoadedSongRig(int32_t model_id, uint32_t startBlock = 100) : CSongRig(model_id, startBlock)
    {
        EXPECT_EQ(songs.load_songs(), SongOk);
    }
};

#pragma once
// Pedal identity, the model table and the connection status text.
#include <QString>

#include <cstdint>

enum LinkState : int32_t {
    UpdateMode = 1,  // the pedal answers the full protocol
    PlayMode = 2,    // only the raw 4-byte commands
    Closed = 3,      // no pedal
};

struct DeviceInfo {
    int32_t version = -1;  // major in bits 23-16, minor 15-8, patch 7-0
    int32_t model_id = -1;
    int32_t aux = -1;
};

// Geometry of a model's song area on the song flash and its native audio format.
struct SongAreaParams {
    uint32_t base_address;
    uint32_t data_blocks;
    uint32_t max_song_blocks;
    uint32_t block_size;
    uint32_t page_size;
    uint32_t pages_per_block;
    uint32_t page_payload;
    uint32_t sample_rate;
    uint32_t channels;
    uint32_t bits_per_sample;
    uint32_t write_unit;
};

extern const SongAreaParams kSongAreaA;  // KORVEL: current format, 30 slots
extern const SongAreaParams kSongAreaB;  // PIXTRA, SONDRAL, MIKRAVE: old format, mono
extern const SongAreaParams kSongAreaC;  // DUOVARN: old format, stereo

enum StorageFormat : uint32_t { OldFormat = 0, CurrentFormat = 1, NoSongStorage = 2 };

struct DeviceModel {
    int32_t id;
    char name[64];
    uint32_t song_slots;
    uint32_t storage_format;
    const SongAreaParams* song_area;
    uint32_t update_switch;
};

constexpr int kModelCount = 9;
extern const DeviceModel kModels[kModelCount];

// The first record whose id equals the number, or nullptr.
const DeviceModel* find_model(int32_t model_id);

// "%d.%d.%d" of bits 23-16, 15-8 and 7-0.
QString version_text(int32_t version);

// The device can hold songs: update mode and a known model with song slots.
bool CanHoldSongs(LinkState state, const DeviceInfo& info);

// Program name and version as the title shows it.
extern const char* const kProgramTitle;

// The connection status text of the window title.
QString ConnectionStatusText(LinkState state, const DeviceInfo& info);

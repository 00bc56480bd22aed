#pragma once
// One song slot of the pedal: the interface both on-flash formats implement,
// with the audio phase of reading and writing that they share.
#include "SongGeometry.h"

#include <cstdint>
#include <memory>
#include <vector>

class CUSBPort;
class CLooperSongBase;
class QObject;

using BlockList = std::vector<uint16_t>;
using SongSlots = std::vector<std::unique_ptr<CLooperSongBase>>;

// What the catalogue shares with its slots: the used-block map, and the
// code that writes and deletes return while the catalogue must be reloaded
// (0 when it is true to the flash).
struct SongCatalogueState {
    UsedBlockMap used;
    int load_required = 0;
    const SongSlots* songs = nullptr;

    // Marks exactly the blocks of the songs the slots hold now.
    void RebuildUsedMap();
};

class CLooperSongBase {
public:
    virtual ~CLooperSongBase();

    virtual bool is_used() const = 0;
    virtual uint32_t get_song_size() const = 0;
    virtual void set_song_area(int info_block, const SongAreaParams& params, CUSBPort* link);
    virtual uint32_t get_block_count() const;
    virtual int load_song_info(UsedBlockMap& map) = 0;
    virtual int find_fat_page(int low, int high) = 0;
    virtual int read_song_file(uint8_t* destination, uint32_t capacity, QObject* progress);
    virtual int write_song_file(BlockList blocks, const uint8_t* data, uint32_t length, QObject* progress) = 0;
    virtual int delete_song();
    virtual void mark_song_blocks(UsedBlockMap& map) const;
    virtual void clear_song_info() = 0;
    // The slot's song info was found but fails its checksum: the song cannot
    // be read, while an import into the slot or its deletion still work.
    virtual bool is_damaged() const { return false; }

    // Set by the catalogue that owns the slot; null for a slot on its own.
    void BindCatalogue(SongCatalogueState* state) { m_catalogue = state; }
    // Sets the bits of this song's blocks without clearing the others.
    void AddSongBlocks(UsedBlockMap& map) const;
    int info_block() const { return m_info_block; }
    // The loaded song's block list entry and the link: for readers beside
    // the formats (a song's fingerprint).
    uint16_t song_block(uint32_t index) const { return block_at(index); }
    CUSBPort* link() const { return m_link; }

protected:
    // Block list entry index of the loaded song.
    virtual uint16_t block_at(uint32_t index) const = 0;

    uint32_t InfoAddress(uint32_t page) const { return PageAddress(m_params, uint32_t(m_info_block), page); }
    // The audio phase of a write: each block erased, then its pages in audio
    // order, a short last page zero-padded to a whole write unit; with verify
    // every page is checked with the pedal's checksum. 0, 4 (write) or 9 (erase).
    int WriteAudio(const BlockList& blocks, const uint8_t* data, uint32_t length, QObject* progress, bool verify);
    // Writes a song info record in one write frame, so that each page is
    // programmed once: at page, or at the first page after it (in steps of
    // step) whose pages are still erased, stepping over a write cut short.
    // Past the block's last page it erases the info block and uses page 0.
    // The record is read back: a page that differs fails the write.
    // Returns the page, or minus a result code.
    int CommitSongInfo(uint32_t page, uint32_t step, const uint8_t* record, uint32_t size);
    // True when n bytes from address on the song flash are all erased.
    bool RangeErased(uint32_t address, uint32_t n, bool& readOk) const;
    // Index of the first of count entries that is not a data block, or -1.
    int FirstBadBlock(uint32_t count) const;
    static void ShowBrokenChain(long long value, long long limit);

    int m_info_block = 0;
    SongAreaParams m_params{};
    CUSBPort* m_link = nullptr;
    SongCatalogueState* m_catalogue = nullptr;
};

#pragma once
// The current song format: the slot's info block is an append-only log of
// FAT pages (marker "HD", flag, unit count, block list, checksum); the last
// whole page (marker and checksum) at or before the last programmed page is
// the current one.
#include "LooperSongBase.h"

class CLooperSongFile : public CLooperSongBase {
public:
    bool is_used() const override { return m_song_length != 0; }
    uint32_t get_song_size() const override { return m_song_length; }
    int load_song_info(UsedBlockMap& map) override;
    int find_fat_page(int low, int high) override;
    int write_song_file(BlockList blocks, const uint8_t* data, uint32_t length, QObject* progress) override;
    void mark_song_blocks(UsedBlockMap& map) const override;
    void clear_song_info() override;
    bool is_damaged() const override { return m_damaged; }

    int current_page() const { return m_current_page; }

    // Bytes of one FAT page for max_song_blocks entries.
    static uint32_t RecordSize(const SongAreaParams& a) { return 2 * a.max_song_blocks + 9; }
    // Builds the FAT page of a song: marker, flag, unit count, block list, checksum.
    static std::vector<uint8_t> BuildFatPage(const SongAreaParams& a, const BlockList& blocks, uint32_t length);

protected:
    uint16_t block_at(uint32_t index) const override { return m_block_list[index]; }

private:
    int ReadFatPage(uint32_t page, std::vector<uint8_t>& record);
    int FirstFatPage() const;
    bool TakeBlockList(const std::vector<uint8_t>& record, uint64_t length);

    int m_current_page = -1;
    bool m_damaged = false;
    uint32_t m_song_length = 0;
    BlockList m_block_list;
};

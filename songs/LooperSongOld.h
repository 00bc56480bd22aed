#pragma once
// The old song format: 2,624-byte records ("looper" magic, last unit
// position, 1,300-entry block list) at even pages of the info block, found
// by a downward scan (stepping down over records cut short);
// audio pages written with verification; a song-file flag on flash 0 after
// every write.
#include "LooperSongBase.h"

#include <array>

class CLooperSongOld : public CLooperSongBase {
public:
    static constexpr uint32_t kRecordSize = 2624;
    static constexpr uint32_t kRecordBlocks = 1300;
    using Record = std::array<uint8_t, kRecordSize>;

    CLooperSongOld() { clear_song_info(); }

    bool is_used() const override { return get_song_size() != 0; }
    uint32_t get_song_size() const override;
    int load_song_info(UsedBlockMap& map) override;
    int find_fat_page(int low, int high) override;
    int write_song_file(BlockList blocks, const uint8_t* data, uint32_t length, QObject* progress) override;
    void clear_song_info() override;

    int current_page() const { return m_current_page; }
    static Record BuildRecord(const SongAreaParams& a, const BlockList& blocks, uint32_t length);

protected:
    uint16_t block_at(uint32_t index) const override;

private:
    bool ReadRecord(uint32_t page, Record& record);
    // The trailer bytes of a record cut short are still erased.
    static bool TrailerErased(const Record& record);
    bool RecordValid() const;
    bool PositionInRange() const;
    bool write_song_file_flag();

    Record m_record{};
    int m_current_page = -2;
};

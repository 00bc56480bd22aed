#pragma once
// The song catalogue of the connected pedal: one slot object per song slot,
// the used-block map and the free-block search. It stays true to the flash
// between loads: writes and deletes update the map at once, and after any
// failure they are refused until the next successful load.
#include "LooperSongBase.h"

#include <QString>

#include <functional>

class CLooperSongList {
public:
    explicit CLooperSongList(CUSBPort* link);
    ~CLooperSongList();
    CLooperSongList(const CLooperSongList&) = delete;
    CLooperSongList& operator=(const CLooperSongList&) = delete;

    // responsive: the event loop runs between slots, as inside a long
    // operation (the reload after an import or a restore).
    int load_songs(bool responsive = false);
    int read_song(uint32_t slot, uint8_t* buffer, uint32_t capacity, QObject* progress);
    int write_song(uint32_t slot, const uint8_t* data, uint32_t length, QObject* progress);
    QString song_label(int slot) const;
    void clear_songs();

    size_t size() const { return m_songs.size(); }
    CLooperSongBase* song(size_t slot) { return slot < m_songs.size() ? m_songs[slot].get() : nullptr; }
    const UsedBlockMap& used_blocks() const { return m_state.used; }
    // Non-zero while writes and deletes wait for a successful load.
    int load_required() const { return m_state.load_required; }

    void create_songs(uint32_t storage_format, uint32_t count);
    int find_free_blocks(uint64_t byte_count, BlockList& blocks);

    // Where the free-block search starts; by default a random block drawn
    // from the time of day. Tests fix it.
    void SetStartBlockSource(std::function<uint32_t()> source) { m_startBlock = std::move(source); }

private:
    static uint32_t RandomStartBlock();

    SongSlots m_songs;
    SongCatalogueState m_state;
    CUSBPort* m_link;
    SongAreaParams m_params{};
    std::function<uint32_t()> m_startBlock = &CLooperSongList::RandomStartBlock;
};

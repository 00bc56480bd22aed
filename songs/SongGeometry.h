#pragma once
// Addressing of a model's song area on the song flash (flash 1): blocks,
// pages, and the order in which a song's audio is laid into its blocks.
#include "DeviceModels.h"

#include <bitset>
#include <cstdint>

constexpr uint8_t kSongFlash = 1;
constexpr uint32_t kMaxBlockNumbers = 3000;  // size of the used-block map
using UsedBlockMap = std::bitset<kMaxBlockNumbers>;

inline uint32_t BlockAddress(const SongAreaParams& a, uint32_t block)
{
    return a.base_address + block * a.block_size;
}

inline uint32_t PageAddress(const SongAreaParams& a, uint32_t block, uint32_t page)
{
    return BlockAddress(a, block) + page * a.page_size;
}

// Audio bytes one data block holds.
inline uint64_t BlockBytes(const SongAreaParams& a) { return uint64_t(a.pages_per_block) * a.page_payload; }

// Blocks a song of length bytes occupies: ceil(length / block bytes), in 64 bits.
inline uint64_t BlocksFor(const SongAreaParams& a, uint64_t length)
{
    return (length + BlockBytes(a) - 1) / BlockBytes(a);
}

// The physical page of block position j in the song's list entry c: the
// first block starts at its last page, then pages 0, 1, ...
inline uint32_t PhysicalPage(const SongAreaParams& a, uint32_t c, uint32_t j)
{
    if (c != 0)
        return j;
    return j == 0 ? a.pages_per_block - 1 : j - 1;
}

// A block-list entry the used-block map and the area can hold.
inline bool IsDataBlock(const SongAreaParams& a, uint32_t block)
{
    return block < a.data_blocks && block < kMaxBlockNumbers;
}

#pragma once
// NOR flash behaviour over a store: erase sets a whole sector to 0xFF,
// programming can only clear bits (new = old AND data).
#include "FlashStore.h"

#include <cstdint>
#include <memory>

class CNorFlash {
public:
    CNorFlash(uint64_t size, uint32_t sectorSize, std::unique_ptr<IFlashStore> store);

    uint64_t Size() const { return m_size; }
    uint32_t SectorSize() const { return m_sectorSize; }
    bool Contains(uint64_t address, uint64_t n) const { return address <= m_size && n <= m_size - address; }

    bool Read(uint64_t address, uint8_t* out, size_t n);
    // Erases the sector holding address; with limit, only its first limit bytes
    // (a power cut in the middle of an erase).
    bool EraseSector(uint64_t address, uint64_t limit = UINT64_MAX);
    bool Program(uint64_t address, const uint8_t* data, size_t n);
    bool Sum16(uint64_t address, uint64_t n, uint16_t& sum);

private:
    const uint64_t m_size;
    const uint32_t m_sectorSize;
    std::unique_ptr<IFlashStore> m_store;
};

#pragma once
// A virtual flash over a store: reading, sums and the sector frame that the
// NOR and NAND behaviours share. Erasing and programming follow the part.
#include "FlashStore.h"

#include <cstdint>
#include <memory>

class CFlashMemory {
public:
    CFlashMemory(uint64_t size, uint32_t sectorSize, std::unique_ptr<IFlashStore> store);
    virtual ~CFlashMemory();

    uint64_t Size() const { return m_size; }
    uint32_t SectorSize() const { return m_sectorSize; }
    bool Contains(uint64_t address, uint64_t n) const { return address <= m_size && n <= m_size - address; }

    bool Read(uint64_t address, uint8_t* out, size_t n);
    // Erases the sector holding address; with limit, only its first limit bytes
    // (a power cut in the middle of an erase).
    bool EraseSector(uint64_t address, uint64_t limit = UINT64_MAX);
    // Programs n bytes as the part allows; with limit, only the first limit
    // of them reach the cells (a power cut in the middle of a write). False,
    // and nothing changed, when the part refuses.
    bool Program(uint64_t address, const uint8_t* data, size_t n, size_t limit = SIZE_MAX);
    bool Sum16(uint64_t address, uint64_t n, uint16_t& sum);
    // Sets bytes as damage would, outside every programming rule.
    void Overwrite(uint64_t address, const uint8_t* data, size_t n);

protected:
    IFlashStore& Store() { return *m_store; }

private:
    virtual bool EraseBytes(uint64_t start, uint64_t n) = 0;
    virtual bool ProgramBytes(uint64_t address, const uint8_t* data, size_t n, size_t limit) = 0;

    const uint64_t m_size;
    const uint32_t m_sectorSize;
    std::unique_ptr<IFlashStore> m_store;
};

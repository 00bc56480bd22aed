#include "FlashMemory.h"

#include <algorithm>
#include <vector>

CFlashMemory::CFlashMemory(uint64_t size, uint32_t sectorSize, std::unique_ptr<IFlashStore> store)
    : m_size(size), m_sectorSize(sectorSize), m_store(std::move(store))
{
}

CFlashMemory::~CFlashMemory() = default;

bool CFlashMemory::Read(uint64_t address, uint8_t* out, size_t n)
{
    if (!Contains(address, n))
        return false;
    m_store->Read(address, out, n);
    return true;
}

bool CFlashMemory::EraseSector(uint64_t address, uint64_t limit)
{
    if (address >= m_size)
        return false;
    const uint64_t start = address - address % m_sectorSize;
    return EraseBytes(start, std::min({uint64_t(m_sectorSize), limit, m_size - start}));
}

bool CFlashMemory::Program(uint64_t address, const uint8_t* data, size_t n, size_t limit)
{
    return Contains(address, n) && ProgramBytes(address, data, n, limit);
}

bool CFlashMemory::Sum16(uint64_t address, uint64_t n, uint16_t& sum)
{
    if (!Contains(address, n))
        return false;
    std::vector<uint8_t> chunk(64 * 1024);
    sum = 0;
    while (n > 0) {
        const size_t piece = size_t(std::min<uint64_t>(n, chunk.size()));
        m_store->Read(address, chunk.data(), piece);
        for (size_t i = 0; i < piece; ++i)
            sum = uint16_t(sum + chunk[i]);
        address += piece;
        n -= piece;
    }
    return true;
}

void CFlashMemory::Overwrite(uint64_t address, const uint8_t* data, size_t n)
{
    if (Contains(address, n))
        m_store->Write(address, data, n);
}

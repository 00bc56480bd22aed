#include "NorFlash.h"

#include <algorithm>
#include <vector>

CNorFlash::CNorFlash(uint64_t size, uint32_t sectorSize, std::unique_ptr<IFlashStore> store)
    : m_size(size), m_sectorSize(sectorSize), m_store(std::move(store))
{
}

bool CNorFlash::Read(uint64_t address, uint8_t* out, size_t n)
{
    if (!Contains(address, n))
        return false;
    m_store->Read(address, out, n);
    return true;
}

bool CNorFlash::EraseSector(uint64_t address, uint64_t limit)
{
    if (address >= m_size)
        return false;
    const uint64_t start = address - address % m_sectorSize;
    const uint64_t n = std::min({uint64_t(m_sectorSize), limit, m_size - start});
    return m_store->Erase(start, n);
}

bool CNorFlash::Program(uint64_t address, const uint8_t* data, size_t n)
{
    if (!Contains(address, n))
        return false;
    std::vector<uint8_t> cells(n);
    m_store->Read(address, cells.data(), n);
    for (size_t i = 0; i < n; ++i)
        cells[i] &= data[i];
    return m_store->Write(address, cells.data(), n);
}

bool CNorFlash::Sum16(uint64_t address, uint64_t n, uint16_t& sum)
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

#include "NandFlash.h"

#include <algorithm>

CNandFlash::CNandFlash(uint64_t size, uint32_t blockSize, uint32_t pageSize, std::unique_ptr<IFlashStore> store)
    : CFlashMemory(size, blockSize, std::move(store)),
      m_pageSize(pageSize),
      m_programmed(size_t(size / pageSize), false),
      m_pageBuffer(pageSize)
{
}

bool CNandFlash::Programmed(uint64_t page)
{
    if (m_programmed[page])
        return true;
    Store().Read(page * m_pageSize, m_pageBuffer.data(), m_pageSize);
    return std::any_of(m_pageBuffer.begin(), m_pageBuffer.end(), [](uint8_t b) { return b != 0xFF; });
}

bool CNandFlash::EraseBytes(uint64_t start, uint64_t n)
{
    m_openEnd = kNoOpenPage;
    if (!Store().Erase(start, n))
        return false;
    // A cut erase leaves the pages it did not finish as they were.
    for (uint64_t page = start / m_pageSize; (page + 1) * m_pageSize <= start + n; ++page)
        m_programmed[page] = false;
    return true;
}

bool CNandFlash::ProgramBytes(uint64_t address, const uint8_t* data, size_t n, size_t limit)
{
    if (n == 0)
        return true;
    const uint64_t first = address / m_pageSize, last = (address + n - 1) / m_pageSize;
    const bool continues = address == m_openEnd;
    for (uint64_t page = first; page <= last; ++page) {
        if (!(page == first && continues) && Programmed(page)) {
            ++m_violations;
            return false;
        }
    }
    const size_t k = std::min(n, limit);
    if (k == 0 || !Store().Write(address, data, k))
        return k == 0;
    for (uint64_t page = first; page <= (address + k - 1) / m_pageSize; ++page)
        m_programmed[page] = true;
    // A write cut short by a power loss leaves no page open.
    m_openEnd = k == n && (address + k) % m_pageSize ? address + k : kNoOpenPage;
    return true;
}

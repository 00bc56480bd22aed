#include "FlashStore.h"

#include <algorithm>
#include <cstring>
#include <vector>

CMemoryFlashStore::CMemoryFlashStore(uint32_t granule) : m_granule(granule) {}

uint8_t* CMemoryFlashStore::Granule(uint64_t index, bool create)
{
    auto it = m_granules.find(index);
    if (it != m_granules.end())
        return it->second.get();
    if (!create)
        return nullptr;
    auto bytes = std::make_unique<uint8_t[]>(m_granule);
    std::memset(bytes.get(), 0xFF, m_granule);
    return m_granules.emplace(index, std::move(bytes)).first->second.get();
}

void CMemoryFlashStore::Read(uint64_t offset, uint8_t* out, size_t n)
{
    while (n > 0) {
        const uint64_t index = offset / m_granule;
        const size_t at = size_t(offset % m_granule);
        const size_t piece = std::min(n, size_t(m_granule) - at);
        if (const uint8_t* g = Granule(index, false))
            std::memcpy(out, g + at, piece);
        else
            std::memset(out, 0xFF, piece);
        out += piece;
        offset += piece;
        n -= piece;
    }
}

bool CMemoryFlashStore::Write(uint64_t offset, const uint8_t* data, size_t n)
{
    while (n > 0) {
        const uint64_t index = offset / m_granule;
        const size_t at = size_t(offset % m_granule);
        const size_t piece = std::min(n, size_t(m_granule) - at);
        std::memcpy(Granule(index, true) + at, data, piece);
        data += piece;
        offset += piece;
        n -= piece;
    }
    return true;
}

bool CMemoryFlashStore::Erase(uint64_t offset, uint64_t n)
{
    while (n > 0) {
        const uint64_t index = offset / m_granule;
        const uint64_t at = offset % m_granule;
        const uint64_t piece = std::min<uint64_t>(n, m_granule - at);
        if (piece == m_granule)
            m_granules.erase(index);
        else if (uint8_t* g = Granule(index, false))
            std::memset(g + at, 0xFF, size_t(piece));
        offset += piece;
        n -= piece;
    }
    return true;
}

CFileFlashStore::CFileFlashStore(const QString& path) : m_file(path)
{
    m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered);
}

void CFileFlashStore::Read(uint64_t offset, uint8_t* out, size_t n)
{
    std::memset(out, 0xFF, n);
    const uint64_t size = uint64_t(m_file.size());
    if (offset >= size || !m_file.seek(qint64(offset)))
        return;
    const qint64 got = m_file.read(reinterpret_cast<char*>(out), qint64(std::min<uint64_t>(n, size - offset)));
    for (qint64 i = 0; i < got; ++i)
        out[i] = uint8_t(~out[i]);
}

bool CFileFlashStore::Write(uint64_t offset, const uint8_t* data, size_t n)
{
    // Growing through resize() gives zero bytes, that is erased flash, on every platform.
    if (uint64_t(m_file.size()) < offset && !m_file.resize(qint64(offset)))
        return false;
    std::vector<char> complement(n);
    for (size_t i = 0; i < n; ++i)
        complement[i] = char(~data[i]);
    return m_file.seek(qint64(offset)) && m_file.write(complement.data(), qint64(n)) == qint64(n) && m_file.flush();
}

bool CFileFlashStore::Erase(uint64_t offset, uint64_t n)
{
    // Past the end of the file everything reads as erased already.
    const uint64_t size = uint64_t(m_file.size());
    if (offset >= size)
        return true;
    const std::vector<char> zeros(size_t(std::min<uint64_t>(n, size - offset)), 0);
    return m_file.seek(qint64(offset)) && m_file.write(zeros.data(), qint64(zeros.size())) == qint64(zeros.size()) &&
           m_file.flush();
}

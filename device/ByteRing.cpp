#include "ByteRing.h"

#include <cstring>

CByteRing::CByteRing(uint32_t capacity) : m_data(new uint8_t[capacity]), m_capacity(capacity) {}

CByteRing::~CByteRing()
{
    if (!m_borrowed)
        delete[] m_data;
}

bool CByteRing::Append(const uint8_t* bytes, size_t n)
{
    if (n == 0)
        return true;
    const uint32_t w = m_write.load(std::memory_order_relaxed);
    const uint32_t r = m_read.load(std::memory_order_acquire);
    const uint32_t used = w >= r ? w - r : m_capacity - (r - w);
    // One slot stays free so that a full ring is told apart from an empty one.
    if (n > size_t(m_capacity - 1 - used)) {
        m_overflow.store(true, std::memory_order_release);
        return false;
    }
    const uint32_t count = uint32_t(n);
    const uint32_t tail = m_capacity - w;
    if (count <= tail) {
        std::memcpy(m_data + w, bytes, count);
    } else {
        std::memcpy(m_data + w, bytes, tail);
        std::memcpy(m_data, bytes + tail, count - tail);
    }
    uint32_t end = w + count;
    if (end >= m_capacity)
        end -= m_capacity;
    m_write.store(end, std::memory_order_release);
    return true;
}

bool CByteRing::Empty() const
{
    return m_read.load(std::memory_order_relaxed) == m_write.load(std::memory_order_acquire);
}

bool CByteRing::Pop(uint8_t& byte)
{
    const uint32_t r = m_read.load(std::memory_order_relaxed);
    if (r == m_write.load(std::memory_order_acquire))
        return false;
    byte = m_data[r];
    m_read.store(r + 1 == m_capacity ? 0 : r + 1, std::memory_order_release);
    return true;
}

void CByteRing::Flush()
{
    // The flag first: a message dropped after it is flagged again.
    m_overflow.store(false, std::memory_order_release);
    m_read.store(m_write.load(std::memory_order_acquire), std::memory_order_release);
}

bool CByteRing::Overflowed() const { return m_overflow.load(std::memory_order_acquire); }
uint32_t CByteRing::WritePosition() const { return m_write.load(std::memory_order_acquire); }
uint32_t CByteRing::ReadPosition() const { return m_read.load(std::memory_order_acquire); }

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
    // The generation first: a read position loaded after it is at least the
    // one that generation's flush left.
    const uint64_t generation = m_generation.load(std::memory_order_acquire);
    const uint32_t w = m_write.load(std::memory_order_relaxed);
    const uint32_t r = m_read.load(std::memory_order_acquire);
    const uint32_t used = w >= r ? w - r : m_capacity - (r - w);
    // One slot stays free so that a full ring is told apart from an empty one.
    if (n > size_t(m_capacity - 1 - used)) {
        m_overflowGeneration.store(generation, std::memory_order_release);
        WakeReader();
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
    WakeReader();
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
    // The read position first, then the new generation: a writer that sees
    // the new generation also sees the emptied ring.
    m_read.store(m_write.load(std::memory_order_acquire), std::memory_order_release);
    m_generation.fetch_add(1, std::memory_order_acq_rel);
}

bool CByteRing::Overflowed() const
{
    return m_overflowGeneration.load(std::memory_order_acquire) == m_generation.load(std::memory_order_relaxed);
}

uint32_t CByteRing::WritePosition() const { return m_write.load(std::memory_order_acquire); }
uint32_t CByteRing::ReadPosition() const { return m_read.load(std::memory_order_acquire); }

// The writer's half of the sleep: it has published (write position or
// overflow) before it looks whether the reader sleeps; the reader says so
// before it looks for something to read. The fences on both sides make sure
// at least one of them sees the other, so no wake-up is lost.
void CByteRing::WakeReader()
{
    std::atomic_thread_fence(std::memory_order_seq_cst);
    if (!m_readerSleeps.load(std::memory_order_relaxed))
        return;
    std::lock_guard<std::mutex> lock(m_sleepMutex);
    m_wake.notify_one();
}

bool CByteRing::WaitForData(Clock::time_point until)
{
    std::unique_lock<std::mutex> lock(m_sleepMutex);
    m_readerSleeps.store(true, std::memory_order_relaxed);
    std::atomic_thread_fence(std::memory_order_seq_cst);
    const bool readable = m_wake.wait_until(lock, until, [this] { return Readable() || Interrupted(); });
    m_readerSleeps.store(false, std::memory_order_relaxed);
    return readable && Readable();
}

void CByteRing::Interrupt()
{
    m_interrupted.store(true, std::memory_order_release);
    std::lock_guard<std::mutex> lock(m_sleepMutex);
    m_wake.notify_all();
}

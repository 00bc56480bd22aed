#pragma once
// Receive ring between the MIDI input thread (the only writer) and the
// protocol layer (the only reader). Single producer, single consumer, no lock:
// bytes are stored before the write position is published (release) and the
// reader loads the write position (acquire) before it reads the bytes.
//
// The reader can sleep until bytes arrive. The mutex and condition variable
// below guard only that sleep, never the ring's bytes or positions: the
// writer takes them only when the reader has said it sleeps.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>

class CByteRing {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr uint32_t kDefaultCapacity = 51200;

    explicit CByteRing(uint32_t capacity = kDefaultCapacity);
    ~CByteRing();
    CByteRing(const CByteRing&) = delete;
    CByteRing& operator=(const CByteRing&) = delete;

    // Producer side. A message that does not fit into the free space is
    // dropped whole and the overflow flag is raised; unread bytes are never
    // overwritten. Returns false when the message was dropped.
    bool Append(const uint8_t* bytes, size_t n);

    // Consumer side.
    bool Empty() const;
    bool Pop(uint8_t& byte);
    // Discards everything unread and starts a new generation: a message
    // dropped for lack of room before the flush is not reported after it.
    void Flush();
    bool Overflowed() const;
    uint32_t WritePosition() const;
    uint32_t ReadPosition() const;
    uint32_t Capacity() const { return m_capacity; }
    const uint8_t* Data() const { return m_data; }

    // Sleeps until there is something to read (bytes or an overflow), the
    // ring is interrupted, or until passes. True when there is something to read.
    bool WaitForData(Clock::time_point until);

    // Any thread: ends every wait at once, now and until ResetInterrupt.
    void Interrupt();
    bool Interrupted() const { return m_interrupted.load(std::memory_order_acquire); }
    void ResetInterrupt() { m_interrupted.store(false, std::memory_order_release); }

private:
    bool Readable() const { return !Empty() || Overflowed(); }
    void WakeReader();

    uint8_t* m_data;
    uint32_t m_capacity;
    std::atomic<uint32_t> m_read{0};
    std::atomic<uint32_t> m_write{0};
    bool m_borrowed = false;
    // Generation of the ring's content, counted up by every flush, and the
    // generation in which a message was last dropped.
    std::atomic<uint64_t> m_generation{1};
    std::atomic<uint64_t> m_overflowGeneration{0};

    std::atomic<bool> m_interrupted{false};
    std::atomic<bool> m_readerSleeps{false};
    std::mutex m_sleepMutex;
    std::condition_variable m_wake;
};

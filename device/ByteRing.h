#pragma once
// Receive ring between the MIDI input thread (the only writer) and the
// protocol layer (the only reader). Single producer, single consumer, no lock:
// bytes are stored before the write position is published (release) and the
// reader loads the write position (acquire) before it reads the bytes.
#include <atomic>
#include <cstddef>
#include <cstdint>

class CByteRing {
public:
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
    void Flush();               // discard everything unread, clear the overflow flag
    bool Overflowed() const;
    uint32_t WritePosition() const;
    uint32_t ReadPosition() const;
    uint32_t Capacity() const { return m_capacity; }
    const uint8_t* Data() const { return m_data; }

private:
    uint8_t* m_data;
    uint32_t m_capacity;
    std::atomic<uint32_t> m_read{0};
    std::atomic<uint32_t> m_write{0};
    bool m_borrowed = false;
    std::atomic<bool> m_overflow{false};
};

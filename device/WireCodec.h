#pragma once
// The body encoding of SysEx frames. With packing on, the frame's bytes form
// one bit stream (least significant bit first) cut into 7-bit data bytes.
#include <cstddef>
#include <cstdint>

// Number of data bytes that n frame bytes take when packed: ceil(8n / 7).
constexpr size_t PackedSize(size_t n) { return (n * 8 + 6) / 7; }

// Packs n bytes into out (which holds PackedSize(n) bytes); returns the count written.
size_t Pack7(const uint8_t* in, size_t n, uint8_t* out);

// Streaming unpacker: feed 7-bit data bytes, get frame bytes back.
class CUnpacker {
public:
    // Adds one data byte; returns true and sets byte when a frame byte is complete.
    bool Feed(uint8_t data, uint8_t& byte)
    {
        m_bits |= uint32_t(data & 0x7F) << m_count;
        m_count += 7;
        if (m_count < 8)
            return false;
        byte = uint8_t(m_bits & 0xFF);
        m_bits >>= 8;
        m_count -= 8;
        return true;
    }
    void Reset() { m_bits = 0; m_count = 0; }

private:
    uint32_t m_bits = 0;
    int m_count = 0;
};

// Unpacks a whole body; returns the number of frame bytes written (at most max).
size_t Unpack7(const uint8_t* in, size_t n, uint8_t* out, size_t max);

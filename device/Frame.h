#pragma once
// Frame layout of the full command protocol, shared by the program and the
// virtual pedal: 00 59, command code, 24-bit payload length L, L payload
// bytes, then the bitwise NOT of the 8-bit sum of the payload.
#include <cstddef>
#include <cstdint>

namespace frame {

enum Code : uint8_t {
    kStatus = 0x00,
    kIdentify = 0x11,
    kErase = 0x21,
    kWrite = 0x22,
    kRead = 0x23,
    kChecksum = 0x24,
};

constexpr uint8_t kHeader0 = 0x00;
constexpr uint8_t kHeader1 = 0x59;
constexpr size_t kOverhead = 7;        // header, code, length and checksum
constexpr size_t kPayloadOffset = 6;

inline void PutLE(uint8_t* p, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        p[i] = uint8_t(value >> (8 * i));
}

inline uint32_t GetLE(const uint8_t* p, int bytes)
{
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= uint32_t(p[i]) << (8 * i);
    return value;
}

uint8_t PayloadChecksum(const uint8_t* payload, size_t length);

// Sum of byte values modulo 65,536: the pedal's range checksum.
uint16_t Sum16(const uint8_t* bytes, size_t length);

// Completes a frame whose payload of length bytes already stands at f + 6:
// writes header, code, length and checksum. Returns the frame size 7 + length.
size_t Finish(uint8_t* f, uint8_t code, uint32_t length);

// The payload length field of a received frame (bytes 3-5).
inline uint32_t Length(const uint8_t* f) { return GetLE(f + 3, 3); }

// Reply checksum rule: true when L is 0, else the NOT of the payload's sum
// must equal byte 6 + L. The caller guarantees 7 + L bytes are present.
bool ChecksumHolds(const uint8_t* f);

}  // namespace frame

#include "WireCodec.h"

size_t Pack7(const uint8_t* in, size_t n, uint8_t* out)
{
    uint32_t bits = 0;
    int count = 0;
    size_t written = 0;
    for (size_t i = 0; i < n; ++i) {
        bits |= uint32_t(in[i]) << count;
        count += 8;
        while (count >= 7) {
            out[written++] = uint8_t(bits & 0x7F);
            bits >>= 7;
            count -= 7;
        }
    }
    if (count > 0)
        out[written++] = uint8_t(bits & 0x7F);
    return written;
}

size_t Unpack7(const uint8_t* in, size_t n, uint8_t* out, size_t max)
{
    CUnpacker unpacker;
    size_t written = 0;
    for (size_t i = 0; i < n && written < max; ++i) {
        uint8_t byte;
        if (unpacker.Feed(in[i], byte))
            out[written++] = byte;
    }
    return written;
}

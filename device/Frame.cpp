#include "Frame.h"

namespace frame {

uint8_t PayloadChecksum(const uint8_t* payload, size_t length)
{
    uint8_t sum = 0;
    for (size_t i = 0; i < length; ++i)
        sum = uint8_t(sum + payload[i]);
    return uint8_t(~sum);
}

uint16_t Sum16(const uint8_t* bytes, size_t length)
{
    uint16_t sum = 0;
    for (size_t i = 0; i < length; ++i)
        sum = uint16_t(sum + bytes[i]);
    return sum;
}

size_t Finish(uint8_t* f, uint8_t code, uint32_t length)
{
    f[0] = kHeader0;
    f[1] = kHeader1;
    f[2] = code;
    PutLE(f + 3, length, 3);
    f[kPayloadOffset + length] = PayloadChecksum(f + kPayloadOffset, length);
    return kOverhead + length;
}

bool ChecksumHolds(const uint8_t* f)
{
    const uint32_t length = Length(f);
    return length == 0 || PayloadChecksum(f + kPayloadOffset, length) == f[kPayloadOffset + length];
}

}  // namespace frame

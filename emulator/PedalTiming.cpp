#include "PedalTiming.h"

#include "DeviceModels.h"

PedalTiming PedalTiming::Realistic()
{
    PedalTiming t;
    t.link_bytes_per_second = 250000;
    t.message_latency_us = 1000;
    t.song_erase_us = 3000;
    t.song_page_program_us = 300;
    t.system_erase_us = 20000;
    t.system_program_bytes_per_second = 160000;
    return t;
}

uint64_t PedalTiming::MessageMicros(size_t n) const
{
    if (link_bytes_per_second == 0)
        return 0;
    return message_latency_us + uint64_t(n) * 1000000 / link_bytes_per_second;
}

uint64_t PedalTiming::EraseMicros(uint8_t flash_no) const { return flash_no == 0 ? system_erase_us : song_erase_us; }

uint64_t PedalTiming::ProgramMicros(uint8_t flash_no, uint32_t address, uint32_t n, uint32_t page_size) const
{
    if (n == 0)
        return 0;
    if (flash_no == 0)
        return system_program_bytes_per_second ? uint64_t(n) * 1000000 / system_program_bytes_per_second : 0;
    const uint64_t pages = (uint64_t(address) + n - 1) / page_size - address / page_size + 1;
    return pages * song_page_program_us;
}

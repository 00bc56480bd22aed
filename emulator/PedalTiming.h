#pragma once
// How long the virtual pedal takes: the USB MIDI link each way and its two
// flashes. All zero is "off": replies go out as soon as they are made.
#include <cstddef>
#include <cstdint>

struct PedalTiming {
    uint32_t link_bytes_per_second = 0;  // SysEx bytes each way; 0 = no link model
    uint32_t message_latency_us = 0;     // added to every message, each way
    uint32_t song_erase_us = 0;          // one block of the song flash (NAND)
    uint32_t song_page_program_us = 0;   // one page of the song flash
    uint32_t system_erase_us = 0;        // one sector of the microcontroller's flash
    uint32_t system_program_bytes_per_second = 0;  // 0 = instantaneous

    // A USB full-speed MIDI device: 250,000 bytes/s each way and 1 ms per
    // message; NAND block erase 3 ms, page program 0.3 ms; microcontroller
    // flash sector erase 20 ms, programming at 160,000 bytes/s.
    static PedalTiming Realistic();

    // One message of n bytes on the link.
    uint64_t MessageMicros(size_t n) const;
    // An executed erase of one sector (block) of that flash.
    uint64_t EraseMicros(uint8_t flash_no) const;
    // An executed program of n bytes at address; song flash pages of page_size.
    uint64_t ProgramMicros(uint8_t flash_no, uint32_t address, uint32_t n, uint32_t page_size) const;
};


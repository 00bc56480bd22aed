#pragma once
// NOR flash: erase sets a whole sector to 0xFF, programming can only clear
// bits (new = old AND data), as often as asked.
#include "FlashMemory.h"

class CNorFlash : public CFlashMemory {
public:
    using CFlashMemory::CFlashMemory;

private:
    bool EraseBytes(uint64_t start, uint64_t n) override;
    bool ProgramBytes(uint64_t address, const uint8_t* data, size_t n, size_t limit) override;
};

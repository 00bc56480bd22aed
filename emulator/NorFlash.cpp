#include "NorFlash.h"

#include <algorithm>
#include <vector>

bool CNorFlash::EraseBytes(uint64_t start, uint64_t n) { return Store().Erase(start, n); }

bool CNorFlash::ProgramBytes(uint64_t address, const uint8_t* data, size_t n, size_t limit)
{
    n = std::min(n, limit);
    std::vector<uint8_t> cells(n);
    Store().Read(address, cells.data(), n);
    for (size_t i = 0; i < n; ++i)
        cells[i] &= data[i];
    return Store().Write(address, cells.data(), n);
}

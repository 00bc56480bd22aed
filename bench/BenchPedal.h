#pragma once
// What every benchmark through the virtual pedal checks at its end: the
// program never made the pedal program a song flash page a second time.
#include "VirtualPedal.h"

#include <benchmark/benchmark.h>

inline void CheckNandViolations(benchmark::State& state, const CVirtualPedal& pedal)
{
    state.counters["nand_violations"] = pedal.NandViolations();
    if (pedal.NandViolations() != 0)
        state.SkipWithError("song flash pages were programmed a second time");
}

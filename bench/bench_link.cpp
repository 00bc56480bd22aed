// Benchmarks of the device link: 7-bit packing next to memcpy, and flash
// reads through the in-process virtual pedal.
#include "BenchPedal.h"
#include "InProcessMidi.h"
#include "PedalPorts.h"
#include "USBPort.h"
#include "VirtualPedal.h"
#include "WireCodec.h"


#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

std::vector<uint8_t> Input(size_t n)
{
    std::vector<uint8_t> in(n);
    for (size_t i = 0; i < n; ++i)
        in[i] = uint8_t(i * 131 + 17);
    return in;
}

void BM_Pack(benchmark::State& state)
{
    const auto in = Input(size_t(state.range(0)));
    std::vector<uint8_t> out(PackedSize(in.size()));
    for (auto _ : state) {
        benchmark::DoNotOptimize(Pack7(in.data(), in.size(), out.data()));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(in.size()));
}

void BM_Unpack(benchmark::State& state)
{
    const auto frame = Input(size_t(state.range(0)));
    std::vector<uint8_t> wire(PackedSize(frame.size()));
    Pack7(frame.data(), frame.size(), wire.data());
    std::vector<uint8_t> out(frame.size());
    for (auto _ : state) {
        benchmark::DoNotOptimize(Unpack7(wire.data(), wire.size(), out.data(), out.size()));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(frame.size()));
}

void BM_Memcpy(benchmark::State& state)
{
    const auto in = Input(size_t(state.range(0)));
    std::vector<uint8_t> out(in.size());
    for (auto _ : state) {
        std::memcpy(out.data(), in.data(), in.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(in.size()));
}

// flash_read of 1 MiB: the program's own cost per exchange, with the pedal
// answering at once (argument 0), or over a modelled link of that many
// bytes per second with 1 ms latency per message.
void BM_FlashRead1MiB(benchmark::State& state)
{
    CInProcessMidi midi;
    PedalConfig config;
    config.timing.link_bytes_per_second = uint32_t(state.range(0));
    config.timing.message_latency_us = 1000;
    CVirtualPedal pedal(config);
    CInProcessPedalPorts ports(midi, pedal, "Bench Pedal");
    CUSBPort port(midi);
    if (!port.connect_device(0)) {
        state.SkipWithError("the virtual pedal did not answer");
        return;
    }
    constexpr uint32_t kLength = 1 << 20;
    std::vector<uint8_t> buffer(kLength);
    const uint32_t exchanges = (kLength + CUSBPort::kReadChunk - 1) / CUSBPort::kReadChunk;
    for (auto _ : state) {
        if (!port.flash_read(1, 0, buffer.data(), kLength)) {
            state.SkipWithError("flash_read failed");
            return;
        }
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kLength);
    CheckNandViolations(state, pedal);
    state.counters["exchanges/s"] =
        benchmark::Counter(double(exchanges) * double(state.iterations()), benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(BM_Pack)->Arg(1024)->Arg(5135);
BENCHMARK(BM_Unpack)->Arg(1024)->Arg(5135);
BENCHMARK(BM_Memcpy)->Arg(1024)->Arg(5135);
BENCHMARK(BM_FlashRead1MiB)->ArgName("link_bytes_per_s")->Arg(0)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

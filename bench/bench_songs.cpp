// Benchmark: the largest song of the 30-slot model (41,287,680 bytes)
// written and read through the in-process virtual pedal, with the peak
// resident memory of the process. The pedal's flash lives in files, so
// only the program's own memory counts.
#include "BenchPedal.h"
#include "InProcessMidi.h"
#include "LooperSongList.h"
#include "PedalPorts.h"
#include "SongResult.h"
#include "USBPort.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <memory>
#include <vector>

namespace {

double PeakResidentMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;  // kilobytes on Linux
}

struct Rig {
    QTemporaryDir dir;
    CInProcessMidi midi;
    std::unique_ptr<CVirtualPedal> pedal;
    std::unique_ptr<CInProcessPedalPorts> ports;
    std::unique_ptr<CUSBPort> link;
    std::unique_ptr<CLooperSongList> songs;

    Rig()
    {
        pedal = std::make_unique<CVirtualPedal>(PedalConfig(),
                                                std::make_unique<CFileFlashStore>(dir.filePath("flash0.bin")),
                                                std::make_unique<CFileFlashStore>(dir.filePath("flash1.bin")));
        ports = std::make_unique<CInProcessPedalPorts>(midi, *pedal, "Bench Pedal");
        link = std::make_unique<CUSBPort>(midi);
        link->connect_device(0);
        songs = std::make_unique<CLooperSongList>(link.get());
        songs->load_songs();
    }
};

constexpr uint32_t kLargest = 160u * 64 * 4032;

void BM_LargestSong(benchmark::State& state)
{
    const double idle = PeakResidentMiB();
    Rig rig;
    if (rig.link->state() != UpdateMode) {
        state.SkipWithError("the virtual pedal did not answer");
        return;
    }
    const bool write = state.range(0) == 0;
    std::vector<uint8_t> song(kLargest);
    for (size_t i = 0; i < song.size(); ++i)
        song[i] = uint8_t(i * 7 + (i >> 12));
    if (!write && rig.songs->write_song(0, song.data(), kLargest, nullptr) != SongOk) {
        state.SkipWithError("write failed");
        return;
    }
    for (auto _ : state) {
        const int code = write ? rig.songs->write_song(0, song.data(), kLargest, nullptr)
                               : rig.songs->read_song(0, song.data(), kLargest, nullptr);
        if (code != SongOk) {
            state.SkipWithError(qPrintable(SongResultText(code)));
            return;
        }
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kLargest);
    state.counters["peak_MiB_above_idle"] = PeakResidentMiB() - idle;
    state.counters["song_MiB"] = kLargest / 1048576.0;
    CheckNandViolations(state, *rig.pedal);
}

}  // namespace

BENCHMARK(BM_LargestSong)->Arg(0)->Arg(1)->ArgName("read")->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

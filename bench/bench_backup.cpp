// Benchmark: the backup of a full 30-slot pedal (one song of the largest
// size and 29 of 4 MiB) through the in-process virtual pedal, with the peak
// resident memory of the process. The pedal's flash and the backup live in
// files, so only the program's own memory counts: it should stay near the
// largest song, not the sum of all of them.
#include "BenchPedal.h"
#include "InProcessMidi.h"
#include "LooperSongList.h"
#include "PedalPorts.h"
#include "SongBackup.h"
#include "SongResult.h"
#include "USBPort.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <fstream>

#include <memory>
#include <vector>

namespace {

// The peak resident size since the last ResetPeak (Linux's VmHWM).
double PeakResidentMiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    double kib = 0;
    while (status >> key) {
        if (key == "VmHWM:") {
            status >> kib;
            break;
        }
    }
    return kib / 1024.0;
}

double ResidentMiB()
{
    std::ifstream statm("/proc/self/statm");
    double pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * double(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

// Filling the pedal needs memory of its own; the peak counts from here.
void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

constexpr uint32_t kLargest = 160u * 64 * 4032;
constexpr uint32_t kOther = 4u << 20;

// Fills every slot; returns the sum of the songs' sizes, 0 on failure.
uint64_t FillSlots(CLooperSongList& songs)
{
    uint64_t sum = 0;
    for (uint32_t slot = 0; slot < songs.size(); ++slot) {
        const uint32_t size = slot == 0 ? kLargest : kOther;
        std::vector<uint8_t> song(size);
        for (size_t i = 0; i < song.size(); ++i)
            song[i] = uint8_t(i * 7 + slot + (i >> 12));
        if (songs.write_song(slot, song.data(), size, nullptr) != SongOk)
            return 0;
        sum += size;
    }
    return sum;
}

void BM_BackupFullPedal(benchmark::State& state)
{
    QTemporaryDir dir;
    CInProcessMidi midi;
    CVirtualPedal pedal(PedalConfig(), std::make_unique<CFileFlashStore>(dir.filePath("flash0.bin")),
                        std::make_unique<CFileFlashStore>(dir.filePath("flash1.bin")));
    CInProcessPedalPorts ports(midi, pedal, "Bench Pedal");
    CUSBPort link(midi);
    link.connect_device(0);
    CLooperSongList songs(&link);
    if (link.state() != UpdateMode || songs.load_songs() != SongOk) {
        state.SkipWithError("the virtual pedal did not answer");
        return;
    }
    const uint64_t sum = FillSlots(songs);
    if (sum == 0 || songs.load_songs() != SongOk) {
        state.SkipWithError("filling the slots failed");
        return;
    }
    ResetPeak();
    const double idle = ResidentMiB();
    for (auto _ : state) {
        if (!BackupSongs(link, songs, dir.filePath("backup"), nullptr)) {
            state.SkipWithError("the backup failed");
            return;
        }
    }
    state.SetBytesProcessed(int64_t(state.iterations() * sum));
    state.counters["peak_MiB_above_start"] = PeakResidentMiB() - idle;
    state.counters["largest_song_MiB"] = kLargest / 1048576.0;
    state.counters["all_songs_MiB"] = double(sum) / 1048576.0;
    CheckNandViolations(state, pedal);
}

}  // namespace

BENCHMARK(BM_BackupFullPedal)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

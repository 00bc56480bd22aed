// Benchmarks under the virtual pedal's realistic timing (USB full-speed MIDI
// link, NAND song flash, microcontroller flash), in-process: a 60-second
// song of the 30-slot model imported and exported, a backup of three slots,
// backups that find songs unchanged and a 1 MiB firmware update. Each reports its wall time next to the ideal
// time of the same exchanges on the modelled link (the sum over every
// exchange of command and reply on the wire, from their frame sizes, rate
// and per-message latency, plus the flash operation's time), and the CPU
// time of the whole process (program and pedal) over the wall time.
#include "FirmwareFile.h"
#include "FirmwareUpdate.h"
#include "InProcessMidi.h"
#include "LooperSongList.h"
#include "PedalPorts.h"
#include "SongBackup.h"
#include "SongResult.h"
#include "USBPort.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <memory>
#include <vector>

namespace {

constexpr uint32_t kSongSeconds = 60;
constexpr uint32_t kSongBytes = kSongSeconds * 46875 * 3;  // record A: mono, 24-bit
constexpr uint32_t kBackupSongBytes = 20 * 46875 * 3;     // three 20-second songs
constexpr uint32_t kFirmwareBytes = 1u << 20;
constexpr uint32_t kFirmwareStart = 0x100000;
constexpr uint32_t kFirmwareSector = 4096;

double ProcessCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

std::vector<uint8_t> Song(uint32_t n, uint32_t seed)
{
    std::vector<uint8_t> song(n);
    for (uint32_t i = 0; i < n; ++i)
        song[i] = uint8_t(i * 7 + seed + (i >> 12));
    return song;
}

// A connected pedal with realistic timing and its song catalogue.
struct TimedRig {
    CInProcessMidi midi;
    CVirtualPedal pedal{Config()};
    CInProcessPedalPorts ports{midi, pedal, "Bench Pedal"};
    CUSBPort link{midi};
    CLooperSongList songs{&link};

    static PedalConfig Config()
    {
        PedalConfig c;
        c.flash0_size = 4u << 20;
        c.flash0_sector = kFirmwareSector;
        c.timing = PedalTiming::Realistic();
        return c;
    }
    bool Ready() { return link.connect_device(0) && link.state() == UpdateMode && songs.load_songs() == SongOk; }
};

// Measures one run of work: wall time, the modelled ideal and the CPU share.
template <class Work>
void Measure(benchmark::State& state, TimedRig& rig, Work&& work)
{
    using Clock = std::chrono::steady_clock;
    for (auto _ : state) {
        const uint64_t idealBefore = rig.pedal.ModelledMicros();
        const double cpuBefore = ProcessCpuSeconds();
        const auto start = Clock::now();
        if (!work()) {
            state.SkipWithError("the operation failed");
            return;
        }
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        const double ideal = double(rig.pedal.ModelledMicros() - idealBefore) / 1e6;
        state.SetIterationTime(wall);
        state.counters["ideal_s"] = ideal;
        state.counters["ideal_over_wall"] = ideal / wall;
        state.counters["cpu_over_wall"] = (ProcessCpuSeconds() - cpuBefore) / wall;
    }
}

void BM_ImportSong60s(benchmark::State& state)
{
    TimedRig rig;
    if (!rig.Ready())
        return state.SkipWithError("the virtual pedal did not answer");
    const std::vector<uint8_t> song = Song(kSongBytes, 1);
    Measure(state, rig, [&] { return rig.songs.write_song(0, song.data(), kSongBytes, nullptr) == SongOk; });
}

void BM_ExportSong60s(benchmark::State& state)
{
    TimedRig rig;
    std::vector<uint8_t> song = Song(kSongBytes, 2);
    if (!rig.Ready() || rig.songs.write_song(0, song.data(), kSongBytes, nullptr) != SongOk ||
        rig.songs.load_songs() != SongOk)
        return state.SkipWithError("the song could not be put on the pedal");
    const uint32_t stored = rig.songs.song(0)->get_song_size();
    Measure(state, rig, [&] { return rig.songs.read_song(0, song.data(), stored, nullptr) == SongOk; });
}

void BM_BackupThreeSlots(benchmark::State& state)
{
    TimedRig rig;
    QTemporaryDir dir;
    bool filled = rig.Ready();
    for (uint32_t slot = 0; filled && slot < 3; ++slot)
        filled = rig.songs.write_song(slot * 7, Song(kBackupSongBytes, slot).data(), kBackupSongBytes, nullptr) == SongOk;
    if (!filled || rig.songs.load_songs() != SongOk)
        return state.SkipWithError("the songs could not be put on the pedal");
    Measure(state, rig, [&] { return BackupSongs(rig.link, rig.songs, dir.filePath("backup"), nullptr); });
}

// Backups into one folder: the first reads every song, the second finds
// them unchanged, the third reads the one song changed in between. Args:
// slots filled, seconds per song.
void BM_BackupAgainUnchangedAndChanged(benchmark::State& state)
{
    TimedRig rig;
    QTemporaryDir dir;
    const uint32_t used = uint32_t(state.range(0)), bytes = uint32_t(state.range(1)) * 46875 * 3;
    bool filled = rig.Ready();
    for (uint32_t slot = 0; filled && slot < used; ++slot)
        filled = rig.songs.write_song(slot, Song(bytes, slot).data(), bytes, nullptr) == SongOk;
    if (!filled || rig.songs.load_songs() != SongOk)
        return state.SkipWithError("the songs could not be put on the pedal");
    auto timed = [&] {
        const auto start = std::chrono::steady_clock::now();
        const bool ok = BackupSongs(rig.link, rig.songs, dir.filePath("backup"), nullptr);
        return ok ? std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() : -1.0;
    };
    for (auto _ : state) {
        const double first = timed(), unchanged = timed();
        const bool changed = rig.songs.write_song(used / 2, Song(bytes, 99).data(), bytes, nullptr) == SongOk &&
                             rig.songs.load_songs() == SongOk;
        const double again = changed ? timed() : -1.0;
        if (first < 0 || unchanged < 0 || again < 0)
            return state.SkipWithError("a backup failed");
        state.SetIterationTime(first + unchanged + again);
        state.counters["first_s"] = first;
        state.counters["unchanged_s"] = unchanged;
        state.counters["one_changed_s"] = again;
    }
}

// A 1 MiB image for flash 0, packed by corvanta-fwpack.
QString PackFirmware(const QTemporaryDir& dir)
{
    QFile layout(dir.filePath("s.ini")), image(dir.filePath("s.bin"));
    layout.open(QIODevice::WriteOnly);
    layout.write(QString::asprintf("[FLASH 1]\nTYPE=0\nStart Address=0x%X\nEnd Address=0x%X\nSector Size=%u\n",
                                   kFirmwareStart, kFirmwareStart + kFirmwareBytes, kFirmwareSector)
                     .toLatin1());
    image.open(QIODevice::WriteOnly);
    const std::vector<uint8_t> bytes = Song(kFirmwareBytes, 9);
    image.write(reinterpret_cast<const char*>(bytes.data()), int(bytes.size()));
    layout.close();
    image.close();
    QProcess packer;
    packer.start(QStringLiteral(FWPACK_BINARY), {"--out", dir.filePath("fw.dat"), "--model", "10002", "--section",
                                                 layout.fileName(), image.fileName()});
    packer.waitForFinished(60000);
    return packer.exitCode() == 0 ? dir.filePath("fw.dat") : QString();
}

void BM_FirmwareUpdate1MiB(benchmark::State& state)
{
    TimedRig rig;
    QTemporaryDir dir;
    const QString path = PackFirmware(dir);
    if (path.isEmpty() || !rig.Ready())
        return state.SkipWithError("no firmware file or no pedal");
    CFirmwareFile file;
    Measure(state, rig, [&] {
        CFirmwareUpdate update(rig.link, file);
        return update.UpdateFromFile(path, false) == UpdateResult::Ok;
    });
}

}  // namespace

BENCHMARK(BM_ImportSong60s)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_ExportSong60s)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_BackupThreeSlots)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_BackupAgainUnchangedAndChanged)
    ->Args({3, 4})
    ->Args({30, 1})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
BENCHMARK(BM_FirmwareUpdate1MiB)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

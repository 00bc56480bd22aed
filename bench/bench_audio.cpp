// Benchmarks of the conversion: a 5-minute import next to sox on the same
// file, the export of the largest stereo song with its peak memory, and the
// peak memory of importing long files next to the size of their song.
#include "AudioImport.h"
#include "SparseWav.h"
#include "Wave.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <memory>

namespace {

double PeakResidentMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

void BM_ImportFiveMinutesNextToSox(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString in = dir.filePath("in.wav");
    if (QProcess::execute("sox", {"-n", "-r", "44100", "-b", "16", "-c", "2", in, "synth", "300", "sine", "440"}) != 0) {
        state.SkipWithError("sox could not make the input");
        return;
    }
    double ours = 0, sox = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        CWave wave;
        if (!wave.load(in)) {
            state.SkipWithError("load failed");
            return;
        }
        wave.convert(1, 46875);
        benchmark::DoNotOptimize(wave.samples());
        ours += timer.nsecsElapsed() / 1e9;
        timer.restart();
        QProcess::execute("sox", {in, "-r", "46875", "-c", "1", "-b", "24", "-t", "raw", dir.filePath("out.raw")});
        sox += timer.nsecsElapsed() / 1e9;
    }
    state.counters["ours_s"] = ours / double(state.iterations());
    state.counters["sox_s"] = sox / double(state.iterations());
    state.counters["ours_over_sox"] = ours / sox;
}

void BM_ExportLargestStereoSong(benchmark::State& state)
{
    constexpr uint32_t kBytes = 170227200;  // 650 blocks of the stereo model
    const double idle = PeakResidentMiB();
    for (auto _ : state) {
        state.PauseTiming();
        CWave wave;
        wave.set_format(2, 46875, 24);
        std::unique_ptr<uint8_t[]> song(new uint8_t[kBytes]);
        for (uint32_t i = 0; i < kBytes; ++i)
            song[i] = uint8_t(i * 7);
        wave.set_samples(std::move(song), kBytes / 6);
        state.ResumeTiming();
        wave.convert(2, 48000);
        benchmark::DoNotOptimize(wave.samples());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kBytes);
    state.counters["peak_MiB_above_idle"] = PeakResidentMiB() - idle;
    state.counters["song_MiB"] = kBytes / 1048576.0;
}

// Runs work in a child process: its peak resident memory above what it
// started with, in MiB; negative when work failed.
double PeakInChildMiB(const std::function<bool()>& work)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return -1;
    if (fork() == 0) {
        const double start = PeakResidentMiB();
        const double peak = work() ? PeakResidentMiB() - start : -1;
        (void)!write(pipeEnds[1], &peak, sizeof peak);
        _exit(0);
    }
    double peak = -1;
    (void)!read(pipeEnds[0], &peak, sizeof peak);
    wait(nullptr);
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    return peak;
}

// The largest songs of the mono current-format model and of the stereo model.
constexpr uint64_t kLargestMonoSong = 160ull * 64 * 4032;
constexpr uint64_t kLargestStereoSong = 650ull * 64 * 4092;

// state.range(0): minutes, (1): rate, (2): song channels, (3): JUNK first.
void BM_ImportPeakMemory(benchmark::State& state)
{
    const auto minutes = uint32_t(state.range(0)), rate = uint32_t(state.range(1));
    const auto channels = uint16_t(state.range(2));
    QTemporaryDir dir;
    const QString path = WriteSparseWav(dir.filePath("long.wav"), rate, minutes * 60, state.range(3) != 0);
    ImportRequest request;
    request.channels = channels;
    request.maxBytes = channels == 1 ? kLargestMonoSong : kLargestStereoSong;
    const double songBytes = double(minutes) * 60 * 46875 * 3 * channels;
    const ImportResult expected = songBytes > double(request.maxBytes) ? ImportResult::TooLarge : ImportResult::Converted;
    double peak = 0;
    for (auto _ : state)
        peak = PeakInChildMiB([&] {
            CWave song;
            return ImportAudioFile(path, request, song) == expected;
        });
    if (peak < 0)
        state.SkipWithError("the import did not end as expected");
    state.counters["file_MiB"] = double(QFileInfo(path).size()) / 1048576.0;
    state.counters["song_MiB"] = songBytes / 1048576.0;
    state.counters["refused"] = expected == ImportResult::TooLarge ? 1 : 0;
    state.counters["peak_MiB"] = peak;
}

// The same file read whole and converted in memory, as the import did before.
void BM_WholeFileImportAsBefore(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = WriteSparseWav(dir.filePath("long.wav"), 192000, 600, false);
    double peak = 0;
    for (auto _ : state)
        peak = PeakInChildMiB([&] {
            CWave wave;
            return wave.load(path) && wave.convert(2, 46875);
        });
    state.counters["song_MiB"] = 600.0 * 46875 * 6 / 1048576.0;
    state.counters["peak_MiB"] = peak;
}

}  // namespace

BENCHMARK(BM_ImportPeakMemory)
    ->ArgNames({"minutes", "rate", "channels", "junk_first"})
    ->Args({60, 48000, 2, 0})
    ->Args({60, 48000, 2, 1})
    ->Args({10, 192000, 1, 0})
    ->Args({10, 192000, 2, 0})
    ->Args({10, 192000, 2, 1})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
BENCHMARK(BM_WholeFileImportAsBefore)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(BM_ImportFiveMinutesNextToSox)->Iterations(3)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(BM_ExportLargestStereoSong)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

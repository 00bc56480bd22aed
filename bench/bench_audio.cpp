// Benchmarks of the conversion: a 5-minute import next to sox on the same
// file, and the export of the largest stereo song with its peak memory.
#include "Wave.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

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

}  // namespace

BENCHMARK(BM_ImportFiveMinutesNextToSox)->Iterations(3)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(BM_ExportLargestStereoSong)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

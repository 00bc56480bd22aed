// The window offscreen while it imports and exports a 2-second song through
// the virtual pedal with the time of a real one: how long the event loop
// went without a turn, from the operation's start to its end (the import's
// catalogue reload included). A musician sees a gap as a frozen window; the
// aim is at most 100 ms.
#include "CorvantaQT.h"
#include "InProcessMidi.h"
#include "PedalPorts.h"
#include "Prompt.h"
#include "VirtualPedal.h"
#include "Wave.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

// Answers every question Yes and every file dialog with one file; keeps the
// last box's text.
class CBenchPrompt : public IPrompt {
public:
    CBenchPrompt() { InstallPrompt(this); }
    ~CBenchPrompt() override { InstallPrompt(nullptr); }
    void Inform(const QString&, const QString& text) override { last = text; }
    bool AskYesNo(const QString&, const QString&) override { return true; }
    QString SaveFileName(const QString&, const QString&, const QString&) override { return file; }
    QString OpenFileName(const QString&, const QString&, const QString&) override { return file; }
    QString FolderName(const QString&, const QString&) override { return QString(); }
    bool ShiftHeld() override { return false; }
    bool OpenUrl(const QUrl&) override { return false; }

    QString file, last;
};

// A 44,100 Hz mono 16-bit sine of the given length.
QString SineWav(const QString& path, uint32_t frames)
{
    CWave wave;
    wave.set_format(1, 44100, 16);
    std::unique_ptr<uint8_t[]> samples(new uint8_t[size_t(frames) * 2]);
    for (uint32_t i = 0; i < frames; ++i) {
        const int16_t v = int16_t(0.4 * std::sin(2 * M_PI * 440 * i / 44100) * 32767);
        samples[2 * i] = uint8_t(v);
        samples[2 * i + 1] = uint8_t(v >> 8);
    }
    wave.set_samples(std::move(samples), frames);
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && wave.write_to(f) ? path : QString();
}

// Imports the song into slot 3 again and again, or exports it from there.
void BM_EventLoopGapDuringATransfer(benchmark::State& state, bool import)
{
    QTemporaryDir dir;
    CBenchPrompt prompt;
    CInProcessMidi midi;
    PedalConfig config;
    config.timing = PedalTiming::Realistic();
    CVirtualPedal pedal(config);
    CInProcessPedalPorts ports(midi, pedal, "Bench Pedal");
    CorvantaQT window(midi);
    window.show();
    auto* list = window.findChild<QListWidget*>("m_lstSong");
    const QString in = SineWav(dir.filePath("song.wav"), 2 * 44100);
    prompt.file = in;
    list->setCurrentRow(2);
    window.OnDownloadSong();
    if (in.isEmpty() || prompt.last != "Successful !")
        return state.SkipWithError("the song could not be put on the pedal");

    // A 10 ms timer notes each turn of the event loop while the operation runs.
    QElapsedTimer clock;
    clock.start();
    std::vector<int64_t> ticks;
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, &window, [&] {
        if (window.CurrentOperation() != OpIdle)
            ticks.push_back(clock.elapsed());
    });
    timer.start();
    int64_t largest = 0;
    size_t turns = 0;
    for (auto _ : state) {
        ticks.clear();
        prompt.last.clear();
        prompt.file = import ? in : dir.filePath("out.wav");
        list->setCurrentRow(2);
        if (import)
            window.OnDownloadSong();
        else
            window.OnUploadSong();
        ticks.push_back(clock.elapsed());  // the operation's end
        if (prompt.last != "Successful !")
            return state.SkipWithError("the transfer failed");
        for (size_t i = 1; i < ticks.size(); ++i)
            largest = std::max(largest, ticks[i] - ticks[i - 1]);
        turns += ticks.size();
    }
    state.counters["largest_gap_ms"] = double(largest);
    state.counters["turns"] = benchmark::Counter(double(turns), benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(BM_EventLoopGapDuringATransfer, import, true)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_EventLoopGapDuringATransfer, export, false)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

// The window needs a widget application; offscreen unless the caller chose
// a platform.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

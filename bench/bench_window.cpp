// The window offscreen while it imports and exports a 2-second song, and
// while it updates the firmware, through the virtual pedal with the time of
// a real one: how long the event loop went without a turn, from the
// operation's start to its end (the import's catalogue reload included). A
// musician sees a gap as a frozen window, and Cancel must be taken; the aim
// is at most 100 ms.
#include "BenchFirmware.h"
#include "BenchPedal.h"
#include "CorvantaQT.h"
#include "InProcessMidi.h"
#include "PedalPorts.h"
#include "VirtualPedal.h"
#include "Wave.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

namespace {

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

// The event loop's turns while the window runs an operation: the largest
// time between two of them (the operation's end counts as one) and their
// number, over every run.
struct LoopGaps {
    int64_t largest = 0, turns = 0;

    void Report(benchmark::State& state) const
    {
        state.counters["largest_gap_ms"] = double(largest);
        state.counters["turns"] = benchmark::Counter(double(turns), benchmark::Counter::kAvgIterations);
    }
};

// A 5 ms timer that fires only when the event loop turns.
class CLoopWatch {
public:
    CLoopWatch(CorvantaQT& window, LoopGaps& gaps) : m_gaps(gaps)
    {
        m_clock.start();
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, &window, [this, &window] {
            if (window.CurrentOperation() != OpIdle)
                Turn();
        });
        m_timer.start(5);
    }
    void Run(const std::function<void()>& operation)
    {
        m_last = -1;
        operation();
        Turn();
    }

private:
    void Turn()
    {
        const int64_t now = m_clock.elapsed();
        if (m_last >= 0)
            m_gaps.largest = std::max(m_gaps.largest, now - m_last);
        m_last = now;
        ++m_gaps.turns;
    }

    LoopGaps& m_gaps;
    QElapsedTimer m_clock;
    QTimer m_timer;
    int64_t m_last = -1;
};

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
    if (in.isEmpty() || prompt.texts.value(prompt.texts.size() - 1) != "Successful !")
        return state.SkipWithError("the song could not be put on the pedal");

    LoopGaps gaps;
    CLoopWatch watch(window, gaps);
    for (auto _ : state) {
        prompt.texts.clear();
        prompt.file = import ? in : dir.filePath("out.wav");
        list->setCurrentRow(2);
        watch.Run([&] { import ? window.OnDownloadSong() : window.OnUploadSong(); });
        if (prompt.texts.value(prompt.texts.size() - 1) != "Successful !")
            return state.SkipWithError("the transfer failed");
    }
    gaps.Report(state);
}
BENCHMARK_CAPTURE(BM_EventLoopGapDuringATransfer, import, true)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_EventLoopGapDuringATransfer, export, false)->Unit(benchmark::kMillisecond)->Iterations(3);

// Bytes that differ along the image.
QByteArray Image(int n)
{
    QByteArray b(n, 0);
    for (int i = 0; i < n; ++i)
        b[i] = char((i * 31 + 4) ^ (i >> 9));
    return b;
}

PedalConfig UpdateConfig()
{
    PedalConfig c;
    c.identity = PedalIdentity{0x010203, 10002, 7};
    c.mode = PedalMode::Update;
    c.flash0_sector = 4096;
    c.timing = PedalTiming::Realistic();
    c.timing.system_erase_us = 250000;  // a large sector of a slow flash
    return c;
}

void BM_EventLoopGapDuringAnUpdate(benchmark::State& state)
{
    CBenchPrompt prompt;
    prompt.answer = false;
    QTemporaryDir dir;
    const QByteArray image = Image(12000);
    const QString path = PackBenchFirmware(dir, {{0, 0x8000, 0xC000, 4096, image}});
    if (path.isEmpty())
        return state.SkipWithError("corvanta-fwpack failed");
    LoopGaps gaps;
    for (auto _ : state) {
        CInProcessMidi midi;
        CVirtualPedal pedal(UpdateConfig());
        CInProcessPedalPorts ports(midi, pedal, "Bench Pedal");
        CorvantaQT window(midi);
        window.findChild<QCheckBox*>("m_btnSelLocal")->click();
        window.findChild<QLineEdit*>("m_editPath")->setText(path);
        prompt.texts.clear();
        CLoopWatch(window, gaps).Run([&] { window.OnUpdateFirmware(); });
        QByteArray flashed(image.size(), 0);
        pedal.Flash(0).Read(0x8000, reinterpret_cast<uint8_t*>(flashed.data()), size_t(flashed.size()));
        if (prompt.texts != QStringList({"Successful!"}) || flashed != image)
            return state.SkipWithError(("the update failed: " + prompt.texts.join(" | ")).toStdString().c_str());
        CheckNandViolations(state, pedal);
    }
    gaps.Report(state);
}

BENCHMARK(BM_EventLoopGapDuringAnUpdate)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

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

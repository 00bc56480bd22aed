// Benchmark: a firmware update in the window (offscreen) against the virtual
// pedal with its real timing and erases of a quarter second each. Reports the
// longest time the event loop stood still during the update (the window must
// repaint and take Cancel at least every 100 ms) and how often it ran.
#include "BenchPedal.h"
#include "CorvantaQT.h"
#include "InProcessMidi.h"
#include "Operation.h"
#include "PedalPorts.h"
#include "Prompt.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

// Records the boxes; the question before erasing is answered Yes, every other No.
class CRecordingPrompt : public IPrompt {
public:
    CRecordingPrompt() { InstallPrompt(this); }
    ~CRecordingPrompt() override { InstallPrompt(nullptr); }
    void Inform(const QString&, const QString& text) override { texts << text; }
    bool AskYesNo(const QString&, const QString& text) override
    {
        texts << text;
        return false;
    }
    bool AskBeforeErasing(const QString&, const QString&) override { return true; }
    QString SaveFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString OpenFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString FolderName(const QString&, const QString&) override { return {}; }
    bool ShiftHeld() override { return false; }
    bool OpenUrl(const QUrl&) override { return false; }

    QStringList texts;
};

// Bytes that differ along the image.
QByteArray Image(int n)
{
    QByteArray b(n, 0);
    for (int i = 0; i < n; ++i)
        b[i] = char((i * 31 + 4) ^ (i >> 9));
    return b;
}

// Three 4 KiB sectors of flash 0 at 0x8000, packed by corvanta-fwpack.
QString PackFile(const QTemporaryDir& dir, const QByteArray& image)
{
    QFile layout(dir.filePath("timed.ini")), bin(dir.filePath("timed.bin"));
    layout.open(QIODevice::WriteOnly);
    layout.write("[FLASH 1]\nTYPE=0\nStart Address=0x8000\nEnd Address=0xC000\nSector Size=4096\n");
    bin.open(QIODevice::WriteOnly);
    bin.write(image);
    layout.close();
    bin.close();
    QProcess packer;
    packer.start(QStringLiteral(FWPACK_BINARY), {"--out", dir.filePath("timed.dat"), "--model", "10002", "--section",
                                                 layout.fileName(), bin.fileName()});
    packer.waitForFinished(60000);
    return packer.exitCode() == 0 ? dir.filePath("timed.dat") : QString();
}

PedalConfig Config()
{
    PedalConfig c;
    c.identity = PedalIdentity{0x010203, 10002, 7};
    c.mode = PedalMode::Update;
    c.flash0_sector = 4096;
    c.timing = PedalTiming::Realistic();
    c.timing.system_erase_us = 250000;  // a large sector of a slow flash
    return c;
}

void BM_EventLoopDuringAnUpdate(benchmark::State& state)
{
    CRecordingPrompt prompt;
    QTemporaryDir dir;
    const QByteArray image = Image(12000);
    const QString path = PackFile(dir, image);
    if (path.isEmpty()) {
        state.SkipWithError("corvanta-fwpack failed");
        return;
    }
    int64_t largest = 0, ticks = 0;
    for (auto _ : state) {
        CInProcessMidi midi;
        CVirtualPedal pedal(Config());
        CInProcessPedalPorts ports(midi, pedal, "Bench Pedal");
        CorvantaQT window(midi);
        window.findChild<QCheckBox*>("m_btnSelLocal")->click();
        window.findChild<QLineEdit*>("m_editPath")->setText(path);
        prompt.texts.clear();
        QElapsedTimer clock;
        int64_t last = -1;
        QTimer timer;  // ticks only when the event loop runs
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, &window, [&] {
            if (window.CurrentOperation() != OpFirmware)
                return;
            const int64_t now = clock.elapsed();
            if (last >= 0)
                largest = std::max(largest, now - last);
            last = now;
            ++ticks;
        });
        clock.start();
        timer.start(5);
        window.OnUpdateFirmware();
        QByteArray flashed(image.size(), 0);
        pedal.Flash(0).Read(0x8000, reinterpret_cast<uint8_t*>(flashed.data()), size_t(flashed.size()));
        if (prompt.texts != QStringList({"Successful!"}) || flashed != image) {
            state.SkipWithError(("the update failed: " + prompt.texts.join(" | ")).toStdString().c_str());
            return;
        }
        CheckNandViolations(state, pedal);
    }
    state.counters["longest_gap_ms"] = double(largest);
    state.counters["loop_runs"] = benchmark::Counter(double(ticks), benchmark::Counter::kAvgIterations);
}

}  // namespace

BENCHMARK(BM_EventLoopDuringAnUpdate)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

// A widgets application (offscreen unless told otherwise) for the window.
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

// Benchmark: a 4 MiB firmware of two sections (1 MiB on flash 0, 3 MiB on
// flash 1) packed by corvanta-fwpack, decoded and sent through the
// in-process virtual pedal. Reports the time of each phase (decode, erase,
// write, verify) and of the whole update as the window runs it.
#include "BenchFirmware.h"
#include "BenchPedal.h"
#include "FirmwareFile.h"
#include "FirmwareUpdate.h"
#include "InProcessMidi.h"
#include "PedalPorts.h"
#include "USBPort.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct Section {
    uint32_t flash, start, end, sector, size;
};
constexpr Section kSections[] = {{0, 0x100000, 0x200000, 4096, 1u << 20}, {1, 0x400000, 0x700000, 65536, 3u << 20}};

// Bytes with little repetition, so zlib has real work on both sides.
QByteArray Image(uint32_t n, uint32_t seed)
{
    QByteArray b(int(n), 0);
    uint32_t x = seed * 2654435761u + 1;
    for (uint32_t i = 0; i < n; ++i) {
        x = x * 1664525u + 1013904223u;
        b[int(i)] = char((x >> 24) & (i % 3 ? 0xFF : 0x0F));
    }
    return b;
}

QString PackFile(const QTemporaryDir& dir)
{
    std::vector<BenchSection> sections;
    for (const Section& s : kSections)
        sections.push_back({s.flash, s.start, s.end, s.sector, Image(s.size, s.start)});
    return PackBenchFirmware(dir, sections);
}

// The packed file and a connected pedal.
struct Rig {
    QTemporaryDir dir;
    QString path = PackFile(dir);
    CInProcessMidi midi;
    CVirtualPedal pedal{Config()};
    CInProcessPedalPorts ports{midi, pedal, "Bench Pedal"};
    CUSBPort link{midi};

    static PedalConfig Config()
    {
        PedalConfig c;
        c.flash0_size = 8u << 20;
        c.flash0_sector = 4096;
        return c;
    }
    bool Ready() { return !path.isEmpty() && link.connect_device(0) && link.state() == UpdateMode; }
};

double Seconds(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e9; }

void BM_FirmwarePhases(benchmark::State& state)
{
    Rig rig;
    if (!rig.Ready()) {
        state.SkipWithError("no firmware file or no pedal");
        return;
    }
    double decode = 0, erase = 0, write = 0, verify = 0;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        CFirmwareFile file;
        file.file_path = rig.path;
        file.Load(rig.path);
        std::vector<QByteArray> images;
        for (uint32_t i = 0; i < file.section_count; ++i) {
            uint32_t n = 0;
            const uint8_t* data = file.ReadSectionData(i, n);
            images.emplace_back(reinterpret_cast<const char*>(data), int(data ? n : 0));
        }
        decode += Seconds(t);
        for (size_t i = 0; i < images.size(); ++i) {
            const Section& s = kSections[i];
            const auto* bytes = reinterpret_cast<const uint8_t*>(images[i].constData());
            t.restart();
            for (uint32_t a = s.start; a < s.start + s.size; a += s.sector)
                rig.link.flash_erase(uint8_t(s.flash), a);
            erase += Seconds(t);
            t.restart();
            rig.link.flash_write(uint8_t(s.flash), s.start, bytes, s.size, nullptr);
            write += Seconds(t);
            t.restart();
            if (rig.link.flash_verify(uint8_t(s.flash), s.start, bytes, s.size) != 1)
                state.SkipWithError("the verify failed");
            verify += Seconds(t);
        }
    }
    const double n = double(state.iterations());
    state.counters["decode_s"] = decode / n;
    state.counters["erase_s"] = erase / n;
    state.counters["write_s"] = write / n;
    state.counters["verify_s"] = verify / n;
    CheckNandViolations(state, rig.pedal);
}

void BM_WholeUpdate(benchmark::State& state)
{
    CBenchPrompt yes;
    Rig rig;
    if (!rig.Ready()) {
        state.SkipWithError("no firmware file or no pedal");
        return;
    }
    CFirmwareFile file;
    for (auto _ : state) {
        CFirmwareUpdate update(rig.link, file);
        if (update.UpdateFromFile(rig.path, false) != UpdateResult::Ok) {
            state.SkipWithError("the update failed");
            return;
        }
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * (4 << 20));
    CheckNandViolations(state, rig.pedal);
}

}  // namespace

BENCHMARK(BM_FirmwarePhases)->Iterations(3)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(BM_WholeUpdate)->Iterations(3)->Unit(benchmark::kSecond)->UseRealTime();

// corvanta-pedal: the virtual pedal as a program, on JACK MIDI ports or an
// ALSA raw MIDI device.
#include "DemoSongs.h"
#include "PedalPorts.h"
#include "RawMidiPedalPorts.h"
#include "VirtualPedal.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <optional>
#include <csignal>
#include <cstdio>
#include <thread>

namespace {

std::atomic<bool> g_stop{false};
void OnSignal(int) { g_stop.store(true); }

// The song library's diagnostic lines are for the program's debug output;
// the pedal keeps its standard error for warnings and errors.
void QuietDebug(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        std::fprintf(stderr, "corvanta-pedal: %s\n", qPrintable(text));
}

struct Options {
    QString flashDir;
    PedalConfig config;
    std::string name = "Corvanta Pedal";
    std::string rawMidiDevice;  // empty: JACK
    std::vector<FaultRule> faults;
    bool demoSongs = false;
    std::optional<PedalTiming> linkSpeed;  // the link part of --link-speed
};

const char* const kUsage =
    "Usage: corvanta-pedal --flash-dir DIR [options]\n"
    "A virtual looper pedal on JACK MIDI ports \"NAME (capture)\" and \"NAME (playback)\",\n"
    "or on an ALSA raw MIDI device (--rawmidi).\n"
    "Its flashes are DIR/flash0.bin and DIR/flash1.bin (complemented bytes, sparse).\n"
    "The song flash (1) is NAND: a page is programmed once between erases of its block; a\n"
    "write that would program one again is refused, and counted in the last line printed on\n"
    "exit, \"nand-violations: N\".\n"
    "\n"
    "  --flash-dir DIR           folder of the flash images (required)\n"
    "  --model ID|none           model id for an erased information block (default 10002)\n"
    "  --firmware X.Y.Z          firmware version for an erased information block (default 1.0.0)\n"
    "  --aux N                   aux word for an erased information block (default 0)\n"
    "  --mode update|play        the mode it answers in (default update)\n"
    "  --name NAME               base name of its MIDI ports (default \"Corvanta Pedal\")\n"
    "  --rawmidi hw:C,D[,S]      answer on this ALSA raw MIDI device instead of JACK\n"
    "  --fault RULE              inject a fault; may be given several times\n"
    "  --timing realistic|off    model the time of the link and the flashes (default off);\n"
    "                            realistic: 250,000 bytes/s of SysEx each way and 1 ms per\n"
    "                            message (USB full-speed MIDI), song flash (NAND) block\n"
    "                            erase 3 ms and page program 0.3 ms, microcontroller flash\n"
    "                            sector erase 20 ms and programming at 160,000 bytes/s;\n"
    "                            replies go out when the modelled operation is done\n"
    "  --link-speed BYTES_PER_S[:LATENCY_MS]  the link alone, finer: its speed each way and\n"
    "                            the time per message (default 1 ms); wins over --timing\n"
    "  --demo-songs              fill a blank song area with three short generated loops\n"
    "  --help                    this text\n"
    "\n"
    "Fault RULE: ";

[[noreturn]] void Fail(const QString& text)
{
    std::fprintf(stderr, "corvanta-pedal: %s\n", qPrintable(text));
    std::exit(2);
}

bool ParseVersion(const QString& text, int32_t& version)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})$"));
    const auto m = pattern.match(text);
    if (!m.hasMatch())
        return false;
    int32_t packed = 0;
    for (int i = 1; i <= 3; ++i) {
        const uint32_t part = m.captured(i).toUInt();
        if (part > 255)
            return false;
        packed = (packed << 8) | int32_t(part);
    }
    version = packed;
    return true;
}

void ParseOption(const QString& option, const QString& value, Options& o)
{
    bool ok = true;
    PedalIdentity& id = *o.config.identity;
    if (option == "--flash-dir") {
        o.flashDir = value;
    } else if (option == "--model") {
        id.model_id = value.toInt(&ok);
    } else if (option == "--firmware") {
        ok = ParseVersion(value, id.version);
    } else if (option == "--aux") {
        id.aux = value.toInt(&ok);
    } else if (option == "--mode") {
        ok = value == "update" || value == "play";
        o.config.mode = value == "play" ? PedalMode::Play : PedalMode::Update;
    } else if (option == "--name") {
        ok = !value.isEmpty();
        o.name = value.toStdString();
    } else if (option == "--rawmidi") {
        static const QRegularExpression device(QStringLiteral("^hw:\\d+,\\d+(,\\d+)?$"));
        ok = device.match(value).hasMatch();
        o.rawMidiDevice = value.toStdString();
    } else if (option == "--fault") {
        const auto rule = ParseFault(value);
        ok = rule.has_value();
        if (ok)
            o.faults.push_back(*rule);
    } else if (option == "--timing") {
        ok = value == "realistic" || value == "off";
        o.config.timing = value == "realistic" ? PedalTiming::Realistic() : PedalTiming();
    } else if (option == "--link-speed") {
        const QStringList parts = value.split(':');
        PedalTiming link;
        link.link_bytes_per_second = parts[0].toUInt(&ok);
        uint32_t latencyMs = 1;
        if (ok && parts.size() == 2)
            latencyMs = parts[1].toUInt(&ok);
        link.message_latency_us = latencyMs * 1000;
        ok = ok && parts.size() <= 2 && link.link_bytes_per_second > 0 && latencyMs <= 60000;
        o.linkSpeed = link;
    } else {
        Fail(QStringLiteral("unknown option %1 (see --help)").arg(option));
    }
    if (!ok)
        Fail(QStringLiteral("bad value '%1' for %2").arg(value, option));
}

Options ParseArguments(const QStringList& args)
{
    Options o;
    // Identity options apply whatever their order; --model none wins at the end.
    bool noModel = false;
    for (int i = 1; i < args.size(); ++i) {
        const QString& option = args[i];
        if (option == "--help" || option == "-h") {
            std::printf("%s%s\n", kUsage, qPrintable(FaultSyntaxHelp()));
            std::exit(0);
        }
        if (option == "--demo-songs") {
            o.demoSongs = true;
            continue;
        }
        if (i + 1 >= args.size())
            Fail(QStringLiteral("option %1 needs a value (see --help)").arg(option));
        const QString value = args[++i];
        if (option == "--model" && value == "none") {
            noModel = true;
            continue;
        }
        ParseOption(option, value, o);
    }
    if (noModel)
        o.config.identity.reset();
    if (o.linkSpeed) {
        o.config.timing.link_bytes_per_second = o.linkSpeed->link_bytes_per_second;
        o.config.timing.message_latency_us = o.linkSpeed->message_latency_us;
    }
    if (o.flashDir.isEmpty())
        Fail(QStringLiteral("--flash-dir DIR is required (see --help)"));
    return o;
}

std::unique_ptr<CFileFlashStore> OpenImage(const QString& folder, const char* name)
{
    auto store = std::make_unique<CFileFlashStore>(QDir(folder).filePath(QLatin1String(name)));
    if (!store->IsOpen())
        Fail(QStringLiteral("cannot write %1 in %2: %3").arg(QLatin1String(name), folder, store->ErrorString()));
    return store;
}

void ServeUntilStopped(const std::string& name)
{
    std::printf("ready: %s\n", name.c_str());
    std::fflush(stdout);
    while (!g_stop.load())
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(QuietDebug);
    Options o = ParseArguments(app.arguments());
    if (!QDir().mkpath(o.flashDir))
        Fail(QStringLiteral("cannot create folder %1").arg(o.flashDir));

    // The demo songs are written at full speed; the timing starts after them.
    const PedalTiming timing = o.config.timing;
    o.config.timing = PedalTiming();
    CVirtualPedal pedal(o.config, OpenImage(o.flashDir, "flash0.bin"), OpenImage(o.flashDir, "flash1.bin"));
    QString demoError;
    if (o.demoSongs && !WriteDemoSongs(pedal, demoError))
        Fail(QStringLiteral("cannot write the demo songs: %1").arg(demoError));
    pedal.SetTiming(timing);
    for (const FaultRule& rule : o.faults)
        pedal.AddFault(rule);

    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    try {
        if (!o.rawMidiDevice.empty()) {
            CRawMidiPedalPorts ports(pedal, o.rawMidiDevice);
            ServeUntilStopped(o.name);
        } else {
            CJackPedalPorts ports(pedal, o.name);
            ServeUntilStopped(o.name);
        }
    } catch (const MidiError& e) {
        Fail(o.rawMidiDevice.empty()
                 ? QStringLiteral("cannot open JACK MIDI ports: %1").arg(QString::fromStdString(e.what()))
                 : QString::fromStdString(e.what()));
    }
    std::printf("nand-violations: %u\n", pedal.NandViolations());
    return 0;
}

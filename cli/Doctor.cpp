#include "Doctor.h"

#include "Cli.h"
#include "CliVerbs.h"
#include "MidiPaths.h"
#include "MidiSystem.h"
#include "PortSearch.h"
#include "RawMidiStreams.h"
#include "SharedPedal.h"
#include "USBPort.h"
#include "WireCodec.h"

#include <QCoreApplication>
#include <QDir>

#include <unistd.h>

#include <cstdio>
#include <map>

namespace {

QString T(const char* text) { return QCoreApplication::translate("Doctor", text); }
QString Q(const std::string& text) { return QString::fromStdString(text); }
void Print(const QString& line) { std::printf("%s\n", line.toLocal8Bit().constData()); }

// The output ports of every path, by kind.
std::map<MidiPathKind, QStringList> PortsByPath(IMidiService& midi)
{
    std::map<MidiPathKind, QStringList> ports;
    try {
        auto outputs = midi.createOutput("RtMidi Output Client");
        const unsigned count = outputs->getPortCount();
        for (unsigned i = 0; i < count; ++i)
            ports[outputs->getPortPath(i)] << Q(outputs->getPortName(i));
    } catch (const MidiError& e) {
        Print(T("  the MIDI service fails: %1").arg(Q(e.what())));
    }
    return ports;
}

void PrintPaths(IMidiService& midi)
{
    Print(T("MIDI paths:"));
    const auto ports = PortsByPath(midi);
    for (MidiPathKind kind : {MidiPathKind::RawMidi, MidiPathKind::Sequencer, MidiPathKind::Jack}) {
        const auto found = ports.find(kind);
        Print(T("  %1: %2").arg(PathKindName(kind), found == ports.end()
                                                      ? T("no ports (not available, or nothing plugged in)")
                                                      : found->second.join(", ")));
    }
    const size_t buffer = SequencerBufferSize();
    const size_t needed = PackedSize(CUSBPort::kLargestFrame) + 2;
    Print(T("  sequencer buffer towards hardware (snd-seq-midi output_buffer_size): %1 bytes; the pedal's frames "
            "need %2: %3")
              .arg(buffer)
              .arg(needed)
              .arg(buffer >= needed ? T("they fit") : T("too small, a shared pedal can be read, not written. ") +
                                                          SequencerBufferFix()));
}

void PrintRawDevices()
{
    Print(T("Raw MIDI devices:"));
    const auto ports = ListRawMidiPorts(RawMidiDirection::Output);
    if (ports.empty())
        Print(T("  none"));
    for (const RawMidiPort& port : ports) {
        const std::string holders = JoinNames(RawMidiHolders(port.device), "");
        const QString subscribers = Q(JoinNames(SequencerSubscribers(port.name), ""));
        Print(T("  %1 \"%2\": %3%4")
                  .arg(Q(port.device), Q(port.name), holders.empty() ? T("free") : T("held by %1").arg(Q(holders)),
                       subscribers.isEmpty() ? QString() : T("; sequencer subscribers: %1").arg(subscribers)));
    }
}

// Device nodes of raw MIDI and the sequencer this user may not open.
bool PrintPermissions()
{
    QStringList denied;
    for (const QString& node : QDir("/dev/snd").entryList({"midiC*", "seq"}, QDir::System))
        if (access(("/dev/snd/" + node).toLocal8Bit().constData(), R_OK | W_OK) != 0)
            denied << node;
    Print(T("Permissions:"));
    if (denied.isEmpty())
        Print(T("  every MIDI device node of /dev/snd can be opened"));
    for (const QString& node : denied) {
        const std::string device = node.startsWith("midi") ? "hw:" + node.mid(5).replace('D', ',').toStdString() : "";
        Print(T("  /dev/snd/%1: no permission. %2")
                  .arg(node, device.empty() ? T("Ask the administrator for access.") : DeviceAccessAdvice(device)));
    }
    return denied.isEmpty();
}

// The path of the link's open output and why the search took it.
QString PathReason(CUSBPort& link, IMidiService& midi)
{
    auto outputs = midi.createOutput("RtMidi Output Client");
    const MidiPathKind kind = outputs->getPortPath(link.open_ports() >> 16);
    const QString name = Q(link.port_pair().OutputName());
    switch (kind) {
    case MidiPathKind::Sequencer:
        return T("\"%1\" through the ALSA sequencer, shared with %2").arg(name, SharingPrograms(link.port_pair().OutputName()));
    case MidiPathKind::Jack:
        return T("\"%1\" through JACK (a bridged device)").arg(name);
    default:
        return T("\"%1\" through %2, the device free").arg(name, PathKindName(kind));
    }
}

}  // namespace

int Doctor(const CliRequest&, IMidiService& midi)
{
    PrintPaths(midi);
    PrintRawDevices();
    PrintPermissions();
    CUSBPort link(midi);
    const SearchOutcome outcome = SearchDevice(link);
    if (link.state() != UpdateMode) {
        Print(T("Pedal: none usable. %1")
                  .arg(outcome.obstacles.isEmpty() ? ConnectionStatusText(link.state(), link.device_info())
                                                   : outcome.obstacles.join(' ')));
        return kExitFailed;
    }
    Print(T("Pedal: %1, %2").arg(ConnectionStatusText(link.state(), link.device_info()), PathReason(link, midi)));
    const std::optional<QString> refusal = WriteRefusal(link);
    Print(refusal ? T("  reading works; importing, deleting, restoring and updating do not: %1").arg(*refusal)
                  : T("  every command can be used"));
    return refusal ? kExitFailed : kExitOk;
}

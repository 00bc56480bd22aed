#include "PortSearch.h"

#include "Prompt.h"
#include "USBPort.h"

#include <QCoreApplication>

#include <optional>
#include <regex>
#include <set>

namespace {

// Removes the direction markers of JACK bridges: "(capture)", "(playback)",
// also numbered as "(capture_0)", with a blank before them.
std::string WithoutBridgeMarkers(const std::string& name)
{
    static const std::regex marker(R"( ?\((capture|playback)(_\d+)?\))");
    return std::regex_replace(name, marker, "");
}

// Identification at connection: a pedal in play mode is never kept.
void CloseIfPlayMode(CUSBPort& port)
{
    if (port.state() == UpdateMode)
        return;
    const DeviceModel* model = find_model(port.device_info().model_id);
    if (model && model->update_switch == 1) {
        port.send_update_switch();
        port.close_link();
        ShowMessage(QCoreApplication::translate("PortSearch", "Please replug the USB cable to enter update mode!"));
    } else {
        port.close_link();
        ShowMessage(QCoreApplication::translate("PortSearch", "You should enter update mode first! For how to enter "
                                                              "update mode, please refer to the manual"));
    }
}

struct NamedPort {
    std::string name;
    MidiPathKind path;
};

// The ports of one direction, read once: every read of a port lists them all.
std::vector<NamedPort> Listed(IMidiPort& ports)
{
    std::vector<NamedPort> listed;
    const unsigned count = ports.getPortCount();
    for (unsigned i = 0; i < count; ++i)
        listed.push_back({ports.getPortName(i), ports.getPortPath(i)});
    return listed;
}

}  // namespace

bool PortNamesPair(const std::string& input, const std::string& output)
{
    // A vanished port reads as an empty name; it is no device.
    if (input.empty() || output.empty())
        return false;
    return input == output || WithoutBridgeMarkers(input) == WithoutBridgeMarkers(output);
}

std::string SequencerPortBaseName(const std::string& name)
{
    static const std::regex listed(R"(^[^:]*:(.*) \d+:\d+$)");
    std::smatch m;
    return std::regex_match(name, m, listed) ? m[1].str() : name;
}

std::vector<PortPair> ListPortPairs(IMidiService& midi)
{
    std::vector<PortPair> pairs;
    auto inputs = midi.createInput("RtMidi Input Client", 100);
    auto outputs = midi.createOutput("RtMidi Output Client");
    const std::vector<NamedPort> ins = Listed(*inputs), outs = Listed(*outputs);
    for (unsigned i = 0; i < ins.size(); ++i) {
        for (unsigned o = 0; o < outs.size(); ++o) {
            if (ins[i].path == outs[o].path && PortNamesPair(ins[i].name, outs[o].name))
                pairs.push_back({ins[i].name, (uint32_t(o) << 16) | i, ins[i].path});
        }
    }
    return pairs;
}

bool ConnectPair(CUSBPort& port, uint32_t ports)
{
    if (!port.connect_device(ports))
        return false;
    CloseIfPlayMode(port);
    return true;
}

SearchOutcome SearchDevice(CUSBPort& port)
{
    SearchOutcome outcome;
    std::optional<uint32_t> readOnly;
    // Raw MIDI devices that opened and did not answer: no pedal behind them.
    std::set<std::string> silentRaw;
    try {
        std::optional<uint32_t> answeredInput;
        for (const PortPair& pair : ListPortPairs(port.port_pair().Service())) {
            // An input's later outputs are tried only while none answered.
            if (answeredInput == (pair.ports & 0xFFFF) ||
                (pair.path == MidiPathKind::Sequencer && silentRaw.count(SequencerPortBaseName(pair.name))))
                continue;
            if (!ConnectPair(port, pair.ports)) {
                if (port.last_open_failed())
                    outcome.obstacles << QString::fromStdString(port.last_error());
                else if (pair.path == MidiPathKind::RawMidi)
                    silentRaw.insert(pair.name);
                continue;
            }
            answeredInput = pair.ports & 0xFFFF;
            if (port.state() == UpdateMode && port.carries_writes())
                return {};
            if (port.state() == UpdateMode)
                readOnly = pair.ports;
        }
    } catch (const MidiError& e) {
        ShowMessage(QString::fromStdString(e.what()));
    }
    // Opening a later pair closed the pedal's link; reconnect the pedal.
    if (port.state() == Closed && readOnly)
        ConnectPair(port, *readOnly);
    if (port.state() != Closed)
        outcome.obstacles.clear();
    return outcome;
}

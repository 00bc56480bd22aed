#include "PortSearch.h"

#include "Prompt.h"
#include "USBPort.h"

#include <QCoreApplication>

#include <optional>
#include <regex>

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

}  // namespace

bool PortNamesPair(const std::string& input, const std::string& output)
{
    // A vanished port reads as an empty name; it is no device.
    if (input.empty() || output.empty())
        return false;
    return input == output || WithoutBridgeMarkers(input) == WithoutBridgeMarkers(output);
}

std::vector<PortPair> ListPortPairs(IMidiService& midi)
{
    std::vector<PortPair> pairs;
    auto inputs = midi.createInput("RtMidi Input Client", 100);
    auto outputs = midi.createOutput("RtMidi Output Client");
    const unsigned nIn = inputs->getPortCount();
    const unsigned nOut = outputs->getPortCount();
    for (unsigned i = 0; i < nIn; ++i) {
        const std::string inName = inputs->getPortName(i);
        for (unsigned o = 0; o < nOut; ++o) {
            if (PortNamesPair(inName, outputs->getPortName(o)))
                pairs.push_back({inName, (uint32_t(o) << 16) | i});
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

void SearchDevice(CUSBPort& port)
{
    std::optional<uint32_t> lastConnected;
    try {
        std::optional<uint32_t> answeredInput;
        for (const PortPair& pair : ListPortPairs(port.port_pair().Service())) {
            // An input's later outputs are tried only while none answered.
            if (answeredInput == (pair.ports & 0xFFFF) || !ConnectPair(port, pair.ports))
                continue;
            answeredInput = pair.ports & 0xFFFF;
            if (port.state() == UpdateMode)
                lastConnected = pair.ports;
        }
    } catch (const MidiError& e) {
        ShowMessage(QString::fromStdString(e.what()));
    }
    // Opening a later pair closed the pedal's link; reconnect the pedal.
    if (port.state() == Closed && lastConnected)
        ConnectPair(port, *lastConnected);
}

#include "SharedPedal.h"

#include "MidiSystem.h"
#include "PortSearch.h"
#include "RawMidiStreams.h"
#include "USBPort.h"
#include "WireCodec.h"

#include <QCoreApplication>

#include <algorithm>

QString SharingPrograms(const std::string& sequencerPortName)
{
    const std::string base = SequencerPortBaseName(sequencerPortName);
    std::vector<std::string> names;
    for (const RawMidiPort& raw : ListRawMidiPorts(RawMidiDirection::Output))
        if (raw.name == base)
            names = RawMidiHolders(raw.device);
    for (const std::string& client : SequencerSubscribers(base))
        if (std::none_of(names.begin(), names.end(), [&](const std::string& n) { return n.rfind(client, 0) == 0; }))
            names.push_back(client);
    return QString::fromStdString(JoinNames(names, "another program"));
}

std::optional<QString> WriteRefusal(CUSBPort& link)
{
    if (link.state() != UpdateMode || link.carries_writes())
        return std::nullopt;
    const std::string port = link.port_pair().OutputName();
    return QCoreApplication::translate(
               "Midi", "The pedal \"%1\" is shared through the ALSA sequencer with %2, whose buffer carries at most "
                       "%3 bytes; the pedal's writes need %4. Nothing was changed on the pedal; its songs can be "
                       "listed and exported meanwhile. %5")
        .arg(QString::fromStdString(SequencerPortBaseName(port)), SharingPrograms(port))
        .arg(link.port_pair().MessageLimit())
        .arg(PackedSize(CUSBPort::kLargestFrame) + 2)
        .arg(SequencerBufferFix());
}

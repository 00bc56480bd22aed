#pragma once
// A pedal reached through the ALSA sequencer while another program holds
// its raw MIDI device: who shares it, and whether its writes get through.
#include <QString>

#include <optional>
#include <string>

class CUSBPort;

// The programs that hold the raw MIDI device behind a sequencer port, and
// the other sequencer clients subscribed to it: "aseqdump (PID 812)".
QString SharingPrograms(const std::string& sequencerPortName);

// Why the link cannot change the pedal's flash, naming the pedal, the
// programs that share it and the fix; none when its path carries every frame
// (or no pedal is connected, which the commands report themselves).
// Commands that erase or write ask before they change anything.
std::optional<QString> WriteRefusal(CUSBPort& link);

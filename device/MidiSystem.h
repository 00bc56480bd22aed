#pragma once
// What Linux tells about its MIDI paths beyond the MIDI libraries: the
// sequencer's buffer towards hardware (a module parameter), the programs
// holding a raw MIDI device (procfs) and the sequencer clients subscribed
// to a port. Whatever cannot be read gives the default or nothing.
#include <QString>

#include <cstddef>
#include <string>
#include <vector>

// snd-seq-midi's output_buffer_size when it is not set.
constexpr size_t kSequencerDefaultBuffer = 4096;
// The value the Debian package's /etc/modprobe.d/corvanta.conf sets.
constexpr size_t kSequencerBufferFix = 65536;

// snd-seq-midi's output buffer: the largest message the sequencer hands
// whole to a hardware port. Read from the module's parameter file; the
// default when it cannot be read or holds no positive number.
size_t SequencerBufferSize(const std::string& parameterFile = "/sys/module/snd_seq_midi/parameters/output_buffer_size");

// The one thing that lets the pedal's frames through the sequencer.
QString SequencerBufferFix();

// "aseqdump (PID 812)"; "PID 812" when the name cannot be read.
std::string ProgramName(int pid, const std::string& procRoot = "/proc");

// The other programs holding raw MIDI device "hw:C,D[,S]" (the owner PIDs
// of /proc/asound/cardC/midiD but this one), by name; empty when none or unknown.
std::vector<std::string> RawMidiHolders(const std::string& device, const std::string& procRoot = "/proc");

// The other sequencer clients subscribed to the hardware port of that name
// in either direction (from /proc/asound/seq/clients), by client name,
// without this program's own clients.
std::vector<std::string> SequencerSubscribers(const std::string& portName, const std::string& procRoot = "/proc");

// The device node of raw MIDI device "hw:C,D[,S]", and how the user gets
// access to it (the group that owns the node).
std::string RawMidiNode(const std::string& device);
QString DeviceAccessAdvice(const std::string& device);

// "a, b and c" of the names, or the text for nobody.
std::string JoinNames(const std::vector<std::string>& names, const std::string& nobody);

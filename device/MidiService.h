#pragma once
// The system MIDI service as the device link sees it: input and output
// objects that enumerate, open and close ports, a callback for incoming
// messages on the service's own thread, and sending of whole messages.
// Three services exist: ALSA raw MIDI (hardware on Linux), RtMidi (JACK and
// the ALSA sequencer) and an in-process service in which virtual devices own
// ports (for tests and benchmarks).
// Failures are thrown as MidiError; CMidiPortPair catches them.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>

struct MidiError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A message the service will not send because it could not arrive whole;
// its text is for the user.
struct MidiRefused : MidiError {
    using MidiError::MidiError;
};

// How a port is reached.
enum class MidiPathKind { RawMidi, Sequencer, Jack, InProcess };

// Called on the service's input thread for every incoming message.
using MidiCallback = void (*)(double timeStamp, const uint8_t* bytes, size_t count, void* userData);
// Called on any thread when the port an input has open goes away.
using MidiPortLostCallback = void (*)(void* userData);

class IMidiPort {
public:
    virtual ~IMidiPort() = default;
    virtual unsigned getPortCount() = 0;
    virtual std::string getPortName(unsigned index) = 0;
    // The port as one plugging of a device: a device pulled out and plugged
    // back gets another id under the same name where the service can tell.
    virtual std::string getPortId(unsigned index) { return getPortName(index); }
    virtual MidiPathKind getPortPath(unsigned) { return MidiPathKind::InProcess; }
    virtual void openPort(unsigned index, const std::string& portName) = 0;
    virtual void closePort() = 0;
    virtual bool isPortOpen() const = 0;
};

class IMidiIn : public IMidiPort {
public:
    virtual void setCallback(MidiCallback callback, void* userData) = 0;
    virtual void ignoreTypes(bool sysex, bool timing, bool activeSensing) = 0;
    virtual void setBufferSize(unsigned size, unsigned count) = 0;
    // A service that notices its ports going away says so; RtMidi does not.
    virtual void setPortLostCallback(MidiPortLostCallback, void*) {}
};

class IMidiOut : public IMidiPort {
public:
    virtual void sendMessage(const uint8_t* bytes, size_t count) = 0;
    // The longest message the open port carries whole.
    virtual size_t messageLimit() { return std::numeric_limits<size_t>::max(); }
};

class IMidiService {
public:
    virtual ~IMidiService() = default;
    virtual std::unique_ptr<IMidiIn> createInput(const std::string& clientName, unsigned queueSizeLimit) = 0;
    virtual std::unique_ptr<IMidiOut> createOutput(const std::string& clientName) = 0;
};

// ALSA raw MIDI: every raw MIDI subdevice of every card, named by its
// subdevice name.
std::unique_ptr<IMidiService> CreateRawMidiService();

// RtMidi with the API of that name ("jack", "alsa"); an empty name tries
// RtMidi's compiled APIs in RtMidi's order and takes the first that can be
// created, preferring one that has ports. Through the ALSA sequencer,
// messages longer than snd-seq-midi's buffer are refused (MidiRefused).
std::unique_ptr<IMidiService> CreateRtMidiService(const std::string& api);

// The service for a value of CORVANTA_MIDI_API: "alsa-raw", or an RtMidi API
// name such as "alsa" (the sequencer) or "jack". Empty: every path at once
// (CMidiPaths: raw MIDI, the sequencer, JACK when a server may run), looked
// at afresh by every listing. An unknown name gives a service whose every
// creation throws.
std::unique_ptr<IMidiService> ChooseMidiService(const std::string& setting);

// The service of this run, chosen once from CORVANTA_MIDI_API.
IMidiService& SystemMidi();

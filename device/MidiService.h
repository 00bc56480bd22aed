#pragma once
// The system MIDI service as the device link sees it: input and output
// objects that enumerate, open and close ports, a callback for incoming
// messages on the service's own thread, and sending of whole messages.
// Two services exist: RtMidi (the real one) and an in-process service in
// which virtual devices own ports (for tests and benchmarks).
// Failures are thrown as MidiError; CMidiPortPair catches them.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

struct MidiError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Called on the service's input thread for every incoming message.
using MidiCallback = void (*)(double timeStamp, const uint8_t* bytes, size_t count, void* userData);
// Called on any thread when the port an input has open goes away.
using MidiPortLostCallback = void (*)(void* userData);

class IMidiPort {
public:
    virtual ~IMidiPort() = default;
    virtual unsigned getPortCount() = 0;
    virtual std::string getPortName(unsigned index) = 0;
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
};

class IMidiService {
public:
    virtual ~IMidiService() = default;
    virtual std::unique_ptr<IMidiIn> createInput(const std::string& clientName, unsigned queueSizeLimit) = 0;
    virtual std::unique_ptr<IMidiOut> createOutput(const std::string& clientName) = 0;
};

// The system's MIDI service through RtMidi. It tries RtMidi's compiled APIs in
// RtMidi's order and takes the first one that can be created, preferring one
// that has ports. The environment variable CORVANTA_MIDI_API (an RtMidi API
// name such as "jack" or "alsa") pins one API.
IMidiService& SystemMidi();

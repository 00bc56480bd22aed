#pragma once
// ALSA raw MIDI devices ("hw:C,D,S"): the subdevices of every card, an input
// read on a thread of its own and an output that takes each message whole.
// Used by the raw MIDI service of the program and by the virtual pedal.
// Failures are thrown as MidiError naming the device.
#include "MidiService.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

typedef struct _snd_rawmidi snd_rawmidi_t;

struct RawMidiPort {
    std::string name;    // the subdevice's name, the same for its input and output
    std::string device;  // "hw:C,D,S"
};

enum class RawMidiDirection { Input, Output };

// Every raw MIDI subdevice of the given direction on every card, in card,
// device and subdevice order.
std::vector<RawMidiPort> ListRawMidiPorts(RawMidiDirection direction);

// Reads an input device on its own thread and hands every byte read to the
// receiver as it comes, unparsed, in pieces of at most readSize bytes. The
// thread ends by itself when the device goes away.
class CRawMidiInput {
public:
    using Receiver = std::function<void(const uint8_t* bytes, size_t count)>;

    // The kernel's buffer of the input: a slow reader must not lose bytes.
    static constexpr size_t kKernelBufferSize = 1 << 20;

    CRawMidiInput(const std::string& device, size_t readSize, Receiver receiver);
    ~CRawMidiInput();  // stops and joins the reader, closes the device
    CRawMidiInput(const CRawMidiInput&) = delete;
    CRawMidiInput& operator=(const CRawMidiInput&) = delete;

private:
    void ReadUntilStopped();
    bool ReadAvailable();

    const std::string m_device;
    snd_rawmidi_t* m_handle = nullptr;
    int m_wake[2] = {-1, -1};
    const size_t m_readSize;
    std::unique_ptr<uint8_t[]> m_buffer;
    Receiver m_receiver;
    std::thread m_thread;
};

// An output device; Write returns once every byte of the message is with the
// kernel and throws when the device refuses it, goes away or takes nothing
// for kStallLimit.
class CRawMidiOutput {
public:
    static constexpr int kStallLimitMs = 10000;
    // Room for the largest message, so that it goes to the kernel in one write.
    static constexpr size_t kKernelBufferSize = 64 * 1024;

    explicit CRawMidiOutput(const std::string& device);
    ~CRawMidiOutput();
    CRawMidiOutput(const CRawMidiOutput&) = delete;
    CRawMidiOutput& operator=(const CRawMidiOutput&) = delete;

    void Write(const uint8_t* bytes, size_t count);

private:
    void WaitWritable(int timeoutMs);

    const std::string m_device;
    snd_rawmidi_t* m_handle = nullptr;
};

#pragma once
// One output and one input port of the MIDI service, the transmit buffer in
// which each outgoing SysEx message is built, and the receive ring that the
// input callback fills. Library failures are caught here: the text is kept
// and the operation returns false.
#include "ByteRing.h"
#include "MidiService.h"

#include <memory>
#include <string>

class CMidiPortPair {
public:
    static constexpr size_t kTransmitSize = 51200;

    explicit CMidiPortPair(IMidiService& service);
    ~CMidiPortPair();
    CMidiPortPair(const CMidiPortPair&) = delete;
    CMidiPortPair& operator=(const CMidiPortPair&) = delete;

    bool OpenOutput(unsigned index);
    bool OpenInput(unsigned index);
    void CloseOutput();
    void CloseInput();
    bool IsOutputOpen() const;

    // Sends 0xF0, the frame encoded by the packing switch, 0xF7 as one message.
    // A frame whose encoding does not fit the transmit buffer is refused.
    bool SendSysEx(const uint8_t* frame, size_t length);

    std::string LastError() const { return m_error; }
    // The name and id of the output port as the service listed it at the last open.
    std::string OutputName() const { return m_outputName; }
    std::string OutputId() const { return m_outputId; }
    // The longest message the open output carries whole (0 when none is open),
    // and whether that takes a frame of this length.
    size_t MessageLimit();
    bool Carries(size_t frameLength);
    IMidiService& Service() { return m_service; }

    // The input callback: appends the message's bytes to the ring.
    static void OnMidiInput(double timeStamp, const uint8_t* bytes, size_t count, void* userData);
    // The service saw the input's port go: a reply can no longer come.
    static void OnPortLost(void* userData);

    CByteRing m_ring;
    int m_packed = 1;  // 1 = 7-bit packing on

private:
    template <class F>
    bool Guarded(F&& f);

    IMidiService& m_service;
    std::unique_ptr<uint8_t[]> m_transmit;
    std::unique_ptr<IMidiOut> m_out;
    std::unique_ptr<IMidiIn> m_in;
    std::string m_error;
    std::string m_outputName;
    std::string m_outputId;
};

#pragma once
// The device link: link state, the SysEx command protocol with its flash
// operations, and the raw commands a pedal in play mode answers.
// Every operation runs on the GUI thread and blocks until the reply has
// arrived or its time budget is spent.
#include "DeviceModels.h"
#include "MidiPortPair.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class QObject;

class CCriticalSection {
public:
    virtual ~CCriticalSection() = default;
};

class CUSBPort {
public:
    static constexpr uint32_t kWriteChunk = 5120;
    static constexpr uint32_t kReadChunk = 1009;
    static constexpr uint32_t kInfoBlockAddress = 0x2180;
    static constexpr size_t kFrameBufferSize = 65536;
    // A write frame of a whole chunk: header, code, length, flash, address,
    // size, data, checksum.
    static constexpr size_t kLargestFrame = 15 + kWriteChunk;

    explicit CUSBPort(IMidiService& midi);
    virtual ~CUSBPort();
    CUSBPort(const CUSBPort&) = delete;
    CUSBPort& operator=(const CUSBPort&) = delete;

    // ports: output index in the high 16 bits, input index in the low 16 bits.
    bool open(uint32_t ports, int mode);
    // The ports of the last successful open.
    uint32_t open_ports() const { return m_ports; }
    // The last open failed (the ports could not be opened, as opposed to a
    // device that did not answer); last_error says why.
    bool last_open_failed() const { return m_openFailed; }
    // The open path carries the pedal's largest frame whole.
    bool carries_writes() { return m_pair.Carries(kLargestFrame); }
    void close_link();
    bool connect_device(uint32_t ports);
    // Reads the identity of the pedal on the open link again, as a
    // connection does (after a firmware update); false when it does not answer.
    bool read_identity();
    bool keep_alive();

    bool identify(int budget_ms);
    // buffer holds the 34-byte identify reply on success.
    bool get_identify_responds(uint8_t* buffer, int budget_ms);
    bool handshake(int budget_ms);
    // The raw update-mode switch command; no reply is awaited.
    bool send_update_switch();

    bool flash_erase(uint8_t flash_no, uint32_t address);
    bool flash_write(uint8_t flash_no, uint32_t address, const uint8_t* data, uint32_t length, QObject* progress);
    // 1 verified, 3 sums differ, 4 no valid checksum reply, 0 write failed.
    int flash_write_verify(uint8_t flash_no, uint32_t address, const uint8_t* data, uint32_t length, QObject* progress);
    // The checksum query alone: 1 verified, 3 sums differ, 4 no valid checksum reply.
    int flash_verify(uint8_t flash_no, uint32_t address, const uint8_t* data, uint32_t length);
    bool flash_read(uint8_t flash_no, uint32_t address, uint8_t* destination, uint32_t length);

    bool get_upload_responds(uint8_t* destination, uint32_t n, uint8_t& flash_no, uint32_t& address, uint32_t& length);
    bool get_checksum_responds(uint8_t& flash_no, uint32_t& address, uint32_t& length, uint16_t& sum);

    bool send_frame(const uint8_t* frame, size_t length, size_t* sent = nullptr);
    bool receive_frame(uint8_t* destination, size_t max_length, int budget_ms, size_t& received);

    // Any thread: the ids of the output ports of the MIDI service as the
    // device watcher listed them, beginning at listedAt. When the port the
    // link opened before that is not among them, the pedal is gone
    // (ports_lost), also when it came back under the same name.
    void notice_output_ports(const std::vector<std::string>& ids, std::chrono::steady_clock::time_point listedAt);
    // Any thread: the pedal's ports are gone. The exchange under way ends at
    // once as if no reply came, and every later one fails until the next open.
    void ports_lost();

    // While on, a wait for a reply lets the event loop run every few tens of
    // milliseconds (a firmware update's long erases). The caller keeps
    // whatever the events may start away from the link.
    void set_responsive_waits(bool on) { m_responsiveWaits = on; }

    std::string last_error() const { return m_lastError; }
    LinkState state() const { return m_state; }
    const DeviceInfo& device_info() const { return m_info; }
    CMidiPortPair& port_pair() { return m_pair; }

private:
    enum class Identify { Ok, NoAnswer, Echo, Bad };
    // A status reply: done, refused or failing its checks, or lost on the way.
    enum class Status { Done, Failed, Lost };
    // What a write's range holds when its reply was lost.
    enum class Range { AsWritten, Erased, Other };

    void EnterMode(LinkState state);
    void WatchOutput(const std::string& name);
    Identify ProbeIdentify(int budget_ms);
    Identify ProbeIdentifyAtConnection();
    // At connection, or as the keep-alive probe.
    Identify AskIdentify(bool connecting);
    bool SendOrAgain(const uint8_t* frame, size_t length, int attempt);
    template <class Result>
    Result Answered(Result result, int attempt);
    void ReadInfoBlock();
    Identify ReceiveIdentify(int budget_ms);
    bool ExchangeRaw(const uint8_t (&command)[4], int budget_ms, uint8_t (&reply)[4]);
    int32_t ReadRegisterWord(uint8_t base);
    Status GetStatusResponds(int budget_ms);
    bool WriteChunk(uint8_t flash_no, uint32_t address, const uint8_t* data, uint32_t n);
    Range ReadBack(uint8_t flash_no, uint32_t address, const uint8_t* data, uint32_t n);
    bool ReadChunk(uint8_t flash_no, uint32_t address, uint8_t* destination, uint32_t n);
    // get_upload_responds; report false keeps the boxes of failed checks back.
    bool ReceiveUpload(uint8_t* destination, uint32_t n, int budget_ms, uint8_t& flash_no, uint32_t& address,
                       uint32_t& length, bool report);
    bool ReceiveChecksum(int budget_ms, uint8_t& flash_no, uint32_t& address, uint32_t& length, uint16_t& sum);
    void WaitForQuiet();
    std::chrono::steady_clock::duration RunEventLoop();

    CMidiPortPair m_pair;
    LinkState m_state = Closed;
    uint32_t m_ports = 0;
    bool m_openFailed = false;
    std::string m_lastError;
    CCriticalSection m_section;
    std::unique_ptr<uint8_t[]> m_receive;
    std::unique_ptr<uint8_t[]> m_transmit;
    DeviceInfo m_info;
    // A reply may still be on its way: the last receive timed out or stopped
    // before 0xF7. The next send waits for the line to go quiet first.
    bool m_replyPending = false;
    bool m_responsiveWaits = false;
    // The name of the open output port and when it was opened, for the
    // watcher's thread.
    std::mutex m_watchMutex;
    std::string m_watchedOutput;
    std::chrono::steady_clock::time_point m_watchedSince;
};

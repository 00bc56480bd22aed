#pragma once
// The pedal's side of the command protocol: identity, update and play mode,
// a NOR flash (0) and a NAND song flash (1), fault injection and an optional
// timing model (link and flash): with it a reply goes out when the modelled
// operation is done.
// Messages are handled on the transport's delivery thread; configure faults
// and read counters while no exchange is running.
#include "Faults.h"
#include "NandFlash.h"
#include "NorFlash.h"
#include "PedalTiming.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

struct PedalIdentity {
    int32_t version = 0x010000;  // 1.0.0
    int32_t model_id = 10002;
    int32_t aux = 0;
};

enum class PedalMode { Update, Play };

struct PedalConfig {
    // Written into an erased information block at start; none leaves it erased.
    std::optional<PedalIdentity> identity = PedalIdentity();
    PedalMode mode = PedalMode::Update;
    uint64_t flash0_size = 512 * 1024;
    uint32_t flash0_sector = 2048;
    uint64_t flash1_size = 0;    // 0 = sized from the model's song area
    uint32_t flash1_sector = 0;  // the NAND block
    uint32_t flash1_page = 0;
    PedalTiming timing;  // off by default
};

// Song flash geometry of a model: its song area's blocks and pages, or 16 MiB
// of 64 KiB blocks of 64 pages.
void SongFlashGeometry(int32_t model_id, uint64_t& size, uint32_t& block, uint32_t& page);

class CVirtualPedal {
public:
    using Output = std::function<void(const uint8_t*, size_t)>;

    // Stores null: in memory.
    CVirtualPedal(PedalConfig config, std::unique_ptr<IFlashStore> flash0 = nullptr,
                  std::unique_ptr<IFlashStore> flash1 = nullptr);

    void SetOutput(Output output) { m_output = std::move(output); }
    // While no port delivers to the pedal.
    void SetTiming(const PedalTiming& timing) { m_config.timing = timing; }
    void Handle(const uint8_t* message, size_t n);  // one incoming MIDI message

    // The rule's Nth command is counted from now on.
    void AddFault(const FaultRule& rule);
    void ClearFaults();
    void RestorePower();
    // While unpowered, answer every command with a refused status instead of
    // staying silent: nothing is executed either way, so the flash is that
    // of a power cut, but the program fails at once instead of waiting out
    // its budget. For power-cut test loops.
    void SetRefuseWhenUnpowered(bool on) { m_refuseUnpowered.store(on); }
    // After a replug, a pedal told to switch comes back in update mode.
    void Replug();

    CFlashMemory& Flash(int flash_no) { return flash_no == 0 ? static_cast<CFlashMemory&>(*m_flash0) : *m_flash1; }
    // Song flash writes refused for programming a page a second time.
    uint32_t NandViolations() const { return m_flash1->Violations(); }
    PedalMode Mode() const { return m_mode.load(); }
    bool Powered() const { return m_powered.load(); }
    uint32_t CommandCount() const { return m_commands.load(); }
    uint32_t SwitchCommandCount() const { return m_switches.load(); }
    // The sum of the modelled times of every exchange answered so far: what
    // the exchanges would take on the modelled link with no cost elsewhere.
    uint64_t ModelledMicros() const { return m_modelledMicros.load(); }
    // Keeps a copy of every message received while powered (off by default).
    void SetRecording(bool on);
    std::vector<std::vector<uint8_t>> Received() const;

    static constexpr uint32_t kInfoBlockAddress = 0x2180;

private:
    struct Reply {
        std::vector<uint8_t> frame;  // unencoded frame or raw bytes
        bool send = true;
        bool whole_message = false;  // frame is a complete MIDI message, sent as it is
    };

    void HandleFrame(const std::vector<uint8_t>& f, Reply& reply, const FaultRule* fault);
    void HandleRaw(const std::vector<uint8_t>& raw, Reply& reply);
    const FaultRule* FaultFor(int code);
    void Record(const uint8_t* message, size_t n);
    void ApplyReplyFault(const FaultRule& fault, Reply& reply, bool packed);
    void SendEncoded(const Reply& reply, bool packed, uint64_t work_us, uint32_t delay_ms, bool realTime);
    uint64_t WorkMicros(const std::vector<uint8_t>& f, const Reply& reply) const;
    void WriteIdentity(const PedalIdentity& identity);
    uint8_t Register(uint8_t number);

    void Status(Reply& reply, uint8_t result);
    void RefuseUnpowered();
    void Identify(Reply& reply);
    void Erase(const uint8_t* p, uint32_t length, Reply& reply, const FaultRule* fault);
    void Write(const uint8_t* p, uint32_t length, Reply& reply, const FaultRule* torn, bool flip);
    void Read(const uint8_t* p, uint32_t length, Reply& reply);
    void Checksum(const uint8_t* p, uint32_t length, Reply& reply);
    CFlashMemory* Target(uint8_t flash_no);

    PedalConfig m_config;
    std::unique_ptr<CNorFlash> m_flash0;
    std::unique_ptr<CNandFlash> m_flash1;
    Output m_output;
    std::atomic<PedalMode> m_mode;
    std::atomic<bool> m_switchPending{false};
    std::atomic<bool> m_powered{true};
    std::atomic<bool> m_refuseUnpowered{false};
    std::atomic<uint32_t> m_commands{0};
    std::atomic<uint32_t> m_switches{0};
    std::atomic<uint64_t> m_modelledMicros{0};
    // When the message being handled arrived, and its time on the link.
    std::chrono::steady_clock::time_point m_arrival;
    uint64_t m_incomingMicros = 0;
    // A fault counts commands from the moment it was added.
    struct ArmedFault {
        FaultRule rule;
        uint32_t totalBefore;
        uint32_t codeBefore;
    };
    std::vector<ArmedFault> m_faults;
    // Read by tests on their own thread while the pedal's thread appends.
    mutable std::mutex m_recordMutex;
    bool m_recording = false;
    std::vector<std::vector<uint8_t>> m_received;
    uint32_t m_commandsByCode[256] = {};
};

#include "VirtualPedal.h"

#include "DeviceModels.h"
#include "Frame.h"
#include "WireCodec.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

namespace {

constexpr uint32_t kMaxWrite = 5120;
constexpr uint32_t kMaxRead = 1009;
constexpr size_t kOversizeMessage = 60000;

enum StatusResult : uint8_t { kDone = 0, kRefused = 1, kBadFrame = 2, kUnknownCommand = 3 };

// Starts a reply frame with room for a payload of length bytes.
std::vector<uint8_t> NewFrame(uint32_t length) { return std::vector<uint8_t>(frame::kOverhead + length); }

uint8_t* Payload(std::vector<uint8_t>& f) { return f.data() + frame::kPayloadOffset; }

void AddToField(std::vector<uint8_t>& f, size_t offset, int bytes)
{
    if (f.size() >= offset + bytes)
        frame::PutLE(&f[offset], frame::GetLE(&f[offset], bytes) + 1, bytes);
}

void Sleep(uint64_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

}  // namespace

void SongFlashGeometry(int32_t model_id, uint64_t& size, uint32_t& block, uint32_t& page)
{
    const DeviceModel* model = find_model(model_id);
    if (model && model->song_area) {
        const SongAreaParams& a = *model->song_area;
        size = a.base_address + uint64_t(a.data_blocks + model->song_slots) * a.block_size;
        block = a.block_size;
        page = a.page_size;
    } else {
        size = 16u << 20;
        block = 64u << 10;
        page = block / 64;
    }
}

CVirtualPedal::CVirtualPedal(PedalConfig config, std::unique_ptr<IFlashStore> flash0,
                             std::unique_ptr<IFlashStore> flash1)
    : m_config(config), m_mode(config.mode)
{
    if (!flash0)
        flash0 = std::make_unique<CMemoryFlashStore>(m_config.flash0_sector);
    m_flash0 = std::make_unique<CNorFlash>(m_config.flash0_size, m_config.flash0_sector, std::move(flash0));
    if (m_config.identity)
        WriteIdentity(*m_config.identity);
    // The song flash is the one of the model the pedal says it is, so a
    // pedal restarted with other options keeps reading its songs alike.
    if (m_config.flash1_size == 0) {
        uint8_t model[4];
        m_flash0->Read(kInfoBlockAddress + 4, model, sizeof model);
        SongFlashGeometry(int32_t(frame::GetLE(model, 4)), m_config.flash1_size, m_config.flash1_sector,
                          m_config.flash1_page);
    }
    if (m_config.flash1_page == 0)
        m_config.flash1_page = m_config.flash1_sector / 64;
    if (!flash1)
        flash1 = std::make_unique<CMemoryFlashStore>(m_config.flash1_sector);
    m_flash1 = std::make_unique<CNandFlash>(m_config.flash1_size, m_config.flash1_sector, m_config.flash1_page,
                                            std::move(flash1));
}

void CVirtualPedal::WriteIdentity(const PedalIdentity& identity)
{
    uint8_t block[16];
    m_flash0->Read(kInfoBlockAddress, block, sizeof block);
    if (std::any_of(block, block + sizeof block, [](uint8_t b) { return b != 0xFF; }))
        return;  // an existing block is kept, so a firmware update can change it
    frame::PutLE(block, uint32_t(identity.version), 4);
    frame::PutLE(block + 4, uint32_t(identity.model_id), 4);
    frame::PutLE(block + 8, uint32_t(identity.aux), 4);
    m_flash0->Program(kInfoBlockAddress, block, 12);
}

void CVirtualPedal::AddFault(const FaultRule& rule)
{
    m_faults.push_back({rule, m_commands.load(), rule.code < 0 ? 0 : m_commandsByCode[rule.code]});
}

void CVirtualPedal::ClearFaults() { m_faults.clear(); }

void CVirtualPedal::RestorePower() { m_powered.store(true); }

void CVirtualPedal::Replug()
{
    if (m_switchPending.exchange(false))
        m_mode.store(PedalMode::Update);
}

void CVirtualPedal::SetRecording(bool on)
{
    std::lock_guard<std::mutex> lock(m_recordMutex);
    m_recording = on;
}

std::vector<std::vector<uint8_t>> CVirtualPedal::Received() const
{
    std::lock_guard<std::mutex> lock(m_recordMutex);
    return m_received;
}

void CVirtualPedal::Record(const uint8_t* message, size_t n)
{
    std::lock_guard<std::mutex> lock(m_recordMutex);
    if (m_recording)
        m_received.emplace_back(message, message + n);
}

const FaultRule* CVirtualPedal::FaultFor(int code)
{
    const uint32_t byCode = ++m_commandsByCode[code];
    const uint32_t total = m_commands.load();
    for (const ArmedFault& armed : m_faults) {
        const FaultRule& rule = armed.rule;
        if (rule.code < 0 ? rule.at == total - armed.totalBefore
                          : (rule.code == code && rule.at == byCode - armed.codeBefore))
            return &rule;
    }
    return nullptr;
}

void CVirtualPedal::RefuseUnpowered()
{
    if (!m_refuseUnpowered.load() || m_mode.load() != PedalMode::Update)
        return;
    Reply reply;
    Status(reply, kRefused);
    SendEncoded(reply, true, 0, 0, false);
}

void CVirtualPedal::Handle(const uint8_t* message, size_t n)
{
    m_arrival = std::chrono::steady_clock::now();
    m_incomingMicros = m_config.timing.MessageMicros(n);
    if (!m_powered.load()) {
        RefuseUnpowered();
        return;
    }
    ++m_commands;
    Record(message, n);
    if (n < 2 || message[0] != 0xF0 || message[n - 1] != 0xF7)
        return;  // not one complete SysEx message
    const bool packed = m_mode.load() == PedalMode::Update;
    std::vector<uint8_t> body(message + 1, message + n - 1);
    if (packed)
        body.resize(Unpack7(message + 1, n - 2, body.data(), body.size()));
    const int code = packed ? (body.size() > 2 ? body[2] : 0) : (body.size() > 1 ? body[1] : 0);
    const FaultRule* fault = FaultFor(code);
    if (fault && fault->kind == FaultKind::Power) {
        m_powered.store(false);
        RefuseUnpowered();
        return;
    }
    if (fault && fault->kind == FaultKind::Lose)
        return;
    if (!packed && fault && fault->kind == FaultKind::Refuse)
        return;  // raw commands have no refusal: the pedal stays silent
    Reply reply;
    if (packed)
        HandleFrame(body, reply, fault);
    else
        HandleRaw(body, reply);
    if (!m_powered.load()) {
        RefuseUnpowered();
        return;
    }
    if (!reply.send)
        return;
    if (fault)
        ApplyReplyFault(*fault, reply, packed);
    if (!reply.send)
        return;
    const bool realTime = fault && fault->kind == FaultKind::RealTime;
    const uint32_t delay = fault && fault->kind == FaultKind::Delay ? (fault->param ? fault->param : 300) : 0;
    SendEncoded(reply, packed, packed ? WorkMicros(body, reply) : 0, delay, realTime);
}

// The time of an erase or write the pedal executed (its status reply says done).
uint64_t CVirtualPedal::WorkMicros(const std::vector<uint8_t>& f, const Reply& reply) const
{
    const std::vector<uint8_t>& r = reply.frame;
    // A done status means the frame was whole and its command well formed.
    if (r.size() != frame::kOverhead + 1 || r[2] != frame::kStatus || r[frame::kPayloadOffset] != kDone)
        return 0;
    const uint8_t* p = f.data() + frame::kPayloadOffset;
    const PedalTiming& t = m_config.timing;
    if (f[2] == frame::kErase)
        return t.EraseMicros(p[0]);
    if (f[2] == frame::kWrite)
        return t.ProgramMicros(p[0], frame::GetLE(p + 1, 4), frame::GetLE(p + 5, 3), m_config.flash1_page);
    return 0;
}

void CVirtualPedal::ApplyReplyFault(const FaultRule& fault, Reply& reply, bool packed)
{
    std::vector<uint8_t>& f = reply.frame;
    const bool data = packed && f.size() > 2 && (f[2] == frame::kRead || f[2] == frame::kChecksum);
    switch (fault.kind) {
    case FaultKind::Drop:
        reply.send = false;
        break;
    case FaultKind::BadChecksum:
        if (!f.empty())
            f.back() ^= 0xFF;
        break;
    case FaultKind::BadType:
        if (f.size() > 2)
            f[2] ^= 0x40;
        break;
    case FaultKind::Short:
        f.resize(fault.param ? std::min<size_t>(fault.param, f.size()) : f.size() / 2);
        break;
    case FaultKind::WrongAddress:
        if (data) {
            AddToField(f, 7, 4);
            frame::Finish(f.data(), f[2], frame::Length(f.data()));
        }
        break;
    case FaultKind::WrongLength:
        if (data) {
            AddToField(f, 11, f[2] == frame::kRead ? 3 : 4);
            frame::Finish(f.data(), f[2], frame::Length(f.data()));
        }
        break;
    case FaultKind::LieLength:
        if (packed)
            AddToField(f, 3, 3);
        break;
    case FaultKind::Oversize:
        reply.frame.assign(kOversizeMessage, 0x01);
        reply.frame.front() = 0xF0;
        reply.frame.back() = 0xF7;
        reply.whole_message = true;
        break;
    default:
        break;
    }
}

void CVirtualPedal::SendEncoded(const Reply& reply, bool packed, uint64_t work_us, uint32_t delay_ms, bool realTime)
{
    std::vector<uint8_t> message;
    const std::vector<uint8_t>& f = reply.frame;
    if (reply.whole_message) {
        message = f;
    } else {
        std::vector<uint8_t> encoded(packed ? PackedSize(f.size()) : f.size());
        if (packed)
            Pack7(f.data(), f.size(), encoded.data());
        else
            std::copy(f.begin(), f.end(), encoded.begin());
        message.push_back(0xF0);
        for (size_t i = 0; i < encoded.size(); ++i) {
            if (realTime && i % 8 == 0)
                message.push_back(i % 16 ? 0xFE : 0xF8);
            message.push_back(encoded[i]);
        }
        message.push_back(0xF7);
    }
    // Sent when the command has crossed the link, the operation is done and
    // the reply has crossed the link back.
    const uint64_t exchange = m_incomingMicros + work_us + m_config.timing.MessageMicros(message.size());
    if (exchange > 0) {
        std::this_thread::sleep_until(m_arrival + std::chrono::microseconds(exchange));
        m_modelledMicros += exchange;
    }
    if (delay_ms)
        Sleep(delay_ms);
    if (m_output)
        m_output(message.data(), message.size());
}

// ---- Update mode: the full protocol ----

void CVirtualPedal::HandleFrame(const std::vector<uint8_t>& f, Reply& reply, const FaultRule* fault)
{
    if (f.size() < frame::kOverhead || f[0] != frame::kHeader0 || f[1] != frame::kHeader1 ||
        frame::Length(f.data()) + frame::kOverhead != f.size() || !frame::ChecksumHolds(f.data())) {
        Status(reply, kBadFrame);
        return;
    }
    if (fault && fault->kind == FaultKind::Refuse) {
        Status(reply, kRefused);
        return;
    }
    const uint8_t* p = f.data() + frame::kPayloadOffset;
    const uint32_t length = frame::Length(f.data());
    const FaultRule* torn = fault && fault->kind == FaultKind::Torn ? fault : nullptr;
    const bool flip = fault && fault->kind == FaultKind::BitFlip;
    switch (f[2]) {
    case frame::kIdentify:
        Identify(reply);
        break;
    case frame::kErase:
        Erase(p, length, reply, torn);
        break;
    case frame::kWrite:
        Write(p, length, reply, torn, flip);
        break;
    case frame::kRead:
        Read(p, length, reply);
        break;
    case frame::kChecksum:
        Checksum(p, length, reply);
        break;
    default:
        Status(reply, kUnknownCommand);
    }
}

void CVirtualPedal::Status(Reply& reply, uint8_t result)
{
    reply.frame = NewFrame(1);
    Payload(reply.frame)[0] = result;
    frame::Finish(reply.frame.data(), frame::kStatus, 1);
}

void CVirtualPedal::Identify(Reply& reply)
{
    static const char kText[28] = "Corvanta virtual pedal v1.0";
    reply.frame = NewFrame(27);
    std::memcpy(Payload(reply.frame), kText, 27);
    frame::Finish(reply.frame.data(), frame::kIdentify, 27);
}

CFlashMemory* CVirtualPedal::Target(uint8_t flash_no)
{
    if (flash_no == 0)
        return m_flash0.get();
    return flash_no == 1 ? m_flash1.get() : nullptr;
}

void CVirtualPedal::Erase(const uint8_t* p, uint32_t length, Reply& reply, const FaultRule* torn)
{
    CFlashMemory* flash = length == 5 ? Target(p[0]) : nullptr;
    const uint32_t address = flash ? frame::GetLE(p + 1, 4) : 0;
    if (!flash || address >= flash->Size()) {
        Status(reply, kRefused);
        return;
    }
    if (torn) {
        flash->EraseSector(address, torn->param ? torn->param : flash->SectorSize() / 2);
        m_powered.store(false);
        return;
    }
    Status(reply, flash->EraseSector(address) ? kDone : kRefused);
}

void CVirtualPedal::Write(const uint8_t* p, uint32_t length, Reply& reply, const FaultRule* torn, bool flip)
{
    CFlashMemory* flash = length >= 8 ? Target(p[0]) : nullptr;
    const uint32_t address = flash ? frame::GetLE(p + 1, 4) : 0;
    const uint32_t n = flash ? frame::GetLE(p + 5, 3) : 0;
    if (!flash || length != 8 + n || n > kMaxWrite || !flash->Contains(address, n)) {
        Status(reply, kRefused);
        return;
    }
    if (torn) {
        flash->Program(address, p + 8, n, torn->param ? torn->param : n / 2);
        m_powered.store(false);
        return;
    }
    std::vector<uint8_t> data(p + 8, p + 8 + n);
    if (flip) {
        auto cleared = std::find_if(data.begin(), data.end(), [](uint8_t b) { return b != 0xFF; });
        if (cleared != data.end())
            *cleared = uint8_t(*cleared | (~*cleared & -~*cleared));  // one cleared bit stays set
    }
    Status(reply, flash->Program(address, data.data(), n) ? kDone : kRefused);
}

void CVirtualPedal::Read(const uint8_t* p, uint32_t length, Reply& reply)
{
    CFlashMemory* flash = length == 8 ? Target(p[0]) : nullptr;
    const uint32_t address = flash ? frame::GetLE(p + 1, 4) : 0;
    const uint32_t n = flash ? frame::GetLE(p + 5, 3) : 0;
    if (!flash || n > kMaxRead || !flash->Contains(address, n)) {
        Status(reply, kRefused);
        return;
    }
    reply.frame = NewFrame(8 + n);
    uint8_t* out = Payload(reply.frame);
    std::memcpy(out, p, 8);
    flash->Read(address, out + 8, n);
    frame::Finish(reply.frame.data(), frame::kRead, 8 + n);
}

void CVirtualPedal::Checksum(const uint8_t* p, uint32_t length, Reply& reply)
{
    CFlashMemory* flash = length == 9 ? Target(p[0]) : nullptr;
    const uint32_t address = flash ? frame::GetLE(p + 1, 4) : 0;
    const uint32_t n = flash ? frame::GetLE(p + 5, 4) : 0;
    uint16_t sum = 0;
    if (!flash || !flash->Sum16(address, n, sum)) {
        Status(reply, kRefused);
        return;
    }
    reply.frame = NewFrame(11);
    uint8_t* out = Payload(reply.frame);
    std::memcpy(out, p, 9);
    frame::PutLE(out + 9, sum, 2);
    frame::Finish(reply.frame.data(), frame::kChecksum, 11);
}

// ---- Play mode: raw 4-byte commands ----

uint8_t CVirtualPedal::Register(uint8_t number)
{
    uint8_t value = 0xFF;
    m_flash0->Read(kInfoBlockAddress + (number - 0x13), &value, 1);
    return value;
}

void CVirtualPedal::HandleRaw(const std::vector<uint8_t>& raw, Reply& reply)
{
    reply.send = false;
    if (raw.size() != 4 || raw[0] != 0x59)
        return;
    if (raw[1] == 0x12 && raw[2] == 0x00 && raw[3] == 0x34) {
        reply.frame = raw;
        reply.send = true;
    } else if (raw[1] >= 0x13 && raw[1] <= 0x1E && raw[2] == 0 && raw[3] == 0) {
        // Encoded so that ((b3 << 4) | (b2 & 0x0F)) gives the stored byte.
        const uint8_t value = Register(raw[1]);
        reply.frame = {0x59, raw[1], uint8_t(value & 0x0F), uint8_t(value >> 4)};
        reply.send = true;
    } else if (raw[1] == 0x21 && raw[2] == 0x00 && raw[3] == 0x21) {
        ++m_switches;
        m_switchPending.store(true);
    }
}

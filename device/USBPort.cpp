#include "USBPort.h"

#include "DeviceLog.h"
#include "Frame.h"
#include "Operation.h"
#include "ProgressEvent.h"
#include "Prompt.h"
#include "WireCodec.h"

#include <QCoreApplication>
#include <QDebug>

#include <algorithm>
#include <chrono>
#include <cstring>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr uint8_t kIdentifyRequest[7] = {0x00, 0x59, frame::kIdentify, 0x00, 0x00, 0x00, 0xFF};
constexpr uint8_t kHandshake[4] = {0x59, 0x12, 0x00, 0x34};
constexpr uint8_t kUpdateSwitch[4] = {0x59, 0x21, 0x00, 0x21};

constexpr size_t kIdentifyReplySize = 34;
constexpr size_t kStatusReplySize = 8;
constexpr size_t kChecksumReplySize = 18;
constexpr size_t kRawReplySize = 4;

constexpr int kIdentifyConnectBudget = 200;
constexpr int kIdentifyKeepAliveBudget = 50;
constexpr int kLateIdentifyBudget = 1000;
constexpr int kHandshakeConnectBudget = 100;
constexpr int kHandshakeKeepAliveBudget = 50;
constexpr int kRegisterBudget = 1000;
constexpr int kEraseBudget = 30000;
constexpr int kWriteBudget = 50000;
constexpr int kReadBudget = 5000;
constexpr int kChecksumBudget = 30000;

constexpr milliseconds kQuietTime(100);
// How long a responsive wait sleeps before the event loop runs.
constexpr milliseconds kResponsiveSlice(20);
constexpr milliseconds kQuietLimit(1000);

struct Text {
    Q_DECLARE_TR_FUNCTIONS(USBPort)
};

// Two hexadecimal digits, as the pedal's own messages show a byte.
QString Hex2(uint32_t value) { return QString::asprintf("%.2X", value); }

// Writes flash_no and address, the start of every flash command's payload.
uint8_t* PutTarget(uint8_t* f, uint8_t flash_no, uint32_t address)
{
    uint8_t* p = f + frame::kPayloadOffset;
    p[0] = flash_no;
    frame::PutLE(p + 1, address, 4);
    return p + 5;
}

void ShowChecksumError(const uint8_t* f)
{
    const uint32_t length = frame::Length(f);
    ShowMessage(Text::tr("Checksum错误,算出来是%1, 包内校验是%2")
                    .arg(Hex2(frame::PayloadChecksum(f + frame::kPayloadOffset, length)),
                         Hex2(f[frame::kPayloadOffset + length])));
}

}  // namespace

CUSBPort::CUSBPort(IMidiService& midi)
    : m_pair(midi), m_receive(new uint8_t[kFrameBufferSize]), m_transmit(new uint8_t[kFrameBufferSize])
{
}

CUSBPort::~CUSBPort() = default;

void CUSBPort::EnterMode(LinkState state)
{
    m_state = state;
    m_pair.m_packed = state == UpdateMode ? 1 : 0;
    m_pair.m_ring.Flush();
    // m_replyPending stays: a reply late for the last exchange (the identify
    // before play mode, or the previous pair's) may still arrive.
}

bool CUSBPort::open(uint32_t ports, int mode)
{
    if (mode < 0 || mode > 2)
        return false;
    if (m_pair.OpenOutput(ports >> 16) && m_pair.OpenInput(ports & 0xFFFF)) {
        m_ports = ports;
        WatchOutput(m_pair.OutputName());
        m_pair.m_ring.ResetInterrupt();
        EnterMode(UpdateMode);
        return true;
    }
    m_lastError = m_pair.LastError();
    m_pair.CloseOutput();
    m_pair.CloseInput();
    m_state = Closed;
    WriteLog(LogFilePath(), "CUSBPort::open failed=%s", m_lastError.c_str());
    return false;
}

void CUSBPort::close_link()
{
    WatchOutput(std::string());
    m_pair.CloseOutput();
    m_pair.CloseInput();
    m_state = Closed;
}

bool CUSBPort::connect_device(uint32_t ports)
{
    if (!open(ports, 1))
        return false;
    // A failed read below must not leave the identity of an earlier pedal.
    m_info = DeviceInfo();
    switch (ProbeIdentifyAtConnection()) {
    case Identify::Ok:
        ReadInfoBlock();
        return true;
    case Identify::Echo:
        // A port that repeats what it is sent is no pedal in any mode.
        close_link();
        return false;
    case Identify::NoAnswer:
    case Identify::Bad:
        break;
    }
    EnterMode(PlayMode);
    if (handshake(kHandshakeConnectBudget)) {
        m_info.version = ReadRegisterWord(0x13);
        m_info.model_id = ReadRegisterWord(0x17);
        m_info.aux = ReadRegisterWord(0x1B);
        return true;
    }
    close_link();
    return false;
}

bool CUSBPort::read_identity()
{
    if (m_state != UpdateMode)
        return false;
    m_info = DeviceInfo();
    if (ProbeIdentifyAtConnection() != Identify::Ok)
        return false;
    ReadInfoBlock();
    return true;
}

void CUSBPort::ReadInfoBlock()
{
    uint8_t block[16];
    if (flash_read(0, kInfoBlockAddress, block, sizeof block)) {
        m_info.version = int32_t(frame::GetLE(block, 4));
        m_info.model_id = int32_t(frame::GetLE(block + 4, 4));
        m_info.aux = int32_t(frame::GetLE(block + 8, 4));
    }
}

void CUSBPort::WatchOutput(const std::string& name)
{
    std::lock_guard<std::mutex> lock(m_watchMutex);
    m_watchedOutput = name;
    m_watchedSince = Clock::now();
}

void CUSBPort::notice_output_ports(const std::vector<std::string>& names, Clock::time_point listedAt)
{
    std::lock_guard<std::mutex> lock(m_watchMutex);
    // A list begun before the open may predate the port.
    if (m_watchedOutput.empty() || listedAt < m_watchedSince)
        return;
    if (std::find(names.begin(), names.end(), m_watchedOutput) == names.end())
        ports_lost();
}

void CUSBPort::ports_lost() { m_pair.m_ring.Interrupt(); }

bool CUSBPort::keep_alive()
{
    if (m_state == UpdateMode)
        return identify(kIdentifyKeepAliveBudget);
    if (m_state == PlayMode)
        return handshake(kHandshakeKeepAliveBudget);
    return false;
}

// ---- Sending and receiving ----

bool CUSBPort::send_frame(const uint8_t* f, size_t length, size_t* sent)
{
    if (sent)
        *sent = 0;
    if (m_state == Closed)
        return false;
    if (m_pair.m_ring.Interrupted()) {
        m_lastError = Text::tr("the pedal's MIDI ports are gone").toStdString();
        return false;
    }
    if (m_replyPending)
        WaitForQuiet();
    m_pair.m_ring.Flush();
    if (!m_pair.SendSysEx(f, length)) {
        m_lastError = m_pair.LastError();
        return false;
    }
    if (sent)
        *sent = length;
    return true;
}

// Discards what arrives until nothing has come for kQuietTime (at most
// kQuietLimit in all), sleeping between messages.
void CUSBPort::WaitForQuiet()
{
    CByteRing& ring = m_pair.m_ring;
    const auto limit = Clock::now() + kQuietLimit;
    do {
        ring.Flush();
    } while (ring.WaitForData(std::min(Clock::now() + kQuietTime, limit)) && Clock::now() < limit);
    m_replyPending = false;
}

bool CUSBPort::receive_frame(uint8_t* destination, size_t max_length, int budget_ms, size_t& received)
{
    received = 0;
    if (m_state == Closed)
        return false;
    CByteRing& ring = m_pair.m_ring;
    const bool packed = m_pair.m_packed != 0;
    // The budget counts the time the ring stood empty; the wall clock bounds
    // a device that keeps talking without ever finishing a frame.
    const auto start = Clock::now();
    auto deadline = start + milliseconds(2LL * (budget_ms > 0 ? budget_ms : 0));
    Clock::duration emptyLeft = milliseconds(budget_ms > 0 ? budget_ms : 0);
    bool inFrame = false;
    bool complete = false;
    CUnpacker unpacker;
    unsigned sinceClockCheck = 0;
    while (emptyLeft > Clock::duration::zero() && received < max_length && !ring.Overflowed() &&
           !ring.Interrupted()) {
        uint8_t byte;
        if (!ring.Pop(byte)) {
            const auto now = Clock::now();
            if (now >= deadline)
                break;
            auto until = std::min(now + emptyLeft, deadline);
            if (m_responsiveWaits)
                until = std::min(until, now + kResponsiveSlice);
            const bool arrived = ring.WaitForData(until);
            emptyLeft -= Clock::now() - now;
            if (m_responsiveWaits && !arrived)
                deadline += RunEventLoop();
            continue;
        }
        if (++sinceClockCheck == 4096) {
            sinceClockCheck = 0;
            if (Clock::now() >= deadline)
                break;
        }
        if (!inFrame) {
            inFrame = byte == 0xF0;
            continue;
        }
        if (byte >= 0xF8)  // real-time messages may stand anywhere
            continue;
        if (byte == 0xF0) {  // a new message starts over
            received = 0;
            unpacker.Reset();
            continue;
        }
        if (byte == 0xF7) {
            complete = true;
            break;
        }
        if (byte & 0x80) {  // any other status byte breaks the frame
            received = 0;
            break;
        }
        uint8_t decoded = byte;
        if (!packed || unpacker.Feed(byte, decoded))
            destination[received++] = decoded;
    }
    if (ring.Overflowed() || ring.Interrupted())
        received = 0;
    m_replyPending = !complete;
    if (received == 0) {
        m_lastError = m_pair.LastError();
        return false;
    }
    return true;
}

// The event loop's time (a box it shows may stay open a while) counts
// against neither the budget nor the wall clock of a receive.
Clock::duration CUSBPort::RunEventLoop()
{
    const auto before = Clock::now();
    KeepResponsive();
    return Clock::now() - before;
}

// ---- Identify, handshake, registers ----

CUSBPort::Identify CUSBPort::ProbeIdentify(int budget_ms)
{
    if (!send_frame(kIdentifyRequest, sizeof kIdentifyRequest))
        return Identify::NoAnswer;
    return ReceiveIdentify(budget_ms);
}

CUSBPort::Identify CUSBPort::ReceiveIdentify(int budget_ms)
{
    const uint8_t* reply = m_receive.get();
    size_t count = 0;
    if (!receive_frame(m_receive.get(), kFrameBufferSize, budget_ms, count))
        return Identify::NoAnswer;
    if (count == sizeof kIdentifyRequest && std::memcmp(reply, kIdentifyRequest, count) == 0)
        return Identify::Echo;
    if (count != kIdentifyReplySize || frame::Length(reply) != kIdentifyReplySize - frame::kOverhead) {
        ShowMessage(Text::tr("Data length error"));
        return Identify::Bad;
    }
    if (reply[2] != frame::kIdentify) {
        ShowMessage(Text::tr("Cmd type error"));
        return Identify::Bad;
    }
    if (!frame::ChecksumHolds(reply)) {
        ShowChecksumError(reply);
        return Identify::Bad;
    }
    return Identify::Ok;
}

// A loaded computer, or a MIDI service that bridges the device, may pass the
// answer on after the budget: at connection it is awaited a while longer
// (not asked for again) before the pedal counts as silent.
CUSBPort::Identify CUSBPort::ProbeIdentifyAtConnection()
{
    if (!send_frame(kIdentifyRequest, sizeof kIdentifyRequest))
        return Identify::NoAnswer;
    const Identify answer = ReceiveIdentify(kIdentifyConnectBudget);
    return answer == Identify::NoAnswer ? ReceiveIdentify(kLateIdentifyBudget) : answer;
}

bool CUSBPort::identify(int budget_ms) { return ProbeIdentify(budget_ms) == Identify::Ok; }

bool CUSBPort::get_identify_responds(uint8_t* buffer, int budget_ms)
{
    if (ReceiveIdentify(budget_ms) != Identify::Ok)
        return false;
    std::memcpy(buffer, m_receive.get(), kIdentifyReplySize);
    return true;
}

bool CUSBPort::ExchangeRaw(const uint8_t (&command)[4], int budget_ms, uint8_t (&reply)[4])
{
    size_t count = 0;
    if (!send_frame(command, sizeof command) || !receive_frame(m_receive.get(), kFrameBufferSize, budget_ms, count) ||
        count != kRawReplySize)
        return false;
    std::memcpy(reply, m_receive.get(), kRawReplySize);
    return true;
}

bool CUSBPort::handshake(int budget_ms)
{
    uint8_t reply[4];
    return ExchangeRaw(kHandshake, budget_ms, reply) && std::memcmp(reply, kHandshake, 4) == 0;
}

int32_t CUSBPort::ReadRegisterWord(uint8_t base)
{
    uint32_t word = 0;
    for (int k = 0; k < 4; ++k) {
        const uint8_t command[4] = {0x59, uint8_t(base + k), 0x00, 0x00};
        uint8_t reply[4];
        if (!ExchangeRaw(command, kRegisterBudget, reply))
            return -1;
        const uint32_t value = ((uint32_t(reply[3]) << 4) | (reply[2] & 0x0F)) & 0xFF;
        word |= value << (8 * k);
    }
    return int32_t(word);
}

bool CUSBPort::send_update_switch() { return send_frame(kUpdateSwitch, sizeof kUpdateSwitch); }

// ---- Flash operations ----

bool CUSBPort::GetStatusResponds(int budget_ms)
{
    uint8_t* reply = m_receive.get();
    size_t count = 0;
    if (!receive_frame(reply, kFrameBufferSize, budget_ms, count))
        return false;
    if (count != kStatusReplySize) {
        ShowMessage(Text::tr("读取回复码长度错误,需要%1字节,收到%2字节").arg(kStatusReplySize).arg(count));
        return false;
    }
    return reply[2] == frame::kStatus && reply[6] == 0x00;
}

bool CUSBPort::flash_erase(uint8_t flash_no, uint32_t address)
{
    uint8_t* f = m_transmit.get();
    PutTarget(f, flash_no, address);
    const size_t length = frame::Finish(f, frame::kErase, 5);
    return send_frame(f, length) && GetStatusResponds(kEraseBudget);
}

bool CUSBPort::flash_write(uint8_t flash_no, uint32_t address, const uint8_t* data, uint32_t length,
                           QObject* progress)
{
    const uint32_t chunks = uint32_t((uint64_t(length) + kWriteChunk - 1) / kWriteChunk);
    uint32_t remaining = length;
    for (uint32_t done = 0; done < chunks; ++done) {
        const uint32_t n = remaining < kWriteChunk ? remaining : kWriteChunk;
        uint8_t* f = m_transmit.get();
        uint8_t* p = PutTarget(f, flash_no, address);
        frame::PutLE(p, n, 3);
        std::memcpy(p + 3, data, n);
        const size_t frameLength = frame::Finish(f, frame::kWrite, 8 + n);
        if (!send_frame(f, frameLength) || !GetStatusResponds(kWriteBudget))
            return false;
        address += n;
        data += n;
        remaining -= n;
        PostProgress(progress, done + 1, chunks);
        KeepResponsive();
    }
    return true;
}

int CUSBPort::flash_write_verify(uint8_t flash_no, uint32_t address, const uint8_t* data, uint32_t length,
                                 QObject* progress)
{
    if (!flash_write(flash_no, address, data, length, progress))
        return 0;
    return flash_verify(flash_no, address, data, length);
}

int CUSBPort::flash_verify(uint8_t flash_no, uint32_t address, const uint8_t* data, uint32_t length)
{
    const uint16_t expected = frame::Sum16(data, length);
    uint8_t* f = m_transmit.get();
    frame::PutLE(PutTarget(f, flash_no, address), length, 4);
    const size_t frameLength = frame::Finish(f, frame::kChecksum, 9);
    uint8_t echoedFlash;
    uint32_t echoedAddress, echoedLength;
    uint16_t sum;
    // Only the sum counts: a pedal may echo the flash, address and length
    // of the query in a form of its own.
    if (!send_frame(f, frameLength) || !get_checksum_responds(echoedFlash, echoedAddress, echoedLength, sum))
        return 4;
    return sum == expected ? 1 : 3;
}

bool CUSBPort::get_checksum_responds(uint8_t& flash_no, uint32_t& address, uint32_t& length, uint16_t& sum)
{
    uint8_t* reply = m_receive.get();
    size_t count = 0;
    if (!receive_frame(reply, kFrameBufferSize, kChecksumBudget, count) || count != kChecksumReplySize ||
        reply[2] != frame::kChecksum || frame::Length(reply) != kChecksumReplySize - frame::kOverhead)
        return false;
    if (!frame::ChecksumHolds(reply)) {
        ShowChecksumError(reply);
        return false;
    }
    flash_no = reply[6];
    address = frame::GetLE(reply + 7, 4);
    length = frame::GetLE(reply + 11, 4);
    sum = uint16_t(frame::GetLE(reply + 15, 2));
    return true;
}

bool CUSBPort::flash_read(uint8_t flash_no, uint32_t address, uint8_t* destination, uint32_t length)
{
    uint32_t remaining = length;
    while (remaining > 0) {
        const uint32_t n = remaining < kReadChunk ? remaining : kReadChunk;
        // A read changes nothing on the pedal: a chunk whose reply is lost or
        // damaged is asked for once more, and only the last try reports.
        if (!ReadChunk(flash_no, address, destination, n, false) &&
            (m_pair.m_ring.Interrupted() || !ReadChunk(flash_no, address, destination, n, true))) {
            WriteLog(LogFilePath(), "CUSBConnect::flash_read failed");
            return false;
        }
        destination += n;
        address += n;
        remaining -= n;
    }
    return true;
}

bool CUSBPort::ReadChunk(uint8_t flash_no, uint32_t address, uint8_t* destination, uint32_t n, bool report)
{
    uint8_t* f = m_transmit.get();
    frame::PutLE(PutTarget(f, flash_no, address), n, 3);
    const size_t frameLength = frame::Finish(f, frame::kRead, 8);
    uint8_t echoedFlash = 0;
    uint32_t echoedAddress = 0, echoedLength = 0;
    return send_frame(f, frameLength) &&
           ReceiveUpload(destination, n, echoedFlash, echoedAddress, echoedLength, report) &&
           echoedFlash == flash_no && echoedAddress == address && echoedLength == n;
}

bool CUSBPort::get_upload_responds(uint8_t* destination, uint32_t n, uint8_t& flash_no, uint32_t& address,
                                   uint32_t& length)
{
    return ReceiveUpload(destination, n, flash_no, address, length, true);
}

bool CUSBPort::ReceiveUpload(uint8_t* destination, uint32_t n, uint8_t& flash_no, uint32_t& address,
                             uint32_t& length, bool report)
{
    uint8_t* reply = m_receive.get();
    const size_t expected = size_t(n) + 15;
    size_t count = 0;
    if (!receive_frame(reply, kFrameBufferSize, kReadBudget, count))
        return false;
    if (count > 2 && reply[2] != frame::kRead) {
        qDebug("get_upload_responds::Data type not 0x23!\n");
        return false;
    }
    // The length field must tell the same size as the bytes received.
    const uint32_t field = frame::Length(reply);
    if (count != expected || field != n + 8) {
        if (report)
            ShowMessage(Text::tr("Data length error,need %1 bytes,got %2 bytes")
                            .arg(expected)
                            .arg(count != expected ? count : field + frame::kOverhead));
        return false;
    }
    if (!frame::ChecksumHolds(reply)) {
        if (report)
            ShowChecksumError(reply);
        qDebug("get_upload_responds::Checksum error!\n");
        return false;
    }
    flash_no = reply[6];
    address = frame::GetLE(reply + 7, 4);
    length = frame::GetLE(reply + 11, 3);
    if (length <= n)
        std::memcpy(destination, reply + 14, length);
    return true;
}

#include "Wave.h"

#include "AppFiles.h"
#include "Frame.h"
#include "Operation.h"
#include "Prompt.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDevice>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Wave)
};

constexpr uint32_t kFormatChunkRead = 26;  // up to the extensible sub-format tag

QString DeviceName(const QIODevice& device)
{
    const auto* file = qobject_cast<const QFileDevice*>(&device);
    return file ? file->fileName() : QString();
}

bool ReadExact(QIODevice& device, void* into, qint64 n) { return device.read(static_cast<char*>(into), n) == n; }

bool WriteExact(QIODevice& device, const void* bytes, qint64 n)
{
    return device.write(static_cast<const char*>(bytes), n) == n;
}

// Large arrays are read and written in blocks between which the event loop
// runs; a cancel asked for ends a write unfinished.
constexpr uint64_t kBlock = 1 << 20;

uint64_t ReadBlocks(QIODevice& device, uint8_t* into, uint64_t n)
{
    uint64_t got = 0;
    while (got < n) {
        KeepResponsive();
        const qint64 r = device.read(reinterpret_cast<char*>(into + got), qint64(std::min(kBlock, n - got)));
        if (r <= 0)
            break;
        got += uint64_t(r);
    }
    return got;
}

bool WriteBlocks(QIODevice& device, const uint8_t* bytes, uint64_t n)
{
    for (uint64_t at = 0; at < n; at += kBlock) {
        if (!ContinueOperation() || !WriteExact(device, bytes + at, qint64(std::min(kBlock, n - at))))
            return false;
    }
    return true;
}

bool WriteLE32(QIODevice& device, uint32_t value)
{
    uint8_t b[4];
    frame::PutLE(b, value, 4);
    return WriteExact(device, b, 4);
}

}  // namespace

WaveFormat WaveFormat::FromBytes(const uint8_t* b)
{
    WaveFormat f;
    f.wFormatTag = uint16_t(frame::GetLE(b, 2));
    f.nChannels = uint16_t(frame::GetLE(b + 2, 2));
    f.nSamplesPerSec = frame::GetLE(b + 4, 4);
    f.nAvgBytesPerSec = frame::GetLE(b + 8, 4);
    f.nBlockAlign = uint16_t(frame::GetLE(b + 12, 2));
    f.wBitsPerSample = uint16_t(frame::GetLE(b + 14, 2));
    f.cbSize = uint16_t(frame::GetLE(b + 16, 2));
    return f;
}

void WaveFormat::ToBytes(uint8_t* b) const
{
    frame::PutLE(b, wFormatTag, 2);
    frame::PutLE(b + 2, nChannels, 2);
    frame::PutLE(b + 4, nSamplesPerSec, 4);
    frame::PutLE(b + 8, nAvgBytesPerSec, 4);
    frame::PutLE(b + 12, nBlockAlign, 2);
    frame::PutLE(b + 14, wBitsPerSample, 2);
    frame::PutLE(b + 16, cbSize, 2);
}

bool WaveFormat::operator==(const WaveFormat& o) const
{
    uint8_t a[kSize], b[kSize];
    ToBytes(a);
    o.ToBytes(b);
    return std::memcmp(a, b, kSize) == 0;
}

CWaveBuffer::~CWaveBuffer() = default;

CWave::CWave() = default;
CWave::~CWave() = default;

void CWave::set_format(uint16_t channels, uint32_t rate, uint16_t bits)
{
    m_format = WaveFormat();
    m_format.wFormatTag = kWaveTagPcm;
    m_format.nChannels = channels;
    m_format.nSamplesPerSec = rate;
    m_format.nBlockAlign = uint16_t(channels * bits / 8);
    m_format.nAvgBytesPerSec = m_format.nBlockAlign * rate;
    m_format.wBitsPerSample = bits;
    m_format.cbSize = 18;
    m_subFormat = 0;
    m_buffer.samples.reset();
    m_buffer.bytes_per_frame = m_format.nBlockAlign;
    m_buffer.frame_count = 0;
}

void CWave::set_samples(std::unique_ptr<uint8_t[]> samples, uint32_t frames)
{
    m_buffer.samples = std::move(samples);
    m_buffer.frame_count = frames;
    m_buffer.bytes_per_frame = m_format.nBlockAlign;
}

bool CWave::load(const QString& path)
{
    QFile file;
    if (!OpenFileOrWarn(file, path, QIODevice::ReadOnly))
        return false;
    return read_from(file);
}

bool ReadWaveHeader(QIODevice& device, WaveHeader& header, QString& problem)
{
    char id[8];
    if (!ReadExact(device, id, 4) || std::memcmp(id, "RIFF", 4) != 0) {
        problem = Text::tr("RIFF not found");
        return false;
    }
    uint8_t size[4];
    if (!ReadExact(device, size, 4) || !ReadExact(device, id, 8) || std::memcmp(id, "WAVEfmt ", 8) != 0 ||
        !ReadExact(device, size, 4)) {
        problem = Text::tr("WAVEfmt not found");
        return false;
    }
    // The format chunk: its first 18 bytes are the record, bytes 24-25 the
    // sub-format of an extensible record; the rest is skipped.
    uint8_t chunk[kFormatChunkRead] = {};
    const uint64_t formatSize = frame::GetLE(size, 4);
    const qint64 formatStart = device.pos();
    device.read(reinterpret_cast<char*>(chunk), qint64(std::min<uint64_t>(formatSize, kFormatChunkRead)));
    uint8_t record[WaveFormat::kSize] = {};
    std::memcpy(record, chunk, size_t(std::min<uint64_t>(formatSize, WaveFormat::kSize)));
    const WaveFormat format = WaveFormat::FromBytes(record);
    uint64_t next = uint64_t(formatStart) + formatSize + (formatSize & 1);

    // Chunks other tools put before the audio ("LIST", "fact", "JUNK", ...) are skipped.
    uint64_t dataSize = 0;
    for (;;) {
        if (!device.seek(qint64(next)) || !ReadExact(device, id, 4) || !ReadExact(device, size, 4)) {
            problem = Text::tr("data segment not found");
            return false;
        }
        dataSize = frame::GetLE(size, 4);
        if (std::memcmp(id, "data", 4) == 0)
            break;
        next = uint64_t(device.pos()) + dataSize + (dataSize & 1);
    }
    if (format.nBlockAlign == 0 || format.nSamplesPerSec == 0 || format.nAvgBytesPerSec == 0) {
        problem = Text::tr("has an unusable format: %1 bytes per frame, %2 frames and %3 bytes per second")
                      .arg(format.nBlockAlign)
                      .arg(format.nSamplesPerSec)
                      .arg(format.nAvgBytesPerSec);
        return false;
    }
    header.format = format;
    header.subFormat = formatSize >= kFormatChunkRead ? uint16_t(frame::GetLE(chunk + 24, 2)) : 0;
    // Only the whole frames the file really holds count.
    const uint64_t available = uint64_t(std::max<qint64>(device.size() - device.pos(), 0));
    header.frames = std::min<uint64_t>(std::min(dataSize, available) / format.nBlockAlign, UINT32_MAX);
    return true;
}

bool CWave::read_from(QIODevice& device)
{
    WaveHeader header;
    QString problem;
    if (!ReadWaveHeader(device, header, problem)) {
        ShowMessage(Text::tr("Wave file '%1' %2").arg(DeviceName(device), problem));
        return false;
    }
    const uint64_t bytes = header.frames * header.format.nBlockAlign;
    std::unique_ptr<uint8_t[]> samples(header.frames ? new uint8_t[bytes] : nullptr);
    if (header.frames) {
        const uint64_t got = ReadBlocks(device, samples.get(), bytes);
        std::memset(samples.get() + got, 0, size_t(bytes - got));
    }
    m_format = header.format;
    m_subFormat = header.subFormat;
    set_samples(std::move(samples), uint32_t(header.frames));
    return true;
}

bool CWave::write_to(QIODevice& device) const
{
    const uint64_t dataSize = data_size();
    if (dataSize > UINT32_MAX - 46)
        return false;
    uint8_t record[WaveFormat::kSize];
    m_format.ToBytes(record);
    const qint64 start = device.pos();
    bool ok = WriteExact(device, "RIFF", 4) && WriteLE32(device, 0) && WriteExact(device, "WAVEfmt ", 8) &&
              WriteLE32(device, WaveFormat::kSize) && WriteExact(device, record, sizeof record) &&
              WriteExact(device, "data", 4) && WriteLE32(device, uint32_t(dataSize)) &&
              WriteBlocks(device, samples(), dataSize);
    ok = ok && device.seek(start + 4) && WriteLE32(device, uint32_t(device.size() - start - 8));
    return ok;
}

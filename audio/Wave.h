#pragma once
// A WAV format record and one block of interleaved sample frames, with the
// RIFF WAVE reader and writer and the conversion to 24-bit PCM.
#include <QString>

#include <cstdint>
#include <memory>

class QIODevice;

// The 18-byte WAVEFORMATEX record, as stored in files (little-endian).
struct WaveFormat {
    static constexpr size_t kSize = 18;

    uint16_t wFormatTag = 1;
    uint16_t nChannels = 0;
    uint32_t nSamplesPerSec = 0;
    uint32_t nAvgBytesPerSec = 0;
    uint16_t nBlockAlign = 0;
    uint16_t wBitsPerSample = 0;
    uint16_t cbSize = 0;

    static WaveFormat FromBytes(const uint8_t* bytes);
    void ToBytes(uint8_t* bytes) const;
    bool operator==(const WaveFormat& o) const;
};

constexpr uint16_t kWaveTagPcm = 1;
constexpr uint16_t kWaveTagFloat = 3;
constexpr uint16_t kWaveTagExtensible = 0xFFFE;

// The source rates the conversion takes: outside them the output size that
// follows from the rate is absurd (a 1 Hz header) or the file is no audio.
constexpr uint32_t kMinConvertRate = 1000;
constexpr uint32_t kMaxConvertRate = 768000;
inline bool IsConvertibleRate(uint32_t rate) { return rate >= kMinConvertRate && rate <= kMaxConvertRate; }

// What the chunks before a WAV file's samples say.
struct WaveHeader {
    WaveFormat format;
    uint16_t subFormat = 0;  // of an extensible record, else 0
    uint64_t frames = 0;     // the whole frames the file really holds

    // The tag that decides integer or float: the sub-format of an extensible record.
    uint16_t EffectiveTag() const { return format.wFormatTag == kWaveTagExtensible ? subFormat : format.wFormatTag; }
};

// Reads the chunks up to the first sample, where it leaves the device; on
// failure false with the reason ("RIFF not found", ...) and nothing shown.
bool ReadWaveHeader(QIODevice& device, WaveHeader& header, QString& problem);

class CWaveBuffer {
public:
    CWaveBuffer() = default;
    CWaveBuffer(CWaveBuffer&&) = default;
    CWaveBuffer& operator=(CWaveBuffer&&) = default;
    virtual ~CWaveBuffer();

    uint32_t bytes_per_frame = 0;
    std::unique_ptr<uint8_t[]> samples;
    uint32_t frame_count = 0;
};

class CWave {
public:
    // What write_to writes before the samples.
    static constexpr uint64_t kHeaderBytes = 46;

    CWave();
    CWave(CWave&&) = default;
    CWave& operator=(CWave&&) = default;
    virtual ~CWave();

    // Integer PCM of these values, cbSize 18, no samples.
    void set_format(uint16_t channels, uint32_t rate, uint16_t bits);
    // Takes the array, which holds frames × nBlockAlign bytes.
    void set_samples(std::unique_ptr<uint8_t[]> samples, uint32_t frames);

    // Opens the file (with its message on failure) and reads it.
    bool load(const QString& path);
    // Parses a WAV file; on failure shows its message and leaves the object as it was.
    bool read_from(QIODevice& device);
    // Writes the WAV file; false when any write fails or a cancel was asked
    // for between its blocks (the event loop runs between them).
    bool write_to(QIODevice& device) const;

    // To 24-bit integer PCM with these channels (1 or 2) and rate, through
    // 16-bit samples. False, with the object unchanged, when the source rate
    // is out of bounds or the resampler failed.
    bool convert(uint16_t channels, uint32_t rate);
    // The same from 24-bit integer PCM at full resolution, without the
    // 16-bit step.
    bool convert_full(uint16_t channels, uint32_t rate);

    const WaveFormat& format() const { return m_format; }
    uint32_t frame_count() const { return m_buffer.frame_count; }
    const uint8_t* samples() const { return m_buffer.samples.get(); }
    uint64_t data_size() const { return uint64_t(m_format.nBlockAlign) * m_buffer.frame_count; }
    // The tag that decides integer or float: the sub-format of an extensible record.
    uint16_t effective_tag() const { return WaveHeader{m_format, m_subFormat}.EffectiveTag(); }

    // True when the record is one of the layouts the conversion reads.
    bool IsConvertible() const;
    // The record convert() makes.
    static WaveFormat TargetFormat(uint16_t channels, uint32_t rate);

private:
    void take_converted(const WaveFormat& target, std::unique_ptr<uint8_t[]> samples, uint64_t frames);

    CWaveBuffer m_buffer;
    WaveFormat m_format;
    uint16_t m_subFormat = 0;
};

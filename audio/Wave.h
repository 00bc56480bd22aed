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
    // Writes the WAV file; false when any write fails.
    bool write_to(QIODevice& device) const;

    // To 24-bit integer PCM with these channels (1 or 2) and rate.
    void convert(uint16_t channels, uint32_t rate);

    const WaveFormat& format() const { return m_format; }
    uint32_t frame_count() const { return m_buffer.frame_count; }
    const uint8_t* samples() const { return m_buffer.samples.get(); }
    uint64_t data_size() const { return uint64_t(m_format.nBlockAlign) * m_buffer.frame_count; }
    // The tag that decides integer or float: the sub-format of an extensible record.
    uint16_t effective_tag() const { return m_format.wFormatTag == kWaveTagExtensible ? m_subFormat : m_format.wFormatTag; }

    // True when the record is one of the layouts the conversion reads.
    bool IsConvertible() const;
    // Frames the conversion can produce from frames at fromRate to toRate:
    // the output capacity handed to the resampler, in 64 bits.
    static uint64_t ConvertedCapacity(uint32_t fromRate, uint32_t toRate, uint64_t frames);
    // The record convert() makes.
    static WaveFormat TargetFormat(uint16_t channels, uint32_t rate);

private:
    enum class Layout { None, Int16Mono, Int24Mono, Int16Stereo, Int24Stereo, Int32Stereo, FloatStereo };
    Layout SourceLayout() const;
    uint8_t* convert_channel(bool first, const WaveFormat& target, uint8_t* destination, uint64_t capacity) const;
    void ExtractChannel(Layout layout, bool first, int16_t* out) const;

    CWaveBuffer m_buffer;
    WaveFormat m_format;
    uint16_t m_subFormat = 0;
};

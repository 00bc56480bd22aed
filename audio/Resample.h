#pragma once
// The conversion machinery of the audio library, fed in blocks: a growing
// array of 24-bit output frames, the 16-bit path of WAV files and songs
// (one libsoxr resampler per channel, without dither) and the full
// resolution path (float frames, one resampler for all channels). Each
// block fed lets the event loop run first, and a cancel asked for makes Feed
// return false.
#include "Wave.h"

#include <soxr.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// The layouts of WAV frames the 16-bit path reads.
enum class PcmLayout { None, Int16Mono, Int24Mono, Int16Stereo, Int24Stereo, Int32Stereo, FloatStereo };
// The layout, taken only when channels, bits and tag all agree with a row
// of the table, and the frame size with them.
PcmLayout LayoutOf(const WaveFormat& format, uint16_t tag);

// 24-bit integer frames of a fixed channel count, written block by block
// into one array. Sized up front for the frames the header promises; it grows
// only when a decoder delivers more, and never past its limit.
class CFrameSink {
public:
    CFrameSink(uint16_t channels, uint64_t expectedFrames, uint64_t limitFrames);

    // Room for n more frames; null when the limit would be passed.
    uint8_t* Reserve(size_t n);
    void Commit(size_t n) { m_frames += n; }
    uint64_t frames() const { return m_frames; }
    uint16_t channels() const { return m_channels; }
    bool overflowed() const { return m_overflowed; }
    // The frames written, as a CWave sample array.
    std::unique_ptr<uint8_t[]> Take();

private:
    uint16_t m_channels;
    uint64_t m_capacity, m_limit, m_frames = 0;
    bool m_overflowed = false;
    std::unique_ptr<uint8_t[]> m_bytes;
};

// Frames a resampler makes of frames at fromRate to toRate, plus a margin of
// two: libsoxr rounds its total to the nearest frame.
uint64_t ResampledFrames(uint32_t fromRate, uint32_t toRate, uint64_t frames);

// One libsoxr resampler, fed in blocks; every produced block goes to a callback.
class CResampler {
public:
    CResampler(double fromRate, double toRate, unsigned channels, soxr_datatype_t type);
    ~CResampler();
    CResampler(const CResampler&) = delete;
    CResampler& operator=(const CResampler&) = delete;

    // Takes the produced frames; false stops the conversion.
    using Emit = std::function<bool(const void* frames, size_t n)>;

    // Feeds all n frames; false when the resampler or emit failed.
    bool Process(const void* in, size_t n, const Emit& emit);
    // Drains what the filter still holds.
    bool Flush(const Emit& emit);

private:
    bool Step(const void* in, size_t frames, size_t& used, size_t& made);

    soxr_t m_soxr = nullptr;
    soxr_error_t m_error = nullptr;
    size_t m_frameBytes;
    std::vector<uint8_t> m_out;
};

// WAV frames of a layout the 16-bit path reads (CWave::IsConvertible) to
// 24-bit frames: each output channel from one source channel as 16-bit
// samples, resampled and widened.
class CPcm16Converter {
public:
    CPcm16Converter(const WaveFormat& source, uint16_t tag, uint16_t channels, uint32_t rate);
    bool Feed(const uint8_t* frames, size_t n, CFrameSink& sink);
    bool Finish(CFrameSink& sink);

private:
    bool Resample(size_t channel, const int16_t* in, size_t n);
    bool Widen(CFrameSink& sink);

    WaveFormat m_source;
    PcmLayout m_layout;
    uint16_t m_channels;
    std::unique_ptr<CResampler> m_resamplers[2];
    std::vector<int16_t> m_in, m_made[2];
};

// Interleaved float frames of any channel count to 24-bit frames at full
// resolution: more than two channels keep the first two; to one channel
// the first is taken, or with mix the mean of all.
class CFloatConverter {
public:
    CFloatConverter(uint32_t fromRate, uint16_t sourceChannels, uint16_t channels, uint32_t rate, bool mix);
    bool Feed(const float* frames, size_t n, CFrameSink& sink);
    bool Finish(CFrameSink& sink);

private:
    bool Quantize(const void* frames, size_t n, CFrameSink& sink);

    uint16_t m_sourceChannels, m_channels;
    bool m_mix;
    CResampler m_resampler;
    std::vector<float> m_picked;
};

// 24-bit integer frames to the float frames the full-resolution path takes.
void Int24ToFloat(const uint8_t* frames, size_t samples, float* out);

// Conversion of a CWave to 24-bit integer PCM at another rate, in memory:
// through 16-bit samples (each output channel from one source channel,
// resampled by libsoxr and widened), or at full resolution from 24 bits.
#include "Resample.h"
#include "Wave.h"

#include <algorithm>

WaveFormat CWave::TargetFormat(uint16_t channels, uint32_t rate)
{
    WaveFormat f;
    f.wFormatTag = kWaveTagPcm;
    f.nChannels = channels;
    f.nSamplesPerSec = rate;
    f.nAvgBytesPerSec = 3u * channels * rate;
    f.nBlockAlign = uint16_t(3 * channels);
    f.wBitsPerSample = 24;
    f.cbSize = 18;
    return f;
}

bool CWave::IsConvertible() const { return LayoutOf(m_format, effective_tag()) != PcmLayout::None; }

void CWave::take_converted(const WaveFormat& target, std::unique_ptr<uint8_t[]> samples, uint64_t frames)
{
    m_format = target;
    m_subFormat = 0;
    set_samples(frames ? std::move(samples) : nullptr, uint32_t(frames));
}

// A layout the 16-bit path has no row for converts to no frames.
bool CWave::convert(uint16_t channels, uint32_t rate)
{
    if (frame_count() == 0)
        return true;
    const WaveFormat target = TargetFormat(channels, rate);
    if (m_format == target)
        return true;
    if (!IsConvertibleRate(m_format.nSamplesPerSec))
        return false;
    CFrameSink sink(channels, ResampledFrames(m_format.nSamplesPerSec, rate, frame_count()), UINT32_MAX);
    if (IsConvertible()) {
        CPcm16Converter converter(m_format, effective_tag(), channels, rate);
        if (!converter.Feed(samples(), frame_count(), sink) || !converter.Finish(sink))
            return false;
    }
    const uint64_t frames = sink.frames();
    take_converted(target, sink.Take(), frames);
    return true;
}

bool CWave::convert_full(uint16_t channels, uint32_t rate)
{
    const WaveFormat target = TargetFormat(channels, rate);
    if (frame_count() == 0 || m_format == target)
        return true;
    if (m_format.wBitsPerSample != 24 || effective_tag() != kWaveTagPcm || !IsConvertibleRate(m_format.nSamplesPerSec))
        return false;
    const uint16_t sourceChannels = m_format.nChannels;
    CFrameSink sink(channels, ResampledFrames(m_format.nSamplesPerSec, rate, frame_count()), UINT32_MAX);
    CFloatConverter converter(m_format.nSamplesPerSec, sourceChannels, channels, rate, false);
    constexpr uint32_t kBlock = 65536;
    std::vector<float> block(size_t(kBlock) * sourceChannels);
    for (uint32_t at = 0; at < frame_count(); at += kBlock) {
        const uint32_t n = std::min(kBlock, frame_count() - at);
        Int24ToFloat(samples() + size_t(at) * m_format.nBlockAlign, size_t(n) * sourceChannels, block.data());
        if (!converter.Feed(block.data(), n, sink))
            return false;
    }
    if (!converter.Finish(sink))
        return false;
    const uint64_t frames = sink.frames();
    take_converted(target, sink.Take(), frames);
    return true;
}

// Conversion of a CWave to 24-bit integer PCM at another rate: each output
// channel is taken from one source channel as 16-bit samples, resampled in
// one shot by libsoxr and widened to 24 bits.
#include "Wave.h"

#include <soxr.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

namespace {

// One conversion of a whole channel, as soxr_oneshot makes it (the output is
// the same sample for sample), but fed to the resampler in blocks that stay
// in the cache: about four times faster on a song of minutes.
bool ResampleWhole(double fromRate, double toRate, const int16_t* in, size_t inLength, int16_t* out,
                   size_t capacity, size_t& produced)
{
    constexpr size_t kBlock = 65536;
    soxr_io_spec_t io = soxr_io_spec(SOXR_INT16_I, SOXR_INT16_I);
    // Without dither the same input always gives the same output, so a mono
    // source duplicated into two channels gives two identical channels.
    io.flags |= SOXR_NO_DITHER;
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    soxr_error_t error = nullptr;
    soxr_t resampler = soxr_create(fromRate, toRate, 1, &error, &io, &quality, nullptr);
    produced = 0;
    size_t done = 0;
    for (size_t at = 0; !error && at < inLength; at += kBlock) {
        error = soxr_process(resampler, in + at, std::min(kBlock, inLength - at), nullptr, out + produced,
                             capacity - produced, &done);
        produced += done;
    }
    do {  // drain what the filter still holds
        done = 0;
        if (!error)
            error = soxr_process(resampler, nullptr, 0, nullptr, out + produced, capacity - produced, &done);
        produced += done;
    } while (!error && done > 0 && produced < capacity);
    soxr_delete(resampler);
    return !error;
}

int16_t Upper16(const uint8_t* sample, int bytes) { return int16_t(sample[bytes - 2] | (sample[bytes - 1] << 8)); }

// A float sample scaled to 16 bits, truncated toward zero; beyond full scale
// it saturates instead of wrapping, and NaN is silence.
int16_t FloatTo16(const uint8_t* sample)
{
    float value;
    std::memcpy(&value, sample, sizeof value);
    if (std::isnan(value))
        return 0;
    const double scaled = std::trunc(double(value) * 32768.0);
    if (scaled >= 32767.0)
        return 32767;
    if (scaled <= -32768.0)
        return -32768;
    return int16_t(scaled);
}

}  // namespace

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

uint64_t CWave::ConvertedCapacity(uint32_t fromRate, uint32_t toRate, uint64_t frames)
{
    if (fromRate == 0)
        return 0;
    const double elements = std::trunc((double(toRate) / fromRate + 0.5) * double(frames) * 2.0);
    return uint64_t(elements) / 2;
}

// The layout is taken only when channels, bits and tag all agree with a row
// of the table, and the frame size with them.
CWave::Layout CWave::SourceLayout() const
{
    const WaveFormat& f = m_format;
    const uint16_t tag = effective_tag();
    const auto is = [&](uint16_t channels, uint16_t bits, uint16_t wantTag) {
        return f.nChannels == channels && f.wBitsPerSample == bits && tag == wantTag &&
               f.nBlockAlign == channels * bits / 8;
    };
    if (is(1, 16, kWaveTagPcm))
        return Layout::Int16Mono;
    if (is(1, 24, kWaveTagPcm))
        return Layout::Int24Mono;
    if (is(2, 16, kWaveTagPcm))
        return Layout::Int16Stereo;
    if (is(2, 24, kWaveTagPcm))
        return Layout::Int24Stereo;
    if (is(2, 32, kWaveTagPcm))
        return Layout::Int32Stereo;
    if (is(2, 32, kWaveTagFloat))
        return Layout::FloatStereo;
    return Layout::None;
}

bool CWave::IsConvertible() const { return SourceLayout() != Layout::None; }

void CWave::ExtractChannel(Layout layout, bool first, int16_t* out) const
{
    const uint8_t* frame = samples();
    const uint32_t align = m_format.nBlockAlign;
    const uint32_t second = first ? 0 : align / 2;
    for (uint32_t i = 0; i < frame_count(); ++i, frame += align) {
        switch (layout) {
        case Layout::Int16Mono:
        case Layout::Int16Stereo:
        case Layout::Int24Mono:
        case Layout::Int24Stereo:
        case Layout::Int32Stereo: {
            const int bytes = int(m_format.wBitsPerSample / 8);
            out[i] = Upper16(frame + second, bytes);
            break;
        }
        case Layout::FloatStereo:
            out[i] = FloatTo16(frame + second);
            break;
        case Layout::None:
            break;
        }
    }
}

uint8_t* CWave::convert_channel(bool first, const WaveFormat& target, uint8_t* destination, uint64_t capacity) const
{
    const Layout layout = SourceLayout();
    if (layout == Layout::None || capacity == 0)
        return destination;
    // Both arrays are filled before they are read: no zeroing of minutes of audio.
    const std::unique_ptr<int16_t[]> in(new int16_t[frame_count()]);
    ExtractChannel(layout, first, in.get());
    const std::unique_ptr<int16_t[]> out(new int16_t[capacity]);
    size_t produced = 0;
    if (!ResampleWhole(m_format.nSamplesPerSec, target.nSamplesPerSec, in.get(), frame_count(), out.get(), capacity,
                       produced))
        return destination;  // a resampler failure produces nothing
    for (size_t i = 0; i < produced; ++i) {
        const uint32_t widened = uint32_t(uint16_t(out[i])) << 8;
        uint8_t* at = destination + i * target.nBlockAlign;
        at[0] = uint8_t(widened);
        at[1] = uint8_t(widened >> 8);
        at[2] = uint8_t(widened >> 16);
    }
    return destination + produced * target.nBlockAlign;
}

void CWave::convert(uint16_t channels, uint32_t rate)
{
    if (frame_count() == 0)
        return;
    const WaveFormat target = TargetFormat(channels, rate);
    if (m_format == target)
        return;
    // The output is sized from the capacity the resampler is given, never
    // from the byte rate the file claims.
    const uint64_t capacity = ConvertedCapacity(m_format.nSamplesPerSec, rate, frame_count());
    const uint64_t bytes = capacity * target.nBlockAlign;
    std::unique_ptr<uint8_t[]> output(bytes ? new uint8_t[bytes] : nullptr);
    uint8_t* start = output.get();
    uint8_t* end = convert_channel(true, target, start, capacity);
    if (channels == 2)
        end = convert_channel(m_format.nChannels < 2, target, start + 3, capacity);
    const uint64_t frames = bytes ? uint64_t(end - start) / target.nBlockAlign : 0;
    if (frames == 0)
        output.reset();
    m_format = target;
    m_subFormat = 0;
    set_samples(std::move(output), uint32_t(frames));
}

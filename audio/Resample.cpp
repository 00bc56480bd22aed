#include "Resample.h"

#include "Operation.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr size_t kBlockFrames = 65536;  // input per step: stays in the cache
constexpr size_t kOutFrames = 65536;    // output room per step

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

void Put24(uint8_t* at, int32_t value)
{
    at[0] = uint8_t(value);
    at[1] = uint8_t(value >> 8);
    at[2] = uint8_t(value >> 16);
}

// Full scale is 2^23; beyond it saturates, NaN is silence.
int32_t FloatTo24(float value)
{
    if (std::isnan(value))
        return 0;
    const double scaled = std::nearbyint(double(value) * 8388608.0);
    return int32_t(std::clamp(scaled, -8388608.0, 8388607.0));
}

}  // namespace

PcmLayout LayoutOf(const WaveFormat& f, uint16_t tag)
{
    const auto is = [&](uint16_t channels, uint16_t bits, uint16_t wantTag) {
        return f.nChannels == channels && f.wBitsPerSample == bits && tag == wantTag &&
               f.nBlockAlign == channels * bits / 8;
    };
    if (is(1, 16, kWaveTagPcm))
        return PcmLayout::Int16Mono;
    if (is(1, 24, kWaveTagPcm))
        return PcmLayout::Int24Mono;
    if (is(2, 16, kWaveTagPcm))
        return PcmLayout::Int16Stereo;
    if (is(2, 24, kWaveTagPcm))
        return PcmLayout::Int24Stereo;
    if (is(2, 32, kWaveTagPcm))
        return PcmLayout::Int32Stereo;
    if (is(2, 32, kWaveTagFloat))
        return PcmLayout::FloatStereo;
    return PcmLayout::None;
}

// ---- CFrameSink ----

CFrameSink::CFrameSink(uint16_t channels, uint64_t expectedFrames, uint64_t limitFrames)
    : m_channels(channels), m_capacity(std::min(expectedFrames, limitFrames)), m_limit(limitFrames),
      m_bytes(m_capacity ? new uint8_t[m_capacity * 3 * channels] : nullptr)
{
}

uint8_t* CFrameSink::Reserve(size_t n)
{
    const size_t frameBytes = 3u * m_channels;
    if (m_frames + n > m_limit) {
        m_overflowed = true;
        return nullptr;
    }
    if (m_frames + n > m_capacity) {  // a decoder that delivers more than its header said
        m_capacity = std::min(m_limit, std::max(m_capacity * 2, m_frames + n));
        std::unique_ptr<uint8_t[]> grown(new uint8_t[m_capacity * frameBytes]);
        if (m_frames)
            std::memcpy(grown.get(), m_bytes.get(), m_frames * frameBytes);
        m_bytes = std::move(grown);
    }
    return m_bytes.get() + m_frames * frameBytes;
}

std::unique_ptr<uint8_t[]> CFrameSink::Take()
{
    m_capacity = m_frames = 0;
    return std::move(m_bytes);
}

uint64_t ResampledFrames(uint32_t fromRate, uint32_t toRate, uint64_t frames)
{
    return fromRate ? uint64_t(std::ceil(double(frames) * toRate / fromRate)) + 2 : 0;
}

// ---- CResampler ----

CResampler::CResampler(double fromRate, double toRate, unsigned channels, soxr_datatype_t type)
    : m_frameBytes(channels * (type == SOXR_INT16_I ? 2 : 4)), m_out(kOutFrames * m_frameBytes)
{
    soxr_io_spec_t io = soxr_io_spec(type, type);
    // Without dither the same input always gives the same output, so a mono
    // source duplicated into two channels gives two identical channels.
    io.flags |= SOXR_NO_DITHER;
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    m_soxr = soxr_create(fromRate, toRate, channels, &m_error, &io, &quality, nullptr);
}

CResampler::~CResampler() { soxr_delete(m_soxr); }

bool CResampler::Step(const void* in, size_t frames, size_t& used, size_t& made)
{
    used = made = 0;
    if (!m_error)
        m_error = soxr_process(m_soxr, in, frames, in ? &used : nullptr, m_out.data(), kOutFrames, &made);
    return !m_error;
}

bool CResampler::Process(const void* in, size_t n, const Emit& emit)
{
    const uint8_t* at = static_cast<const uint8_t*>(in);
    while (n > 0) {
        size_t used = 0, made = 0;
        if (!Step(at, n, used, made) || (made && !emit(m_out.data(), made)) || (used == 0 && made == 0))
            return false;
        at += used * m_frameBytes;
        n -= used;
    }
    return true;
}

bool CResampler::Flush(const Emit& emit)
{
    size_t used = 0, made = 0;
    do {
        if (!Step(nullptr, 0, used, made) || (made && !emit(m_out.data(), made)))
            return false;
    } while (made > 0);
    return true;
}

// ---- CPcm16Converter ----

CPcm16Converter::CPcm16Converter(const WaveFormat& source, uint16_t tag, uint16_t channels, uint32_t rate)
    : m_source(source), m_layout(LayoutOf(source, tag)), m_channels(channels)
{
    for (uint16_t c = 0; c < channels; ++c)
        m_resamplers[c] = std::make_unique<CResampler>(source.nSamplesPerSec, rate, 1, SOXR_INT16_I);
}

bool CPcm16Converter::Resample(size_t channel, const int16_t* in, size_t n)
{
    std::vector<int16_t>& made = m_made[channel];
    return m_resamplers[channel]->Process(in, n, [&made](const void* frames, size_t count) {
        const int16_t* s = static_cast<const int16_t*>(frames);
        made.insert(made.end(), s, s + count);
        return true;
    });
}

bool CPcm16Converter::Feed(const uint8_t* frames, size_t n, CFrameSink& sink)
{
    const uint32_t align = m_source.nBlockAlign;
    const int bytes = m_source.wBitsPerSample / 8;
    for (size_t done = 0; done < n;) {
        // Between blocks the window repaints and a cancel stops the conversion.
        if (!ContinueOperation())
            return false;
        const size_t block = std::min(kBlockFrames, n - done);
        const uint8_t* first = frames + done * align;
        for (uint16_t c = 0; c < m_channels; ++c) {
            // A mono source is duplicated into both channels.
            const uint32_t offset = c == 1 && m_source.nChannels > 1 ? align / 2 : 0;
            m_in.resize(block);
            for (size_t i = 0; i < block; ++i) {
                const uint8_t* sample = first + i * align + offset;
                m_in[i] = m_layout == PcmLayout::FloatStereo ? FloatTo16(sample) : Upper16(sample, bytes);
            }
            if (!Resample(c, m_in.data(), block))
                return false;
        }
        done += block;
        if (!Widen(sink))
            return false;
    }
    return true;
}

bool CPcm16Converter::Finish(CFrameSink& sink)
{
    for (uint16_t c = 0; c < m_channels; ++c) {
        std::vector<int16_t>& made = m_made[c];
        const bool ok = m_resamplers[c]->Flush([&made](const void* frames, size_t count) {
            const int16_t* s = static_cast<const int16_t*>(frames);
            made.insert(made.end(), s, s + count);
            return true;
        });
        if (!ok)
            return false;
    }
    return Widen(sink);
}

// The 16-bit pattern (taken unsigned) shifted left by 8: the signed value × 256.
bool CPcm16Converter::Widen(CFrameSink& sink)
{
    size_t n = m_made[0].size();
    for (uint16_t c = 1; c < m_channels; ++c)
        n = std::min(n, m_made[c].size());
    if (n == 0)
        return true;
    uint8_t* out = sink.Reserve(n);
    if (!out)
        return false;
    const size_t align = 3u * m_channels;
    for (uint16_t c = 0; c < m_channels; ++c) {
        const std::vector<int16_t>& made = m_made[c];
        for (size_t i = 0; i < n; ++i)
            Put24(out + i * align + 3 * c, int32_t(uint32_t(uint16_t(made[i])) << 8));
        m_made[c].erase(m_made[c].begin(), m_made[c].begin() + ptrdiff_t(n));
    }
    sink.Commit(n);
    return true;
}

// ---- CFloatConverter ----

CFloatConverter::CFloatConverter(uint32_t fromRate, uint16_t sourceChannels, uint16_t channels, uint32_t rate,
                                 bool mix)
    : m_sourceChannels(sourceChannels), m_channels(channels), m_mix(mix),
      m_resampler(fromRate, rate, channels, SOXR_FLOAT32_I)
{
}

bool CFloatConverter::Feed(const float* frames, size_t n, CFrameSink& sink)
{
    if (!ContinueOperation())
        return false;
    m_picked.resize(n * m_channels);
    const bool mixing = m_mix && m_channels == 1;
    for (size_t i = 0; i < n; ++i) {
        const float* frame = frames + i * m_sourceChannels;
        if (mixing) {
            double sum = 0;
            for (uint16_t c = 0; c < m_sourceChannels; ++c)
                sum += frame[c];
            m_picked[i] = float(sum / m_sourceChannels);
            continue;
        }
        for (uint16_t c = 0; c < m_channels; ++c)  // a mono source is duplicated
            m_picked[i * m_channels + c] = frame[std::min<uint16_t>(c, m_sourceChannels - 1)];
    }
    return m_resampler.Process(m_picked.data(), n,
                               [&](const void* out, size_t made) { return Quantize(out, made, sink); });
}

bool CFloatConverter::Finish(CFrameSink& sink)
{
    return m_resampler.Flush([&](const void* out, size_t made) { return Quantize(out, made, sink); });
}

bool CFloatConverter::Quantize(const void* frames, size_t n, CFrameSink& sink)
{
    uint8_t* out = sink.Reserve(n);
    if (!out)
        return false;
    const float* in = static_cast<const float*>(frames);
    for (size_t i = 0; i < n * m_channels; ++i)
        Put24(out + 3 * i, FloatTo24(in[i]));
    sink.Commit(n);
    return true;
}

void Int24ToFloat(const uint8_t* frames, size_t samples, float* out)
{
    for (size_t i = 0; i < samples; ++i, frames += 3) {
        const int32_t v = int32_t(uint32_t(frames[0]) << 8 | uint32_t(frames[1]) << 16 | uint32_t(frames[2]) << 24) >> 8;
        out[i] = float(v / 8388608.0);
    }
}

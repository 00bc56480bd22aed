#include "AudioImport.h"

#include "AppFiles.h"
#include "Operation.h"
#include "Prompt.h"
#include "Resample.h"
#include "SoundFile.h"
#include "Wave.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(AudioImport)
};

constexpr int64_t kBlockFrames = 65536;
// A decoder may end a little short of the length its header estimates (an
// MP3 without a frame count); more than this share missing is a damaged file.
constexpr double kShortestRead = 0.98;

bool RateRefused(const QString& path, uint64_t rate)
{
    if (rate <= kMaxConvertRate && IsConvertibleRate(uint32_t(rate)))
        return false;
    ShowMessage(Text::tr("Audio file '%1' has a sample rate of %2 Hz: only 1,000 to 768,000 Hz can be imported")
                    .arg(path)
                    .arg(rate));
    return true;
}

void ShowUnreadable(const QString& path, const QString& reason)
{
    ShowMessage(Text::tr("Audio file '%1' cannot be read: %2").arg(path, reason));
}

// Frames of the song made of frames at fromRate, rounded up as before.
// A count no song can hold stays beyond every limit instead of wrapping.
uint64_t SongFrames(uint64_t frames, uint32_t fromRate, uint32_t toRate)
{
    const double song = (double(frames) * toRate + fromRate - 1) / fromRate;
    return song < 1e18 ? uint64_t(song) : UINT64_MAX;
}

bool Fits(uint64_t frames, const ImportRequest& r) { return frames <= r.maxBytes / (3 * r.channels); }

// A song of frames, worked out from the header, against the largest song and
// the free space.
std::optional<ImportResult> SizeRefusal(uint64_t frames, const ImportRequest& r, uint64_t* songBytes)
{
    if (!Fits(frames, r))
        return ImportResult::TooLarge;
    const uint64_t bytes = frames * 3 * r.channels;
    if (songBytes)
        *songBytes = bytes;
    if (bytes > r.freeBytes)
        return ImportResult::NoSpace;
    return std::nullopt;
}

// What a file that shrank or failed under the reader says.
const char* const kCutShort = QT_TRANSLATE_NOOP("AudioImport", "it could not be read to its end");

ImportResult Finished(CWave& song, const ImportRequest& r, CFrameSink& sink, uint64_t sourceFrames)
{
    if (sourceFrames > 0 && sink.frames() == 0)
        return ImportResult::Failed;  // nothing came out of the conversion: keep the song
    const uint64_t frames = sink.frames();
    song.set_format(r.channels, r.rate, 24);
    song.set_samples(sink.Take(), uint32_t(frames));
    return ImportResult::Converted;
}

// Why a converter stopped: the user's cancel, a song too large or a failure.
ImportResult Stopped(const CFrameSink& sink)
{
    if (CancelRequested())
        return ImportResult::Cancelled;
    return sink.overflowed() ? ImportResult::TooLarge : ImportResult::Failed;
}

// A file already in the song's exact format is taken as it is, read in
// blocks between which the event loop runs.
ImportResult TakeExact(QFile& file, const WaveHeader& h, CWave& song)
{
    const uint64_t bytes = h.frames * h.format.nBlockAlign;
    std::unique_ptr<uint8_t[]> samples(bytes ? new uint8_t[bytes] : nullptr);
    const uint64_t block = uint64_t(kBlockFrames) * h.format.nBlockAlign;
    for (uint64_t at = 0; at < bytes; at += block) {
        if (!ContinueOperation())
            return ImportResult::Cancelled;
        const qint64 n = qint64(std::min(block, bytes - at));
        if (file.read(reinterpret_cast<char*>(samples.get() + at), n) != n) {
            ShowUnreadable(file.fileName(), Text::tr(kCutShort));
            return ImportResult::Refused;
        }
    }
    song.set_format(h.format.nChannels, h.format.nSamplesPerSec, 24);
    song.set_samples(std::move(samples), uint32_t(h.frames));
    return ImportResult::Converted;
}

// The WAV reader's path: the layouts the 16-bit conversion reads.
ImportResult ImportWav(QFile& file, const WaveHeader& h, const ImportRequest& r, CWave& song,
                       uint64_t* songBytes)
{
    if (RateRefused(file.fileName(), h.format.nSamplesPerSec))
        return ImportResult::Refused;
    if (const auto refused = SizeRefusal(SongFrames(h.frames, h.format.nSamplesPerSec, r.rate), r, songBytes))
        return *refused;
    if (h.format == CWave::TargetFormat(r.channels, r.rate))
        return TakeExact(file, h, song);
    const uint32_t align = h.format.nBlockAlign;
    CFrameSink sink(r.channels, ResampledFrames(h.format.nSamplesPerSec, r.rate, h.frames), r.maxBytes / (3 * r.channels));
    CPcm16Converter converter(h.format, h.EffectiveTag(), r.channels, r.rate);
    std::vector<uint8_t> block(size_t(kBlockFrames) * align);
    for (uint64_t at = 0; at < h.frames; at += kBlockFrames) {
        const size_t n = size_t(std::min<uint64_t>(kBlockFrames, h.frames - at));
        if (file.read(reinterpret_cast<char*>(block.data()), qint64(n * align)) != qint64(n * align)) {
            ShowUnreadable(file.fileName(), Text::tr(kCutShort));
            return ImportResult::Refused;
        }
        if (!converter.Feed(block.data(), n, sink))
            return Stopped(sink);
    }
    if (!converter.Finish(sink))
        return Stopped(sink);
    return Finished(song, r, sink, h.frames);
}

// Everything else, through libsndfile at full resolution.
ImportResult ImportDecoded(const QString& path, const ImportRequest& r, CWave& song, uint64_t* songBytes)
{
    CSoundFileReader reader;
    QString problem;
    if (!reader.Open(path, problem)) {
        ShowUnreadable(path, problem);
        return ImportResult::Refused;
    }
    const SF_INFO& info = reader.info();
    if (RateRefused(path, uint64_t(info.samplerate)))
        return ImportResult::Refused;
    const uint64_t frames = uint64_t(std::max<sf_count_t>(info.frames, 0));
    const uint32_t rate = uint32_t(info.samplerate);
    if (const auto refused = SizeRefusal(SongFrames(frames, rate, r.rate), r, songBytes))
        return *refused;
    CFrameSink sink(r.channels, ResampledFrames(rate, r.rate, frames), r.maxBytes / (3 * r.channels));
    CFloatConverter converter(rate, uint16_t(info.channels), r.channels, r.rate, r.mix);
    // Blocks of about the same size whatever the channel count.
    const int64_t blockFrames = std::max<int64_t>(1, kBlockFrames / info.channels);
    std::vector<float> block(size_t(blockFrames) * size_t(info.channels));
    uint64_t read = 0;
    for (int64_t n; (n = reader.Read(block.data(), blockFrames)) > 0; read += uint64_t(n)) {
        if (!converter.Feed(block.data(), size_t(n), sink))
            return Stopped(sink);
    }
    problem = reader.ReadProblem();
    if (problem.isEmpty() && double(read) < double(frames) * kShortestRead)
        problem = Text::tr("it ends after %1 of its %2 frames").arg(read).arg(frames);
    if (!problem.isEmpty()) {
        ShowUnreadable(path, problem);
        return ImportResult::Refused;
    }
    if (!converter.Finish(sink))
        return Stopped(sink);
    return Finished(song, r, sink, read);
}

}  // namespace

bool CanReadAudioFile(const QString& path)
{
    QFile file;
    if (!OpenFileOrWarn(file, path, QIODevice::ReadOnly))
        return false;
    WaveHeader header;
    QString problem;
    if (ReadWaveHeader(file, header, problem) && LayoutOf(header.format, header.EffectiveTag()) != PcmLayout::None)
        return true;
    file.close();
    CSoundFileReader reader;
    if (reader.Open(path, problem))
        return true;
    ShowUnreadable(path, problem);
    return false;
}

ImportResult ImportAudioFile(const QString& path, const ImportRequest& request, CWave& song, uint64_t* songBytes)
{
    QFile file;
    if (!OpenFileOrWarn(file, path, QIODevice::ReadOnly))
        return ImportResult::Refused;
    WaveHeader header;
    QString problem;
    const bool wav = ReadWaveHeader(file, header, problem) &&
                     LayoutOf(header.format, header.EffectiveTag()) != PcmLayout::None;
    const bool mixing = request.mix && request.channels == 1 && header.format.nChannels > 1;
    if (wav && !mixing)
        return ImportWav(file, header, request, song, songBytes);
    file.close();
    return ImportDecoded(path, request, song, songBytes);
}

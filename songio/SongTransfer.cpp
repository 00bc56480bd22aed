#include "SongTransfer.h"

#include "AudioImport.h"
#include "LooperSongList.h"
#include "Operation.h"
#include "Prompt.h"
#include "SongGeometry.h"
#include "SongResult.h"
#include "SongSpace.h"
#include "SoundFile.h"
#include "Wave.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QSaveFile>

#include <algorithm>
#include <memory>

QString SongListText(CLooperSongList& songs, uint32_t row)
{
    if (songs.song(row)->is_used())
        return songs.song_label(int(row));
    const QString text = songs.song(row)->is_damaged()
                             ? QCoreApplication::translate("SongTransfer", "Song %1 -- (Damaged)")
                             : QCoreApplication::translate("SongTransfer", "Song %1 -- (Empty)");
    return text.arg(row + 1, 3, 10, QLatin1Char('0'));
}

QString DamagedSongText(CLooperSongList& songs, uint32_t row)
{
    return QCoreApplication::translate("SongTransfer", "'%1' cannot be read: its song info fails its checksum. "
                                                       "Import a song into the slot or delete it.")
        .arg(SongListText(songs, row));
}

ExportFormat ExportFormatForName(const QString& path)
{
    ExportFormat format;
    format.flac = format.fullResolution = path.endsWith(QLatin1String(".flac"), Qt::CaseInsensitive);
    return format;
}

namespace {

bool Convert(CWave& wave, const SongAreaParams& area, const ExportFormat& format)
{
    const uint16_t channels = uint16_t(area.channels);
    return format.fullResolution ? wave.convert_full(channels, format.rate) : wave.convert(channels, format.rate);
}

// The failure of a step that a cancel also stops.
int StepFailed() { return CancelRequested() ? SongCancelled : kCommandFailed; }

// The file is committed only when no cancel came before it.
int Commit(QSaveFile& file, bool written)
{
    if (CancelRequested()) {
        file.cancelWriting();
        return SongCancelled;
    }
    return written && file.commit() ? SongOk : kCommandFailed;
}

}  // namespace

int ExportSongTo(QSaveFile& file, CLooperSongList& songs, const SongAreaParams& area, uint32_t row,
                 const ExportFormat& format, QObject* progress, ExportedAudio* audio)
{
    const uint32_t size = songs.song(row)->get_song_size();
    std::unique_ptr<uint8_t[]> buffer(new uint8_t[size]);
    const int code = songs.read_song(row, buffer.get(), size, progress);
    if (code != SongOk)
        return code;
    CWave wave;
    wave.set_format(uint16_t(area.channels), area.sample_rate, uint16_t(area.bits_per_sample));
    const uint32_t frames = size / (area.bits_per_sample / 8 * area.channels);
    wave.set_samples(std::move(buffer), frames);
    // A resampler that failed or made nothing of a song fails the export.
    if (!Convert(wave, area, format) || (frames > 0 && wave.frame_count() == 0))
        return StepFailed();
    if (audio) {
        audio->bytes = qint64(wave.data_size());
        if (!Sha256(wave.samples(), wave.data_size(), audio->sha256))
            return SongCancelled;
    }
    const bool written = format.flac ? WriteFlac(file, wave) : wave.write_to(file);
    return Commit(file, written);
}

bool Sha256(const uint8_t* bytes, uint64_t n, QByteArray& hash)
{
    constexpr uint64_t kBlock = 4 << 20;
    QCryptographicHash sum(QCryptographicHash::Sha256);
    for (uint64_t at = 0; at < n; at += kBlock) {
        if (!ContinueOperation())
            return false;
        sum.addData(reinterpret_cast<const char*>(bytes + at), int(std::min(kBlock, n - at)));
    }
    hash = sum.result();
    return true;
}

std::optional<int> ImportSongFrom(const QString& path, CWave& wave, CLooperSongList& songs, const SongAreaParams& area,
                                  uint32_t row, QObject* progress, bool mix)
{
    ImportRequest request;
    request.channels = uint16_t(area.channels);
    request.rate = area.sample_rate;
    request.mix = mix;
    request.maxBytes = uint64_t(area.max_song_blocks) * BlockBytes(area);
    // An overwrite takes free blocks before the old song's are released.
    request.freeBytes = SpaceOf(songs, area).FreeBytes();
    uint64_t songBytes = 0;
    switch (ImportAudioFile(path, request, wave, &songBytes)) {
    case ImportResult::Refused:
        return std::nullopt;
    case ImportResult::NoSpace:
        ShowMessage(NoSpaceText(path, songBytes, request.freeBytes));
        return std::nullopt;
    case ImportResult::TooLarge:
        return SongTooLarge;
    case ImportResult::Failed:
        return kCommandFailed;
    case ImportResult::Cancelled:
        return SongCancelled;
    case ImportResult::Converted:
        break;
    }
    // A cancel that came during the conversion's last block: nothing is sent.
    if (CancelRequested())
        return SongCancelled;
    return songs.write_song(row, wave.samples(), uint32_t(wave.data_size()), progress);
}

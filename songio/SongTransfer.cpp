#include "SongTransfer.h"

#include "LooperSongList.h"
#include "Prompt.h"
#include "SongGeometry.h"
#include "SongResult.h"
#include "Wave.h"

#include <QCryptographicHash>
#include <QSaveFile>

#include <memory>

QString SongListText(CLooperSongList& songs, uint32_t row)
{
    if (songs.song(row)->is_used())
        return songs.song_label(int(row));
    return QString::asprintf("Song %.3d -- %s", int(row) + 1, songs.song(row)->is_damaged() ? "(Damaged)" : "(Empty)");
}

QString DamagedSongText(CLooperSongList& songs, uint32_t row)
{
    return QStringLiteral("'%1' cannot be read: its song info fails its checksum. "
                          "Import a song into the slot or delete it.")
        .arg(SongListText(songs, row));
}

int ExportSongTo(QSaveFile& file, CLooperSongList& songs, const SongAreaParams& area, uint32_t row, uint32_t rate,
                 QObject* progress, ExportedAudio* audio)
{
    const uint32_t size = songs.song(row)->get_song_size();
    std::unique_ptr<uint8_t[]> buffer(new uint8_t[size]);
    const int code = songs.read_song(row, buffer.get(), size, progress);
    if (code != SongOk)
        return code;
    CWave wave;
    wave.set_format(uint16_t(area.channels), area.sample_rate, uint16_t(area.bits_per_sample));
    wave.set_samples(std::move(buffer), size / (area.bits_per_sample / 8 * area.channels));
    wave.convert(uint16_t(area.channels), rate);
    if (audio) {
        audio->bytes = qint64(wave.data_size());
        audio->sha256 = QCryptographicHash::hash(
            QByteArray::fromRawData(reinterpret_cast<const char*>(wave.samples()), int(wave.data_size())),
            QCryptographicHash::Sha256);
    }
    return wave.write_to(file) && file.commit() ? SongOk : kCommandFailed;
}

std::optional<int> ImportSongFrom(const QString& path, CWave& wave, CLooperSongList& songs, const SongAreaParams& area,
                                  uint32_t row, QObject* progress)
{
    if (!wave.load(path))
        return std::nullopt;
    const WaveFormat& f = wave.format();
    if (wave.frame_count() > 0 && !wave.IsConvertible()) {
        ShowMessage("Wave file '%s' format not supported: %u channels of %u bits, format tag 0x%04X",
                    path.toLocal8Bit().constData(), f.nChannels, f.wBitsPerSample, wave.effective_tag());
        return std::nullopt;
    }
    // The converted size, worked out before converting anything.
    const uint64_t frames =
        (uint64_t(wave.frame_count()) * area.sample_rate + f.nSamplesPerSec - 1) / f.nSamplesPerSec;
    if (BlocksFor(area, frames * 3 * area.channels) > area.max_song_blocks)
        return SongTooLarge;
    const bool hadFrames = wave.frame_count() > 0;
    wave.convert(uint16_t(area.channels), area.sample_rate);
    if (hadFrames && wave.frame_count() == 0)
        return kCommandFailed;  // nothing came out of the conversion: keep the song
    return songs.write_song(row, wave.samples(), uint32_t(wave.data_size()), progress);
}

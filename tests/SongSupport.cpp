#include "SongSupport.h"

#include "LooperSongFile.h"
#include "Wave.h"

#include <QFile>

#include <cmath>

Bytes Reloaded(const Bytes& song, const SongAreaParams& a, uint32_t format)
{
    const size_t units = format == CurrentFormat ? song.size() / a.write_unit
                                                 : (song.size() + a.write_unit - 1) / a.write_unit;
    Bytes r(song);
    r.resize(units * a.write_unit, 0);
    return r;
}

Bytes SongAudio(size_t n, uint32_t seed)
{
    Bytes b(n);
    uint32_t x = seed * 2654435761u + 1;
    for (size_t i = 0; i < n; ++i) {
        x = x * 1103515245u + 12345u;
        b[i] = uint8_t(x >> 16);
    }
    return b;
}

CSongRig::CSongRig(int32_t model_id, uint32_t startBlock) : model(model_id), rig(PedalFor(model_id))
{
    songs.SetStartBlockSource([startBlock] { return startBlock; });
    rig.Connect();
}

int CSongRig::Reload()
{
    if (!rig.Connect())
        return -1;
    return songs.load_songs();
}

Bytes CSongRig::RawFlash(uint32_t address, size_t n)
{
    Bytes b(n);
    rig.pedal.Flash(1).Read(address, b.data(), n);
    return b;
}

Bytes CSongRig::ReadSong(uint32_t slot)
{
    CLooperSongBase* song = songs.song(slot);
    if (!song)
        return {};
    Bytes b(song->get_song_size());
    if (songs.read_song(slot, b.data(), uint32_t(b.size()), nullptr) != SongOk)
        return {};
    return b;
}

void PutFatPage(CVirtualPedal& pedal, int32_t model_id, uint32_t slot, uint16_t block, bool damaged)
{
    const SongAreaParams& a = *find_model(model_id)->song_area;
    std::vector<uint8_t> page = CLooperSongFile::BuildFatPage(a, {block}, 1920);
    if (damaged)
        page[7] ^= 0x01;
    pedal.Flash(1).Program(PageAddress(a, a.data_blocks + slot, 0), page.data(), page.size());
}

QString SineWav(const QString& path, uint32_t rate, uint32_t frames, const std::vector<double>& tones)
{
    const uint16_t channels = uint16_t(tones.size());
    CWave w;
    w.set_format(channels, rate, 16);
    std::unique_ptr<uint8_t[]> s(new uint8_t[frames * 2 * channels]);
    for (uint32_t i = 0; i < frames; ++i) {
        for (uint16_t c = 0; c < channels; ++c) {
            const int16_t v = int16_t(12000 * std::sin(2 * M_PI * tones[c] * i / rate));
            s[(i * channels + c) * 2] = uint8_t(v);
            s[(i * channels + c) * 2 + 1] = uint8_t(v >> 8);
        }
    }
    w.set_samples(std::move(s), frames);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    w.write_to(f);
    return path;
}

#include "SongSupport.h"

#include "Cli.h"
#include "LooperSongFile.h"
#include "LooperSongOld.h"
#include "Wave.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

Bytes Reloaded(const Bytes& song, const SongAreaParams& a, uint32_t format)
{
    const size_t units = format == CurrentFormat ? song.size() / a.write_unit
                                                 : (song.size() + a.write_unit - 1) / a.write_unit;
    Bytes r(song);
    r.resize(units * a.write_unit, 0);
    return r;
}

QTemporaryDir& TestFolder()
{
    static QTemporaryDir dir;
    return dir;
}

QString MadeByTool(const QString& name, const QString& program, const QStringList& args)
{
    const QString path = TestFolder().filePath(name);
    QProcess tool;
    tool.start(program, QStringList(args).replaceInStrings("OUT", path));
    EXPECT_TRUE(tool.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(tool.exitCode(), 0) << program.toStdString() << ": " << tool.readAllStandardError().toStdString();
    return path;
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
    // A command line that ran on the same bus may still have a late reply on
    // its way: a connection that took it for its own answer is tried again.
    if (!rig.Connect() && !rig.Connect())
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

uint32_t CSongRig::InfoSize() const
{
    return Old() ? CLooperSongOld::kRecordSize : CLooperSongFile::RecordSize(Area());
}

int CSongRig::CurrentPage(uint32_t slot)
{
    CLooperSongBase* song = songs.song(slot);
    return Old() ? static_cast<CLooperSongOld*>(song)->current_page()
                 : static_cast<CLooperSongFile*>(song)->current_page();
}

void PlantFatPage(CVirtualPedal& pedal, int32_t model_id, uint32_t slot, uint32_t page, const BlockList& blocks,
                  uint32_t length, bool damaged)
{
    const SongAreaParams& a = *find_model(model_id)->song_area;
    std::vector<uint8_t> record = CLooperSongFile::BuildFatPage(a, blocks, length);
    if (damaged)
        record[7] ^= 0x01;
    EXPECT_TRUE(pedal.Flash(1).Program(PageAddress(a, a.data_blocks + slot, page), record.data(), record.size()));
}

void PutFatPage(CVirtualPedal& pedal, int32_t model_id, uint32_t slot, uint16_t block, bool damaged)
{
    PlantFatPage(pedal, model_id, slot, 0, {block}, 1920, damaged);
}

void UseBlocks(CVirtualPedal& pedal, int32_t model_id, uint32_t firstSlot, uint32_t count)
{
    const SongAreaParams& a = *find_model(model_id)->song_area;
    uint16_t next = 0;
    for (uint32_t slot = firstSlot; count > 0; ++slot) {
        BlockList blocks;
        for (; count > 0 && blocks.size() < a.max_song_blocks; --count)
            blocks.push_back(next++);
        PlantFatPage(pedal, model_id, slot, 0, blocks, uint32_t(blocks.size() * BlockBytes(a)));
    }
}

QString SineWav(const QString& path, uint32_t rate, uint32_t frames, const std::vector<double>& tones, uint16_t bits)
{
    const uint16_t channels = uint16_t(tones.size());
    const int bytes = bits / 8;
    CWave w;
    w.set_format(channels, rate, bits);
    std::unique_ptr<uint8_t[]> s(new uint8_t[size_t(frames) * channels * bytes]);
    uint8_t* at = s.get();
    for (uint32_t i = 0; i < frames; ++i) {
        for (double tone : tones) {
            const int32_t v = int32_t(0.4 * std::sin(2 * M_PI * tone * i / rate) * (1 << (bits - 1)));
            for (int b = 0; b < bytes; ++b)
                *at++ = uint8_t(v >> (8 * b));
        }
    }
    w.set_samples(std::move(s), frames);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    w.write_to(f);
    return path;
}

int32_t Sample24(const uint8_t* frames, size_t frame, int channels, int channel)
{
    const uint8_t* p = frames + (frame * channels + channel) * 3;
    return int32_t(uint32_t(p[0]) << 8 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 24) >> 8;
}

int Crossings(const uint8_t* frames, size_t count, int channels, int channel, int32_t threshold)
{
    int crossings = 0, sign = 0;
    for (size_t i = 0; i < count; ++i) {
        const int32_t v = Sample24(frames, i, channels, channel);
        const int now = v > threshold ? 1 : v < -threshold ? -1 : sign;
        crossings += sign != 0 && now != sign;
        sign = now;
    }
    return crossings;
}

CliRun RunCliCaptured(const QStringList& args, IMidiService& midi)
{
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int exit = RunCli(args, midi);
    std::string out = testing::internal::GetCapturedStdout();
    return {exit, std::move(out), testing::internal::GetCapturedStderr()};
}

#include "DemoSongs.h"

#include "InProcessMidi.h"
#include "LooperSongList.h"
#include "PedalPorts.h"
#include "SongResult.h"
#include "USBPort.h"

#include <cmath>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

// A two-bar arpeggio of decaying plucks in the pedal's native format
// (24-bit little-endian samples, interleaved channels).
std::vector<uint8_t> Loop(const SongAreaParams& a, int variant)
{
    const double rate = a.sample_rate;
    const double beat = 60.0 / (96 + 16 * variant);
    const int steps = 16;
    const double root = 110.0 * std::pow(2.0, variant * 5 / 12.0);
    const int ratios[4][2] = {{1, 1}, {5, 4}, {3, 2}, {2, 1}};
    const size_t frames = size_t(steps * beat / 2 * rate);
    std::vector<uint8_t> audio(frames * a.channels * 3);
    size_t at = 0;
    for (size_t i = 0; i < frames; ++i) {
        const double t = i / rate;
        const int step = int(t / (beat / 2));
        const double since = t - step * beat / 2;
        const auto& r = ratios[(step + variant) % 4];
        const double f = root * r[0] / r[1] * (step % 8 == 7 ? 2 : 1);
        const double v = 0.45 * std::exp(-since * 6) * std::sin(2 * kPi * f * t) * (0.8 + 0.2 * std::sin(2 * kPi * 3 * t));
        const int32_t sample = int32_t(std::lround(v * 8388607));
        for (uint32_t c = 0; c < a.channels; ++c) {
            audio[at++] = uint8_t(sample);
            audio[at++] = uint8_t(sample >> 8);
            audio[at++] = uint8_t(sample >> 16);
        }
    }
    return audio;
}

}  // namespace

bool WriteDemoSongs(CVirtualPedal& pedal, QString& error)
{
    CInProcessMidi midi;
    CInProcessPedalPorts ports(midi, pedal, "Demo filler");
    CUSBPort link(midi);
    if (!link.connect_device(0) || link.state() != UpdateMode) {
        error = QStringLiteral("the pedal did not answer in update mode");
        return false;
    }
    if (!CanHoldSongs(link.state(), link.device_info())) {
        error = QStringLiteral("model %1 holds no songs").arg(link.device_info().model_id);
        return false;
    }
    CLooperSongList songs(&link);
    const int loaded = songs.load_songs();
    if (loaded != SongOk) {
        error = QStringLiteral("the song area could not be loaded: %1").arg(SongResultText(loaded));
        return false;
    }
    for (size_t slot = 0; slot < songs.size(); ++slot) {
        if (songs.song(slot)->is_used())
            return true;  // not blank: the user's songs stay as they are
    }
    const SongAreaParams& area = *find_model(link.device_info().model_id)->song_area;
    const size_t count = songs.size() >= 3 ? 3 : songs.size();
    for (size_t slot = 0; slot < count; ++slot) {
        const std::vector<uint8_t> audio = Loop(area, int(slot));
        const int code = songs.write_song(uint32_t(slot), audio.data(), uint32_t(audio.size()), nullptr);
        if (code != SongOk) {
            error = QStringLiteral("demo song %1: %2").arg(slot + 1).arg(SongResultText(code));
            return false;
        }
    }
    return true;
}

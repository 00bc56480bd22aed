// WAV files made by real tools (sox, ffmpeg) and by hand, the writer, and
// the conversion with libsoxr.
#include "FirmwareSupport.h"
#include "SongSupport.h"
#include "Wave.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QTextCodec>

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

// One second of a 1 kHz sine from sox in the given layout.
QString SoxSine(int rate, int bits, int channels, const char* encoding)
{
    const QString name = QString("sine_%1_%2_%3_%4.wav").arg(rate).arg(bits).arg(channels).arg(encoding);
    return MadeByTool(name, "sox",
                      {"-n", "-r", QString::number(rate), "-b", QString::number(bits), "-c", QString::number(channels),
                       "-e", encoding, "OUT", "synth", "1", "sine", "1000", "vol", "0.5"});
}

QString WriteBytes(const QString& name, const QByteArray& bytes)
{
    return WriteTestFile(TestFolder().filePath(name), bytes);
}

// A file with a 16-byte format chunk, the given chunks, then a "data" chunk
// that claims dataSize bytes and holds data.
QByteArray WaveFile(uint16_t tag, uint16_t channels, uint16_t bits, uint32_t rate, uint16_t blockAlign,
                    const QByteArray& chunks, uint32_t dataSize, const QByteArray& data)
{
    QByteArray file("RIFF\0\0\0\0WAVEfmt ", 16);
    QDataStream out(&file, QIODevice::Append);
    out.setByteOrder(QDataStream::LittleEndian);
    out << uint32_t(16) << tag << channels << rate << uint32_t(rate * channels * bits / 8) << blockAlign << bits;
    return file + chunks + "data" + QByteArray(reinterpret_cast<const char*>(&dataSize), 4) + data;
}

// A canonical 16-bit mono file with the given chunks before "data".
QByteArray HandMade(uint32_t frames, const QByteArray& chunks = {}, uint16_t blockAlign = 2,
                    uint32_t dataSizeDelta = 0)
{
    QByteArray data(int(frames * 2), 0);
    for (int i = 0; i < data.size(); ++i)
        data[i] = char(i);
    return WaveFile(kWaveTagPcm, 1, 16, 44100, blockAlign, chunks, frames * 2 + dataSizeDelta, data);
}

}  // namespace

// ---- Files from real tools ----

struct Layout {
    int bits, channels;
    const char* encoding;
    bool convertible;
};
void PrintTo(const Layout& l, std::ostream* os) { *os << l.bits << "-bit " << l.encoding << " x" << l.channels; }

class ToolFile : public ::testing::TestWithParam<std::tuple<Layout, int>> {};

TEST_P(ToolFile, LoadsAndConvertsKeepingItsFrequency)
{
    CScriptedPrompt prompt;
    const auto [layout, rate] = GetParam();
    CWave wave;
    ASSERT_TRUE(wave.load(SoxSine(rate, layout.bits, layout.channels, layout.encoding)));
    EXPECT_TRUE(prompt.texts.isEmpty()) << prompt.texts.join('|').toStdString();
    EXPECT_EQ(wave.frame_count(), uint32_t(rate));
    EXPECT_EQ(wave.IsConvertible(), layout.convertible);
    if (!layout.convertible)
        return;
    for (uint16_t channels : {1, 2}) {
        CWave copy;
        ASSERT_TRUE(copy.load(SoxSine(rate, layout.bits, layout.channels, layout.encoding)));
        copy.convert(channels, 46875);
        EXPECT_EQ(copy.format(), CWave::TargetFormat(channels, 46875));
        EXPECT_NEAR(double(copy.frame_count()), 46875.0, 3.0);
        // 1,000 periods in a second: about 2,000 sign changes in each channel.
        for (int ch = 0; ch < channels; ++ch)
            EXPECT_NEAR(Crossings(copy.samples(), copy.frame_count(), channels, ch, 0), 2000, 4) << "channel " << ch;
        EXPECT_EQ(copy.samples()[3 * channels * 100], 0) << "the low byte of a widened 16-bit sample is 0";
    }
}

INSTANTIATE_TEST_SUITE_P(
    // 16- and 24-bit files, 8-bit and 32-bit mono ones reach the pedal in
    // ImportTool (test_song_files.cpp); these are the layouts only seen here.
    Layouts, ToolFile,
    ::testing::Combine(::testing::Values(Layout{16, 1, "signed-integer", true}, Layout{32, 2, "signed-integer", true},
                                         Layout{32, 2, "floating-point", true}, Layout{8, 2, "unsigned-integer", false}),
                       ::testing::Values(44100, 48000, 96000)));

TEST(WaveReader, SkipsTheChunksAndTakesTheFormatsOtherToolsWrite)
{
    CScriptedPrompt prompt;
    // ffmpeg writes a LIST chunk before "data", sox a "fact" chunk for floats.
    const QString ffmpeg = MadeByTool("ffmpeg.wav", "ffmpeg",
                                {"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                                 "sine=frequency=1000:duration=0.5:sample_rate=44100", "-ac", "2", "OUT"});
    ASSERT_TRUE(ReadTestFile(ffmpeg).contains("LIST"));
    CWave wave;
    ASSERT_TRUE(wave.load(ffmpeg));
    EXPECT_EQ(wave.frame_count(), 22050u);
    EXPECT_EQ(wave.format().nChannels, 2);
    // sox writes a 40-byte extensible format chunk for 24 bits.
    ASSERT_TRUE(wave.load(SoxSine(48000, 24, 2, "signed-integer")));
    EXPECT_EQ(wave.format().wFormatTag, kWaveTagExtensible);
    EXPECT_EQ(wave.effective_tag(), kWaveTagPcm);
    EXPECT_EQ(wave.format().cbSize, 22);

    // An odd-sized chunk is followed by its pad byte.
    const QByteArray odd("JUNK\3\0\0\0\1\2\3\0bext\2\0\0\0\t\t", 22);
    ASSERT_TRUE(wave.load(WriteBytes("junk.wav", HandMade(5, odd))));
    EXPECT_EQ(wave.frame_count(), 5u);
    EXPECT_EQ(wave.samples()[1], 1);
    EXPECT_EQ(wave.format().cbSize, 0) << "a 16-byte format chunk";
    EXPECT_TRUE(prompt.texts.isEmpty()) << prompt.texts.join('|').toStdString();
}

TEST(WaveReader, RefusesFilesThatLackTheirChunksWithTheirMessages)
{
    // A file's name, its bytes and the reason its message gives.
    const std::vector<std::tuple<const char*, QByteArray, const char*>> cases = {
        {"empty.wav", {}, "RIFF not found"},
        {"Canción.wav", QByteArray("RIFX\0\0\0\0", 8), "RIFF not found"},
        {"short.wav", QByteArray("RIFF\0\0\0\0WA", 10), "WAVEfmt not found"},
        {"datafirst.wav", HandMade(4).replace(12, 4, "JUNK"), "WAVEfmt not found"},  // no "fmt " first
        {"nodata.wav", HandMade(4).replace(36, 4, "dat!"), "data segment not found"},
        {"align0.wav", HandMade(4, {}, 0), "unusable format"},
    };
    // The window sets a locale codec of its own: the message keeps the file's name.
    QTextCodec* const locale = QTextCodec::codecForLocale();
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("GB18030"));
    for (const auto& [name, bytes, message] : cases) {
        SCOPED_TRACE(name);
        CScriptedPrompt prompt;
        CWave wave;
        wave.set_format(1, 12000, 16);
        const QString path = WriteBytes(name, bytes);
        EXPECT_FALSE(wave.load(path));
        EXPECT_EQ(prompt.texts.size(), 1);
        const QString text = prompt.texts.value(0);
        EXPECT_TRUE(text.startsWith("Wave file '" + path + "' ") && text.contains(message)) << text.toStdString();
        EXPECT_EQ(wave.format().nSamplesPerSec, 12000u) << "the object is unchanged";
        QFile::remove(path);  // under the codec that wrote its name
    }
    QTextCodec::setCodecForLocale(locale);
}

TEST(WaveReader, TrustsNoDataSizeBeyondTheFile)
{
    CScriptedPrompt prompt;
    CWave wave;
    // A data size that is not a multiple of the frame size keeps whole frames.
    ASSERT_TRUE(wave.load(WriteBytes("odd.wav", HandMade(6, {}, 2, 1))));
    EXPECT_EQ(wave.frame_count(), 6u);
    // A 4 GiB data size in a 100-byte file allocates what the file holds.
    ASSERT_TRUE(wave.load(WriteBytes("huge.wav", HandMade(28, {}, 2, 0xFFFFFFFFu - 56))));
    EXPECT_EQ(wave.frame_count(), 28u);
    // Truncated files at every length: no crash, only the whole frames there.
    const QByteArray full = ReadTestFile(SoxSine(44100, 16, 2, "signed-integer"));
    for (const int length : {0, 4, 11, 20, 43, 44, 45, 1001, full.size() / 2}) {
        CScriptedPrompt quiet;
        CWave cut;
        if (cut.load(WriteTestFile(TestFolder().filePath("cut.wav"), full.left(length))))
            EXPECT_LE(cut.data_size(), uint64_t(length)) << length;
        else
            EXPECT_EQ(quiet.texts.size(), 1) << length;
    }
}

// ---- Writer ----

TEST(WaveWriter, TenFramesOf24BitMonoMakeThe76ByteFile)
{
    CWave wave;
    wave.set_format(1, 46875, 24);
    std::unique_ptr<uint8_t[]> samples(new uint8_t[30]);
    for (int i = 0; i < 30; ++i)
        samples[i] = uint8_t(i + 1);
    wave.set_samples(std::move(samples), 10);
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    ASSERT_TRUE(wave.write_to(buffer));
    // RIFF of 68 bytes; an 18-byte format chunk: PCM, 1 channel, 46,875 Hz,
    // 140,625 bytes a second, 3 a frame, 24 bits, an extension size of 18; 30 bytes of data.
    EXPECT_EQ(buffer.data().toHex().toStdString(),
              "52494646" "44000000" "57415645"
              "666d7420" "12000000" "0100" "0100" "1bb70000" "51250200" "0300" "1800" "1200"
              "64617461" "1e000000" "0102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e");

    buffer.seek(0);
    CWave back;
    ASSERT_TRUE(back.read_from(buffer));
    EXPECT_EQ(back.format(), wave.format());
    EXPECT_EQ(back.format().cbSize, 18);
    EXPECT_EQ(Bytes(back.samples(), back.samples() + 30), Bytes(wave.samples(), wave.samples() + 30));
}

// ---- Conversion ----

namespace {
// A wave read from a file of one "data" chunk holding frames; a byteRate
// other than 0 replaces the true one.
CWave Made(uint16_t tag, uint16_t channels, uint16_t bits, uint32_t rate, const QByteArray& frames,
           uint32_t byteRate = 0)
{
    QByteArray file = WaveFile(tag, channels, bits, rate, channels * bits / 8, {}, uint32_t(frames.size()), frames);
    if (byteRate)
        file.replace(28, 4, QByteArray(reinterpret_cast<const char*>(&byteRate), 4));
    QBuffer in(&file);
    in.open(QIODevice::ReadOnly);
    CWave w;
    EXPECT_TRUE(w.read_from(in));
    return w;
}

QByteArray Float32(float a, float b)
{
    return QByteArray(reinterpret_cast<const char*>(&a), 4) + QByteArray(reinterpret_cast<const char*>(&b), 4);
}

int32_t Sample24(const CWave& w, uint32_t frame, int ch) { return ::Sample24(w.samples(), frame, w.format().nChannels, ch); }
}  // namespace

TEST(Conversion, FloatsScaleAndSaturate)
{
    // A float sample and the 16-bit value it becomes.
    for (const auto& [value, expected] : std::vector<std::pair<float, int>>{{0.5f, 16384}, {1.5f, 32767},
                                                                            {-3.0f, -32768}, {NAN, 0}}) {
        CWave w = Made(kWaveTagFloat, 2, 32, 46875, Float32(value, 0.0f).repeated(4000));
        w.convert(1, 46875);
        ASSERT_GT(w.frame_count(), 3000u);
        EXPECT_NEAR(Sample24(w, 2000, 0), expected * 256, 256) << value;
    }
}

TEST(Conversion, UnsupportedLayoutsGiveNoFramesWithTheTargetRecord)
{
    // Format tag, channels, bits.
    for (const auto& [tag, channels, bits] :
         std::vector<std::array<uint16_t, 3>>{{1, 1, 32}, {1, 2, 8}, {1, 3, 16}, {3, 1, 32}, {1, 5, 8}}) {
        CWave w = Made(tag, channels, bits, 44100, QByteArray(channels * bits / 8 * 100, 0x40));
        EXPECT_FALSE(w.IsConvertible());
        w.convert(1, 46875);
        EXPECT_EQ(w.frame_count(), 0u) << channels << "x" << bits;
        EXPECT_EQ(w.format(), CWave::TargetFormat(1, 46875));
    }
}

TEST(Conversion, ExactFormatIsLeftAloneAndALyingByteRateCannotOverrun)
{
    CWave exact;
    exact.set_format(1, 46875, 24);
    std::unique_ptr<uint8_t[]> s(new uint8_t[300]());
    const uint8_t* before = s.get();
    exact.set_samples(std::move(s), 100);
    exact.convert(1, 46875);
    EXPECT_EQ(exact.samples(), before);
    EXPECT_EQ(exact.frame_count(), 100u);

    // A byte rate of 1 a second.
    CWave liar = Made(kWaveTagPcm, 2, 16, 44100, QByteArray("\1\0\2\0", 4).repeated(5000), 1);
    liar.convert(2, 48000);
    EXPECT_NEAR(double(liar.frame_count()), 5000.0 * 48000 / 44100, 3.0);
}

TEST(Conversion, SourceRatesOutsideTheBoundsAreRefusedAndTooFewFramesMakeAnEmptyWave)
{
    for (const uint32_t rate : {1u, 999u, 768001u, 4000000000u}) {
        CWave w = Made(kWaveTagPcm, 1, 16, rate, QByteArray("\1\0", 2).repeated(3000));
        EXPECT_FALSE(w.convert(1, 46875)) << rate;
        EXPECT_EQ(w.format().nSamplesPerSec, rate);
        EXPECT_EQ(w.frame_count(), 3000u);
    }
    for (const uint32_t rate : {1000u, 768000u}) {
        CWave w = Made(kWaveTagPcm, 1, 16, rate, QByteArray("\1\0", 2).repeated(30000));
        EXPECT_TRUE(w.convert(1, 46875)) << rate;
        EXPECT_NEAR(double(w.frame_count()), 30000.0 * 46875 / rate, 2.0) << rate;
    }
    // One frame at 96 kHz is less than half a frame at 46,875 Hz: an empty stereo wave.
    CWave one = Made(kWaveTagPcm, 1, 16, 96000, QByteArray("\x10\x20", 2));
    EXPECT_TRUE(one.convert(2, 46875));
    EXPECT_EQ(one.frame_count(), 0u);
    EXPECT_EQ(one.samples(), nullptr);
    EXPECT_EQ(one.format(), CWave::TargetFormat(2, 46875));
}

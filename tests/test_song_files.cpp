// Songs in and out of the virtual pedal through the command line: audio
// files made by the tools musicians use, each checked on the song read back
// from the flash (its length, the tone of each channel), files refused, a pipe,
// and the export formats with their progress lines.
#include "Cli.h"
#include "CliPrompt.h"
#include "SongGeometry.h"
#include "SongSpace.h"
#include "FirmwareSupport.h"
#include "SongSupport.h"
#include "SongTransfer.h"
#include "SoxrFault.h"
#include "SparseWav.h"
#include "Wave.h"

#include <QFile>
#include <QProcess>
#include <QTextCodec>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <sys/stat.h>

namespace {

// A WAV file of a tone per channel, of the WAV writer, named by what it holds.
QString ToneWav(uint32_t rate, uint16_t bits, std::vector<double> tones, double seconds = 1.5)
{
    QString name = QStringLiteral("%1Hz_%2bit_%3s").arg(rate).arg(bits).arg(seconds);
    for (double tone : tones)
        name += QStringLiteral("_%1").arg(tone);
    return SineWav(TestFolder().filePath(name + ".wav"), rate, uint32_t(rate * seconds), tones, bits);
}

// 1.5 s from ffmpeg at 44,100 Hz, one sine per channel ("-440": inverted).
QString Ffmpeg(const QString& name, const QStringList& tones, const QStringList& codec = {})
{
    QStringList expressions;
    for (const QString& tone : tones)
        expressions << QStringLiteral("%1*sin(2*PI*%2*t)").arg(tone.startsWith('-') ? "-0.4" : "0.4", tone.mid(tone[0] == '-'));
    const QStringList args = {"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                              QStringLiteral("aevalsrc=%1:s=44100:d=1.5").arg(expressions.join('|'))};
    return MadeByTool(name, "ffmpeg", args + codec + QStringList{"OUT"});
}

// 1.5 s from sox at 48,000 Hz, one sine per channel.
QString Sox(const QString& name, const QStringList& format, const QStringList& tones)
{
    QStringList args = QStringList{"-n", "-r", "48000", "-c", QString::number(tones.size())} + format << "OUT"
                                                                                                     << "synth" << "1.5";
    for (const QString& tone : tones)
        args << "sine" << tone;
    return MadeByTool(name, "sox", args + QStringList{"vol", "0.4"});
}

QString Written(const QString& name, const QByteArray& bytes) { return WriteTestFile(TestFolder().filePath(name), bytes); }

// The file with a chunk put before its format chunk, as recorders write
// "bext" and "JUNK": the WAV reader, which wants "fmt " first, refuses it.
QString ChunkFirst(const QString& name, const QString& from, const char* id, int size)
{
    QByteArray bytes = ReadTestFile(from);
    QByteArray chunk(id, 4);
    for (int i = 0; i < 4; ++i)
        chunk += char(size >> (8 * i));
    chunk += QByteArray(size, '\0');
    bytes.insert(12, chunk);
    const uint32_t riff = uint32_t(bytes.size() - 8);
    for (int i = 0; i < 4; ++i)
        bytes[4 + i] = char(riff >> (8 * i));
    return Written(name, bytes);
}

// One channel of a song as the pedal holds it (24-bit frames).
struct ChannelMeasure {
    double seconds = 0;
    int crossings = 0;  // sign changes past a small threshold: twice the tone's periods
    int32_t peak = 0;
};

ChannelMeasure Measure(const Bytes& song, int channels, int channel)
{
    ChannelMeasure m;
    const size_t frames = song.size() / (3 * channels);
    m.seconds = double(frames) / 46875;
    for (size_t i = 0; i < frames; ++i)
        m.peak = std::max(m.peak, std::abs(Sample24(song.data(), i, channels, channel)));
    m.crossings = Crossings(song.data(), frames, channels, channel);
    return m;
}

// Whether every sample's low byte is 0: the song went through 16 bits.
bool ThroughSixteenBits(const Bytes& song)
{
    for (size_t i = 0; i < song.size(); i += 3)
        if (song[i] != 0)
            return false;
    return true;
}

// ---- Files from the tools musicians use ----

struct ToolCase {
    const char* what;
    std::function<QString()> make;
    int32_t model;
    std::vector<double> tones;  // the tone each channel of the song must hold
    // A WAV file the WAV reader and the 16-bit conversion take keeps that
    // path; every other file is converted at full resolution.
    bool sixteenBitPath = false;
};
void PrintTo(const ToolCase& c, std::ostream* os) { *os << c.what; }

const std::vector<ToolCase>& ToolCases()
{
    const auto six = [] { return Sox("six.wav", {"-b", "16"}, {"1000", "440", "300", "200", "150", "100"}); };
    static const std::vector<ToolCase> cases = {
        {"FLAC", [] { return Ffmpeg("a.flac", {"1000"}); }, 10002, {1000}},
        {"MP3", [] { return Ffmpeg("a.mp3", {"1000"}); }, 10002, {1000}},
        {"Ogg Vorbis", [] { return Ffmpeg("a.ogg", {"1000"}, {"-c:a", "libvorbis"}); }, 10002, {1000}},
        {"AIFF", [] { return Sox("a.aiff", {"-b", "16"}, {"1000"}); }, 10002, {1000}},
        {"BWF with bext first",
         [] { return ChunkFirst("bwf.wav", Sox("plain24.wav", {"-b", "24"}, {"1000"}), "bext", 602); }, 10002, {1000}},
        {"JUNK first", [] { return ChunkFirst("junk.wav", Sox("plain16.wav", {"-b", "16"}, {"1000"}), "JUNK", 28); },
         10002, {1000}},
        {"32-bit float mono", [] { return Sox("f32.wav", {"-b", "32", "-e", "floating-point"}, {"1000"}); }, 10002, {1000}},
        {"32-bit integer mono", [] { return Sox("i32.wav", {"-b", "32", "-e", "signed-integer"}, {"1000"}); }, 10002, {1000}},
        {"8-bit", [] { return Sox("u8.wav", {"-b", "8", "-e", "unsigned-integer"}, {"1000"}); }, 10002, {1000}},
        {"6 channels to one: the first", six, 10002, {1000}},
        {"6 channels to two: the first two", six, 10006, {1000, 440}},
        {"FLAC, two tones", [] { return Ffmpeg("lr.flac", {"440", "1000"}); }, 10006, {440, 1000}},
        {"WAV of the 16-bit path, two tones", [] { return ToneWav(44100, 16, {440, 1000}); }, 10006, {440, 1000}, true},
        {"WAV 16-bit mono 44,100 Hz", [] { return ToneWav(44100, 16, {440}); }, 10002, {440}, true},
        {"WAV 16-bit stereo 96,000 Hz to one", [] { return ToneWav(96000, 16, {440, 1000}); }, 10002, {440}, true},
        {"WAV 24-bit stereo 48,000 Hz", [] { return ToneWav(48000, 24, {440, 1000}); }, 10006, {440, 1000}, true},
        {"WAV 16-bit mono 22,050 Hz to two", [] { return ToneWav(22050, 16, {300}); }, 10006, {300, 300}, true},
        {"MP3 mono into both channels", [] { return Ffmpeg("m.mp3", {"1000"}); }, 10006, {1000, 1000}},
    };
    return cases;
}

}  // namespace

class ImportTool : public ::testing::TestWithParam<ToolCase> {};

TEST_P(ImportTool, TheSongOnThePedalHasTheLengthAndTheToneOfEachChannel)
{
    const ToolCase& c = GetParam();
    CLoadedSongRig s(c.model);
    const QString file = c.make();
    const CliRun run = RunCliCaptured({"import", file, "1", "--yes"}, s.rig.midi);
    EXPECT_TRUE(QString::fromStdString(run.err).contains("Successful !\n")) << run.err;
    ASSERT_EQ(run.exit, kExitOk);
    const Bytes song = s.ReloadedSong(0);
    EXPECT_EQ(ThroughSixteenBits(song), c.sixteenBitPath);
    for (size_t ch = 0; ch < c.tones.size(); ++ch) {
        SCOPED_TRACE(ch);
        const ChannelMeasure m = Measure(song, int(c.tones.size()), int(ch));
        EXPECT_NEAR(m.seconds, 1.5, 0.01);
        EXPECT_NEAR(m.crossings, 2 * c.tones[ch] * 1.5, 0.01 * 2 * c.tones[ch] * 1.5 + 2);
        EXPECT_GT(m.peak, 0.3 * (1 << 23)) << "the tone keeps its level";
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ImportTool, ::testing::ValuesIn(ToolCases()));

TEST(ImportMix, OneChannelIsTheFirstOrWithMixTheMeanOfAll)
{
    CLoadedSongRig s(10002);
    // The right channel is the left inverted: their mean is silence.
    const QString file = Ffmpeg("inverted.flac", {"440", "-440"});
    ASSERT_EQ(RunCli({"import", file, "1", "--yes"}, s.rig.midi), kExitOk);
    EXPECT_NEAR(Measure(s.ReloadedSong(0), 1, 0).crossings, 1320, 15);
    ASSERT_EQ(RunCli({"import", file, "1", "--yes", "--mix"}, s.rig.midi), kExitOk);
    const ChannelMeasure mixed = Measure(s.ReloadedSong(0), 1, 0);
    EXPECT_NEAR(mixed.seconds, 1.5, 0.01);
    EXPECT_LT(mixed.peak, 1 << 8) << "the mean of a tone and its inverse";
    // A WAV file of the 16-bit path is mixed too.
    ASSERT_EQ(RunCli({"import", ToneWav(48000, 16, {440, 1000}), "1", "--yes", "--mix"}, s.rig.midi), kExitOk);
    const ChannelMeasure both = Measure(s.ReloadedSong(0), 1, 0);
    EXPECT_GT(both.crossings, 1320 * 3 / 2) << "both tones are in the mix, not the first alone";
}

// ---- Bad input: one message, nothing sent ----

namespace {

// Bytes this process has read from files so far.
qint64 BytesRead()
{
    QFile io("/proc/self/io");
    io.open(QIODevice::ReadOnly);
    for (const QByteArray& line : io.readAll().split('\n')) {
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    }
    return -1;
}

class ImportCommand : public ::testing::Test {
protected:
    ~ImportCommand() override { QTextCodec::setCodecForLocale(locale); }

    // Imports into slot 1 with the program's own song command.
    std::optional<int> Import(const QString& path)
    {
        CWave wave;
        return ImportSongFrom(path, wave, s.songs, s.Area(), 0, nullptr);
    }

    QTextCodec* const locale = QTextCodec::codecForLocale();
    CScriptedPrompt prompt;
    CLoadedSongRig s{10002};
};

}  // namespace

using ImportRefusal = ImportCommand;
using ImportEdges = ImportCommand;

// Each message names the file in its own characters whatever the locale's
// codec (the window sets GB18030).
TEST_F(ImportRefusal, FilesThatCannotBeReadShowOneMessageAndSendNothing)
{
    const QByteArray flac = ReadTestFile(Ffmpeg("whole.flac", {"1000"}));
    const QByteArray mp3 = ReadTestFile(Ffmpeg("whole.mp3", {"1000"}));
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("GB18030"));
    struct Case {
        QString path;
        QString message;  // the whole message, or its start where the decoder's reason follows
        bool reasonFollows = false;
    };
    const QString unreadable = "Audio file '%1' cannot be read: ";
    const QString rate = "Audio file '%1' has a sample rate of %2 Hz: only 1,000 to 768,000 Hz can be imported";
    const QString notAudio = Written("Canción.wav", "these are words, not audio");
    const QString cutFlac = Written("cut.flac", flac.left(flac.size() / 3));
    const QString cutMp3 = Written("cut.mp3", mp3.left(mp3.size() / 2));
    const QString slow = ToneWav(999, 16, {100}, 1.0);                 // the 16-bit path
    const QString fast = ToneWav(800000, 16, {440, 440, 440}, 0.01);  // libsndfile
    std::vector<Case> cases = {
        {notAudio, unreadable.arg(notAudio) + "Format not recognised."},
        {cutFlac, unreadable.arg(cutFlac), true},
        {cutMp3, unreadable.arg(cutMp3) + "it ends after ", true},
        {slow, rate.arg(slow).arg(999)},
        {fast, rate.arg(fast).arg(800000)},
    };
    for (uint32_t frames : {0u, 1u, 2u}) {  // shorter than one write unit
        const QString path = SineWav(TestFolder().filePath(QString("short%1.wav").arg(frames)), 46875, frames);
        cases.push_back({path, QString("Audio file '%1' is too short: it gives the song %2 of the 64 frames a song "
                                       "needs at least").arg(path).arg(frames)});
    }
    const uint32_t commands = s.rig.pedal.CommandCount();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        prompt.Clear();
        EXPECT_EQ(Import(c.path), std::nullopt);
        ASSERT_EQ(prompt.texts.size(), 1);
        if (c.reasonFollows)
            EXPECT_TRUE(prompt.texts[0].startsWith(c.message) && prompt.texts[0].size() > c.message.size())
                << prompt.texts[0].toStdString();
        else
            EXPECT_EQ(prompt.texts[0], c.message);
    }
    EXPECT_EQ(s.rig.pedal.CommandCount(), commands) << "nothing sent to the pedal";
    QFile::remove(notAudio);  // by the name the locale's codec gave it: the folder can then go
}

// As `corvanta-cli import <(sox ...)`: a WAV header written to a pipe cannot
// tell the length, and the song is decoded to its end within the largest song.
TEST_F(ImportEdges, APipeIsDecodedToItsEnd)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("pipe.wav");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QProcess sox;
    sox.start("sox", {"-n", "-r", "48000", "-c", "1", "-b", "16", "-t", "wav", fifo, "synth", "1", "sine", "440"});
    ASSERT_TRUE(sox.waitForStarted());
    EXPECT_EQ(Import(fifo), std::make_optional<int>(SongOk));
    sox.waitForFinished(30000);  // false when it has ended already
    ASSERT_EQ(s.Reload(), SongOk);
    EXPECT_NEAR(double(s.songs.song(0)->get_song_size()), 46875.0 * 3, 192.0);
    EXPECT_TRUE(prompt.texts.isEmpty()) << prompt.texts.join('|').toStdString();
}

// An hour of 48 kHz 24-bit stereo (about 1 GB) is beyond the largest song;
// two minutes make 16.1 MB of song, and 50 free blocks hold 12.3 MB. Either
// is refused from the header, through either reader.
TEST_F(ImportRefusal, ASongTooLargeIsRefusedFromTheHeaderWithoutReadingTheAudio)
{
    for (const bool full : {false, true}) {
        if (full) {
            UseBlocks(s.rig.pedal, 10002, 10, 1920);
            ASSERT_EQ(s.Reload(), SongOk);
        }
        for (const bool junkFirst : {false, true}) {
            SCOPED_TRACE(std::string(full ? "no space, " : "too large, ") + (junkFirst ? "libsndfile" : "the WAV reader"));
            prompt.Clear();
            const QString file = WriteSparseWav(TestFolder().filePath("big.wav"), 48000, full ? 120 : 3600, junkFirst);
            const uint32_t commands = s.rig.pedal.CommandCount();
            const qint64 before = BytesRead();
            EXPECT_EQ(Import(file), full ? std::nullopt : std::make_optional<int>(SongTooLarge));
            EXPECT_LT(BytesRead() - before, 1 << 20) << "the header is all that was read";
            EXPECT_EQ(s.rig.pedal.CommandCount(), commands);
            EXPECT_EQ(prompt.texts, full ? QStringList("'big.wav' needs 16.1 MB, the pedal has 12.3 MB free")
                                         : QStringList()) << "a code's text is the command's to show";
            QFile::remove(file);
        }
    }
}

TEST(SongSpace, CountsTheUsedDataBlocksOfEitherFormat)
{
    // A model, its text when empty and with three blocks used.
    for (const auto& [model, empty, used] : std::vector<std::tuple<int32_t, QString, QString>>{
             {10002, "Used 0.0 MB of 484.8 MB", "Used 0.7 MB of 484.8 MB"},
             {10006, "Used 0.0 MB of 494.5 MB", "Used 0.7 MB of 494.5 MB"}}) {
        SCOPED_TRACE(model);
        CLoadedSongRig s(model);
        EXPECT_EQ(SongSpaceText(SpaceOf(s.songs, s.Area())), empty);
        ASSERT_EQ(s.Write(0, SongAudio(BlockBytes(s.Area()) * 5 / 2)), SongOk);
        EXPECT_EQ(SongSpaceText(SpaceOf(s.songs, s.Area())), used);
    }
    // The need is rounded up and the free space down: they never read alike.
    EXPECT_EQ(NoSpaceText("/m/loop.wav", 12898877, 12897829), "'loop.wav' needs 12.4 MB, the pedal has 12.3 MB free");
    EXPECT_EQ(NoSpaceText("/m/loop.wav", 10485761, 10485760), "'loop.wav' needs 10.1 MB, the pedal has 10.0 MB free");
}

// ---- Export formats ----

TEST(ExportCli, NativeHqAndFlacWriteTheSongAsAsked)
{
    CLoadedSongRig s(10006);
    ASSERT_EQ(RunCli({"import", ToneWav(44100, 24, {440, 1000}), "1", "--yes"}, s.rig.midi), kExitOk);
    const Bytes song = s.ReloadedSong(0);
    const auto exported = [&](const QString& name, const QStringList& options) {
        const QString path = TestFolder().filePath(name);
        EXPECT_EQ(RunCli(QStringList{"export", "1", path} + options, s.rig.midi), kExitOk) << name.toStdString();
        return path;
    };
    const auto loaded = [](const QString& path) {
        CWave w;
        EXPECT_TRUE(w.load(path));
        return w;
    };
    const auto audio = [](const CWave& w) { return Bytes(w.samples(), w.samples() + w.data_size()); };

    const CWave native = loaded(exported("native.wav", {"--native"}));
    EXPECT_EQ(native.format(), CWave::TargetFormat(2, 46875));
    EXPECT_EQ(audio(native), song) << "the pedal's audio untouched";

    const CWave classic = loaded(exported("classic.wav", {}));
    const CWave hq = loaded(exported("hq.wav", {"--hq"}));
    for (const CWave* w : {&classic, &hq}) {
        EXPECT_EQ(w->format(), CWave::TargetFormat(2, 48000));
        EXPECT_NEAR(w->frame_count(), song.size() / 6 * 48000.0 / 46875, 3);
    }
    EXPECT_TRUE(ThroughSixteenBits(audio(classic)));
    EXPECT_FALSE(ThroughSixteenBits(audio(hq)));

    // FLAC is lossless: decoded by sox as FLAC, it is the WAV of the same conversion.
    const QString flac = exported("hq.flac", {"--hq", "--format", "flac"});
    const QString decoded = TestFolder().filePath("hq-decoded.wav");
    ASSERT_EQ(QProcess::execute("sox", {flac, "-b", "24", decoded}), 0);
    EXPECT_EQ(audio(loaded(decoded)), audio(hq));
}

TEST(ExportCli, AResamplerFailureFailsTheExportAndTheImport)
{
    CLoadedSongRig s(10002);
    ASSERT_EQ(RunCli({"import", ToneWav(44100, 16, {440}, 0.5), "1", "--yes"}, s.rig.midi), kExitOk);
    const QString out = Written("earlier.wav", "earlier content");
    CSoxrFailure failure;
    for (const QStringList& options : {QStringList{}, {"--hq"}, {"--format", "flac"}}) {
        SCOPED_TRACE(options.join(' ').toStdString());
        const CliRun run = RunCliCaptured(QStringList{"export", "1", out} + options, s.rig.midi);
        EXPECT_EQ(run.exit, kExitFailed);
        const QString messages = QString::fromStdString(run.err);
        EXPECT_TRUE(messages.contains("Failed !\n") && !messages.contains("Successful")) << messages.toStdString();
        EXPECT_EQ(ReadTestFile(out), "earlier content");
    }
    const Bytes song = s.ReloadedSong(0);
    const uint32_t commands = s.rig.pedal.CommandCount();
    CWave wave;
    for (const QString& file : {ToneWav(48000, 16, {440}, 0.5), ToneWav(48000, 16, {440, 440, 440}, 0.5)})
        EXPECT_EQ(ImportSongFrom(file, wave, s.songs, s.Area(), 0, nullptr), std::make_optional<int>(kCommandFailed));
    EXPECT_EQ(s.rig.pedal.CommandCount(), commands) << "nothing sent";
    EXPECT_EQ(s.ReloadedSong(0), song);
}

// Without a terminal a line is printed only when its text changes.
TEST(CliProgress, PrintsALineOnlyWhenItsTextChanges)
{
    testing::internal::CaptureStderr();
    {
        CCliProgress progress;
        for (int percent : {1, 2, 3})
            progress.Show(percent, "Export Song 003 \u2014 0.0 of 0.4 MB");
        progress.Show(4, "Export Song 003 \u2014 0.1 of 0.4 MB");
        progress.Show(5);
        progress.Show(5);
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Export Song 003 \u2014 0.0 of 0.4 MB\nExport Song 003 \u2014 0.1 of 0.4 MB\n5%\n");
}

// The song page, offscreen, with the scripted answerer and the virtual pedal.
#include "AppFiles.h"
#include "CorvantaQT.h"
#include "QtPrompt.h"
#include "SongResult.h"
#include "SongTransfer.h"
#include "TestSupport.h"
#include "Wave.h"

#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <unistd.h>

namespace {

// A WAV file of a sine per channel (440 Hz by default), written by the WAV writer.
QString SineWav(const QString& path, uint32_t rate, uint32_t frames, const std::vector<double>& tones = {440})
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

// Sign changes of one channel of 24-bit frames past a small threshold (the
// ringing of a resampled edge stays below it): twice the periods of its tone.
int Crossings(const uint8_t* frames, uint32_t count, int channels, int channel)
{
    constexpr int32_t kThreshold = 1 << 16;
    int crossings = 0, sign = 0;
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* p = frames + (i * channels + channel) * 3;
        const int32_t v = int32_t(uint32_t(p[0]) << 8 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 24) >> 8;
        const int now = v > kThreshold ? 1 : v < -kThreshold ? -1 : sign;
        crossings += sign != 0 && now != sign;
        sign = now;
    }
    return crossings;
}

class SongPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile::remove(SettingsFilePath());
        window = std::make_unique<CorvantaQT>(rig.midi);
        list = window->findChild<QListWidget*>("m_lstSong");
        bar = window->findChild<QProgressBar*>("progressBar");
        ASSERT_TRUE(list && bar);
    }
    void TearDown() override
    {
        window.reset();
        QFile::remove(SettingsFilePath());
    }

    // Imports a file into row, answering the dialogs.
    void Import(int row, const QString& file, bool overwrite = true)
    {
        list->setCurrentRow(row);
        prompt.answers.push_back(overwrite);
        prompt.files.push_back(file);
        window->OnDownloadSong();
        prompt.answers.clear();
        prompt.files.clear();
    }

    QTemporaryDir dir;
    CScriptedPrompt prompt;
    CPedalRig rig{PedalFor(10002)};
    std::unique_ptr<CorvantaQT> window;
    QListWidget* list = nullptr;
    QProgressBar* bar = nullptr;
};

}  // namespace

TEST_F(SongPage, ListsEverySlotAndSelectsTheFirst)
{
    ASSERT_EQ(list->count(), 30);
    EXPECT_EQ(list->item(0)->text(), "Song 001 -- (Empty)");
    EXPECT_EQ(list->item(29)->text(), "Song 030 -- (Empty)");
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_FALSE(window->findChild<QWidget*>("m_btnUpload")->isEnabled()) << "an empty slot has nothing to export";
    EXPECT_TRUE(window->findChild<QWidget*>("m_btnDownload")->isEnabled());
}

TEST_F(SongPage, ImportExportAndDeleteASong)
{
    const QString in = SineWav(dir.filePath("in.wav"), 44100, 4 * 44100);  // three blocks on the pedal
    std::vector<int> progress;
    QObject::connect(bar, &QProgressBar::valueChanged, [&](int v) { progress.push_back(v); });
    Import(2, in);
    EXPECT_EQ(prompt.texts, QStringList({"", "Successful !"})) << "no overwrite question for an empty slot";
    ASSERT_EQ(prompt.filters.size(), 1);
    const QStringList openFilters = prompt.filters[0].split(";;");
    ASSERT_EQ(openFilters.size(), 2);
    EXPECT_EQ(openFilters[0], "Wav Files(*.wav)");
    for (const char* pattern : {"*.flac", "*.mp3", "*.ogg", "*.aiff", "*.wav"})
        EXPECT_TRUE(openFilters[1].startsWith("Audio Files(") && openFilters[1].contains(pattern)) << pattern;
    EXPECT_TRUE(list->item(2)->text().startsWith("Song 003 -- (0.54  MB)")) << list->item(2)->text().toStdString();
    EXPECT_EQ(list->currentRow(), 2) << "the imported row is selected again";
    EXPECT_EQ(ReadSetting("/Config/WavLoadDir"), dir.path() + "/");
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(window->CurrentOperation(), OpIdle);
    EXPECT_TRUE(std::any_of(progress.begin(), progress.end(), [](int v) { return v > 0 && v < 100; }));

    const uint32_t songFrames = window->SongList().song(2)->get_song_size() / 3;
    const QString out = dir.filePath("out.wav");
    prompt.Clear();
    prompt.files.push_back(out);
    progress.clear();
    prompt.filters.clear();
    window->OnUploadSong();
    EXPECT_EQ(prompt.texts, QStringList({"", "Successful !"}));
    EXPECT_EQ(prompt.filters, QStringList("Wav Files(*.wav);;FLAC Files(*.flac)"));
    EXPECT_EQ(ReadSetting("/Config/WavSaveDir"), dir.path() + "/");
    EXPECT_TRUE(std::any_of(progress.begin(), progress.end(), [](int v) { return v > 0 && v < 100; }));
    CWave exported;
    ASSERT_TRUE(exported.load(out));
    EXPECT_EQ(exported.format(), CWave::TargetFormat(1, 48000));
    EXPECT_NEAR(double(exported.frame_count()), songFrames * 48000.0 / 46875.0, 3.0);

    prompt.Clear();
    prompt.answers.push_back(true);
    const QString label = list->item(2)->text();
    window->OnDeleteSong();
    ASSERT_EQ(prompt.texts.size(), 1);
    EXPECT_EQ(prompt.titles[0], "Delete");
    EXPECT_EQ(prompt.texts[0], "Continue to delete song '" + label + "' ?");
    EXPECT_EQ(list->item(2)->text(), "Song 003 -- (Empty)");
    EXPECT_EQ(list->currentRow(), 2);
}

TEST_F(SongPage, OverwriteQuestionAndCancelledDialogsChangeNothing)
{
    Import(0, SineWav(dir.filePath("a.wav"), 48000, 20000));
    const QString label = list->item(0)->text();
    prompt.Clear();
    const uint32_t commands = rig.pedal.CommandCount();
    Import(0, SineWav(dir.filePath("b.wav"), 48000, 30000), false);
    ASSERT_EQ(prompt.texts.size(), 1);
    EXPECT_EQ(prompt.titles[0], "Overwrite warning");
    EXPECT_EQ(prompt.texts[0], "'" + label + "' already exist, continue to overwrite the song?");
    EXPECT_EQ(rig.pedal.CommandCount(), commands) << "No leaves the pedal untouched";

    // Cancelled file dialogs: no message, no bar, idle.
    prompt.Clear();
    Import(0, QString());
    list->setCurrentRow(0);
    window->OnUploadSong();
    EXPECT_EQ(prompt.texts, QStringList({"'" + label + "' already exist, continue to overwrite the song?", "", ""}));
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(window->CurrentOperation(), OpIdle);
    EXPECT_EQ(rig.pedal.CommandCount(), commands);
    EXPECT_EQ(ReadSetting("/Config/WavSaveDir"), "");
}

TEST_F(SongPage, RefusedFilesSendNothingAndKeepTheSong)
{
    Import(1, SineWav(dir.filePath("a.wav"), 48000, 20000));
    const uint32_t commands = rig.pedal.CommandCount();
    const QString label = list->item(1)->text();
    QFile bad(dir.filePath("bad.wav"));
    bad.open(QIODevice::WriteOnly);
    bad.write("not a wave file at all");
    bad.close();
    // 1 MB at 1 Hz would be 23 billion frames at the pedal's rate.
    CWave slow;
    slow.set_format(1, 1, 16);
    slow.set_samples(std::unique_ptr<uint8_t[]>(new uint8_t[1000000]()), 500000);
    QFile slowFile(dir.filePath("slow.wav"));
    slowFile.open(QIODevice::WriteOnly);
    slow.write_to(slowFile);
    slowFile.close();
    // Twenty minutes of silence: too long for any slot.
    CWave tooLong;
    tooLong.set_format(1, 8000, 16);
    tooLong.set_samples(std::unique_ptr<uint8_t[]>(new uint8_t[19200000]()), 9600000);
    QFile longFile(dir.filePath("long.wav"));
    longFile.open(QIODevice::WriteOnly);
    tooLong.write_to(longFile);
    longFile.close();
    struct Case {
        QString file;
        QString message;
    };
    for (const Case& c :
         {Case{bad.fileName(), "Audio file '" + bad.fileName() + "' cannot be read: Format not recognised."},
          Case{slowFile.fileName(), "Audio file '" + slowFile.fileName() + "' has a sample rate of 1 Hz"},
          Case{longFile.fileName(), "File too large!"}}) {
        prompt.Clear();
        Import(1, c.file);
        ASSERT_EQ(prompt.texts.size(), 3) << prompt.texts.join('|').toStdString();
        EXPECT_TRUE(prompt.texts[2].startsWith(c.message)) << prompt.texts[2].toStdString();
        EXPECT_TRUE(bar->isHidden());
    }
    EXPECT_EQ(rig.pedal.CommandCount() - commands, 0u) << "nothing sent to the pedal";
    EXPECT_EQ(list->item(1)->text(), label);
}

TEST_F(SongPage, ImportWithNoRowSelectedIsRefusedBySlot)
{
    list->setCurrentRow(-1);
    prompt.files.push_back(SineWav(dir.filePath("a.wav"), 48000, 2000));
    window->OnDownloadSong();
    EXPECT_EQ(prompt.texts, QStringList({"", "Space not enough!"}));
}

TEST_F(SongPage, ExportThatCannotBeWrittenFailsAndKeepsTheEarlierFile)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "mounting a small file system needs root";
    Import(0, SineWav(dir.filePath("a.wav"), 48000, 200000));  // about 600 KB of song
    QTemporaryDir small;
    ASSERT_EQ(QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=256k", "tmpfs", small.path()}), 0);
    const QString out = small.filePath("song.wav");
    {
        QFile earlier(out);
        earlier.open(QIODevice::WriteOnly);
        earlier.write("earlier content");
    }
    prompt.Clear();
    prompt.files.push_back(out);
    list->setCurrentRow(0);
    window->OnUploadSong();
    QFile earlier(out);
    earlier.open(QIODevice::ReadOnly);
    const QByteArray kept = earlier.readAll();
    earlier.close();
    QProcess::execute("umount", {small.path()});
    EXPECT_EQ(prompt.texts, QStringList({"", "Failed !"}));
    EXPECT_EQ(kept, "earlier content");
}

TEST_F(SongPage, PollWaitsWhileACommandsQuestionIsOpen)
{
    Import(0, SineWav(dir.filePath("a.wav"), 48000, 20000));
    uint32_t commandsDuringBox = 1;
    std::unique_ptr<CInProcessMidi::Destination> extra;
    prompt.onBox = [&] {
        prompt.onBox = nullptr;
        const uint32_t before = rig.pedal.CommandCount();
        extra = rig.midi.AddDestination("Synth", [](const CDeliveryQueue::Message&) {});
        QTest::qWait(1600);  // the watcher raises the flag, the poll ticks
        commandsDuringBox = rig.pedal.CommandCount() - before;
    };
    list->setCurrentRow(0);
    prompt.answers.push_back(false);
    window->OnDeleteSong();
    EXPECT_EQ(commandsDuringBox, 0u) << "no keep-alive while the question is open";
    const uint32_t after = rig.pedal.CommandCount();
    EXPECT_TRUE(QTest::qWaitFor([&] { return rig.pedal.CommandCount() > after; }, 3000))
        << "the raised flag is handled after the command";
}

TEST(SongPageOld, AnOldFormatModelShowsOneRow)
{
    CScriptedPrompt prompt;
    CPedalRig rig(PedalFor(10006));
    CorvantaQT window(rig.midi);
    auto* list = window.findChild<QListWidget*>("m_lstSong");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), "Song 001 -- (Empty)");
}

// Left and right stay apart from the file to the pedal and back, and the
// save dialog's FLAC choice writes FLAC from the full 24 bits.
TEST(SongPageStereo, ChannelsKeepTheirTonesThroughImportAndFlacExport)
{
    QFile::remove(SettingsFilePath());
    CScriptedPrompt prompt;
    QTemporaryDir dir;
    CPedalRig rig(PedalFor(10006));
    CorvantaQT window(rig.midi);
    auto* list = window.findChild<QListWidget*>("m_lstSong");
    list->setCurrentRow(0);
    prompt.files.push_back(SineWav(dir.filePath("lr.wav"), 48000, 96000, {440, 1000}));  // two seconds
    window.OnDownloadSong();
    ASSERT_EQ(prompt.texts, QStringList({"", "Successful !"}));

    const uint32_t size = window.SongList().song(0)->get_song_size();
    std::vector<uint8_t> song(size);
    ASSERT_EQ(window.SongList().read_song(0, song.data(), size, nullptr), SongOk);
    const uint32_t frames = size / 6;
    EXPECT_NEAR(frames, 93750, 100);
    EXPECT_NEAR(Crossings(song.data(), frames, 2, 0), 1760, 10) << "left: 440 Hz";
    EXPECT_NEAR(Crossings(song.data(), frames, 2, 1), 4000, 10) << "right: 1,000 Hz";

    prompt.Clear();
    const QString flac = dir.filePath("out.flac");
    prompt.files.push_back(flac);
    window.OnUploadSong();
    ASSERT_EQ(prompt.texts, QStringList({"", "Successful !"}));
    QFile file(flac);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(4), "fLaC");
    const QString decoded = dir.filePath("decoded.wav");
    ASSERT_EQ(QProcess::execute("sox", {flac, "-b", "24", decoded}), 0);
    CWave back;
    ASSERT_TRUE(back.load(decoded));
    EXPECT_EQ(back.format().nSamplesPerSec, 48000u);
    EXPECT_EQ(back.format().nChannels, 2);
    EXPECT_NEAR(back.frame_count(), frames * 48000.0 / 46875, 3);
    EXPECT_NEAR(Crossings(back.samples(), back.frame_count(), 2, 0), 1760, 10);
    EXPECT_NEAR(Crossings(back.samples(), back.frame_count(), 2, 1), 4000, 10);
    int lowBytesSet = 0;
    for (uint32_t i = 0; i < back.frame_count(); ++i)
        lowBytesSet += back.samples()[i * 6] != 0;
    EXPECT_GT(lowBytesSet, int(back.frame_count()) / 2) << "converted from the full 24 bits";
    QFile::remove(SettingsFilePath());
}

TEST(SaveDialog, ANameWithoutSuffixTakesTheSuffixOfALaterFilter)
{
    const QString filters = "Wav Files(*.wav);;FLAC Files(*.flac)";
    EXPECT_EQ(NameForChosenFilter("/m/Song 003", filters, "FLAC Files(*.flac)"), "/m/Song 003.flac");
    EXPECT_EQ(NameForChosenFilter("/m/Song 003", filters, "Wav Files(*.wav)"), "/m/Song 003") << "as typed";
    EXPECT_EQ(NameForChosenFilter("/m/take.wav", filters, "FLAC Files(*.flac)"), "/m/take.wav");
    EXPECT_EQ(NameForChosenFilter("", filters, "FLAC Files(*.flac)"), "") << "cancelled";
    EXPECT_EQ(ExportFormatForName("/m/Song 003.flac").flac, true);
    EXPECT_EQ(ExportFormatForName("/m/Song 003.FLAC").fullResolution, true);
    EXPECT_EQ(ExportFormatForName("/m/Song 003").flac, false);
}

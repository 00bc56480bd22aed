// The song page, offscreen, with the scripted answerer and the virtual pedal.
#include "AppFiles.h"
#include "CorvantaQT.h"
#include "Frame.h"
#include "SongResult.h"
#include "TestSupport.h"
#include "Wave.h"

#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <thread>
#include <unistd.h>

namespace {

// A WAV file of a 440 Hz sine, written by the WAV writer.
QString SineWav(const QString& path, uint32_t rate, uint32_t frames, uint16_t channels = 1)
{
    CWave w;
    w.set_format(channels, rate, 16);
    std::unique_ptr<uint8_t[]> s(new uint8_t[frames * 2 * channels]);
    for (uint32_t i = 0; i < frames; ++i) {
        const int16_t v = int16_t(12000 * std::sin(2 * M_PI * 440 * i / rate));
        for (uint16_t c = 0; c < channels; ++c) {
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
    window->OnUploadSong();
    EXPECT_EQ(prompt.texts, QStringList({"", "Successful !"}));
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
    // Three channels of 16 bits: a frame size the conversion has no row for.
    CWave three;
    three.set_format(3, 48000, 16);
    three.set_samples(std::unique_ptr<uint8_t[]>(new uint8_t[6000]()), 1000);
    QFile threeFile(dir.filePath("three.wav"));
    threeFile.open(QIODevice::WriteOnly);
    three.write_to(threeFile);
    threeFile.close();
    // 1 MB at 1 Hz would be 23 billion frames at the pedal's rate.
    CWave slow;
    slow.set_format(1, 1, 16);
    slow.set_samples(std::unique_ptr<uint8_t[]>(new uint8_t[1000000]()), 500000);
    QFile slowFile(dir.filePath("slow.wav"));
    slowFile.open(QIODevice::WriteOnly);
    slow.write_to(slowFile);
    slowFile.close();
    struct Case {
        QString file;
        QString message;
    };
    for (const Case& c : {Case{bad.fileName(), "Wave file '" + bad.fileName() + "' RIFF not found"},
                          Case{threeFile.fileName(), "Wave file '" + threeFile.fileName() + "' format not supported"},
                          Case{slowFile.fileName(), "File too large!"}}) {
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

// The pedal is pulled out while the import waits for a write's status reply:
// the window's watcher ends the wait, the import reports its failure and
// the window is idle again, long before the write's 50 s budget.
TEST_F(SongPage, UnplugDuringAnImportFailsAtOnce)
{
    using namespace std::chrono;
    const QString in = SineWav(dir.filePath("in.wav"), 44100, 4 * 44100);
    rig.midi.SetNoticesLostPorts(false);  // as RtMidi: only the watcher can tell
    rig.pedal.AddFault({FaultKind::Drop, 0, 3, frame::kWrite});
    rig.pedal.SetRecording(true);
    std::thread puller([&] {
        Eventually([&] { return CountSent(rig.pedal, frame::kWrite) >= 3; }, 30000);
        rig.ports->Unplug();
    });
    const auto start = steady_clock::now();
    Import(2, in);
    puller.join();
    EXPECT_LT(steady_clock::now() - start, seconds(10)) << "not the write's 50 s budget";
    ASSERT_FALSE(prompt.texts.isEmpty());
    EXPECT_NE(prompt.texts.last(), "Successful !");
    EXPECT_EQ(window->CurrentOperation(), OpIdle);
}

// The song page, offscreen, with the scripted answerer and the virtual pedal.
#include "AppFiles.h"
#include "CorvantaQT.h"
#include "FirmwareSupport.h"
#include "Frame.h"
#include "SongSupport.h"
#include "WindowFixture.h"
#include "QtPrompt.h"
#include "SongResult.h"
#include "SongTransfer.h"
#include "SoundFile.h"
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
#include <csignal>
#include <sys/resource.h>
#include <thread>

namespace {

class SongPage : public CSongWindowTest {
protected:
    bool Enabled(const char* button) const { return window->findChild<QWidget*>(button)->isEnabled(); }
};

}  // namespace

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
    // One step per written block: the song takes three.
    const uint32_t size = window->SongList().song(2)->get_song_size();
    progress.erase(std::remove(progress.begin(), progress.end(), 0), progress.end());
    EXPECT_EQ(progress.size(), 3u);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()) && progress.back() == 100) << "forward to the end";

    const uint32_t songFrames = size / 3;
    const QString out = dir.filePath("out.wav");
    prompt.Clear();
    prompt.files.push_back(out);
    progress.clear();
    window->OnUploadSong();
    EXPECT_EQ(prompt.texts, QStringList({"", "Successful !"}));
    EXPECT_EQ(ReadSetting("/Config/WavSaveDir"), dir.path() + "/");
    // Steps along the pages read.
    progress.erase(std::remove(progress.begin(), progress.end(), 0), progress.end());
    EXPECT_GT(progress.size(), 50u);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end())) << "the bar moves forward";
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
    const QString bad = WriteTestFile(dir.filePath("bad.wav"), "not a wave file at all");
    // 1 MB at 1 Hz would be 23 billion frames at the pedal's rate.
    const QString slow = SineWav(dir.filePath("slow.wav"), 1, 500000);
    // Twenty minutes: too long for any slot.
    const QString tooLong = SineWav(dir.filePath("long.wav"), 8000, 9600000);
    struct Case {
        QString file;
        QString message;
    };
    for (const Case& c : {Case{bad, "Audio file '" + bad + "' cannot be read: Format not recognised."},
                          Case{slow, "Audio file '" + slow + "' has a sample rate of 1 Hz"},
                          Case{tooLong, "File too large!"}}) {
        prompt.Clear();
        Import(1, c.file);
        ASSERT_EQ(prompt.texts.size(), 3) << prompt.texts.join('|').toStdString();
        EXPECT_TRUE(prompt.texts[2].startsWith(c.message)) << prompt.texts[2].toStdString();
        EXPECT_TRUE(bar->isHidden());
    }
    EXPECT_EQ(rig.pedal.CommandCount() - commands, 0u) << "nothing sent to the pedal";
    EXPECT_EQ(list->item(1)->text(), label);
}

TEST_F(SongPage, ButtonsFollowTheSelectedRow)
{
    Import(3, SineWav(dir.filePath("a.wav"), 48000, 20000));
    list->setCurrentRow(3);
    EXPECT_TRUE(Enabled("m_btnUpload") && Enabled("m_btnDelete") && Enabled("m_btnDownload"));
    list->setCurrentRow(4);
    EXPECT_FALSE(Enabled("m_btnUpload"));
    EXPECT_FALSE(Enabled("m_btnDelete"));
    EXPECT_TRUE(Enabled("m_btnDownload"));
    list->setCurrentRow(3);
    EXPECT_TRUE(Enabled("m_btnUpload") && Enabled("m_btnDelete"));
}

TEST_F(SongPage, FileDialogsProposeTheirNamesCaptionsAndFilters)
{
    const QString saveFilter = "Wav Files(*.wav);;FLAC Files(*.flac)";
    Import(2, SineWav(dir.filePath("a.wav"), 48000, 20000));
    ASSERT_EQ(prompt.dialogs.size(), 1u);
    EXPECT_EQ(prompt.dialogs[0].caption, "Open wav file");
    EXPECT_EQ(prompt.dialogs[0].start, "");
    const QString openFilter = prompt.dialogs[0].filter;
    EXPECT_TRUE(openFilter.startsWith("Wav Files(*.wav);;Audio Files(")) << openFilter.toStdString();
    for (const char* pattern : {"*.flac", "*.mp3", "*.ogg", "*.aiff", "*.wav"})
        EXPECT_TRUE(openFilter.section(";;", 1).contains(pattern)) << pattern;
    prompt.Clear();
    list->setCurrentRow(2);
    window->OnUploadSong();  // cancelled
    prompt.files.push_back(dir.filePath("out.wav"));
    window->OnUploadSong();
    EXPECT_EQ(prompt.texts.mid(1), QStringList({"", "Successful !"}));
    EXPECT_TRUE(CWave().load(dir.filePath("out.wav")));
    Import(2, SineWav(dir.filePath("b.wav"), 48000, 20000));
    const QString folder = dir.path() + "/";
    ASSERT_EQ(prompt.dialogs.size(), 3u);
    EXPECT_EQ(prompt.dialogs[0], (CScriptedPrompt::Dialog{"Open wav file", "./Song 003", saveFilter}));
    EXPECT_EQ(prompt.dialogs[1], (CScriptedPrompt::Dialog{"Open wav file", "./Song 003", saveFilter}));
    EXPECT_EQ(prompt.dialogs[2], (CScriptedPrompt::Dialog{"Open wav file", folder, openFilter}));
    prompt.Clear();
    list->setCurrentRow(2);
    window->OnUploadSong();
    ASSERT_EQ(prompt.dialogs.size(), 1u);
    EXPECT_EQ(prompt.dialogs[0].start, folder + "./Song 003") << "the folder of the last export";
}

TEST_F(SongPage, ADamagedSongIsListedAndCanBeDeletedOrOverwritten)
{
    PutFatPage(rig.pedal, 10002, 0, 10, true);
    PutFatPage(rig.pedal, 10002, 2, 11, false);
    PutFatPage(rig.pedal, 10002, 4, 12, true);
    prompt.Clear();
    Open();
    EXPECT_TRUE(prompt.texts.isEmpty()) << prompt.texts.join('|').toStdString();
    ASSERT_EQ(list->count(), 30);
    EXPECT_EQ(list->item(0)->text(), "Song 001 -- (Damaged)");
    EXPECT_EQ(list->item(2)->text(), "Song 003 -- (0.00  MB)");
    EXPECT_EQ(list->item(4)->text(), "Song 005 -- (Damaged)");
    EXPECT_TRUE(Enabled("m_btnUpload") && Enabled("m_btnDelete"));

    const uint32_t commands = rig.pedal.CommandCount();
    window->OnUploadSong();
    EXPECT_EQ(prompt.texts, QStringList({"'Song 001 -- (Damaged)' cannot be read: its song info fails its checksum. "
                                         "Import a song into the slot or delete it."}));
    EXPECT_EQ(rig.pedal.CommandCount(), commands) << "no file dialog, nothing read";

    prompt.Clear();
    Import(0, SineWav(dir.filePath("a.wav"), 48000, 20000));
    EXPECT_EQ(prompt.texts, QStringList({"'Song 001 -- (Damaged)' already exist, continue to overwrite the song?", "",
                                         "Successful !"}));
    EXPECT_TRUE(list->item(0)->text().startsWith("Song 001 -- (0.")) << list->item(0)->text().toStdString();

    prompt.Clear();
    list->setCurrentRow(4);
    prompt.answers.push_back(true);
    window->OnDeleteSong();
    EXPECT_EQ(prompt.texts, QStringList({"Continue to delete song 'Song 005 -- (Damaged)' ?"}));
    EXPECT_EQ(list->item(4)->text(), "Song 005 -- (Empty)");
    EXPECT_EQ(list->item(2)->text(), "Song 003 -- (0.00  MB)");
}

TEST_F(SongPage, AFailedDeleteReloadsSoTheNextImportWorks)
{
    const QString wav = SineWav(dir.filePath("a.wav"), 48000, 20000);
    Import(0, wav);
    const QString label = list->item(0)->text();
    rig.pedal.AddFault({FaultKind::Refuse, 0, 1, frame::kErase});
    prompt.Clear();
    list->setCurrentRow(0);
    prompt.answers.push_back(true);
    window->OnDeleteSong();
    EXPECT_EQ(prompt.texts.last(), "FLASH erase failed!");
    EXPECT_EQ(list->item(0)->text(), label) << "the song is still there";
    prompt.Clear();
    Import(1, wav);
    EXPECT_EQ(prompt.texts, QStringList({"", "Successful !"}));
}

// The disk fills up during the export (a file size limit stands for it).
TEST_F(SongPage, ExportThatCannotBeWrittenFailsAndKeepsTheEarlierFile)
{
    Import(0, SineWav(dir.filePath("a.wav"), 48000, 200000));  // about 600 KB of song
    const QString out = WriteTestFile(dir.filePath("song.wav"), "earlier content");
    prompt.Clear();
    prompt.files.push_back(out);
    list->setCurrentRow(0);
    rlimit limit;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit small = {256 << 10, limit.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    window->OnUploadSong();
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_EQ(prompt.texts, QStringList({"", "Failed !"}));
    EXPECT_EQ(ReadTestFile(out), "earlier content");
}

// The window's one busy state holds while a command's question is open: no
// poll, no second command and no close start inside it.
TEST_F(SongPage, PollWaitsWhileACommandsQuestionIsOpen)
{
    Import(0, SineWav(dir.filePath("a.wav"), 48000, 20000));
    uint32_t commandsDuringBox = 1;
    int boxesDuringBox = -1;
    bool closedDuringBox = true, ticked = false;
    CPollTicks ticks(window.get());
    std::unique_ptr<CInProcessMidi::Destination> extra;
    prompt.onBox = [&] {
        prompt.onBox = nullptr;
        const uint32_t before = rig.pedal.CommandCount();
        const int boxes = prompt.texts.size();
        extra = rig.midi.AddDestination("Synth", [](const CDeliveryQueue::Message&) {});
        ticked = ticks.WaitFor(2);  // the watcher raises the flag, the poll ticks
        window->OnDeleteSong();
        window->OnDownloadSong();
        window->OnUploadSong();
        closedDuringBox = window->close();
        commandsDuringBox = rig.pedal.CommandCount() - before;
        boxesDuringBox = prompt.texts.size() - boxes;
    };
    window->show();
    list->setCurrentRow(0);
    prompt.answers.push_back(false);
    window->OnDeleteSong();
    EXPECT_TRUE(ticked);
    EXPECT_EQ(commandsDuringBox, 0u) << "no keep-alive while the question is open";
    EXPECT_EQ(boxesDuringBox, 0) << "no second command's dialog";
    EXPECT_FALSE(closedDuringBox);
    EXPECT_TRUE(window->isVisible());
    const uint32_t after = rig.pedal.CommandCount();
    EXPECT_TRUE(QTest::qWaitFor([&] { return rig.pedal.CommandCount() > after; }, 3000))
        << "the raised flag is handled after the command";
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
    std::thread puller = UnplugAfterWrites(rig, 3);
    const auto start = steady_clock::now();
    Import(2, in);
    puller.join();
    EXPECT_LT(steady_clock::now() - start, seconds(10)) << "not the write's 50 s budget";
    ASSERT_FALSE(prompt.texts.isEmpty());
    EXPECT_NE(prompt.texts.last(), "Successful !");
    EXPECT_EQ(window->CurrentOperation(), OpIdle);
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
    EXPECT_NEAR(Crossings(song.data(), frames, 2, 0, 1 << 16), 1760, 10) << "left: 440 Hz";
    EXPECT_NEAR(Crossings(song.data(), frames, 2, 1, 1 << 16), 4000, 10) << "right: 1,000 Hz";

    prompt.Clear();
    const QString flac = dir.filePath("out.flac");
    prompt.files.push_back(flac);
    window.OnUploadSong();
    ASSERT_EQ(prompt.texts, QStringList({"", "Successful !"}));
    EXPECT_EQ(ReadTestFile(flac).left(4), "fLaC");
    const QString decoded = dir.filePath("decoded.wav");
    ASSERT_EQ(QProcess::execute("sox", {flac, "-b", "24", decoded}), 0);
    CWave back;
    ASSERT_TRUE(back.load(decoded));
    EXPECT_EQ(back.format().nSamplesPerSec, 48000u);
    EXPECT_EQ(back.format().nChannels, 2);
    EXPECT_NEAR(back.frame_count(), frames * 48000.0 / 46875, 3);
    EXPECT_NEAR(Crossings(back.samples(), back.frame_count(), 2, 0, 1 << 16), 1760, 10);
    EXPECT_NEAR(Crossings(back.samples(), back.frame_count(), 2, 1, 1 << 16), 4000, 10);
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

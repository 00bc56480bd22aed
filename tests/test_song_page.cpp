// The song page, offscreen with the scripted answerer and the virtual pedal:
// import, export and delete, files dropped on a row, the context menu, the
// line telling how much of the song area is used, and the cancel of an
// export or import. What a command left is read from the pedal's flash and
// from the disk, not from the window.
#include "FirmwareSupport.h"
#include "Frame.h"
#include "QtPrompt.h"
#include "SongSupport.h"
#include "SongTransfer.h"
#include "SparseWav.h"
#include "Wave.h"
#include "WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <sys/resource.h>
#include <thread>

namespace {

constexpr int kRow = 2;
constexpr int64_t kPage = 4032;

// Drops urls at a point of the list and lets the window act on it; true
// when the drop was taken.
bool DropOn(QListWidget* list, const QPoint& at, const QList<QUrl>& urls)
{
    QMimeData mime;
    mime.setUrls(urls);
    // Qt hands a drop only to a widget that took the drag's entry.
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &enter);
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &drop);
    QCoreApplication::processEvents();
    return drop.isAccepted();
}

class SongPage : public CSongWindowTest {
protected:
    using CSongWindowTest::CSongWindowTest;
    void Opened() override
    {
        window->show();
        cancel = window->findChild<QPushButton*>("m_btnCancel");
        ASSERT_TRUE(cancel);
    }
    QPoint RowCentre(int row) const { return list->visualItemRect(list->item(row)).center(); }
    void Drop(int row, const QString& path) { DropOn(list, RowCentre(row), {QUrl::fromLocalFile(path)}); }

    // Right-clicks row: the entries of the menu that opened, each enabled
    // ('+') or not ('-'), a separator as "".
    QStringList MenuOf(int row)
    {
        const QPoint at = RowCentre(row);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &event);
        std::unique_ptr<QMenu> menu(window->findChild<QMenu*>("songListMenu"));
        QStringList entries;
        for (QAction* action : menu ? menu->actions() : QList<QAction*>())
            entries << (action->isSeparator() ? "" : (action->isEnabled() ? "+" : "-") + action->text());
        return entries;
    }

    QPushButton* cancel = nullptr;
};

// The two-channel model of one slot.
class SongPageStereo : public SongPage {
protected:
    SongPageStereo() : SongPage(10006) {}
};

}  // namespace

// Import, the row's menu, export and delete, the overwrite question
// answered No and the file dialogs cancelled.
TEST_F(SongPage, ImportExportAndDeleteASong)
{
    const QString in = SineWav(dir.filePath("in.wav"), 44100, 4 * 44100);  // three blocks on the pedal
    std::vector<int> progress;
    QObject::connect(bar, &QProgressBar::valueChanged, [&](int v) {
        if (v != 0)
            progress.push_back(v);
    });
    Import(2, in);
    EXPECT_EQ(prompt.texts, QStringList({"", "Successful !"})) << "no overwrite question for an empty slot";
    ASSERT_EQ(prompt.dialogs.size(), 1u);
    const CScriptedPrompt::Dialog open = prompt.dialogs[0];
    EXPECT_EQ(open.caption + "|" + open.start, "Open wav file|");
    // The audio library's patterns under one label, then WAV alone.
    EXPECT_TRUE(open.filter.startsWith("Audio files (") && open.filter.endsWith(");;Wav Files(*.wav)"));
    for (const char* pattern : {"*.flac", "*.mp3", "*.ogg", "*.aiff"})
        EXPECT_TRUE(open.filter.section(";;", 0, 0).contains(pattern)) << pattern;
    const QString label = list->item(2)->text();
    EXPECT_TRUE(label.startsWith("Song 003 -- (0.54  MB)")) << label.toStdString();
    EXPECT_EQ(list->currentRow(), 2) << "the imported row is selected again";
    const QString folder = dir.path() + "/";
    EXPECT_EQ(ReadSetting("/Config/WavLoadDir"), folder);
    EXPECT_TRUE(Idle());
    // One step per written block: the song takes three.
    EXPECT_EQ(progress.size(), 3u);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()) && progress.back() == 100) << "forward to the end";
    // The menu of a row offers its commands, enabled as the buttons are, and
    // the backup and restore of every song (run in WindowTrust).
    const QStringList runs = {"", "+Backup all songs…", "+Restore backup…"};
    EXPECT_EQ(MenuOf(1), QStringList({"-Export", "+Import", "-Delete"}) + runs) << "an empty row";
    EXPECT_EQ(list->currentRow(), 1) << "the clicked row is selected";
    EXPECT_EQ(CommandButtons(*window), "-+-++") << "the buttons follow the row";
    EXPECT_EQ(MenuOf(2), QStringList({"+Export", "+Import", "+Delete"}) + runs) << "a used row";
    EXPECT_EQ(CommandButtons(*window), "+++++");

    const QString out = dir.filePath("out.wav");
    prompt.Clear();
    progress.clear();
    EXPECT_EQ(Export(2, out), QStringList({"", "Successful !"}));
    const QString saveFilter = "Wav Files(*.wav);;FLAC Files(*.flac)";
    EXPECT_EQ(prompt.dialogs, (std::vector<CScriptedPrompt::Dialog>{{"Open wav file", "./Song 003", saveFilter}}));
    EXPECT_EQ(ReadSetting("/Config/WavSaveDir"), folder);
    // Steps along the pages read.
    EXPECT_GT(progress.size(), 50u);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end())) << "the bar moves forward";
    CWave exported;
    ASSERT_TRUE(exported.load(out));
    EXPECT_EQ(exported.format(), CWave::TargetFormat(1, 48000)) << "a .wav name: the default export";

    // No to the overwrite question, then both dialogs cancelled: they start
    // in the folders used last; no message, no bar, nothing sent.
    prompt.Clear();
    const size_t received = rig.pedal.Received().size();
    Import(2, in, false);
    Import(2, QString());
    Export(2, QString());
    const QString overwrite = "'" + label + "' already exist, continue to overwrite the song?";
    EXPECT_EQ(prompt.texts, QStringList({overwrite, overwrite, "", ""}));
    EXPECT_EQ(prompt.titles.value(0), "Overwrite warning");
    EXPECT_EQ(prompt.dialogs, (std::vector<CScriptedPrompt::Dialog>{{"Open wav file", folder, open.filter},
                                                                     {"Open wav file", folder + "./Song 003", saveFilter}}));
    EXPECT_TRUE(Idle());
    EXPECT_EQ(CommandsSince(received), 0u);
    EXPECT_EQ(ReadSetting("/Config/WavSaveDir"), folder) << "a cancelled dialog keeps the folder";

    EXPECT_EQ(Delete(2), QStringList("Continue to delete song '" + label + "' ?"));
    EXPECT_EQ(prompt.titles.last(), "Delete");
    EXPECT_EQ(list->item(2)->text(), "Song 003 -- (Empty)");
    EXPECT_EQ(list->currentRow(), 2);
}

// A damaged slot is listed, its export says why and it can be overwritten;
// a delete that fails reloads the catalogue, so that the next import works.
TEST_F(SongPage, ADamagedSongIsListedAndCanBeDeletedOrOverwritten)
{
    PutFatPage(rig.pedal, 10002, 0, 10, true);
    Open();
    EXPECT_TRUE(prompt.texts.isEmpty()) << prompt.texts.join('|').toStdString();
    EXPECT_EQ(list->item(0)->text(), "Song 001 -- (Damaged)");
    EXPECT_EQ(CommandButtons(*window), "+++++");

    const size_t received = rig.pedal.Received().size();
    window->OnUploadSong();
    EXPECT_EQ(prompt.texts, QStringList({"'Song 001 -- (Damaged)' cannot be read: its song info fails its checksum. "
                                         "Import a song into the slot or delete it."}));
    EXPECT_EQ(CommandsSince(received), 0u) << "no file dialog, nothing read";

    const QString wav = SineWav(dir.filePath("a.wav"), 48000, 20000);
    EXPECT_EQ(Import(0, wav), QStringList({"'Song 001 -- (Damaged)' already exist, continue to overwrite the song?", "",
                                           "Successful !"}));
    const QString label = list->item(0)->text();
    EXPECT_TRUE(label.startsWith("Song 001 -- (0.")) << label.toStdString();


    rig.pedal.AddFault({FaultKind::Refuse, 0, 1, frame::kErase});
    EXPECT_EQ(Delete(0).last(), "FLASH erase failed!");
    EXPECT_EQ(list->item(0)->text(), label) << "the song is still there";
    EXPECT_EQ(Import(1, wav), QStringList({"", "Successful !"}));
}

// The window's one busy state holds while a command's question is open: no
// poll, no second command, no drop and no close start inside it.
TEST_F(SongPage, PollWaitsWhileACommandsQuestionIsOpen)
{
    const QString song = SineWav(dir.filePath("a.wav"), 48000, 20000);
    Import(0, song);
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
        Drop(1, song);
        closedDuringBox = window->close();
        commandsDuringBox = rig.pedal.CommandCount() - before;
        boxesDuringBox = prompt.texts.size() - boxes;
    };
    Delete(0, false);
    EXPECT_TRUE(ticked);
    EXPECT_EQ(commandsDuringBox, 0u) << "no keep-alive while the question is open";
    EXPECT_EQ(boxesDuringBox, 0) << "no second command's dialog";
    EXPECT_TRUE(!closedDuringBox && window->isVisible()) << "the window stays open";
    EXPECT_EQ(list->item(1)->text(), "Song 002 -- (Empty)");
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
    std::thread puller = UnplugAfterWrites(rig, 3, rig.pedal.Received().size());
    const auto start = steady_clock::now();
    Import(2, in);
    puller.join();
    EXPECT_LT(steady_clock::now() - start, seconds(10)) << "not the write's 50 s budget";
    ASSERT_FALSE(prompt.texts.isEmpty());
    EXPECT_NE(prompt.texts.last(), "Successful !");
    EXPECT_TRUE(Idle());
}

// Left and right stay apart from the file to the pedal and back (the import's
// own tests check the song on the flash), and the save dialog's FLAC choice
// writes FLAC from the full 24 bits; a drop below the only row does nothing.
TEST_F(SongPageStereo, ChannelsKeepTheirTonesThroughImportAndFlacExport)
{
    ASSERT_EQ(list->count(), 1);
    const QString lr = SineWav(dir.filePath("lr.wav"), 48000, 96000, {440, 1000});  // two seconds
    const QPoint below(10, list->viewport()->height() - 5);
    ASSERT_EQ(list->indexAt(below).row(), -1);
    EXPECT_FALSE(DropOn(list, below, {QUrl::fromLocalFile(lr)}));
    EXPECT_TRUE(prompt.texts.isEmpty());
    EXPECT_EQ(list->item(0)->text(), "Song 001 -- (Empty)");
    ASSERT_EQ(Import(0, lr), QStringList({"", "Successful !"}));
    const QString flac = dir.filePath("out.flac");
    ASSERT_EQ(Export(0, flac), QStringList({"", "Successful !"}));
    const QString decoded = dir.filePath("decoded.wav");
    ASSERT_EQ(QProcess::execute("sox", {flac, "-b", "24", decoded}), 0);
    CWave back;
    ASSERT_TRUE(back.load(decoded));
    EXPECT_EQ(back.format().nSamplesPerSec, 48000u);
    EXPECT_EQ(back.format().nChannels, 2);
    // 440 Hz on the left, 1,000 Hz on the right, over two seconds.
    EXPECT_NEAR(back.frame_count(), 96000, 100);  // the song is whole write units
    EXPECT_NEAR(Crossings(back.samples(), back.frame_count(), 2, 0, 1 << 16), 1760, 10) << "left";
    EXPECT_NEAR(Crossings(back.samples(), back.frame_count(), 2, 1, 1 << 16), 4000, 10) << "right";
    int lowBytesSet = 0;
    for (uint32_t i = 0; i < back.frame_count(); ++i)
        lowBytesSet += back.samples()[i * 6] != 0;
    EXPECT_GT(lowBytesSet, int(back.frame_count()) / 2) << "converted from the full 24 bits";
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

// A drop imports into the row it lands on, with the Import button's
// question. A file refused from its header, through the button or dropped:
// one message, nothing sent, the slot keeps its song.
TEST_F(SongPage, DropsImportIntoTheRowAndRefusedFilesSendNothing)
{
    const QString a = SineWav(dir.filePath("a.wav"), 44100, 44100);          // 1 s
    const QString b = SineWav(dir.filePath("b.wav"), 48000, 60000, {1000});  // 1.25 s
    Drop(1, a);
    EXPECT_EQ(prompt.texts, QStringList({"Successful !"})) << "an empty slot: no question";
    EXPECT_EQ(list->currentRow(), 1);
    const QString label = list->item(1)->text();
    EXPECT_TRUE(label.startsWith("Song 002 -- (0.13  MB)")) << label.toStdString();
    prompt.Clear();
    prompt.answers.push_back(true);
    Drop(1, b);
    EXPECT_EQ(prompt.titles.value(0), "Overwrite warning");
    EXPECT_EQ(prompt.texts,
              QStringList({"'" + label + "' already exist, continue to overwrite the song?", "Successful !"}));
    const QString second = list->item(1)->text();
    EXPECT_TRUE(second.startsWith("Song 002 -- (0.17  MB)")) << second.toStdString();
    EXPECT_EQ(ReadSetting("/Config/WavLoadDir"), dir.path() + "/");

    const size_t received = rig.pedal.Received().size();
    const QString bad = WriteTestFile(dir.filePath("bad.wav"), "not a wave file at all");
    // Twenty minutes: too long for any slot.
    const QString tooLong = SineWav(dir.filePath("long.wav"), 8000, 9600000);
    const auto local = [](const QString& file) { return QList<QUrl>{QUrl::fromLocalFile(file)}; };
    struct Case {
        QList<QUrl> urls;
        QString message;  // the start of the last text shown
        int dropTexts;    // a drop asks the overwrite question once the file could be read
    };
    const Case cases[] = {
        {local(bad), "Audio file '" + bad + "' cannot be read: Format not recognised.", 1},
        {local(tooLong), "File too large!", 2},
        {local(a) + local(a), "Drop one audio file at a time: 2 were dropped", 1},
        {{QUrl("https://example.com/loop.wav")},
         "'https://example.com/loop.wav' is not a file on this computer: only local files can be "
         "imported",
         1},
    };
    for (const Case& c : cases) {
        // Only a drop brings several files or a remote one.
        for (const bool dropped : {true, false}) {
            if (!dropped && (c.urls.size() > 1 || !c.urls[0].isLocalFile()))
                continue;
            SCOPED_TRACE((dropped ? "dropped: " : "Import button: ") + c.message.toStdString());
            prompt.Clear();
            if (dropped) {
                prompt.answers = {true};
                DropOn(list, RowCentre(1), c.urls);
            } else {
                Import(1, c.urls[0].toLocalFile());
            }
            // The button asks and opens its dialog first.
            ASSERT_EQ(prompt.texts.size(), dropped ? c.dropTexts : 3) << prompt.texts.join('|').toStdString();
            EXPECT_TRUE(prompt.texts.last().startsWith(c.message)) << prompt.texts.last().toStdString();
            EXPECT_TRUE(Idle());
        }
    }
    prompt.Clear();
    prompt.answers = {false};
    Drop(1, a);
    EXPECT_EQ(prompt.texts.size(), 1);
    EXPECT_EQ(CommandsSince(received), 0u) << "nothing sent to the pedal";
    EXPECT_EQ(list->item(1)->text(), second);
}

// The space line: on the song page, clear of the list and of every button,
// new after an import and a delete, hidden without a pedal. An import that
// the free blocks cannot hold is refused from the file's header, even over
// a slot whose own blocks would make room (the new song is written before
// they are released), and the line stays.
TEST_F(SongPage, TheSpaceLineFollowsImportsAndDeletesAndBoundsAnImport)
{
    EXPECT_EQ(space->parentWidget()->objectName(), "song");
    const auto inWindow = [&](QWidget* w) { return QRect(w->mapTo(window.get(), QPoint()), w->size()); };
    EXPECT_TRUE(inWindow(space->parentWidget()).contains(inWindow(space)));
    for (QWidget* other : window->findChildren<QPushButton*>())
        EXPECT_FALSE(other->isVisible() && inWindow(other).intersects(inWindow(space))) << other->objectName().toStdString();
    EXPECT_FALSE(inWindow(list).intersects(inWindow(space)));
    EXPECT_EQ(space->text(), "Used 0.0 MB of 484.8 MB");
    EXPECT_TRUE(space->isVisible());
    Import(3, SineWav(dir.filePath("a.wav"), 44100, 4 * 44100));  // three blocks
    EXPECT_EQ(space->text(), "Used 0.7 MB of 484.8 MB");
    Delete(3);
    EXPECT_EQ(space->text(), "Used 0.0 MB of 484.8 MB");

    UseBlocks(rig.pedal, 10002, 10, 1920);  // 50 blocks stay free
    Open();
    EXPECT_EQ(space->text(), "Used 472.5 MB of 484.8 MB");
    // Two minutes at 48,000 Hz: 5,625,000 frames of the pedal, 16.1 MB.
    const QString big = WriteSparseWav(dir.filePath("big.wav"), 48000, 120, false);
    const size_t received = rig.pedal.Received().size();
    EXPECT_EQ(Import(10, big).mid(1),
              QStringList({"", "'big.wav' has 2 channels; the pedal's songs have one. Which should the song hold ?",
                           "'big.wav' needs 16.1 MB, the pedal has 12.3 MB free"}));
    EXPECT_EQ(CommandsSince(received), 0u) << "nothing sent";
    EXPECT_EQ(space->text(), "Used 472.5 MB of 484.8 MB");

    CInProcessMidi none;
    CorvantaQT alone(none);
    alone.show();
    auto* nothing = alone.findChild<QLabel*>("m_labelSpace");
    ASSERT_NE(nothing, nullptr);
    EXPECT_TRUE(nothing->text().isEmpty() && !nothing->isVisible()) << "no pedal";
}

// A cancel by a click, two clicks or Esc stops the export at a page and
// leaves no file (an earlier one stays as it was); one after the read stops
// the conversion. A click while the result box is open changes nothing. An
// export that cannot be written (the disk is full) fails and also keeps the
// earlier file.
TEST_F(SongPage, ExportStopsAtAnyPageOrAfterTheReadAndWritesNoFile)
{
    Import(kRow, SineWav(dir.filePath("song.wav"), 44100, 3 * 44100));  // 105 pages
    ASSERT_EQ(prompt.texts.last(), "Successful !");
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get())) << "Esc goes to the active window";
    const QString out = dir.filePath("out.wav");
    const QByteArray earlier = "an earlier file of that name";
    enum How { Click, TwoClicks, Esc, AfterTheRead };
    struct Point {
        const char* name;
        CProgressTap::When when;
        How how;
    };
    const Point points[] = {
        {"first page", [](int64_t c, int64_t) { return c == kPage; }, Click},
        {"middle, two clicks", [](int64_t c, int64_t t) { return c >= t / 2; }, TwoClicks},
        {"middle, Esc", [](int64_t c, int64_t t) { return c >= t / 2; }, Esc},
        {"last page", [](int64_t c, int64_t t) { return c + kPage >= t; }, Click},
        {"conversion", [](int64_t c, int64_t t) { return c + kPage >= t; }, AfterTheRead},
    };
    const size_t beforeExport = rig.pedal.Received().size();
    ASSERT_EQ(Export(kRow, out).last(), "Successful !");
    const size_t allReads = CountSent(rig.pedal, frame::kRead, beforeExport);
    for (const Point& point : points) {
        for (const bool hadFile : {true, false}) {
            SCOPED_TRACE(std::string(point.name) + (hadFile ? ", over an earlier file" : ", new file"));
            QFile::remove(out);
            if (hadFile)
                WriteTestFile(out, earlier);
            const size_t from = rig.pedal.Received().size();
            CProgressTap tap(window.get(), point.when, [&] {
                if (point.how == Esc) {
                    QTest::keyClick(window.get(), Qt::Key_Escape);
                } else if (point.how == AfterTheRead) {
                    // Two turns later: whichever event dispatcher runs, the
                    // read's last page has been read by then.
                    QTimer::singleShot(0, cancel, [this] { QTimer::singleShot(0, cancel, &QPushButton::click); });
                } else {
                    cancel->click();
                    if (point.how == TwoClicks) {
                        cancel->click();
                        EXPECT_FALSE(cancel->isEnabled());
                        EXPECT_EQ(bar->format(), "Cancelling\u2026");
                    }
                }
            });
            EXPECT_EQ(Export(kRow, out), QStringList({"", "Export cancelled"})) << "one message";
            EXPECT_TRUE(tap.fired);
            EXPECT_EQ(QFile::exists(out), hadFile);
            EXPECT_EQ(ReadTestFile(out), hadFile ? earlier : QByteArray());
            EXPECT_TRUE(QDir(dir.path()).entryList({"out.wav.*"}, QDir::Files | QDir::Hidden).isEmpty())
                << "no temporary file is left";
            EXPECT_TRUE(Idle());
            EXPECT_EQ(bar->format(), "%p%") << "the idle bar is a percentage again";
            const size_t reads = CountSent(rig.pedal, frame::kRead, from);
            if (point.how == AfterTheRead) {
                EXPECT_EQ(reads, allReads) << "every page of the song was read before the cancel";
            } else {
                EXPECT_LT(reads, allReads) << "the read stopped at a page boundary";
            }
        }
    }
    // A file size limit stands for the full disk; a write past it fails.
    WriteTestFile(out, earlier);
    rlimit limit;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit small = {64 << 10, limit.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const QStringList full = Export(kRow, out);
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_EQ(full, QStringList({"", "Failed !"}));
    EXPECT_EQ(ReadTestFile(out), earlier);

    // The next export starts without the cancel; a click while its result
    // box is open changes nothing. Its bar tells the song and the megabytes.
    bool hiddenDuringBox = false;
    prompt.onBox = [&] {
        hiddenDuringBox = !cancel->isVisibleTo(window.get());
        cancel->click();
    };
    QStringList texts;
    QObject::connect(bar, &QProgressBar::valueChanged, [&](int value) {
        if (value > 0)
            texts << bar->format();
    });
    EXPECT_EQ(Export(kRow, out), QStringList({"", "Successful !"}));
    prompt.onBox = nullptr;
    EXPECT_TRUE(hiddenDuringBox) << "Cancel goes once the outcome is known";
    CWave exported;
    EXPECT_TRUE(exported.load(out));
    // "Export Song 003 — 0.1 of 0.4 MB", the time left once a rate is known.
    ASSERT_FALSE(texts.isEmpty());
    for (const QString& text : texts)
        EXPECT_TRUE(text.startsWith("Export Song 003 \u2014 ") && text.contains(" of 0.4 MB")) << text.toStdString();
}

// What a cancelled import leaves on the flash: a window opened afresh
// finds the slot's old song.
TEST_F(SongPage, ImportStopsBeforeTheSongInfoAndTheSlotKeepsItsSong)
{
    ASSERT_EQ(Import(kRow, SineWav(dir.filePath("a.wav"), 44100, 44100)).last(), "Successful !");
    const QString label = list->item(kRow)->text();
    const Bytes song = SongOnPedal(kRow);
    const QString b = SineWav(dir.filePath("b.wav"), 44100, 4 * 44100, {660});  // three blocks
    const int64_t block = 64 * kPage;
    // The written bytes at which Cancel is clicked; none: during the conversion.
    const std::pair<const char*, int64_t> points[] = {{"conversion", -1}, {"first block", block}, {"middle block", 2 * block}};
    for (const auto& [point, at] : points) {
        SCOPED_TRACE(point);
        const size_t from = rig.pedal.Received().size();
        const bool converting = at < 0;
        CProgressTap tap(window.get(), [at = at](int64_t c, int64_t) { return c == at; }, [&] { cancel->click(); });
        // The conversion lets the event loop run before its first block: the
        // click comes then, before anything was sent.
        if (converting)
            QTimer::singleShot(0, cancel, &QPushButton::click);
        EXPECT_EQ(Import(kRow, b), QStringList({"'" + label + "' already exist, continue to overwrite the song?", "",
                                                "Import cancelled"}));
        EXPECT_EQ(CountSent(rig.pedal, frame::kWrite, from) == 0, converting);
        EXPECT_EQ(CountSent(rig.pedal, frame::kErase, from) == 0, converting);
        EXPECT_TRUE(Idle());
    }
    Open();
    EXPECT_EQ(list->item(kRow)->text(), label) << "no song info was written";
    EXPECT_EQ(SongOnPedal(kRow), song) << "the slot keeps its song";
    // The last block's progress arrives after the song info, during the
    // catalogue's reload: a click then changes nothing, the import finished.
    CProgressTap late(window.get(), [](int64_t c, int64_t t) { return c >= t; }, [&] { cancel->click(); });
    EXPECT_EQ(Import(kRow, b).last(), "Successful !");
    EXPECT_TRUE(late.fired);
    EXPECT_TRUE(list->item(kRow)->text().startsWith("Song 003 -- (0.54  MB)")) << list->item(kRow)->text().toStdString();
}

// The song list's extras, offscreen against the virtual pedal: audio files
// dropped on a row, the context menu with backup and restore, and the line
// telling how much of the song area is used.
#include "AppFiles.h"
#include "AudioImport.h"
#include "Cli.h"
#include "CorvantaQT.h"
#include "FirmwareSupport.h"
#include "Frame.h"
#include "SongSupport.h"
#include "WindowFixture.h"
#include "SparseWav.h"
#include "Wave.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

Bytes SongOnPedal(CorvantaQT& window, uint32_t row)
{
    Bytes song(window.SongList().song(row)->get_song_size());
    EXPECT_EQ(window.SongList().read_song(row, song.data(), uint32_t(song.size()), nullptr), SongOk);
    return song;
}

// The song the import makes of a file, worked out by the audio layer alone.
Bytes ConvertedSong(const QString& path)
{
    ImportRequest request;
    request.maxBytes = UINT32_MAX;
    CWave wave;
    EXPECT_EQ(ImportAudioFile(path, request, wave), ImportResult::Converted);
    return Bytes(wave.samples(), wave.samples() + wave.data_size());
}

// The song as the current format keeps it: whole write units.
Bytes Stored(const Bytes& song) { return Reloaded(song, *find_model(10002)->song_area, CurrentFormat); }

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

class SongList : public CSongWindowTest {
protected:
    void Opened() override
    {
        window->show();
        space = window->findChild<QLabel*>("m_labelSpace");
        ASSERT_TRUE(space);
    }
    QPoint RowCentre(int row) const { return list->visualItemRect(list->item(row)).center(); }

    void DropAt(const QPoint& at, const QList<QUrl>& urls) { DropOn(list, at, urls); }
    void Drop(int row, const QString& path) { DropAt(RowCentre(row), {QUrl::fromLocalFile(path)}); }

    // Right-clicks row and returns the menu that opened.
    QMenu* OpenMenu(int row)
    {
        const QPoint at = RowCentre(row);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &event);
        return window->findChild<QMenu*>("songListMenu");
    }
    static std::vector<bool> Enabled(QMenu* menu)
    {
        std::vector<bool> enabled;
        for (QAction* action : menu->actions())
            if (!action->isSeparator())
                enabled.push_back(action->isEnabled());
        return enabled;
    }
    // Chooses the menu's entry and lets its command run.
    void Choose(QMenu* menu, const QString& text)
    {
        for (QAction* action : menu->actions())
            if (action->text() == text)
                action->trigger();
        menu->hide();
        QCoreApplication::processEvents();
        delete menu;
    }

    QLabel* space = nullptr;
};

}  // namespace

TEST_F(SongList, DropsImportIntoTheRowAsTheImportButtonDoes)
{
    const QString a = SineWav(dir.filePath("a.wav"), 44100, 44100);
    const QString b = SineWav(dir.filePath("b.wav"), 48000, 60000, {1000});
    Drop(4, a);
    EXPECT_EQ(prompt.texts, QStringList({"Successful !"})) << "an empty slot: no question";
    EXPECT_EQ(list->currentRow(), 4);
    EXPECT_EQ(SongOnPedal(*window, 4), Stored(ConvertedSong(a)));

    prompt.Clear();
    const QString label = list->item(4)->text();
    prompt.answers.push_back(true);
    Drop(4, b);
    EXPECT_EQ(prompt.titles.value(0), "Overwrite warning");
    EXPECT_EQ(prompt.texts,
              QStringList({"'" + label + "' already exist, continue to overwrite the song?", "Successful !"}));
    EXPECT_EQ(SongOnPedal(*window, 4), Stored(ConvertedSong(b)));
    EXPECT_EQ(ReadSetting("/Config/WavLoadDir"), dir.path() + "/");

    prompt.Clear();
    const uint32_t commands = rig.pedal.CommandCount();
    Drop(4, a);  // No to the question
    EXPECT_EQ(prompt.texts.size(), 1);
    EXPECT_EQ(rig.pedal.CommandCount(), commands);
    EXPECT_EQ(SongOnPedal(*window, 4), Stored(ConvertedSong(b)));
}

TEST_F(SongList, DropsThatCannotBeImportedSayWhyAndSendNothing)
{
    const QString song = SineWav(dir.filePath("a.wav"), 48000, 20000);
    Import(0, song);
    const QString text = WriteTestFile(dir.filePath("notes.wav"), "not a sound at all");
    prompt.Clear();
    const uint32_t commands = rig.pedal.CommandCount();
    prompt.answers = {true, true, true};
    Drop(0, text);
    DropAt(RowCentre(0), {QUrl::fromLocalFile(song), QUrl::fromLocalFile(song)});
    DropAt(RowCentre(0), {QUrl("https://example.com/loop.wav")});
    EXPECT_EQ(prompt.texts,
              QStringList({"Audio file '" + text + "' cannot be read: Format not recognised.",
                           "Drop one audio file at a time: 2 were dropped",
                           "'https://example.com/loop.wav' is not a file on this computer: only local files can be "
                           "imported"}));
    EXPECT_EQ(prompt.answers.size(), 3u) << "no question asked";

    // While a command's box is open, a drop is refused.
    prompt.Clear();
    prompt.onBox = [&] {
        prompt.onBox = nullptr;
        Drop(1, song);
    };
    list->setCurrentRow(0);
    prompt.answers = {false};
    window->OnDeleteSong();
    QCoreApplication::processEvents();
    EXPECT_EQ(prompt.texts.size(), 1) << prompt.texts.join('|').toStdString();
    EXPECT_EQ(list->item(1)->text(), "Song 002 -- (Empty)");
    EXPECT_EQ(rig.pedal.CommandCount(), commands) << "nothing sent to the pedal";
}

TEST(SongListOld, ADropBelowTheRowsDoesNothing)
{
    QFile::remove(SettingsFilePath());
    CScriptedPrompt prompt;
    QTemporaryDir dir;
    CPedalRig rig(PedalFor(10006));
    CorvantaQT window(rig.midi);
    window.show();
    auto* list = window.findChild<QListWidget*>("m_lstSong");
    ASSERT_EQ(list->count(), 1);
    const QPoint below(10, list->viewport()->height() - 5);
    ASSERT_EQ(list->indexAt(below).row(), -1);
    const uint32_t commands = rig.pedal.CommandCount();
    EXPECT_FALSE(DropOn(list, below, {QUrl::fromLocalFile(SineWav(dir.filePath("a.wav"), 48000, 20000))}));
    EXPECT_TRUE(prompt.texts.isEmpty());
    EXPECT_EQ(rig.pedal.CommandCount(), commands);
    EXPECT_EQ(list->item(0)->text(), "Song 001 -- (Empty)");
}

TEST_F(SongList, TheMenuOffersTheRowsCommandsAndABackupThatRestores)
{
    Import(0, SineWav(dir.filePath("a.wav"), 44100, 44100));
    Import(2, SineWav(dir.filePath("b.wav"), 48000, 30000, {300, 900}));
    const Bytes first = SongOnPedal(*window, 0), third = SongOnPedal(*window, 2);
    const QString firstLabel = list->item(0)->text(), thirdLabel = list->item(2)->text();

    QMenu* menu = OpenMenu(1);
    ASSERT_NE(menu, nullptr);
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << action->text();
    EXPECT_EQ(texts, QStringList({"Export", "Import", "Delete", "", "Backup all songs…", "Restore backup…"}));
    EXPECT_EQ(Enabled(menu), std::vector<bool>({false, true, false, true, true})) << "an empty row";
    EXPECT_EQ(list->currentRow(), 1) << "the clicked row is selected";
    menu->hide();
    delete menu;

    // Backup: the firmware page is off and the bar moves while it runs.
    const QString folder = dir.filePath("backup");
    std::vector<Operation> operations;
    auto* tabs = window->findChild<QTabWidget*>("propSheet");
    bool firmwareTabOff = false;
    QObject::connect(window->findChild<QProgressBar*>(), &QProgressBar::valueChanged, [&](int) {
        operations.push_back(window->CurrentOperation());
        firmwareTabOff = firmwareTabOff || !tabs->isTabEnabled(1);
    });
    prompt.Clear();
    prompt.files.push_back(folder);
    menu = OpenMenu(0);
    EXPECT_EQ(Enabled(menu), std::vector<bool>({true, true, true, true, true})) << "a used row";
    Choose(menu, "Backup all songs…");
    EXPECT_EQ(prompt.texts, QStringList({"", "Successful !"}));
    EXPECT_EQ(prompt.titles.value(0), "Backup all songs");
    EXPECT_TRUE(firmwareTabOff);
    EXPECT_FALSE(operations.empty());
    EXPECT_TRUE(std::count(operations.begin(), operations.end(), OpExport) > 0);
    EXPECT_TRUE(
        std::all_of(operations.begin(), operations.end(), [](Operation o) { return o == OpExport || o == OpIdle; }));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList({"manifest.json", "song-001.wav", "song-003.wav"}));
    QFile manifest(QDir(folder).filePath("manifest.json"));
    ASSERT_TRUE(manifest.open(QIODevice::ReadOnly));
    const QJsonArray entries = QJsonDocument::fromJson(manifest.readAll()).object().value("slots").toArray();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[1].toObject().value("file").toString(), "song-003.wav");
    CWave saved;
    ASSERT_TRUE(saved.load(QDir(folder).filePath("song-003.wav")));
    EXPECT_EQ(Bytes(saved.samples(), saved.samples() + saved.data_size()), third) << "the pedal's own audio";

    // The first song deleted, the third replaced: the restore brings both back.
    list->setCurrentRow(0);
    prompt.answers = {true};
    window->OnDeleteSong();
    Import(2, SineWav(dir.filePath("c.wav"), 48000, 40000));
    ASSERT_NE(SongOnPedal(*window, 2), third);
    prompt.Clear();
    operations.clear();
    prompt.files.push_back(folder);
    prompt.answers = {true};
    Choose(OpenMenu(5), "Restore backup…");
    EXPECT_EQ(prompt.texts, QStringList({"", "Restore 2 songs from '" + folder + "' (1 used slots are overwritten) ?",
                                         "Successful !"}));
    ASSERT_EQ(prompt.dialogs.size(), 1u);
    EXPECT_EQ(prompt.dialogs[0], (CScriptedPrompt::Dialog{"Restore backup", folder, ""})) << "starts at the backup";
    EXPECT_FALSE(operations.empty());
    EXPECT_TRUE(std::count(operations.begin(), operations.end(), OpImport) > 0);
    EXPECT_TRUE(
        std::all_of(operations.begin(), operations.end(), [](Operation o) { return o == OpImport || o == OpIdle; }));
    EXPECT_EQ(list->item(0)->text(), firstLabel) << "the list is reloaded";
    EXPECT_EQ(list->item(2)->text(), thirdLabel);
    EXPECT_EQ(SongOnPedal(*window, 0), first);
    EXPECT_EQ(SongOnPedal(*window, 2), third);
}

TEST_F(SongList, TheSpaceLineFollowsImportsAndDeletes)
{
    // On the song page, clear of the list and of every button.
    EXPECT_EQ(space->parentWidget()->objectName(), "song");
    const auto inWindow = [&](QWidget* w) { return QRect(w->mapTo(window.get(), QPoint()), w->size()); };
    EXPECT_TRUE(inWindow(space->parentWidget()).contains(inWindow(space)));
    for (QWidget* other : window->findChildren<QPushButton*>())
        EXPECT_FALSE(other->isVisible() && inWindow(other).intersects(inWindow(space))) << other->objectName().toStdString();
    EXPECT_FALSE(inWindow(list).intersects(inWindow(space)));
    EXPECT_EQ(space->text(), "Used 0.0 MB of 484.8 MB");  // 1,970 blocks of 64 × 4,032 bytes
    EXPECT_TRUE(space->isVisible());
    Import(3, SineWav(dir.filePath("a.wav"), 44100, 4 * 44100));  // three blocks
    EXPECT_EQ(space->text(), "Used 0.7 MB of 484.8 MB");
    list->setCurrentRow(3);
    prompt.answers = {true};
    window->OnDeleteSong();
    EXPECT_EQ(space->text(), "Used 0.0 MB of 484.8 MB");

    CInProcessMidi none;
    CorvantaQT alone(none);
    alone.show();
    auto* nothing = alone.findChild<QLabel*>("m_labelSpace");
    ASSERT_NE(nothing, nullptr);
    EXPECT_TRUE(nothing->text().isEmpty()) << "no pedal";
    EXPECT_FALSE(nothing->isVisible());
}

// An import that the free blocks cannot hold is refused from the file's
// header, before it converts or sends anything, even over a slot whose own
// blocks would make room: the new song is written before they are released.
TEST_F(SongList, AnImportLargerThanTheFreeBlocksIsRefusedFirst)
{
    UseBlocks(rig.pedal, 10002, 10, 1920);  // 50 blocks stay free
    Open();
    EXPECT_EQ(space->text(), "Used 472.5 MB of 484.8 MB");
    // Two minutes at 48,000 Hz: 5,625,000 frames of the pedal, 16.1 MB.
    const QString big = WriteSparseWav(dir.filePath("big.wav"), 48000, 120, false);
    prompt.Clear();
    const uint32_t commands = rig.pedal.CommandCount();
    Import(10, big);
    EXPECT_EQ(prompt.texts.mid(1), QStringList({"", "'big.wav' needs 16.1 MB, the pedal has 12.3 MB free"}));
    EXPECT_EQ(rig.pedal.CommandCount(), commands) << "nothing sent";
    EXPECT_EQ(space->text(), "Used 472.5 MB of 484.8 MB");

    const CliRun info = RunCliCaptured({"info"}, rig.midi);
    EXPECT_EQ(info.exit, kExitOk);
    EXPECT_TRUE(QString::fromStdString(info.out).endsWith("space:    Used 472.5 MB of 484.8 MB\n")) << info.out;
    rig.pedal.SetRecording(true);
    const CliRun import = RunCliCaptured({"import", big, "1"}, rig.midi);
    EXPECT_EQ(import.exit, kExitFailed);
    EXPECT_TRUE(QString::fromStdString(import.err).endsWith("\n'big.wav' needs 16.1 MB, the pedal has 12.3 MB free\n"))
        << import.err;
    EXPECT_EQ(CountSent(rig.pedal, frame::kErase) + CountSent(rig.pedal, frame::kWrite), 0u)
        << "the command line only reads the song info";
}

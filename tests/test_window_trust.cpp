// What the window tells a musician before, during and after a command, and
// that its terminal stays quiet.
#include "Cli.h"
#include "FirmwareSupport.h"
#include "Frame.h"
#include "SongSupport.h"
#include "Wave.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMenu>
#include <QTabWidget>
#include <QTest>

#include <cmath>
#include <set>

namespace {

// Debug and information lines, counted as the default handler prints them.
int g_terminalLines = 0;
void CountLines(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    g_terminalLines += type == QtDebugMsg || type == QtInfoMsg ? text.count('\n') + 1 : 0;
}

double Luminance(QRgb c)
{
    auto linear = [](int v) { return v <= 10 ? v / 255.0 / 12.92 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}

// The contrast of a label's text against what is behind it, as the window
// paints them: each pixel with and without the text.
double PaintedTextContrast(QWidget& window, QLabel& label)
{
    const QRect area(label.mapTo(&window, QPoint()), label.size());
    const QImage with = window.grab(area).toImage();
    const QString sheet = label.styleSheet();
    label.setStyleSheet(sheet + "color: transparent;");
    const QImage without = window.grab(area).toImage();
    label.setStyleSheet(sheet);
    double best = 0;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            const double a = Luminance(with.pixel(x, y)), b = Luminance(without.pixel(x, y));
            best = std::max(best, (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05));
        }
    }
    return best;
}

class WindowTrust : public CSongWindowTest {
protected:
    void Opened() override { window->show(); }
    // The list row and the space line, as the window shows them.
    QString Shown(int row) { return list->item(row)->text() + " / " + space->text(); }
    // An entry of the song list's menu on row, opened with the menu key.
    void RunMenu(int row, const QString& entry)
    {
        list->setCurrentRow(row);
        QTest::keyClick(list, Qt::Key_Menu);
        QMenu* menu = window->findChild<QMenu*>("songListMenu");
        for (QAction* action : menu->actions())
            if (action->text() == entry)
                action->trigger();
        delete menu;
        QCoreApplication::processEvents();
    }
    // A local firmware file that writes the information block with version.
    void LocalFirmware(int32_t version)
    {
        window->findChild<QCheckBox*>("m_btnSelLocal")->setChecked(true);
        window->findChild<QLineEdit*>("m_editPath")
            ->setText(PackFirmware(dir.path(), QString("fw%1.dat").arg(version),
                                   {{LayoutText(0, 0x2000, 0x2800, 2048), InfoBlockImage(version)}}));
    }
    // The largest 24-bit sample of a song, read back from the pedal's flash.
    int Peak(int row)
    {
        const Bytes song = SongOnPedal(row);
        int peak = 0;
        for (size_t i = 0; i + 3 <= song.size(); i += 3)
            peak = std::max(peak, std::abs(int32_t(frame::GetLE(&song[i], 3) << 8) >> 8));
        return peak;
    }
};

}  // namespace

TEST_F(WindowTrust, TheTerminalStaysQuietUnlessTheRulesAskForDebugLines)
{
    const QtMessageHandler previous = qInstallMessageHandler(CountLines);
    for (const char* rules : {"", "corvanta.*=true"}) {
        QLoggingCategory::setFilterRules(rules);
        g_terminalLines = 0;
        Import(0, SineWav(dir.filePath("a.wav"), 48000, 48000));
        Export(0, dir.filePath("out.wav"));
        LocalFirmware(0x010204);
        window->OnUpdateFirmware();
        EXPECT_TRUE(*rules ? g_terminalLines > 0 : g_terminalLines == 0) << rules << ": " << g_terminalLines;
    }
    QLoggingCategory::setFilterRules(QString());
    qInstallMessageHandler(previous);
    EXPECT_EQ(prompt.texts.filter("Successful").size(), 6) << prompt.texts.join('|').toStdString();
}

// Import, backup, delete with the Delete key and restore through the menu
// key: the list and the space line are new when the result box opens, and a
// backup's or restore's bar counts over all its songs. The backup runs as an
// export into the folder chosen; the restore runs as an import and brings
// back the deleted song.
TEST_F(WindowTrust, ResultsComeAfterTheListShowsThemAndARunHasOneBar)
{
    QStringList atBox;
    prompt.onBox = [&] { atBox << Shown(1); };
    const QString empty = Shown(1), emptyRow = list->item(1)->text();
    for (int row : {1, 2, 3}) {
        Import(row, SineWav(dir.filePath(QString("%1.wav").arg(row)), 48000, 48000 * row));
        EXPECT_EQ(atBox.last(), Shown(1));
    }
    const QString full = Shown(1);
    EXPECT_NE(full, empty);
    const Bytes second = SongOnPedal(1);
    int64_t runBytes = 0;
    for (int row : {1, 2, 3})
        runBytes += window->SongList().song(row)->get_song_size();
    const QString folder = dir.filePath("backup");
    // The operations and the firmware tab while the bar moves.
    auto* tabs = window->findChild<QTabWidget*>("propSheet");
    std::set<Operation> operations;
    bool firmwareTabOff = false;
    QObject::connect(bar, &QProgressBar::valueChanged, [&] {
        operations.insert(window->CurrentOperation());
        firmwareTabOff = firmwareTabOff || !tabs->isTabEnabled(1);
    });
    for (const bool backup : {true, false}) {
        const QString entry = backup ? "Backup all songs…" : "Restore backup…";
        SCOPED_TRACE(entry.toStdString());
        if (!backup) {
            list->setCurrentRow(1);
            prompt.answers = {true};
            QTest::keyClick(list, Qt::Key_Delete);  // as the Delete button, with its question
            ASSERT_EQ(list->item(1)->text(), emptyRow);
        }
        CProgressTap tap(window.get());
        operations.clear();
        firmwareTabOff = false;
        prompt.Clear();
        prompt.files.push_back(folder);
        prompt.answers = {true};
        RunMenu(0, entry);
        ASSERT_EQ(prompt.texts.last(), "Successful !");
        EXPECT_EQ(atBox.last(), full);
        EXPECT_EQ(tap.totals, std::set<int64_t>{runBytes});
        EXPECT_EQ(tap.backwards, 0);
        EXPECT_GT(tap.done, runBytes * 9 / 10);
        operations.erase(OpIdle);
        EXPECT_EQ(operations, std::set<Operation>{backup ? OpExport : OpImport});
        EXPECT_TRUE(firmwareTabOff);
    }
    EXPECT_EQ(prompt.texts, QStringList({"", "Restore 1 songs from '" + folder + "' (0 used slots are overwritten, 2 songs already there are kept) ?",
                                         "Successful !"}));
    EXPECT_EQ(prompt.dialogs, std::vector<CScriptedPrompt::Dialog>({{"Restore backup", folder, ""}}))
        << "starts at the backup";
    EXPECT_EQ(QDir(folder).entryList(QDir::Files),
              QStringList({"manifest.json", "song-002.wav", "song-003.wav", "song-004.wav"}));
    EXPECT_EQ(SongOnPedal(1), second) << "the deleted song is back";
}

TEST_F(WindowTrust, UpdateNamesBothVersionsNoErasesNothingAndTheWarningIsReadable)
{
    auto* versions = window->findChild<QLabel*>("m_labelVersions");
    const char* const plugged =
        "The pedal's firmware is erased and written anew: keep the pedal plugged in until the result is shown.";
    rig.pedal.SetRecording(true);
    const std::pair<int32_t, const char*> cases[] = {
        {0x010204, "newer than the pedal's"}, {0x010203, "the same as the pedal's"}, {0x010109, "older than the pedal's"}};
    for (const auto& [version, compared] : cases) {
        LocalFirmware(version);
        const QString file = version_text(version);
        EXPECT_EQ(versions->text(), QString("Pedal: KORVEL, firmware 1.2.3\nFile: firmware %1, %2").arg(file, compared));
        prompt.erasing.clear();
        prompt.erasingAnswers = {false};
        window->OnUpdateFirmware();
        EXPECT_EQ(prompt.erasing, QStringList(QString("Update the KORVEL from firmware 1.2.3 to %1 (%2) ?\n%3")
                                                  .arg(file, compared, plugged)));
    }
    EXPECT_TRUE(prompt.texts.isEmpty()) << "No is answered without a word";
    EXPECT_EQ(CountSent(rig.pedal, frame::kErase) + CountSent(rig.pedal, frame::kWrite), 0u);

    auto* warning = window->findChild<QLabel*>("m_labelUnplug");
    double contrast = 0;
    QObject::connect(bar, &QProgressBar::valueChanged, [&] {
        if (warning->isVisible() && contrast == 0)
            contrast = PaintedTextContrast(*window, *warning);
    });
    bool warnedAtResult = false;
    prompt.onBox = [&] { warnedAtResult = warning->isVisible(); };
    window->OnUpdateFirmware();
    ASSERT_EQ(prompt.texts, QStringList({"Successful!"}));
    EXPECT_EQ(window->windowTitle(), "Corvanta V1.7 - (Connected - KORVEL, Ver=V1.1.9)") << "the pedal is read again";
    EXPECT_GE(contrast, 4.5);
    EXPECT_TRUE(warnedAtResult) << "the warning stays until the result";
    EXPECT_FALSE(warning->isVisible());
}

// A stereo file into a one-channel pedal: the channel question's No takes
// the first channel, Yes the mix. A song's length shows under the list and
// in `list --long`.
TEST_F(WindowTrust, AStereoFileIntoAOneChannelPedalTakesTheChosenChannels)
{
    // A sine on the left, silence on the right: the mix is half as loud.
    // 94,080 frames: 2.007 s, 282,240 bytes on the pedal.
    const QString file = SineWav(dir.filePath("left.wav"), 46875, 94080, {440, 0});
    Import(0, file, false);  // the channel question answered No: the first channel
    Import(1, file, true);   // Yes: the mix
    const QString question = "'left.wav' has 2 channels; the pedal's songs have one. Which should the song hold ?";
    EXPECT_EQ(prompt.texts.filter(question).size(), 2);
    EXPECT_EQ(ReadSetting("/Config/ImportChannels"), "mix");
    EXPECT_NEAR(double(Peak(1)) / Peak(0), 0.5, 0.01);

    auto* line = window->findChild<QLabel*>("m_labelSongInfo");
    list->setCurrentRow(1);
    EXPECT_EQ(line->text(), "Song 002: 0:02, mono, 0.27 MB");
    list->setCurrentRow(2);
    EXPECT_TRUE(line->text().isEmpty());
    const CliRun listed = RunCliCaptured({"list", "--long"}, rig.midi);
    EXPECT_EQ(listed.exit, kExitOk);
    EXPECT_EQ(QString::fromStdString(listed.out).split('\n').mid(1, 2),
              QStringList({"2\t2.007\t1\t282240", "3\t0.000\t0\t0"}));
}

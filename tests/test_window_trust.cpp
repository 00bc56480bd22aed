// What the window tells a musician before, during and after a command, and
// that its terminal stays quiet.
#include "FirmwareSupport.h"
#include "SongSupport.h"
#include "WindowFixture.h"

#include "Cli.h"
#include "Frame.h"
#include "ProgressEvent.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMenu>
#include <QTest>

#include <cmath>

namespace {

// The debug and information lines that reach the terminal, counted as the
// default message handler would print them.
class CTerminalTap {
public:
    CTerminalTap() { s_lines = 0; m_previous = qInstallMessageHandler(Count); }
    ~CTerminalTap() { qInstallMessageHandler(m_previous); }
    int Lines() const { return s_lines; }

private:
    static void Count(QtMsgType type, const QMessageLogContext&, const QString& text)
    {
        if (type == QtDebugMsg || type == QtInfoMsg)
            s_lines += text.count('\n') + 1;
    }
    static int s_lines;
    QtMessageHandler m_previous;
};
int CTerminalTap::s_lines = 0;

double Luminance(QRgb c)
{
    auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}

// The contrast of a label's text against what is behind it, as the window
// paints them: each pixel the text changes, with and without the text.
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

// The largest 24-bit sample of a song on the pedal, read back from its flash.
int Peak(CorvantaQT& window, int row)
{
    const uint32_t size = window.SongList().song(size_t(row))->get_song_size();
    std::vector<uint8_t> song(size);
    if (window.SongList().read_song(uint32_t(row), song.data(), size, nullptr) != SongOk)
        return -1;
    int peak = 0;
    for (uint32_t i = 0; i + 3 <= size; i += 3)
        peak = std::max(peak, std::abs(int32_t(frame::GetLE(&song[i], 3) << 8) >> 8));
    return peak;
}

// The progress events that reach the window, with the bar's text as each arrives.
class CProgressTap : public QObject {
public:
    explicit CProgressTap(QWidget& window) : m_bar(*window.findChild<QProgressBar*>("progressBar"))
    {
        window.installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == kProgressEventType) {
            const auto* p = static_cast<const CEventBase*>(event);
            events.push_back({p->current, p->total});
            texts << m_bar.format();
        }
        return false;
    }
    std::vector<std::pair<int64_t, int64_t>> events;
    QStringList texts;

private:
    QProgressBar& m_bar;
};

class WindowTrust : public CSongWindowTest {
protected:
    void Opened() override
    {
        window->show();
        space = window->findChild<QLabel*>("m_labelSpace");
    }
    // An entry of the song list's menu on row, opened with the keyboard's menu key.
    void RunMenu(int row, const QString& entry)
    {
        list->setCurrentRow(row);
        QTest::keyClick(list, Qt::Key_Menu);
        auto* menu = window->findChild<QMenu*>("songListMenu");
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions())
            if (action->text() == entry)
                action->trigger();
        delete menu;
        QCoreApplication::processEvents();
    }
    int64_t UsedBytes()
    {
        int64_t bytes = 0;
        for (uint32_t row = 0; row < window->SongList().size(); ++row)
            bytes += window->SongList().song(row)->is_used() ? window->SongList().song(row)->get_song_size() : 0;
        return bytes;
    }

    // An export, an import and a firmware update, as a short session.
    void Session()
    {
        Import(0, SineWav(dir.filePath("a.wav"), 48000, 48000));
        list->setCurrentRow(0);
        prompt.files.push_back(dir.filePath("out.wav"));
        window->OnUploadSong();
        LocalFirmware(0x010204);
            window->OnUpdateFirmware();
    }

    // A local firmware file that writes the information block with version.
    QString LocalFirmware(int32_t version)
    {
        window->findChild<QCheckBox*>("m_btnSelLocal")->setChecked(true);
        const QString path = PackFirmware(dir.path(), QString("fw%1.dat").arg(version),
                                          {{LayoutText(0, 0x2000, 0x2800, 2048), InfoBlockImage(version)}});
        window->findChild<QLineEdit*>("m_editPath")->setText(path);
        return path;
    }

    QLabel* space = nullptr;
};

// Done never goes back and the total is the run's, song after song.
void ExpectOneRun(const CProgressTap& tap, int64_t runBytes)
{
    ASSERT_FALSE(tap.events.empty());
    for (size_t i = 0; i < tap.events.size(); ++i) {
        EXPECT_EQ(tap.events[i].second, runBytes) << i;
        if (i > 0) {
            EXPECT_GE(tap.events[i].first, tap.events[i - 1].first) << i;
        }
    }
    EXPECT_GT(tap.events.back().first, runBytes * 9 / 10) << "counted over every song";
}

}  // namespace

TEST_F(WindowTrust, TheTerminalStaysQuietUnlessTheRulesAskForDebugLines)
{
    CTerminalTap quiet;
    Session();
    EXPECT_EQ(prompt.texts.filter("Successful").size(), 3) << prompt.texts.join('|').toStdString();
    EXPECT_EQ(quiet.Lines(), 0);

    QLoggingCategory::setFilterRules(QStringLiteral("corvanta.*=true"));
    CTerminalTap verbose;
    Session();
    QLoggingCategory::setFilterRules(QString());
    EXPECT_GT(verbose.Lines(), 0);
}

TEST_F(WindowTrust, ABackupAndARestoreRunOneBarOverAllTheirSongs)
{
    for (int row : {0, 2, 3})
        Import(row, SineWav(dir.filePath(QString("%1.wav").arg(row)), 48000, 48000 * (row + 1)));
    const int64_t runBytes = UsedBytes();
    const QString folder = dir.filePath("backup");
    {
        CProgressTap tap(*window);
        prompt.files.push_back(folder);
        RunMenu(0, "Backup all songs…");
        ASSERT_EQ(prompt.texts.last(), "Successful !");
        ExpectOneRun(tap, runBytes);
        const QString total = QString::asprintf(" of %.1f MB", double(runBytes) / kBytesPerMB);
        EXPECT_EQ(tap.texts.filter("Backup Song 003 (2 of 3) — ").size() > 0, true) << tap.texts.join('|').toStdString();
        EXPECT_EQ(tap.texts.filter(total).size(), tap.texts.filter(" MB").size()) << tap.texts.join('|').toStdString();
    }
    CProgressTap tap(*window);
    prompt.files.push_back(folder);
    prompt.answers = {true};
    RunMenu(1, "Restore backup…");
    ASSERT_EQ(prompt.texts.last(), "Successful !");
    ExpectOneRun(tap, runBytes);
}

TEST_F(WindowTrust, TheListAndTheSpaceLineAreNewWhenTheResultBoxOpens)
{
    QStringList shown;
    prompt.onBox = [&] { shown << list->item(1)->text() + " / " + space->text(); };
    const QString before = list->item(1)->text() + " / " + space->text();
    Import(1, SineWav(dir.filePath("a.wav"), 44100, 4 * 44100));
    ASSERT_EQ(prompt.texts.last(), "Successful !");
    const QString after = list->item(1)->text() + " / " + space->text();
    EXPECT_NE(after, before);
    EXPECT_EQ(shown.last(), after);

    prompt.files.push_back(dir.filePath("backup"));
    RunMenu(1, "Backup all songs…");
    list->setCurrentRow(1);
    prompt.answers = {true};
    QTest::keyClick(list, Qt::Key_Delete);  // as the Delete button, with its question
    ASSERT_EQ(list->item(1)->text() + " / " + space->text(), before);
    prompt.files.push_back(dir.filePath("backup"));
    prompt.answers = {true};
    RunMenu(1, "Restore backup…");
    ASSERT_EQ(prompt.texts.last(), "Successful !");
    EXPECT_EQ(shown.last(), after);
}

TEST_F(WindowTrust, TheFirmwarePageNamesBothVersionsAndNoErasesNothing)
{
    auto* versions = window->findChild<QLabel*>("m_labelVersions");
    ASSERT_NE(versions, nullptr);
    struct Case {
        int32_t version;
        const char* compared;
    } cases[] = {{0x010204, "newer than the pedal's"}, {0x010203, "the same as the pedal's"},
                 {0x010109, "older than the pedal's"}};
    QByteArray info(16, 0);
    rig.pedal.Flash(0).Read(0x2180, reinterpret_cast<uint8_t*>(info.data()), 16);
    rig.pedal.SetRecording(true);
    for (const Case& c : cases) {
        LocalFirmware(c.version);
        const QString file = version_text(c.version);
        EXPECT_EQ(versions->text(), QString("Pedal: KORVEL, firmware 1.2.3\nFile: firmware %1, %2").arg(file, c.compared));
        prompt.Clear();
        prompt.erasing.clear();
        prompt.erasingAnswers = {false};
        window->OnUpdateFirmware();
        ASSERT_EQ(prompt.erasing.size(), 1);
        EXPECT_EQ(prompt.erasing[0], QString("Update the KORVEL from firmware 1.2.3 to %1 (%2) ?\nThe pedal's firmware is "
                                             "erased and written anew: keep the pedal plugged in until the result is shown.")
                                         .arg(file, c.compared));
        EXPECT_TRUE(prompt.texts.isEmpty()) << "No is answered without a word";
    }
    EXPECT_EQ(CountSent(rig.pedal, frame::kErase) + CountSent(rig.pedal, frame::kWrite), 0u);
    QByteArray after(16, 0);
    rig.pedal.Flash(0).Read(0x2180, reinterpret_cast<uint8_t*>(after.data()), 16);
    EXPECT_EQ(after, info);
    window->findChild<QLineEdit*>("m_editPath")->setText(dir.filePath("missing.dat"));
    EXPECT_EQ(versions->text(), "Pedal: KORVEL, firmware 1.2.3\nFile: not usable (Open file failed)");
}

TEST_F(WindowTrust, TheUnplugWarningIsReadableAndStaysUntilTheResult)
{
    auto* warning = window->findChild<QLabel*>("m_labelUnplug");
    ASSERT_NE(warning, nullptr);
    LocalFirmware(0x010204);
    double contrast = 0;
    QObject::connect(bar, &QProgressBar::valueChanged, [&] {
        if (warning->isVisible() && contrast == 0)
            contrast = PaintedTextContrast(*window, *warning);
    });
    bool shownWithResult = false;
    prompt.onBox = [&] { shownWithResult = warning->isVisible(); };
    window->OnUpdateFirmware();
    ASSERT_EQ(prompt.texts, QStringList({"Successful!"}));
    EXPECT_GE(contrast, 4.5);
    EXPECT_TRUE(shownWithResult);
    EXPECT_FALSE(warning->isVisible());
}

TEST_F(WindowTrust, AStereoFileIntoAOneChannelPedalTakesTheChosenChannels)
{
    // A sine on the left, silence on the right: the mix is half as loud.
    const QString file = SineWav(dir.filePath("left.wav"), 46875, 46875, {440, 0});
    Import(0, file, false);  // the channel question answered No: the first channel
    Import(1, file, true);   // Yes: the mix
    EXPECT_EQ(prompt.texts.filter("'left.wav' has 2 channels; the pedal's songs have one. Which should the song hold ?").size(),
              2);
    EXPECT_EQ(ReadSetting("/Config/ImportChannels"), "mix");
    const int first = Peak(*window, 0), mix = Peak(*window, 1);
    EXPECT_NEAR(first, 12000 * 256, 12000 * 256 / 50);
    EXPECT_NEAR(double(mix) / first, 0.5, 0.01);
}

TEST_F(WindowTrust, ASongsLengthShowsUnderTheListAndInListLong)
{
    Import(1, SineWav(dir.filePath("two.wav"), 46875, 94080));  // 282,240 bytes on the pedal
    list->setCurrentRow(1);
    EXPECT_EQ(window->findChild<QLabel*>("m_labelSongInfo")->text(), "Song 002: 0:02, mono, 0.27 MB");
    list->setCurrentRow(0);
    EXPECT_TRUE(window->findChild<QLabel*>("m_labelSongInfo")->text().isEmpty());
    testing::internal::CaptureStdout();
    const int exit = RunCli({"list", "--long"}, rig.midi);
    const QStringList lines = QString::fromStdString(testing::internal::GetCapturedStdout()).split('\n');
    EXPECT_EQ(exit, kExitOk);
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0], "1\t0.000\t0\t0");
    EXPECT_EQ(lines[1], "2\t2.007\t1\t282240");
}

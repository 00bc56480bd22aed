// Cancel of the window's export and import, the bar's text and the event
// loop during them, offscreen on the virtual pedal. What a cancel left is
// read from the pedal's flash and from the disk, not from the window.
#include "AppFiles.h"
#include "CorvantaQT.h"
#include "FirmwareSupport.h"
#include "Frame.h"
#include "PedalTiming.h"
#include "ProgressEvent.h"
#include "SongSupport.h"
#include "WindowFixture.h"
#include "Wave.h"

#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr int kRow = 2;

// Runs act once, inside the window's event loop, at the first progress
// event for which when(current, total) holds.
class CProgressTap : public QObject {
public:
    using When = std::function<bool(int64_t current, int64_t total)>;
    CProgressTap(QObject* window, When when, std::function<void()> act)
        : m_window(window), m_when(std::move(when)), m_act(std::move(act))
    {
        window->installEventFilter(this);
    }
    ~CProgressTap() override { m_window->removeEventFilter(this); }
    bool fired = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == kProgressEventType && !fired) {
            const auto* p = static_cast<const CEventBase*>(event);
            if (m_when(p->current, p->total)) {
                fired = true;
                m_act();
            }
        }
        return false;
    }

private:
    QObject* m_window;
    When m_when;
    std::function<void()> m_act;
};

class CancelWindow : public CSongWindowTest {
protected:
    void Opened() override
    {
        cancel = window->findChild<QPushButton*>("m_btnCancel");
        ASSERT_TRUE(cancel);
    }

    void Import(const QString& file, bool overwrite = true)
    {
        prompt.Clear();
        CSongWindowTest::Import(kRow, file, overwrite);
    }
    void Export(const QString& file)
    {
        prompt.Clear();
        list->setCurrentRow(kRow);
        prompt.files.push_back(file);
        window->OnUploadSong();
    }
    // The slot's info block as the pedal's flash holds it.
    QByteArray InfoBlock()
    {
        const SongAreaParams& a = *find_model(10002)->song_area;
        return FlashBytes(rig.pedal, 1, BlockAddress(a, a.data_blocks + kRow), int(a.block_size));
    }
    // The slot's song through a catalogue loaded afresh from the flash.
    Bytes FreshSong()
    {
        CLooperSongList fresh(&window->USBPort());
        if (fresh.load_songs() != SongOk || !fresh.song(kRow)->is_used())
            return {};
        Bytes b(fresh.song(kRow)->get_song_size());
        return fresh.read_song(kRow, b.data(), uint32_t(b.size()), nullptr) == SongOk ? b : Bytes{};
    }

    QPushButton* cancel = nullptr;
};

constexpr int64_t kPage = 4032;

}  // namespace

TEST_F(CancelWindow, ExportStopsAtAnyPageOrAfterTheReadAndWritesNoFile)
{
    Import(SineWav(dir.filePath("song.wav"), 44100, 3 * 44100));  // 105 pages
    ASSERT_EQ(prompt.texts.last(), "Successful !");
    const QString out = dir.filePath("out.wav");
    const QByteArray earlier = "an earlier file of that name";
    struct Point {
        const char* name;
        CProgressTap::When when;
        bool afterTheRead;  // the click lands in a later turn of the event loop
    };
    const Point points[] = {
        {"first page", [](int64_t c, int64_t) { return c == kPage; }, false},
        {"middle", [](int64_t c, int64_t t) { return c >= t / 2; }, false},
        {"last page", [](int64_t c, int64_t t) { return c + kPage >= t; }, false},
        {"conversion", [](int64_t c, int64_t t) { return c + kPage >= t; }, true},
    };
    rig.pedal.SetRecording(true);
    Export(out);
    ASSERT_EQ(prompt.texts.last(), "Successful !");
    const size_t allReads = CountSent(rig.pedal, frame::kRead);
    for (const Point& point : points) {
        for (const bool hadFile : {true, false}) {
            SCOPED_TRACE(std::string(point.name) + (hadFile ? ", over an earlier file" : ", new file"));
            QFile::remove(out);
            if (hadFile)
                WriteTestFile(out, earlier);
            const size_t from = rig.pedal.Received().size();
            CProgressTap tap(window.get(), point.when, [&] {
                // Two turns later: whichever event dispatcher runs, the
                // read's last page has been read by then.
                if (point.afterTheRead)
                    QTimer::singleShot(0, cancel, [this] { QTimer::singleShot(0, cancel, &QPushButton::click); });
                else
                    cancel->click();
            });
            Export(out);
            EXPECT_TRUE(tap.fired);
            EXPECT_EQ(prompt.texts, QStringList({"", "Export cancelled"}));
            EXPECT_EQ(QFile::exists(out), hadFile);
            if (hadFile) {
                EXPECT_EQ(ReadTestFile(out), earlier);
            }
            EXPECT_TRUE(QDir(dir.path()).entryList({"out.wav.*"}, QDir::Files | QDir::Hidden).isEmpty())
                << "no temporary file is left";
            EXPECT_TRUE(bar->isHidden());
            EXPECT_EQ(window->CurrentOperation(), OpIdle);
            const size_t reads = CountSent(rig.pedal, frame::kRead, from);
            if (point.afterTheRead) {
                EXPECT_EQ(reads, allReads) << "every page of the song was read before the cancel";
            } else {
                EXPECT_LT(reads, allReads) << "the read stopped at a page boundary";
            }
        }
    }
    // The next export starts without the cancel.
    Export(out);
    EXPECT_EQ(prompt.texts, QStringList({"", "Successful !"}));
    CWave exported;
    EXPECT_TRUE(exported.load(out));
}

TEST_F(CancelWindow, ImportStopsBeforeTheSongInfoAndTheSlotKeepsItsSong)
{
    Import(SineWav(dir.filePath("a.wav"), 44100, 44100));
    ASSERT_EQ(prompt.texts.last(), "Successful !");
    const QByteArray info = InfoBlock();
    const Bytes song = FreshSong();
    ASSERT_FALSE(song.empty());
    const QString b = SineWav(dir.filePath("b.wav"), 44100, 4 * 44100, {660});  // three blocks
    const int64_t block = 64 * kPage;
    rig.pedal.SetRecording(true);
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
        Import(b);
        EXPECT_EQ(prompt.texts.last(), "Import cancelled");
        EXPECT_EQ(prompt.texts.size(), 3) << "the overwrite question, the file dialog and one message";
        EXPECT_EQ(CountSent(rig.pedal, frame::kWrite, from) == 0, converting);
        EXPECT_EQ(CountSent(rig.pedal, frame::kErase, from) == 0, converting);
        EXPECT_EQ(InfoBlock(), info) << "the song info was not written";
        EXPECT_EQ(FreshSong(), song) << "the slot keeps its song";
        EXPECT_TRUE(list->item(kRow)->text().startsWith("Song 003 -- (0.13  MB)")) << list->item(kRow)->text().toStdString();
        EXPECT_EQ(window->CurrentOperation(), OpIdle);
    }
    // The last block's progress arrives after the song info, during the
    // catalogue's reload: a click then changes nothing, the import finished.
    CProgressTap late(window.get(), [](int64_t c, int64_t t) { return c >= t; }, [&] { cancel->click(); });
    Import(b);
    EXPECT_TRUE(late.fired);
    EXPECT_EQ(prompt.texts.last(), "Successful !");
    EXPECT_NE(InfoBlock(), info);
    EXPECT_TRUE(list->item(kRow)->text().startsWith("Song 003 -- (0.54  MB)")) << list->item(kRow)->text().toStdString();
}

TEST_F(CancelWindow, EscTwoClicksAClickDuringTheResultBoxAndTheBarsText)
{
    Import(SineWav(dir.filePath("song.wav"), 44100, 2 * 44100));
    const QString out = dir.filePath("out.wav");
    // Two clicks: one cancel, one message.
    {
        CProgressTap tap(window.get(), [](int64_t c, int64_t t) { return c >= t / 2; }, [&] {
            cancel->click();
            cancel->click();
            EXPECT_FALSE(cancel->isEnabled());
            EXPECT_EQ(bar->format(), "Cancelling\u2026");
        });
        Export(out);
        EXPECT_EQ(prompt.texts, QStringList({"", "Export cancelled"}));
        EXPECT_FALSE(QFile::exists(out));
    }
    // A click while the result box is open: the export finished and says so.
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
    Export(out);
    prompt.onBox = nullptr;
    EXPECT_EQ(prompt.texts, QStringList({"", "Successful !"}));
    EXPECT_TRUE(hiddenDuringBox) << "Cancel goes once the outcome is known";
    CWave exported;
    EXPECT_TRUE(exported.load(out));
    // The bar: "Export Song 003 — 0.1 of 0.3 MB", the time left once a rate is known.
    ASSERT_FALSE(texts.isEmpty());
    for (const QString& text : texts)
        EXPECT_TRUE(text.startsWith("Export Song 003 \u2014 ") && text.contains(" of 0.3 MB")) << text.toStdString();
    EXPECT_EQ(bar->format(), "%p%") << "the idle bar is a percentage again";

    // Esc is the button's key.
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    CProgressTap esc(window.get(), [](int64_t c, int64_t t) { return c >= t / 2; },
                     [&] { QTest::keyClick(window.get(), Qt::Key_Escape); });
    QFile::remove(out);
    Export(out);
    EXPECT_TRUE(esc.fired);
    EXPECT_EQ(prompt.texts, QStringList({"", "Export cancelled"}));
    EXPECT_FALSE(QFile::exists(out));
}

// The window's event loop runs at least every 100 ms while an export and an
// import run, from their start to their end (the import's catalogue reload
// included), against a pedal with the time of a real one. The wall clock is
// measured, as a musician sees it; the song is short (2 s, well under a
// second of transfer each way) so that a loaded machine has little time to
// starve it.
TEST_F(CancelWindow, EventLoopRunsEvery100MsDuringAnExportAndAnImport)
{
    rig.pedal.SetTiming(PedalTiming::Realistic());
    const QString in = SineWav(dir.filePath("song.wav"), 44100, 2 * 44100);
    QElapsedTimer clock;
    clock.start();
    std::vector<int64_t> ticks;
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (window->CurrentOperation() != OpIdle)
            ticks.push_back(clock.elapsed());
    });
    const auto largestGap = [&] {
        int64_t gap = 0;
        for (size_t i = 1; i < ticks.size(); ++i)
            gap = std::max(gap, ticks[i] - ticks[i - 1]);
        return gap;
    };
    timer.start();
    for (const bool import : {true, false}) {
        SCOPED_TRACE(import ? "import" : "export");
        ticks.clear();
        if (import)
            Import(in);
        else
            Export(dir.filePath("out.wav"));
        ticks.push_back(clock.elapsed());  // the operation's end
        ASSERT_EQ(prompt.texts.last(), "Successful !");
        EXPECT_GT(ticks.size(), 20u) << "the operation took its modelled time";
        EXPECT_LE(largestGap(), 100) << ticks.size() << " ticks";
        std::printf("[ measured ] %s: largest gap %lld ms over %zu ticks\n", import ? "import" : "export",
                    (long long)largestGap(), ticks.size());
    }
}

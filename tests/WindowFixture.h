#pragma once
// A window offscreen on an in-process virtual pedal (model 10002 unless a
// fixture names another), with a settings file of its own, and the song
// page's commands answered as a user would answer them; and a counter of the
// window's poll ticks and a tap on its progress events.
#include "AppFiles.h"
#include "CorvantaQT.h"
#include "Frame.h"
#include "ProgressEvent.h"
#include "SongResult.h"
#include "TestSupport.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <vector>

// The five command buttons, '+' enabled and '-' not: export, import, delete, open, update.
inline QString CommandButtons(QWidget& window)
{
    QString enabled;
    for (const char* name : {"m_btnUpload", "m_btnDownload", "m_btnDelete", "m_btnOpen", "m_btnUpdate"})
        enabled += window.findChild<QWidget*>(name)->isEnabled() ? '+' : '-';
    return enabled;
}

class CSongWindowTest : public ::testing::Test {
protected:
    explicit CSongWindowTest(int32_t model = 10002) : rig(PedalFor(model)) { rig.pedal.SetRecording(true); }
    void SetUp() override
    {
        QFile::remove(SettingsFilePath());
        Open();
    }
    void TearDown() override
    {
        window.reset();
        QFile::remove(SettingsFilePath());
    }
    // A new window on the pedal, as at the program's start.
    void Open()
    {
        window.reset();
        window = std::make_unique<CorvantaQT>(rig.midi);
        list = window->findChild<QListWidget*>("m_lstSong");
        bar = window->findChild<QProgressBar*>("progressBar");
        space = window->findChild<QLabel*>("m_labelSpace");
        ASSERT_TRUE(list && bar && space);
        Opened();
    }
    // The commands the pedal took from its received frame `from` on, the
    // poll's keep-alive identifies aside: they come whenever a tick falls.
    size_t CommandsSince(size_t from) const
    {
        return SentFrames(rig.pedal, from).size() - CountSent(rig.pedal, frame::kIdentify, from);
    }
    // What a fixture takes from each new window.
    virtual void Opened() {}
    // Each command returns the texts of the boxes it showed.
    // Imports file into row, answering the overwrite question and the open dialog.
    QStringList Import(int row, const QString& file, bool overwrite = true)
    {
        const int shown = prompt.texts.size();
        list->setCurrentRow(row);
        prompt.answers.push_back(overwrite);
        prompt.files.push_back(file);
        window->OnDownloadSong();
        prompt.answers.clear();
        prompt.files.clear();
        return prompt.texts.mid(shown);
    }
    // Exports row into file, answering the save dialog ("": cancelled).
    QStringList Export(int row, const QString& file)
    {
        const int shown = prompt.texts.size();
        list->setCurrentRow(row);
        prompt.files.push_back(file);
        window->OnUploadSong();
        prompt.files.clear();
        return prompt.texts.mid(shown);
    }
    // Deletes row's song, answering its question.
    QStringList Delete(int row, bool yes = true)
    {
        const int shown = prompt.texts.size();
        list->setCurrentRow(row);
        prompt.answers.push_back(yes);
        window->OnDeleteSong();
        prompt.answers.clear();
        return prompt.texts.mid(shown);
    }
    // No command runs and its bar is gone.
    bool Idle() const { return bar->isHidden() && window->CurrentOperation() == OpIdle; }
    // Row's song as the pedal gives it back to the window's catalogue.
    std::vector<uint8_t> SongOnPedal(int row)
    {
        std::vector<uint8_t> song(window->SongList().song(size_t(row))->get_song_size());
        EXPECT_EQ(window->SongList().read_song(uint32_t(row), song.data(), uint32_t(song.size()), nullptr), SongOk);
        return song;
    }

    QTemporaryDir dir;
    CScriptedPrompt prompt;
    CPedalRig rig;
    std::unique_ptr<CorvantaQT> window;
    QListWidget* list = nullptr;
    QProgressBar* bar = nullptr;
    QLabel* space = nullptr;  // the line telling how much of the song area is used
};

// Counts the poll timer's ticks that reach a window, so that a test waits
// for the ticks it means instead of a fixed time.
class CPollTicks : public QObject {
public:
    explicit CPollTicks(QObject* window) : m_window(window) { window->installEventFilter(this); }
    ~CPollTicks() override { m_window->removeEventFilter(this); }
    // Runs the event loop until count more ticks were handled; false after a generous limit.
    bool WaitFor(int count)
    {
        const int until = m_ticks + count;
        return QTest::qWaitFor([&] { return m_ticks >= until; }, 10000);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        m_ticks += watched == m_window && event->type() == QEvent::Timer;
        return false;
    }

private:
    QObject* m_window;
    int m_ticks = 0;
};

// The progress events that reach a window: done never goes back and the
// total is the run's. With when and act: runs act once, inside the window's
// event loop, at the first event for which when(current, total) holds.
class CProgressTap : public QObject {
public:
    using When = std::function<bool(int64_t current, int64_t total)>;
    explicit CProgressTap(QObject* window, When when = nullptr, std::function<void()> act = nullptr)
        : m_window(window), m_when(std::move(when)), m_act(std::move(act))
    {
        window->installEventFilter(this);
    }
    ~CProgressTap() override { m_window->removeEventFilter(this); }

    bool fired = false;
    int64_t done = 0;
    int backwards = 0;
    std::set<int64_t> totals;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != kProgressEventType)
            return false;
        const auto* p = static_cast<const CEventBase*>(event);
        backwards += p->current < done;
        done = p->current;
        totals.insert(p->total);
        if (m_when && !fired && m_when(p->current, p->total)) {
            fired = true;
            m_act();
        }
        return false;
    }

private:
    QObject* m_window;
    When m_when;
    std::function<void()> m_act;
};

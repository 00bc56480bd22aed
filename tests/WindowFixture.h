#pragma once
// A window offscreen on an in-process virtual pedal of model 10002, with a
// settings file of its own, and the song page's import answered as a user
// would answer it; and a counter of the window's poll ticks.
#include "AppFiles.h"
#include "CorvantaQT.h"
#include "TestSupport.h"

#include <QFile>
#include <QListWidget>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

class CSongWindowTest : public ::testing::Test {
protected:
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
        ASSERT_TRUE(list && bar);
        Opened();
    }
    // What a fixture takes from each new window.
    virtual void Opened() {}
    // Imports file into row, answering the overwrite question and the open dialog.
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

#pragma once
// One bar over a run of several songs (a backup, a restore): each song's
// progress events go to a relay of its own, which counts them on from the
// bytes of the songs before it and against the bytes of the whole run. The
// amount and the time left then cover the run and never go back between
// songs.
#include <QObject>

#include <cstdint>
#include <memory>
#include <vector>

class CRunProgress {
public:
    // target receives the run's progress events; null for none.
    CRunProgress(QObject* target, int64_t runBytes);
    // A song's last events may still be waiting: they reach the target before their relay goes.
    ~CRunProgress();
    CRunProgress(const CRunProgress&) = delete;
    CRunProgress& operator=(const CRunProgress&) = delete;

    // The receiver of the next song's progress, a song of songBytes; null without a target.
    QObject* NextSong(int64_t songBytes);
    // A song of songBytes the run leaves alone: the bar moves over it.
    void SkipSong(int64_t songBytes);

private:
    QObject* m_target;
    int64_t m_runBytes;
    int64_t m_before = 0;
    std::vector<std::unique_ptr<QObject>> m_relays;
};

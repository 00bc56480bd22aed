#pragma once
// The device watcher thread: counts MIDI output ports every 200 ms and raises
// the flag when the count changes. It uses an output object of its own.
#include "MidiService.h"

#include <atomic>
#include <chrono>
#include <thread>

class CDeviceWatcher {
public:
    CDeviceWatcher(IMidiService& midi, std::atomic<bool>& changed,
                   std::chrono::milliseconds period = std::chrono::milliseconds(200));
    ~CDeviceWatcher();  // stops and joins the thread
    CDeviceWatcher(const CDeviceWatcher&) = delete;
    CDeviceWatcher& operator=(const CDeviceWatcher&) = delete;

    void Stop();

private:
    void WatchOutputDevices();
    bool SleepPeriod();

    IMidiService& m_midi;
    std::atomic<bool>& m_changed;
    const std::chrono::milliseconds m_period;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

#pragma once
// The device watcher thread: lists the MIDI output ports every 200 ms and
// raises the flag when the list changes: a port came or went, or one was
// plugged in again under the same name (the ports' ids differ). It uses an
// output object of its own. Whenever the list changes it also hands the
// ports' ids to a listener on its thread (the device link, which so learns
// that its pedal is gone).
#include "MidiService.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

class CUSBPort;

class CDeviceWatcher {
public:
    // The ids and when their listing began.
    using PortsListener = std::function<void(const std::vector<std::string>& outputIds,
                                             std::chrono::steady_clock::time_point listedAt)>;
    // Tells the link when its pedal's ports are gone, so a waiting exchange ends.
    static PortsListener EndWaitsOf(CUSBPort& link);

    CDeviceWatcher(IMidiService& midi, std::atomic<bool>& changed, PortsListener listener = nullptr,
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
    const PortsListener m_listener;
    const std::chrono::milliseconds m_period;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

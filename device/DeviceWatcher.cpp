#include "DeviceWatcher.h"

#include <QDebug>

#include <memory>

CDeviceWatcher::CDeviceWatcher(IMidiService& midi, std::atomic<bool>& changed, std::chrono::milliseconds period)
    : m_midi(midi), m_changed(changed), m_period(period), m_thread([this] { WatchOutputDevices(); })
{
}

CDeviceWatcher::~CDeviceWatcher() { Stop(); }

void CDeviceWatcher::Stop()
{
    m_stop.store(true);
    if (m_thread.joinable())
        m_thread.join();
}

// Sleeps one period in short steps so that a stop is noticed at once.
bool CDeviceWatcher::SleepPeriod()
{
    constexpr std::chrono::milliseconds kStep(10);
    for (auto slept = std::chrono::milliseconds(0); slept < m_period; slept += kStep) {
        if (m_stop.load())
            return false;
        std::this_thread::sleep_for(kStep);
    }
    return !m_stop.load();
}

void CDeviceWatcher::WatchOutputDevices()
{
    std::unique_ptr<IMidiOut> counter;
    unsigned lastCount = 0;
    while (SleepPeriod()) {
        unsigned count = lastCount;
        try {
            // Created here, and again after a failure, so a MIDI service that
            // starts later is still watched.
            if (!counter)
                counter = m_midi.createOutput("RtMidi Output Client");
            count = counter->getPortCount();
        } catch (const MidiError&) {
            counter.reset();
            continue;
        }
        if (count != lastCount) {
            qDebug("Thread detect MIDI out dev changed ....");
            lastCount = count;
            m_changed.store(true);
        }
    }
}

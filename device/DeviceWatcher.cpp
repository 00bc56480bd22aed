#include "DeviceWatcher.h"

#include <QDebug>

#include <memory>

namespace {
// Output ports not of this program: on JACK the program's own input port is
// an output port too, and it comes and goes with every connection attempt.
unsigned CountForeignPorts(IMidiOut& counter)
{
    unsigned count = 0;
    const unsigned total = counter.getPortCount();
    for (unsigned i = 0; i < total; ++i) {
        const std::string name = counter.getPortName(i);
        if (name.rfind("RtMidi Input Client", 0) != 0 && name.rfind("RtMidi Output Client", 0) != 0)
            ++count;
    }
    return count;
}
}  // namespace

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
            count = CountForeignPorts(*counter);
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

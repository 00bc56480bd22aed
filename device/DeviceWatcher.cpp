#include "DeviceWatcher.h"

#include "USBPort.h"

#include "Logging.h"

#include <memory>

namespace {
// Output ports not of this program: on JACK the program's own input port is
// an output port too, and it comes and goes with every connection attempt.
std::vector<std::string> ForeignPorts(IMidiOut& counter)
{
    std::vector<std::string> names;
    const unsigned total = counter.getPortCount();
    for (unsigned i = 0; i < total; ++i) {
        std::string name = counter.getPortName(i);
        if (name.rfind("RtMidi Input Client", 0) != 0 && name.rfind("RtMidi Output Client", 0) != 0)
            names.push_back(std::move(name));
    }
    return names;
}
}  // namespace

CDeviceWatcher::PortsListener CDeviceWatcher::EndWaitsOf(CUSBPort& link)
{
    return [&link](const std::vector<std::string>& names, std::chrono::steady_clock::time_point listedAt) {
        link.notice_output_ports(names, listedAt);
    };
}

CDeviceWatcher::CDeviceWatcher(IMidiService& midi, std::atomic<bool>& changed, PortsListener listener,
                               std::chrono::milliseconds period)
    : m_midi(midi), m_changed(changed), m_listener(std::move(listener)), m_period(period),
      m_thread([this] { WatchOutputDevices(); })
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
    // The first list is a change whatever its count: the port search before
    // it saw another list (a pedal may have been pulled out since).
    bool first = true;
    while (SleepPeriod()) {
        std::vector<std::string> names;
        const auto listedAt = std::chrono::steady_clock::now();
        try {
            // Created here, and again after a failure, so a MIDI service that
            // starts later is still watched.
            if (!counter)
                counter = m_midi.createOutput("RtMidi Output Client");
            names = ForeignPorts(*counter);
        } catch (const MidiError&) {
            counter.reset();
            continue;
        }
        const unsigned count = unsigned(names.size());
        if (count == lastCount && !first)
            continue;
        if (m_listener)
            m_listener(names, listedAt);
        qCDebug(lcLink, "The MIDI output ports changed");
        lastCount = count;
        first = false;
        m_changed.store(true);
    }
}

#include "DeviceWatcher.h"

#include "USBPort.h"

#include "Logging.h"

#include <memory>

namespace {
// The ids of the output ports not of this program: on JACK the program's
// own input port is an output port too, and it comes and goes with every
// connection attempt.
std::vector<std::string> ForeignPorts(IMidiOut& lister)
{
    std::vector<std::string> ids;
    const unsigned total = lister.getPortCount();
    for (unsigned i = 0; i < total; ++i) {
        const std::string name = lister.getPortName(i);
        if (name.rfind("RtMidi Input Client", 0) != 0 && name.rfind("RtMidi Output Client", 0) != 0)
            ids.push_back(lister.getPortId(i));
    }
    return ids;
}
}  // namespace

CDeviceWatcher::PortsListener CDeviceWatcher::EndWaitsOf(CUSBPort& link)
{
    return [&link](const std::vector<std::string>& ids, std::chrono::steady_clock::time_point listedAt) {
        link.notice_output_ports(ids, listedAt);
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
    std::unique_ptr<IMidiOut> lister;
    std::vector<std::string> lastIds;
    // The first list is a change whatever it holds: the port search before
    // it saw another list (a pedal may have been pulled out since).
    bool first = true;
    while (SleepPeriod()) {
        std::vector<std::string> ids;
        const auto listedAt = std::chrono::steady_clock::now();
        try {
            // Created here, and again after a failure, so a MIDI service that
            // starts later is still watched.
            if (!lister)
                lister = m_midi.createOutput("RtMidi Output Client");
            ids = ForeignPorts(*lister);
        } catch (const MidiError&) {
            lister.reset();
            continue;
        }
        if (ids == lastIds && !first)
            continue;
        if (m_listener)
            m_listener(ids, listedAt);
        qCDebug(lcLink, "The MIDI output ports changed");
        lastIds = std::move(ids);
        first = false;
        m_changed.store(true);
    }
}

#include "InProcessMidi.h"

#include <algorithm>
#include <atomic>

struct CInProcessMidi::SourcePort {
    std::string name;
    std::vector<In*> listeners;
};

struct CInProcessMidi::DestinationPort {
    std::string name;
    std::unique_ptr<CDeliveryQueue> queue;
};

namespace {
template <class Port>
std::string NameAt(const std::vector<std::shared_ptr<Port>>& ports, unsigned index)
{
    return index < ports.size() ? ports[index]->name : std::string();
}
}  // namespace

// The program's input object: messages from the opened source are queued to
// its own delivery thread, filtered and cut to the buffer size as RtMidi does.
class CInProcessMidi::In : public IMidiIn {
public:
    explicit In(CInProcessMidi& service)
        : m_service(service), m_queue([this](const CDeliveryQueue::Message& m) { Deliver(m); })
    {
    }
    ~In() override { closePort(); }

    unsigned getPortCount() override
    {
        std::lock_guard<std::mutex> lock(m_service.m_mutex);
        return unsigned(m_service.m_sources.size());
    }
    std::string getPortName(unsigned index) override
    {
        std::lock_guard<std::mutex> lock(m_service.m_mutex);
        return NameAt(m_service.m_sources, index);
    }
    void openPort(unsigned index, const std::string&) override
    {
        std::lock_guard<std::mutex> lock(m_service.m_mutex);
        if (m_port)
            throw MidiError("a port is already open");
        if (index >= m_service.m_sources.size())
            throw MidiError("invalid input port number");
        m_port = m_service.m_sources[index];
        m_port->listeners.push_back(this);
    }
    void closePort() override
    {
        std::lock_guard<std::mutex> lock(m_service.m_mutex);
        if (!m_port)
            return;
        auto& listeners = m_port->listeners;
        listeners.erase(std::remove(listeners.begin(), listeners.end(), this), listeners.end());
        m_port.reset();
    }
    bool isPortOpen() const override { return m_port != nullptr; }

    void setCallback(MidiCallback callback, void* userData) override
    {
        m_userData.store(userData);
        m_callback.store(callback);
    }
    void ignoreTypes(bool sysex, bool timing, bool sensing) override
    {
        m_ignoreSysex = sysex;
        m_ignoreTiming = timing;
        m_ignoreSensing = sensing;
    }
    void setBufferSize(unsigned size, unsigned) override { m_bufferSize = std::max(1u, size); }
    void setPortLostCallback(MidiPortLostCallback callback, void* userData) override
    {
        m_lostUserData.store(userData);
        m_lost.store(callback);
    }
    // Called with the service mutex held, when the open source goes away.
    void PortLost()
    {
        if (const MidiPortLostCallback lost = m_lost.load())
            lost(m_lostUserData.load());
    }

    // Called with the service mutex held.
    void Queue(const uint8_t* bytes, size_t count) { m_queue.Push(CDeliveryQueue::Message(bytes, bytes + count)); }

private:
    void Deliver(const CDeliveryQueue::Message& m)
    {
        const MidiCallback callback = m_callback.load();
        if (!callback || m.empty() || Ignored(m[0]))
            return;
        const size_t piece = m[0] == 0xF0 ? m_bufferSize.load() : m.size();
        for (size_t at = 0; at < m.size(); at += piece)
            callback(0.0, m.data() + at, std::min(piece, m.size() - at), m_userData.load());
    }
    bool Ignored(uint8_t status) const
    {
        return (status == 0xF0 && m_ignoreSysex) || (status == 0xF8 && m_ignoreTiming) ||
               (status == 0xFE && m_ignoreSensing);
    }

    CInProcessMidi& m_service;
    std::shared_ptr<SourcePort> m_port;
    std::atomic<MidiCallback> m_callback{nullptr};
    std::atomic<void*> m_userData{nullptr};
    std::atomic<MidiPortLostCallback> m_lost{nullptr};
    std::atomic<void*> m_lostUserData{nullptr};
    std::atomic<bool> m_ignoreSysex{true}, m_ignoreTiming{true}, m_ignoreSensing{true};
    std::atomic<size_t> m_bufferSize{1024};
    CDeliveryQueue m_queue;
};

class CInProcessMidi::Out : public IMidiOut {
public:
    explicit Out(CInProcessMidi& service) : m_service(service) {}

    unsigned getPortCount() override
    {
        std::lock_guard<std::mutex> lock(m_service.m_mutex);
        return unsigned(m_service.m_destinations.size());
    }
    std::string getPortName(unsigned index) override
    {
        std::lock_guard<std::mutex> lock(m_service.m_mutex);
        return NameAt(m_service.m_destinations, index);
    }
    void openPort(unsigned index, const std::string&) override
    {
        std::lock_guard<std::mutex> lock(m_service.m_mutex);
        if (m_port)
            throw MidiError("a port is already open");
        if (index >= m_service.m_destinations.size())
            throw MidiError("invalid output port number");
        m_port = m_service.m_destinations[index];
    }
    void closePort() override
    {
        std::lock_guard<std::mutex> lock(m_service.m_mutex);
        m_port.reset();
    }
    bool isPortOpen() const override { return m_port != nullptr; }

    void sendMessage(const uint8_t* bytes, size_t count) override
    {
        std::lock_guard<std::mutex> lock(m_service.m_mutex);
        if (!m_port)
            throw MidiError("output port is not open");
        // A device that went away swallows the message, as a real service does.
        if (m_port->queue)
            m_port->queue->Push(CDeliveryQueue::Message(bytes, bytes + count));
    }

private:
    CInProcessMidi& m_service;
    std::shared_ptr<DestinationPort> m_port;
};

CInProcessMidi::~CInProcessMidi() = default;

std::unique_ptr<CInProcessMidi::Source> CInProcessMidi::AddSource(const std::string& name)
{
    auto port = std::make_shared<SourcePort>();
    port->name = name;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_sources.push_back(port);
    return std::unique_ptr<Source>(new Source(*this, port));
}

std::unique_ptr<CInProcessMidi::Destination> CInProcessMidi::AddDestination(const std::string& name,
                                                                           CDeliveryQueue::Handler handler)
{
    auto port = std::make_shared<DestinationPort>();
    port->name = name;
    port->queue = std::make_unique<CDeliveryQueue>(std::move(handler));
    std::lock_guard<std::mutex> lock(m_mutex);
    m_destinations.push_back(port);
    return std::unique_ptr<Destination>(new Destination(*this, port));
}

CInProcessMidi::Source::~Source()
{
    std::lock_guard<std::mutex> lock(m_service.m_mutex);
    auto& sources = m_service.m_sources;
    sources.erase(std::remove(sources.begin(), sources.end(), m_port), sources.end());
    if (m_service.m_noticesLostPorts) {
        for (In* listener : m_port->listeners)
            listener->PortLost();
    }
    m_port->listeners.clear();
}

void CInProcessMidi::Source::Send(const uint8_t* bytes, size_t count)
{
    std::lock_guard<std::mutex> lock(m_service.m_mutex);
    for (In* listener : m_port->listeners)
        listener->Queue(bytes, count);
}

CInProcessMidi::Destination::~Destination()
{
    std::unique_ptr<CDeliveryQueue> queue;
    {
        std::lock_guard<std::mutex> lock(m_service.m_mutex);
        auto& destinations = m_service.m_destinations;
        destinations.erase(std::remove(destinations.begin(), destinations.end(), m_port), destinations.end());
        queue = std::move(m_port->queue);
    }
    // Joined outside the lock: its handler may be sending through a source.
    queue.reset();
}

void CInProcessMidi::SetNoticesLostPorts(bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_noticesLostPorts = on;
}

void CInProcessMidi::SetCreateFailure(const std::string& text)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_createFailure = text;
}

void CInProcessMidi::ThrowIfCreateFails()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_createFailure.empty())
        throw MidiError(m_createFailure);
}

std::unique_ptr<IMidiIn> CInProcessMidi::createInput(const std::string&, unsigned)
{
    ThrowIfCreateFails();
    return std::make_unique<In>(*this);
}

std::unique_ptr<IMidiOut> CInProcessMidi::createOutput(const std::string&)
{
    ThrowIfCreateFails();
    return std::make_unique<Out>(*this);
}

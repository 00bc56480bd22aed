#pragma once
// An in-process MIDI service: virtual devices add named ports to it, and the
// program's input and output objects enumerate and open them exactly as they
// would the system's. Incoming messages reach an input object's callback on
// a delivery thread of that object, as RtMidi's input thread does.
// Like any system MIDI service it is shared by several threads, so its port
// table is guarded by a mutex (the device link itself takes no lock).
#include "DeliveryQueue.h"
#include "MidiService.h"

#include <memory>
#include <mutex>
#include <vector>

class CInProcessMidi : public IMidiService {
public:
    struct SourcePort;
    struct DestinationPort;

    // A port that the program reads from; the device sends through it.
    class Source {
    public:
        ~Source();
        void Send(const uint8_t* bytes, size_t count);
        void Send(const std::vector<uint8_t>& message) { Send(message.data(), message.size()); }

    private:
        friend class CInProcessMidi;
        Source(CInProcessMidi& service, std::shared_ptr<SourcePort> port) : m_service(service), m_port(std::move(port)) {}
        CInProcessMidi& m_service;
        std::shared_ptr<SourcePort> m_port;
    };

    // A port that the program writes to; the handler runs on its delivery thread.
    class Destination {
    public:
        ~Destination();

    private:
        friend class CInProcessMidi;
        Destination(CInProcessMidi& service, std::shared_ptr<DestinationPort> port) : m_service(service), m_port(std::move(port)) {}
        CInProcessMidi& m_service;
        std::shared_ptr<DestinationPort> m_port;
    };

    CInProcessMidi() = default;
    ~CInProcessMidi() override;

    std::unique_ptr<Source> AddSource(const std::string& name);
    std::unique_ptr<Destination> AddDestination(const std::string& name, CDeliveryQueue::Handler handler);

    std::unique_ptr<IMidiIn> createInput(const std::string& clientName, unsigned queueSizeLimit) override;
    std::unique_ptr<IMidiOut> createOutput(const std::string& clientName) override;

    // While text is not empty, every createInput/createOutput throws it, as a
    // missing system service does.
    void SetCreateFailure(const std::string& text);
    // Whether inputs hear that their source went away (on by default). Off,
    // the service is like RtMidi, and only the device watcher notices.
    void SetNoticesLostPorts(bool on);

private:
    class In;
    class Out;
    friend class In;
    friend class Out;

    void ThrowIfCreateFails();

    std::mutex m_mutex;
    std::vector<std::shared_ptr<SourcePort>> m_sources;
    std::vector<std::shared_ptr<DestinationPort>> m_destinations;
    std::string m_createFailure;
    bool m_noticesLostPorts = true;
};

#include "MidiService.h"

#include "RawMidiStreams.h"

#include <QCoreApplication>

#include <atomic>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(RawMidi)
};

std::string NameAt(const std::vector<RawMidiPort>& ports, unsigned index)
{
    return index < ports.size() ? ports[index].name : std::string();
}

// The device of a port by the index of a fresh enumeration, as RtMidi opens.
RawMidiPort PortAt(RawMidiDirection direction, unsigned index)
{
    const auto ports = ListRawMidiPorts(direction);
    if (index >= ports.size())
        throw MidiError((direction == RawMidiDirection::Input ? Text::tr("invalid input port number")
                                                              : Text::tr("invalid output port number"))
                            .toStdString());
    return ports[index];
}

// Opening failures name the port as the user knows it as well as the device.
template <class Stream, class... Args>
std::unique_ptr<Stream> OpenNamed(const RawMidiPort& port, Args&&... args)
{
    try {
        return std::make_unique<Stream>(port.device, std::forward<Args>(args)...);
    } catch (const MidiError& e) {
        throw MidiError("\"" + port.name + "\": " + e.what());
    }
}

// Bytes reach the callback as the kernel hands them over: the raw device
// knows no message boundaries, and the receive ring needs none.
class RawIn : public IMidiIn {
public:
    unsigned getPortCount() override { return unsigned(ListRawMidiPorts(RawMidiDirection::Input).size()); }
    std::string getPortName(unsigned index) override { return NameAt(ListRawMidiPorts(RawMidiDirection::Input), index); }
    void openPort(unsigned index, const std::string&) override
    {
        if (m_stream)
            throw MidiError(Text::tr("a port is already open").toStdString());
        m_stream = OpenNamed<CRawMidiInput>(PortAt(RawMidiDirection::Input, index), m_readSize.load(),
                                            [this](const uint8_t* bytes, size_t count) { Deliver(bytes, count); });
    }
    void closePort() override { m_stream.reset(); }
    bool isPortOpen() const override { return m_stream != nullptr; }

    void setCallback(MidiCallback callback, void* userData) override
    {
        m_userData.store(userData);
        m_callback.store(callback);
    }
    // Nothing is parsed, so nothing is filtered.
    void ignoreTypes(bool, bool, bool) override {}
    // The largest piece handed to the callback at once.
    void setBufferSize(unsigned size, unsigned) override { m_readSize.store(size > 0 ? size : 1); }

private:
    void Deliver(const uint8_t* bytes, size_t count)
    {
        if (const MidiCallback callback = m_callback.load())
            callback(0.0, bytes, count, m_userData.load());
    }

    std::atomic<MidiCallback> m_callback{nullptr};
    std::atomic<void*> m_userData{nullptr};
    std::atomic<size_t> m_readSize{1024};
    std::unique_ptr<CRawMidiInput> m_stream;
};

class RawOut : public IMidiOut {
public:
    unsigned getPortCount() override { return unsigned(ListRawMidiPorts(RawMidiDirection::Output).size()); }
    std::string getPortName(unsigned index) override
    {
        return NameAt(ListRawMidiPorts(RawMidiDirection::Output), index);
    }
    void openPort(unsigned index, const std::string&) override
    {
        if (m_stream)
            throw MidiError(Text::tr("a port is already open").toStdString());
        m_stream = OpenNamed<CRawMidiOutput>(PortAt(RawMidiDirection::Output, index));
    }
    void closePort() override { m_stream.reset(); }
    bool isPortOpen() const override { return m_stream != nullptr; }

    void sendMessage(const uint8_t* bytes, size_t count) override
    {
        if (!m_stream)
            throw MidiError(Text::tr("output port is not open").toStdString());
        m_stream->Write(bytes, count);
    }

private:
    std::unique_ptr<CRawMidiOutput> m_stream;
};

class RawMidiService : public IMidiService {
public:
    std::unique_ptr<IMidiIn> createInput(const std::string&, unsigned) override { return std::make_unique<RawIn>(); }
    std::unique_ptr<IMidiOut> createOutput(const std::string&) override { return std::make_unique<RawOut>(); }
};

}  // namespace

std::unique_ptr<IMidiService> CreateRawMidiService() { return std::make_unique<RawMidiService>(); }

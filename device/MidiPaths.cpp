#include "MidiPaths.h"

#include <unistd.h>

#include <cstdlib>
#include <functional>

namespace {

// A port object over every path: one object per path, made when first
// needed (and again after a failure, for a service that starts later).
template <class Base>
class CPathsPort : public Base {
public:
    using Create = std::function<std::unique_ptr<Base>(IMidiService&)>;

    CPathsPort(CMidiPaths& paths, Create create) : m_paths(paths), m_create(std::move(create)), m_objects(paths.PathCount()) {}

    unsigned getPortCount() override
    {
        unsigned total = 0;
        for (size_t path = 0; path < m_objects.size(); ++path)
            total += CountOn(path);
        return total;
    }
    std::string getPortName(unsigned index) override
    {
        return At(index, [](Base& object, unsigned local) { return object.getPortName(local); });
    }
    std::string getPortId(unsigned index) override
    {
        return At(index, [](Base& object, unsigned local) { return object.getPortId(local); });
    }
    MidiPathKind getPortPath(unsigned index) override
    {
        const auto [path, local] = Locate(index);
        return path < m_objects.size() ? m_paths.KindAt(path) : MidiPathKind::InProcess;
    }
    void openPort(unsigned index, const std::string& portName) override
    {
        closePort();
        const auto [path, local] = Locate(index);
        if (path >= m_objects.size())
            throw MidiError("invalid port number");
        m_objects[path]->openPort(local, portName);
        m_open = path;
    }
    void closePort() override
    {
        if (Base* object = Open())
            object->closePort();
        m_open = kNone;
    }
    bool isPortOpen() const override { return m_open != kNone && m_objects[m_open]->isPortOpen(); }

protected:
    static constexpr size_t kNone = size_t(-1);

    Base* Open() { return m_open == kNone ? nullptr : m_objects[m_open].get(); }
    // Applies a setting to every object made so far and to those made later.
    void ForEach(std::function<void(Base&)> apply)
    {
        m_settings.push_back(apply);
        for (auto& object : m_objects)
            if (object)
                apply(*object);
    }

private:
    Base* Object(size_t path)
    {
        if (!m_objects[path]) {
            try {
                m_objects[path] = m_create(m_paths.ServiceAt(path));
            } catch (const MidiError&) {
                return nullptr;  // this path has no service now
            }
            for (auto& apply : m_settings)
                apply(*m_objects[path]);
        }
        return m_objects[path].get();
    }
    unsigned CountOn(size_t path)
    {
        Base* object = Object(path);
        try {
            return object ? object->getPortCount() : 0;
        } catch (const MidiError&) {
            if (path != m_open)
                m_objects[path].reset();
            return 0;
        }
    }
    // The path an index falls in and the index there; path past the end when none.
    std::pair<size_t, unsigned> Locate(unsigned index)
    {
        for (size_t path = 0; path < m_objects.size(); ++path) {
            const unsigned count = CountOn(path);
            if (index < count)
                return {path, index};
            index -= count;
        }
        return {m_objects.size(), 0};
    }
    std::string At(unsigned index, const std::function<std::string(Base&, unsigned)>& read)
    {
        const auto [path, local] = Locate(index);
        return path < m_objects.size() ? read(*m_objects[path], local) : std::string();
    }

    CMidiPaths& m_paths;
    Create m_create;
    std::vector<std::unique_ptr<Base>> m_objects;
    std::vector<std::function<void(Base&)>> m_settings;
    size_t m_open = kNone;
};

class CPathsIn : public CPathsPort<IMidiIn> {
public:
    using CPathsPort::CPathsPort;
    void setCallback(MidiCallback callback, void* userData) override
    {
        ForEach([=](IMidiIn& in) { in.setCallback(callback, userData); });
    }
    void ignoreTypes(bool sysex, bool timing, bool sensing) override
    {
        if (IMidiIn* in = Open())
            in->ignoreTypes(sysex, timing, sensing);
    }
    void setBufferSize(unsigned size, unsigned count) override
    {
        ForEach([=](IMidiIn& in) { in.setBufferSize(size, count); });
    }
    void setPortLostCallback(MidiPortLostCallback callback, void* userData) override
    {
        ForEach([=](IMidiIn& in) { in.setPortLostCallback(callback, userData); });
    }
};

class CPathsOut : public CPathsPort<IMidiOut> {
public:
    using CPathsPort::CPathsPort;
    void sendMessage(const uint8_t* bytes, size_t count) override
    {
        IMidiOut* out = Open();
        if (!out)
            throw MidiError("output port is not open");
        out->sendMessage(bytes, count);
    }
    size_t messageLimit() override
    {
        IMidiOut* out = Open();
        return out ? out->messageLimit() : IMidiOut::messageLimit();
    }
};

// JACK2 keeps the socket of server NAME for user UID at
// /dev/shm/jack_NAME_UID_0; JACK_DEFAULT_SERVER names the server, else "default".
bool JackServerRuns()
{
    const char* name = std::getenv("JACK_DEFAULT_SERVER");
    const std::string socket = "/dev/shm/jack_" + std::string(name && *name ? name : "default") + "_" +
                               std::to_string(getuid()) + "_0";
    return access(socket.c_str(), F_OK) == 0;
}

bool SequencerOpens() { return access("/dev/snd/seq", R_OK | W_OK) == 0; }

// A path asked only while it can be there: RtMidi and libjack complain on
// the terminal about every object that finds no sequencer or no server.
class CPathWhen : public IMidiService {
public:
    CPathWhen(bool (*available)(), std::unique_ptr<IMidiService> service)
        : m_available(available), m_service(std::move(service))
    {
    }
    std::unique_ptr<IMidiIn> createInput(const std::string& client, unsigned queueLimit) override
    {
        return Service().createInput(client, queueLimit);
    }
    std::unique_ptr<IMidiOut> createOutput(const std::string& client) override
    {
        return Service().createOutput(client);
    }

private:
    IMidiService& Service()
    {
        if (!m_available())
            throw MidiError("not available");
        return *m_service;
    }
    bool (*const m_available)();
    const std::unique_ptr<IMidiService> m_service;
};

}  // namespace

CMidiPaths::CMidiPaths(std::vector<MidiPathService> paths) : m_paths(std::move(paths)) {}

std::unique_ptr<IMidiIn> CMidiPaths::createInput(const std::string& clientName, unsigned queueSizeLimit)
{
    return std::make_unique<CPathsIn>(*this, [=](IMidiService& service) {
        return service.createInput(clientName, queueSizeLimit);
    });
}

std::unique_ptr<IMidiOut> CMidiPaths::createOutput(const std::string& clientName)
{
    return std::make_unique<CPathsOut>(*this, [=](IMidiService& service) { return service.createOutput(clientName); });
}

std::unique_ptr<CMidiPaths> CreateSystemMidiPaths()
{
    std::vector<MidiPathService> paths;
    paths.push_back({MidiPathKind::RawMidi, CreateRawMidiService()});
    paths.push_back({MidiPathKind::Sequencer, std::make_unique<CPathWhen>(SequencerOpens, CreateRtMidiService("alsa"))});
    paths.push_back({MidiPathKind::Jack, std::make_unique<CPathWhen>(JackServerRuns, CreateRtMidiService("jack"))});
    return std::make_unique<CMidiPaths>(std::move(paths));
}

const char* PathKindName(MidiPathKind kind)
{
    switch (kind) {
    case MidiPathKind::RawMidi:
        return "raw MIDI";
    case MidiPathKind::Sequencer:
        return "ALSA sequencer";
    case MidiPathKind::Jack:
        return "JACK";
    case MidiPathKind::InProcess:
        break;
    }
    return "in process";
}

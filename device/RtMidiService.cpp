#include "MidiService.h"

#include <QCoreApplication>
#include <QDebug>
#include <RtMidi.h>

#include <atomic>
#include <vector>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(RtMidi)
};

std::vector<RtMidi::Api> CandidateApis(const std::string& pinned)
{
    if (!pinned.empty()) {
        const RtMidi::Api api = RtMidi::getCompiledApiByName(pinned);
        if (api == RtMidi::UNSPECIFIED)
            throw MidiError(Text::tr("unknown MIDI API in CORVANTA_MIDI_API: %1")
                                .arg(QString::fromStdString(pinned))
                                .toStdString());
        return {api};
    }
    std::vector<RtMidi::Api> apis;
    RtMidi::getCompiledApi(apis);
    return apis;
}

// The API every object of a service uses, chosen at its first creation: the
// first that can be created, preferring one that has ports. One API for all
// objects keeps port indexes of the search, the pair and the watcher alike.
template <class T, class... Args>
std::unique_ptr<T> CreateWithFallback(const std::string& pinned, std::atomic<int>& chosenApi, Args&&... args)
{
    const int chosen = chosenApi.load();
    if (chosen >= 0) {
        try {
            return std::make_unique<T>(RtMidi::Api(chosen), args...);
        } catch (const RtMidiError& e) {
            throw MidiError(e.getMessage());
        }
    }
    std::unique_ptr<T> first;
    RtMidi::Api firstApi = RtMidi::UNSPECIFIED;
    std::string lastError = Text::tr("no MIDI API is available").toStdString();
    for (RtMidi::Api api : CandidateApis(pinned)) {
        try {
            auto object = std::make_unique<T>(api, args...);
            if (object->getPortCount() > 0) {
                chosenApi.store(int(api));
                return object;
            }
            if (!first) {
                first = std::move(object);
                firstApi = api;
            }
        } catch (const RtMidiError& e) {
            lastError = e.getMessage();
        }
    }
    if (!first)
        throw MidiError(lastError);
    chosenApi.store(int(firstApi));
    return first;
}

// Wraps one RtMidi object: warnings go to the debug output, errors become MidiError.
template <class Base, class Rt>
class RtPort : public Base {
public:
    explicit RtPort(std::unique_ptr<Rt> rt) : m_rt(std::move(rt)) { m_rt->setErrorCallback(&RtPort::OnError, this); }

    unsigned getPortCount() override { return Call([&] { return m_rt->getPortCount(); }); }
    std::string getPortName(unsigned index) override { return Call([&] { return m_rt->getPortName(index); }); }
    void openPort(unsigned index, const std::string& name) override { Call([&] { m_rt->openPort(index, name); }); }
    void closePort() override { Call([&] { m_rt->closePort(); }); }
    bool isPortOpen() const override { return m_rt->isPortOpen(); }

protected:
    template <class F>
    auto Call(F&& f)
    {
        m_error.clear();
        try {
            if constexpr (std::is_void_v<decltype(f())>) {
                f();
                Check();
            } else {
                auto result = f();
                Check();
                return result;
            }
        } catch (const RtMidiError& e) {
            throw MidiError(e.getMessage());
        }
    }

    std::unique_ptr<Rt> m_rt;

private:
    void Check()
    {
        if (!m_error.empty())
            throw MidiError(m_error);
    }

    static void OnError(RtMidiError::Type type, const std::string& text, void* self)
    {
        if (type == RtMidiError::WARNING || type == RtMidiError::DEBUG_WARNING) {
            qDebug("MIDI: %s", text.c_str());
            return;
        }
        static_cast<RtPort*>(self)->m_error = text;
    }

    std::string m_error;
};

class RtIn : public RtPort<IMidiIn, RtMidiIn> {
public:
    using RtPort::RtPort;

    void setCallback(MidiCallback callback, void* userData) override
    {
        m_callback = callback;
        m_userData = userData;
        Call([&] { m_rt->setCallback(&RtIn::Trampoline, this); });
    }
    void ignoreTypes(bool sysex, bool timing, bool sensing) override
    {
        Call([&] { m_rt->ignoreTypes(sysex, timing, sensing); });
    }
    void setBufferSize(unsigned size, unsigned count) override { Call([&] { m_rt->setBufferSize(size, count); }); }

private:
    static void Trampoline(double stamp, std::vector<unsigned char>* message, void* self)
    {
        auto* in = static_cast<RtIn*>(self);
        in->m_callback(stamp, message->data(), message->size(), in->m_userData);
    }

    MidiCallback m_callback = nullptr;
    void* m_userData = nullptr;
};

class RtOut : public RtPort<IMidiOut, RtMidiOut> {
public:
    using RtPort::RtPort;
    void sendMessage(const uint8_t* bytes, size_t count) override
    {
        // The sequencer would cut the message and report it sent.
        if (count > kSequencerMessageLimit && m_rt->getCurrentApi() == RtMidi::LINUX_ALSA)
            throw MidiRefused(Text::tr("A MIDI message of %1 bytes cannot cross the ALSA sequencer (at most %2 "
                                       "bytes), so it was not sent. Reach the pedal through raw MIDI: "
                                       "CORVANTA_MIDI_API=alsa-raw")
                                  .arg(count)
                                  .arg(kSequencerMessageLimit)
                                  .toStdString());
        Call([&] { m_rt->sendMessage(bytes, count); });
    }
};

class RtMidiService : public IMidiService {
public:
    explicit RtMidiService(std::string api) : m_api(std::move(api)) {}

    std::unique_ptr<IMidiIn> createInput(const std::string& client, unsigned queueLimit) override
    {
        return std::make_unique<RtIn>(CreateWithFallback<RtMidiIn>(m_api, m_chosenApi, client, queueLimit));
    }
    std::unique_ptr<IMidiOut> createOutput(const std::string& client) override
    {
        return std::make_unique<RtOut>(CreateWithFallback<RtMidiOut>(m_api, m_chosenApi, client));
    }

private:
    const std::string m_api;
    std::atomic<int> m_chosenApi{-1};
};

}  // namespace

std::unique_ptr<IMidiService> CreateRtMidiService(const std::string& api)
{
    return std::make_unique<RtMidiService>(api);
}

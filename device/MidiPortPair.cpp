#include "MidiPortPair.h"

#include "Prompt.h"
#include "WireCodec.h"

#include <QCoreApplication>

#include <cstring>

namespace {
const char* const kInputClient = "RtMidi Input Client";
const char* const kOutputClient = "RtMidi Output Client";
const char* const kInputPort = "RtMidi Input";
const char* const kOutputPort = "RtMidi Output";
constexpr unsigned kQueueSizeLimit = 100;
}  // namespace

CMidiPortPair::CMidiPortPair(IMidiService& service)
    : m_service(service), m_transmit(new uint8_t[kTransmitSize])
{
}

CMidiPortPair::~CMidiPortPair()
{
    CloseOutput();
    CloseInput();
    m_in.reset();
    m_out.reset();
}

template <class F>
bool CMidiPortPair::Guarded(F&& f)
{
    try {
        f();
        return true;
    } catch (const MidiError& e) {
        m_error = e.what();
        return false;
    }
}

bool CMidiPortPair::OpenOutput(unsigned index)
{
    return Guarded([&] {
        if (m_out)
            m_out->closePort();
        else
            m_out = m_service.createOutput(kOutputClient);
        m_outputName = m_out->getPortName(index);
        m_out->openPort(index, kOutputPort);
    });
}

bool CMidiPortPair::OpenInput(unsigned index)
{
    return Guarded([&] {
        if (m_in) {
            m_in->closePort();
        } else {
            auto in = m_service.createInput(kInputClient, kQueueSizeLimit);
            // One SysEx buffer big enough for any reply, so replies arrive
            // whole, and small enough that a full one always fits the ring.
            in->setBufferSize(CByteRing::kDefaultCapacity / 2, 1);
            // Attached once, before any open can fail, and kept for every later open.
            in->setCallback(&CMidiPortPair::OnMidiInput, this);
            in->setPortLostCallback(&CMidiPortPair::OnPortLost, this);
            m_in = std::move(in);
        }
        m_in->openPort(index, kInputPort);
        m_in->ignoreTypes(false, false, false);
    });
}

void CMidiPortPair::CloseOutput()
{
    Guarded([&] {
        if (m_out && m_out->isPortOpen())
            m_out->closePort();
    });
}

void CMidiPortPair::CloseInput()
{
    Guarded([&] {
        if (m_in && m_in->isPortOpen())
            m_in->closePort();
    });
}

bool CMidiPortPair::IsOutputOpen() const { return m_out && m_out->isPortOpen(); }

bool CMidiPortPair::SendSysEx(const uint8_t* frame, size_t length)
{
    if (!IsOutputOpen())
        return false;
    const size_t body = m_packed ? PackedSize(length) : length;
    if (body + 2 > kTransmitSize) {
        m_error = QCoreApplication::translate("MidiPortPair", "frame too large for the transmit buffer").toStdString();
        return false;
    }
    uint8_t* out = m_transmit.get();
    out[0] = 0xF0;
    if (m_packed)
        Pack7(frame, length, out + 1);
    else
        std::memcpy(out + 1, frame, length);
    out[body + 1] = 0xF7;
    try {
        m_out->sendMessage(out, body + 2);
        return true;
    } catch (const MidiRefused& e) {
        // A frame the service cannot carry: the user learns why nothing works.
        m_error = e.what();
        ShowMessage(QString::fromStdString(m_error));
    } catch (const MidiError& e) {
        m_error = e.what();
    }
    return false;
}

void CMidiPortPair::OnMidiInput(double, const uint8_t* bytes, size_t count, void* userData)
{
    if (count > 0)
        static_cast<CMidiPortPair*>(userData)->m_ring.Append(bytes, count);
}

void CMidiPortPair::OnPortLost(void* userData) { static_cast<CMidiPortPair*>(userData)->m_ring.Interrupt(); }

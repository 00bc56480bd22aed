#include "RawMidiStreams.h"

#include <alsa/asoundlib.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDebug>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <chrono>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(RawMidi)
};

// alsa-lib's own complaints go to the debug output: the failures it reports
// reach the user as MidiError texts that name the device.
void LibraryMessage(const char*, int, const char*, int, const char* format, ...)
{
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    qDebug("ALSA: %s", text);
}

void RouteLibraryMessages()
{
    static const bool routed = (snd_lib_error_set_handler(&LibraryMessage), true);
    (void)routed;
}

std::string OpenFailure(const std::string& device, int error)
{
    const QString name = QString::fromStdString(device);
    if (error == -EBUSY)
        return Text::tr("MIDI device %1 is in use by another program").arg(name).toStdString();
    if (error == -EACCES || error == -EPERM)
        return Text::tr("no permission to open MIDI device %1").arg(name).toStdString();
    return Text::tr("cannot open MIDI device %1: %2").arg(name, snd_strerror(error)).toStdString();
}

void SetKernelBuffer(snd_rawmidi_t* handle, size_t size)
{

    snd_rawmidi_params_t* params = nullptr;
    if (snd_rawmidi_params_malloc(&params) < 0)
        return;
    if (snd_rawmidi_params_current(handle, params) < 0 || snd_rawmidi_params_set_buffer_size(handle, params, size) < 0 ||
        snd_rawmidi_params(handle, params) < 0)
        qDebug("MIDI: the kernel buffer of %s stays at its default size", snd_rawmidi_name(handle));
    snd_rawmidi_params_free(params);
}

// Subdevices of one device of a card in one direction.
void AddSubdevices(snd_ctl_t* ctl, int card, int device, snd_rawmidi_stream_t stream, std::vector<RawMidiPort>& ports)
{
    snd_rawmidi_info_t* info = nullptr;
    snd_rawmidi_info_alloca(&info);
    snd_rawmidi_info_set_device(info, unsigned(device));
    snd_rawmidi_info_set_stream(info, stream);
    snd_rawmidi_info_set_subdevice(info, 0);
    if (snd_ctl_rawmidi_info(ctl, info) < 0)
        return;  // no subdevice in this direction
    const unsigned count = snd_rawmidi_info_get_subdevices_count(info);
    for (unsigned sub = 0; sub < count; ++sub) {
        snd_rawmidi_info_set_subdevice(info, sub);
        if (snd_ctl_rawmidi_info(ctl, info) < 0)
            continue;
        std::string name = snd_rawmidi_info_get_subdevice_name(info);
        if (name.empty())
            name = snd_rawmidi_info_get_name(info);
        ports.push_back({name, "hw:" + std::to_string(card) + "," + std::to_string(device) + "," + std::to_string(sub)});
    }
}

void AddCard(int card, snd_rawmidi_stream_t stream, std::vector<RawMidiPort>& ports)
{
    snd_ctl_t* ctl = nullptr;
    if (snd_ctl_open(&ctl, ("hw:" + std::to_string(card)).c_str(), 0) < 0)
        return;  // a card that went away between the two calls
    int device = -1;
    while (snd_ctl_rawmidi_next_device(ctl, &device) >= 0 && device >= 0)
        AddSubdevices(ctl, card, device, stream, ports);
    snd_ctl_close(ctl);
}

// Waits for the handle's events; the result is its revents, 0 on time-out.
unsigned short PollHandle(snd_rawmidi_t* handle, short events, int wakeFd, int timeoutMs, bool& woken)
{
    pollfd fds[8];
    const int n = snd_rawmidi_poll_descriptors(handle, fds, 7);
    if (n <= 0)
        return POLLERR;
    for (int i = 0; i < n; ++i)
        fds[i].events = events;
    fds[n] = {wakeFd, POLLIN, 0};
    const int ready = poll(fds, nfds_t(wakeFd >= 0 ? n + 1 : n), timeoutMs);
    woken = wakeFd >= 0 && (fds[n].revents & POLLIN);
    if (ready < 0)
        return errno == EINTR ? 0 : POLLERR;
    unsigned short revents = 0;
    if (ready > 0 && snd_rawmidi_poll_descriptors_revents(handle, fds, unsigned(n), &revents) < 0)
        return POLLERR;
    return revents;
}

}  // namespace

std::vector<RawMidiPort> ListRawMidiPorts(RawMidiDirection direction)
{
    const auto stream = direction == RawMidiDirection::Input ? SND_RAWMIDI_STREAM_INPUT : SND_RAWMIDI_STREAM_OUTPUT;
    RouteLibraryMessages();
    std::vector<RawMidiPort> ports;
    int card = -1;
    while (snd_card_next(&card) >= 0 && card >= 0)
        AddCard(card, stream, ports);
    return ports;
}

// ---- Input ----

CRawMidiInput::CRawMidiInput(const std::string& device, size_t readSize, Receiver receiver)
    : m_device(device), m_readSize(readSize > 0 ? readSize : 1), m_buffer(new uint8_t[m_readSize]),
      m_receiver(std::move(receiver))
{
    RouteLibraryMessages();
    const int error = snd_rawmidi_open(&m_handle, nullptr, device.c_str(), SND_RAWMIDI_NONBLOCK);
    if (error < 0)
        throw MidiError(OpenFailure(device, error));
    if (pipe2(m_wake, O_CLOEXEC | O_NONBLOCK) < 0) {
        snd_rawmidi_close(m_handle);
        throw MidiError(Text::tr("cannot read MIDI device %1: no pipe for its reader")
                            .arg(QString::fromStdString(device))
                            .toStdString());
    }
    SetKernelBuffer(m_handle, kKernelBufferSize);
    // The first read starts the input: USB MIDI drops whatever arrives
    // before it, so it is done here and not left to the reader's start.
    ReadAvailable();
    m_thread = std::thread([this] { ReadUntilStopped(); });
}

CRawMidiInput::~CRawMidiInput()
{
    const char stop = 1;
    if (write(m_wake[1], &stop, 1) < 0)
        qDebug("MIDI: cannot wake the reader of %s", m_device.c_str());
    m_thread.join();
    snd_rawmidi_close(m_handle);
    close(m_wake[0]);
    close(m_wake[1]);
}

void CRawMidiInput::ReadUntilStopped()
{
    for (;;) {
        bool stopped = false;
        const unsigned short revents = PollHandle(m_handle, POLLIN, m_wake[0], -1, stopped);
        if (stopped)
            return;
        if ((revents & POLLIN) && !ReadAvailable())
            return;
        if (revents & (POLLERR | POLLHUP | POLLNVAL)) {
            qDebug("MIDI: input %s went away", m_device.c_str());
            return;
        }
    }
}

// Hands on everything the kernel holds; false when the device went away.
bool CRawMidiInput::ReadAvailable()
{
    for (;;) {
        const ssize_t n = snd_rawmidi_read(m_handle, m_buffer.get(), m_readSize);
        if (n > 0) {
            m_receiver(m_buffer.get(), size_t(n));
            continue;
        }
        if (n == 0 || n == -EAGAIN || n == -EINTR)
            return true;
        qDebug("MIDI: reading %s failed: %s", m_device.c_str(), snd_strerror(int(n)));
        return false;
    }
}

// ---- Output ----

CRawMidiOutput::CRawMidiOutput(const std::string& device) : m_device(device)
{
    RouteLibraryMessages();
    const int error = snd_rawmidi_open(nullptr, &m_handle, device.c_str(), SND_RAWMIDI_NONBLOCK);
    if (error < 0)
        throw MidiError(OpenFailure(device, error));
    SetKernelBuffer(m_handle, kKernelBufferSize);
}

CRawMidiOutput::~CRawMidiOutput() { snd_rawmidi_close(m_handle); }

void CRawMidiOutput::Write(const uint8_t* bytes, size_t count)
{
    using Clock = std::chrono::steady_clock;
    size_t done = 0;
    auto lastProgress = Clock::now();
    while (done < count) {
        const ssize_t n = snd_rawmidi_write(m_handle, bytes + done, count - done);
        if (n > 0) {
            done += size_t(n);
            lastProgress = Clock::now();
            continue;
        }
        if (n != 0 && n != -EAGAIN && n != -EINTR)
            throw MidiError(Text::tr("MIDI device %1 refused the message after %2 of %3 bytes: %4")
                                .arg(QString::fromStdString(m_device))
                                .arg(done)
                                .arg(count)
                                .arg(snd_strerror(int(n)))
                                .toStdString());
        if (Clock::now() - lastProgress > std::chrono::milliseconds(kStallLimitMs))
            throw MidiError(Text::tr("MIDI device %1 took no data for %2 s; %3 of %4 bytes were sent")
                                .arg(QString::fromStdString(m_device))
                                .arg(kStallLimitMs / 1000)
                                .arg(done)
                                .arg(count)
                                .toStdString());
        WaitWritable(100);
    }
}

void CRawMidiOutput::WaitWritable(int timeoutMs)
{
    bool unused = false;
    const unsigned short revents = PollHandle(m_handle, POLLOUT, -1, timeoutMs, unused);
    if (revents & (POLLERR | POLLHUP | POLLNVAL))
        throw MidiError(Text::tr("MIDI device %1 went away while a message was being sent")
                            .arg(QString::fromStdString(m_device))
                            .toStdString());
}

#include "SoundFile.h"

#include "Operation.h"
#include "Wave.h"

#include <QFile>
#include <QIODevice>
#include <QStringList>

#include <algorithm>

#include <vector>

namespace {

// libsndfile's virtual I/O on a Qt device.
sf_count_t DeviceLength(void* device) { return static_cast<QIODevice*>(device)->size(); }

sf_count_t DeviceSeek(sf_count_t offset, int whence, void* user)
{
    auto* device = static_cast<QIODevice*>(user);
    const qint64 base = whence == SEEK_CUR ? device->pos() : whence == SEEK_END ? device->size() : 0;
    return device->seek(base + offset) ? device->pos() : -1;
}

sf_count_t DeviceRead(void* into, sf_count_t count, void* device)
{
    return static_cast<QIODevice*>(device)->read(static_cast<char*>(into), count);
}

sf_count_t DeviceWrite(const void* bytes, sf_count_t count, void* device)
{
    return static_cast<QIODevice*>(device)->write(static_cast<const char*>(bytes), count);
}

sf_count_t DeviceTell(void* device) { return static_cast<QIODevice*>(device)->pos(); }

}  // namespace

CSoundFileReader::~CSoundFileReader()
{
    if (m_file)
        sf_close(m_file);
}

bool CSoundFileReader::Open(const QString& path, QString& problem)
{
    m_info = SF_INFO{};
    m_file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &m_info);
    if (!m_file)
        problem = QString::fromUtf8(sf_strerror(nullptr));
    return m_file != nullptr;
}

int64_t CSoundFileReader::Read(float* out, int64_t n) { return sf_readf_float(m_file, out, n); }

QString CSoundFileReader::ReadProblem() const
{
    return sf_error(m_file) == SF_ERR_NO_ERROR ? QString() : QString::fromUtf8(sf_strerror(m_file));
}

bool WriteFlac(QIODevice& device, const CWave& wave)
{
    SF_VIRTUAL_IO io = {DeviceLength, DeviceSeek, DeviceRead, DeviceWrite, DeviceTell};
    SF_INFO info{};
    info.samplerate = int(wave.format().nSamplesPerSec);
    info.channels = wave.format().nChannels;
    info.format = SF_FORMAT_FLAC | SF_FORMAT_PCM_24;
    SNDFILE* file = sf_open_virtual(&io, SFM_WRITE, &info, &device);
    if (!file)
        return false;
    // libsndfile takes 24-bit audio as 32-bit integers with the low byte 0.
    constexpr uint32_t kBlock = 65536;
    const size_t samplesPerFrame = wave.format().nChannels;
    std::vector<int> block(kBlock * samplesPerFrame);
    bool ok = true;
    for (uint32_t at = 0; ok && at < wave.frame_count(); at += kBlock) {
        const uint32_t n = std::min(kBlock, wave.frame_count() - at);
        const uint8_t* s = wave.samples() + size_t(at) * wave.format().nBlockAlign;
        for (size_t i = 0; i < n * samplesPerFrame; ++i, s += 3)
            block[i] = int(uint32_t(s[0]) << 8 | uint32_t(s[1]) << 16 | uint32_t(s[2]) << 24);
        ok = sf_writef_int(file, block.data(), n) == n && ContinueOperation();
    }
    return sf_close(file) == 0 && ok;
}

QString ReadableAudioPatterns()
{
    QStringList patterns = {"*.wav"};
    int count = 0;
    sf_command(nullptr, SFC_GET_FORMAT_MAJOR_COUNT, &count, sizeof count);
    for (int i = 0; i < count; ++i) {
        SF_FORMAT_INFO format{};
        format.format = i;
        sf_command(nullptr, SFC_GET_FORMAT_MAJOR, &format, sizeof format);
        // Raw audio has no header to read its format from.
        if (format.extension && (format.format & SF_FORMAT_TYPEMASK) != SF_FORMAT_RAW)
            patterns << QStringLiteral("*.%1").arg(QString::fromLatin1(format.extension));
    }
    // Other names the same formats go by.
    patterns << "*.mp3" << "*.mp2" << "*.ogg" << "*.opus" << "*.aif" << "*.aifc" << "*.bwf";
    patterns.removeDuplicates();
    return patterns.join(' ');
}

#include "SparseWav.h"

#include "Wave.h"

#include <QByteArray>
#include <QFile>

QString WriteSparseWav(const QString& path, uint32_t rate, uint32_t seconds, bool junkFirst)
{
    const uint64_t data = uint64_t(rate) * seconds * 6;
    QByteArray h("RIFF\0\0\0\0WAVE", 12);
    if (junkFirst)
        h += QByteArray("JUNK\x1c\0\0\0", 8) + QByteArray(28, '\0');
    WaveFormat f;
    f.nChannels = 2;
    f.nSamplesPerSec = rate;
    f.nAvgBytesPerSec = rate * 6;
    f.nBlockAlign = 6;
    f.wBitsPerSample = 24;
    uint8_t record[WaveFormat::kSize];
    f.ToBytes(record);
    h += QByteArray("fmt \x10\0\0\0", 8) + QByteArray(reinterpret_cast<const char*>(record), 16) + "data";
    for (int i = 0; i < 4; ++i)
        h += char(data >> (8 * i));
    const uint64_t riff = uint64_t(h.size()) + data - 8;
    for (int i = 0; i < 4; ++i)
        h[4 + i] = char(riff >> (8 * i));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(h);
    file.resize(h.size() + qint64(data));
    return path;
}

#include "SongSpace.h"

#include "ProgressMeter.h"

#include "LooperSongList.h"
#include "SongGeometry.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {

double Tenths(uint64_t bytes) { return double(bytes) / kBytesPerMB * 10; }

// A whole number of tenths of a megabyte: "12.3 MB".
QString Megabytes(double tenths)
{
    return QCoreApplication::translate("SongSpace", "%1 MB").arg(tenths / 10, 0, 'f', 1);
}
}  // namespace

SongSpace SpaceOf(const CLooperSongList& songs, const SongAreaParams& area)
{
    const uint32_t blocks = std::min(area.data_blocks, kMaxBlockNumbers);
    uint32_t used = 0;
    for (uint32_t b = 0; b < blocks; ++b)
        used += songs.used_blocks().test(b) ? 1 : 0;
    return {used * BlockBytes(area), blocks * BlockBytes(area)};
}

QString SongSpaceText(const SongSpace& space)
{
    return QCoreApplication::translate("SongSpace", "Used %1 of %2")
        .arg(Megabytes(std::round(Tenths(space.usedBytes))), Megabytes(std::round(Tenths(space.totalBytes))));
}

QString NoSpaceText(const QString& path, uint64_t songBytes, uint64_t freeBytes)
{
    return QCoreApplication::translate("SongSpace", "'%1' needs %2, the pedal has %3 free")
        .arg(QFileInfo(path).fileName(), Megabytes(std::ceil(Tenths(songBytes))),
             Megabytes(std::floor(Tenths(freeBytes))));
}

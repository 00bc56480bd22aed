#pragma once
// How much of the pedal's song area its songs take, from the catalogue's
// used-block map: the window's line under the song commands and the command
// line's "space:" line.
#include "DeviceModels.h"

#include <QString>

#include <cstdint>

class CLooperSongList;

struct SongSpace {
    uint64_t usedBytes = 0;   // audio bytes of the used data blocks
    uint64_t totalBytes = 0;  // audio bytes of all data blocks
    uint64_t FreeBytes() const { return totalBytes - usedBytes; }
};

// The space of a loaded catalogue on a pedal with this song area.
SongSpace SpaceOf(const CLooperSongList& songs, const SongAreaParams& area);

// "Used 312.5 MB of 492.5 MB": megabytes of 1,048,576 bytes, as the song list counts them.
QString SongSpaceText(const SongSpace& space);

// "'x.wav' needs 40.2 MB, the pedal has 12.3 MB free": the need rounded up
// and the free space down, so that the two never read alike.
QString NoSpaceText(const QString& path, uint64_t songBytes, uint64_t freeBytes);

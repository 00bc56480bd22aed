#pragma once
// Large WAV files for tests and benchmarks without the disk they claim.
#include <QString>

#include <cstdint>

// Writes at path a 24-bit stereo WAV header claiming seconds of audio at rate,
// followed by a sparse hole of that length (silence). With junkFirst a JUNK
// chunk comes first, which the WAV reader leaves to libsndfile. Returns path.
QString WriteSparseWav(const QString& path, uint32_t rate, uint32_t seconds, bool junkFirst);

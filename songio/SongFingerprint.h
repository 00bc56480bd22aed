#pragma once
// A song's fingerprint: what a backup compares to tell a song on the pedal
// from the one it holds, without reading the song. It hashes the song info
// as stored (the page of the info block it lies in and its bytes as read
// from the flash) and the first, middle and last page of the audio in audio
// order. Any write of a song appends its info at another page, or, after a
// delete, rewrites it where the blocks or the length tell it apart; what it
// cannot see is audio changed only outside the pages it hashes while the
// info stays byte for byte the same.
#include <QString>

#include <cstdint>

class CLooperSongBase;
struct SongAreaParams;

// The hex SHA-256 fingerprint of the song the slot holds (loaded); empty
// when a read failed.
QString SongFingerprint(const CLooperSongBase& song, const SongAreaParams& area, uint32_t storageFormat);

#pragma once
// Result codes of every song storage operation, with the texts the song page shows.
#include <QString>

enum SongResult : int {
    SongOk = 0,
    SongDeviceClosed = 1,
    SongDeviceUnsupported = 2,
    SongReadFailed = 3,
    SongWriteFailed = 4,
    SongChecksumError = 5,
    SongNoSpace = 6,
    SongTooLarge = 7,
    SongSlotOutOfRange = 8,
    SongEraseFailed = 9,
    SongInfoEraseFailed = 10,
    SongFlagFailed = 11,
    // Not one of the pedal's own codes: a song shorter than one write unit
    // would store as empty, so it is refused. Shown as "Failed !".
    SongTooShort = 12,
    // Not one of the pedal's own codes: the user cancelled at a chunk
    // boundary. A write stops before the song info, so the slot keeps its
    // previous song; the faces say which command was cancelled.
    SongCancelled = 13,
};

// "Successful !", "Device not open !", ...; any unknown code: "Failed !".
QString SongResultText(int code);

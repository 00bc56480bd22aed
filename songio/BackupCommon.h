#pragma once
// Steps the backup and the restore share.
#include <QString>

#include <cstdint>

class CUSBPort;
class QObject;
struct SongAreaParams;

// The song area of the connected pedal; none, with its message, for a
// pedal that holds no songs.
const SongAreaParams* BackupAreaOf(CUSBPort& link);
// Shows text; false.
bool FailWith(const QString& text);
// "Backup Song 003 (2 of 5)": the bar's phase for one song of several, from
// a translated phase with the slot, the song's place and the count.
void PostSongPhase(QObject* progress, const QString& phase, uint32_t slot, uint32_t nth, uint32_t count);
// "003": a slot as the song list numbers it.
QString SlotNumber(uint32_t slot);
// The song storage format of a model.
uint32_t StorageFormatOf(int32_t model_id);

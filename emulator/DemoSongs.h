#pragma once
// Fills a blank song area with short generated loops, written through the
// song storage library exactly as the program writes songs.
#include "VirtualPedal.h"

#include <QString>

// Returns false with a reason when the songs could not be written; a song
// area that already holds a song is left alone (true, nothing written).
bool WriteDemoSongs(CVirtualPedal& pedal, QString& error);

#pragma once
// The program's debug output, one category per subsystem, all off by
// default so that the terminal stays quiet. QT_LOGGING_RULES turns them on:
// "corvanta.*=true" for all, "corvanta.songs=true" for one.
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcLink)      // corvanta.link: the device link's exchanges and the watcher
Q_DECLARE_LOGGING_CATEGORY(lcMidi)      // corvanta.midi: the MIDI services
Q_DECLARE_LOGGING_CATEGORY(lcSongs)     // corvanta.songs: song storage on the pedal's flash
Q_DECLARE_LOGGING_CATEGORY(lcFirmware)  // corvanta.firmware: the firmware catalogue and update
Q_DECLARE_LOGGING_CATEGORY(lcWindow)    // corvanta.window: the window's poll and operations

#include "Logging.h"

// Information and above by default; debug only when a rule asks for it.
Q_LOGGING_CATEGORY(lcLink, "corvanta.link", QtInfoMsg)
Q_LOGGING_CATEGORY(lcMidi, "corvanta.midi", QtInfoMsg)
Q_LOGGING_CATEGORY(lcSongs, "corvanta.songs", QtInfoMsg)
Q_LOGGING_CATEGORY(lcFirmware, "corvanta.firmware", QtInfoMsg)
Q_LOGGING_CATEGORY(lcWindow, "corvanta.window", QtInfoMsg)

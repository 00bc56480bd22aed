#pragma once
// Ctrl-C (SIGINT) and SIGTERM during a long command (export, import, backup,
// restore, firmware update): the handler only asks the operation to stop at
// its next chunk boundary. For the song commands it runs once: a second
// signal while the command winds down ends the process the default way. A
// firmware update keeps it for every signal, since a process ended while it
// erases or writes could leave the pedal unable to start.
class CCancelOnSignals {
public:
    enum Repeat { Once, EverySignal };
    // Installs the handlers.
    explicit CCancelOnSignals(Repeat repeat = Once);
    // Installs the handlers again for one signal or for every one.
    void SetRepeat(Repeat repeat);
    // Puts the previous handlers back; a cancel asked for ends with them.
    ~CCancelOnSignals();
    CCancelOnSignals(const CCancelOnSignals&) = delete;
    CCancelOnSignals& operator=(const CCancelOnSignals&) = delete;
};

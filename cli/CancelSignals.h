#pragma once
// Ctrl-C (SIGINT) and SIGTERM during a long command (export, import, backup,
// restore): the handler only asks the operation to stop at its next chunk
// boundary. It runs once: a second signal while the command winds down ends
// the process the default way.
class CCancelOnSignals {
public:
    // Installs the handlers and clears an earlier cancel.
    CCancelOnSignals();
    // Puts the previous handlers back.
    ~CCancelOnSignals();
    CCancelOnSignals(const CCancelOnSignals&) = delete;
    CCancelOnSignals& operator=(const CCancelOnSignals&) = delete;
};

#include "CancelSignals.h"

#include "Operation.h"

#include <csignal>

namespace {
constexpr int kSignals[] = {SIGINT, SIGTERM};

extern "C" void OnCancelSignal(int) { RequestCancel(); }
}  // namespace

#ifdef _WIN32

namespace {
void (*g_previous[2])(int) = {};

// Once only, as SA_RESETHAND gives elsewhere: the second Ctrl-C ends the process.
extern "C" void OnCancelSignalOnce(int signal)
{
    std::signal(signal, SIG_DFL);
    OnCancelSignal(signal);
}

// Without SA_RESETHAND a handler installed by signal() may still be reset
// on delivery: it installs itself again.
extern "C" void OnEverySignal(int signal)
{
    std::signal(signal, OnEverySignal);
    OnCancelSignal(signal);
}
}  // namespace

CCancelOnSignals::CCancelOnSignals(Repeat repeat)
{
    for (int i = 0; i < 2; ++i)
        g_previous[i] = std::signal(kSignals[i], repeat == Once ? OnCancelSignalOnce : OnEverySignal);
}

CCancelOnSignals::~CCancelOnSignals()
{
    for (int i = 0; i < 2; ++i)
        std::signal(kSignals[i], g_previous[i]);
    ClearCancel();
}

#else

namespace {
struct sigaction g_previous[2];
}  // namespace

CCancelOnSignals::CCancelOnSignals(Repeat repeat)
{
    struct sigaction action = {};
    action.sa_handler = OnCancelSignal;
    sigemptyset(&action.sa_mask);
    // SA_RESTART keeps the pedal's reads and the terminal going.
    action.sa_flags = repeat == Once ? SA_RESETHAND | SA_RESTART : SA_RESTART;
    for (int i = 0; i < 2; ++i)
        sigaction(kSignals[i], &action, &g_previous[i]);
}

CCancelOnSignals::~CCancelOnSignals()
{
    for (int i = 0; i < 2; ++i)
        sigaction(kSignals[i], &g_previous[i], nullptr);
    ClearCancel();
}

#endif

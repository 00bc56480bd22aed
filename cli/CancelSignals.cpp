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
}  // namespace

CCancelOnSignals::CCancelOnSignals()
{
    ClearCancel();
    for (int i = 0; i < 2; ++i)
        g_previous[i] = std::signal(kSignals[i], OnCancelSignalOnce);
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

CCancelOnSignals::CCancelOnSignals()
{
    ClearCancel();
    struct sigaction action = {};
    action.sa_handler = OnCancelSignal;
    sigemptyset(&action.sa_mask);
    // Once only; SA_RESTART keeps the pedal's reads and the terminal going.
    action.sa_flags = SA_RESETHAND | SA_RESTART;
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

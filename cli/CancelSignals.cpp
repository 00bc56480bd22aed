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

// A handler installed by signal() may be reset on delivery: it installs itself again.
extern "C" void OnEverySignal(int signal)
{
    std::signal(signal, OnEverySignal);
    OnCancelSignal(signal);
}

void Install(CCancelOnSignals::Repeat repeat, bool keepPrevious)
{
    for (int i = 0; i < 2; ++i) {
        const auto previous =
            std::signal(kSignals[i], repeat == CCancelOnSignals::Once ? OnCancelSignalOnce : OnEverySignal);
        if (keepPrevious)
            g_previous[i] = previous;
    }
}
}  // namespace

CCancelOnSignals::~CCancelOnSignals()
{
    for (int i = 0; i < 2; ++i)
        std::signal(kSignals[i], g_previous[i]);
    ClearCancel();
}

#else

namespace {
struct sigaction g_previous[2];

void Install(CCancelOnSignals::Repeat repeat, bool keepPrevious)
{
    struct sigaction action = {};
    action.sa_handler = OnCancelSignal;
    sigemptyset(&action.sa_mask);
    // SA_RESTART keeps the pedal's reads and the terminal going.
    action.sa_flags = repeat == CCancelOnSignals::Once ? SA_RESETHAND | SA_RESTART : SA_RESTART;
    for (int i = 0; i < 2; ++i)
        sigaction(kSignals[i], &action, keepPrevious ? &g_previous[i] : nullptr);
}
}  // namespace

CCancelOnSignals::~CCancelOnSignals()
{
    for (int i = 0; i < 2; ++i)
        sigaction(kSignals[i], &g_previous[i], nullptr);
    ClearCancel();
}

#endif

CCancelOnSignals::CCancelOnSignals(Repeat repeat) { Install(repeat, true); }

void CCancelOnSignals::SetRepeat(Repeat repeat) { Install(repeat, false); }

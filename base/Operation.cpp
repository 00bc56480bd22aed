#include "Operation.h"

#include <QCoreApplication>

#include <atomic>

namespace {
// Lock-free, so a signal handler may store into it.
std::atomic<bool> g_cancel{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the cancel flag is set from signal handlers");
int g_uncancellable = 0;
}  // namespace

void RequestCancel() { g_cancel.store(true, std::memory_order_relaxed); }

bool CancelRequested() { return g_cancel.load(std::memory_order_relaxed); }

void ClearCancel() { g_cancel.store(false, std::memory_order_relaxed); }

CUncancellable::CUncancellable() { ++g_uncancellable; }

CUncancellable::~CUncancellable() { --g_uncancellable; }

bool Cancellable() { return g_uncancellable == 0; }

void KeepResponsive()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool ContinueOperation()
{
    KeepResponsive();
    return !CancelRequested();
}

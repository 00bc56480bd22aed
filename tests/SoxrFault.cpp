#include "SoxrFault.h"

#include <soxr.h>

#include <atomic>
#include <dlfcn.h>

namespace {
std::atomic<bool> g_failing{false};
}

CSoxrFailure::CSoxrFailure() { g_failing = true; }
CSoxrFailure::~CSoxrFailure() { g_failing = false; }

// Defined in the program, this soxr_process is the one every caller links
// to; it forwards to the library's own unless a failure is injected.
extern "C" soxr_error_t soxr_process(soxr_t resampler, soxr_in_t in, size_t ilen, size_t* idone, soxr_out_t out,
                                     size_t olen, size_t* odone)
{
    using Process = soxr_error_t (*)(soxr_t, soxr_in_t, size_t, size_t*, soxr_out_t, size_t, size_t*);
    static const auto library = reinterpret_cast<Process>(dlsym(RTLD_NEXT, "soxr_process"));
    if (g_failing) {
        if (odone)
            *odone = 0;
        return "injected failure";
    }
    return library(resampler, in, ilen, idone, out, olen, odone);
}

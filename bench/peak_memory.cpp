// Global allocation functions that keep the bytes in use and their peak. They are exported with
// default visibility so that the plug-ins a benchmark loads allocate through them too.
#include "peak_memory.h"

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {

std::atomic<std::size_t> g_inUse{0};
std::atomic<std::size_t> g_peak{0};

void *Allocate(std::size_t size) noexcept
{
    void *p = std::malloc(size == 0 ? 1 : size);
    if (p) {
        std::size_t now =
            g_inUse.fetch_add(malloc_usable_size(p), std::memory_order_relaxed) + malloc_usable_size(p);
        std::size_t peak = g_peak.load(std::memory_order_relaxed);
        while (now > peak && !g_peak.compare_exchange_weak(peak, now, std::memory_order_relaxed)) {
        }
    }
    return p;
}

void Release(void *p) noexcept
{
    if (p) {
        g_inUse.fetch_sub(malloc_usable_size(p), std::memory_order_relaxed);
        std::free(p);
    }
}

} // namespace

namespace benchsupport {

std::size_t BytesInUse()
{
    return g_inUse.load();
}

std::size_t PeakBytes()
{
    return g_peak.load();
}

void ResetPeak()
{
    g_peak.store(g_inUse.load());
}

} // namespace benchsupport

#define QEL_EXPORTED __attribute__((visibility("default")))

QEL_EXPORTED void *operator new(std::size_t size)
{
    if (void *p = Allocate(size)) {
        return p;
    }
    throw std::bad_alloc();
}
QEL_EXPORTED void *operator new[](std::size_t size)
{
    return operator new(size);
}
QEL_EXPORTED void *operator new(std::size_t size, const std::nothrow_t &) noexcept
{
    return Allocate(size);
}
QEL_EXPORTED void *operator new[](std::size_t size, const std::nothrow_t &) noexcept
{
    return Allocate(size);
}
QEL_EXPORTED void operator delete(void *p) noexcept
{
    Release(p);
}
QEL_EXPORTED void operator delete[](void *p) noexcept
{
    Release(p);
}
QEL_EXPORTED void operator delete(void *p, std::size_t) noexcept
{
    Release(p);
}
QEL_EXPORTED void operator delete[](void *p, std::size_t) noexcept
{
    Release(p);
}
QEL_EXPORTED void operator delete(void *p, const std::nothrow_t &) noexcept
{
    Release(p);
}
QEL_EXPORTED void operator delete[](void *p, const std::nothrow_t &) noexcept
{
    Release(p);
}

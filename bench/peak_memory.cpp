// Global allocation functions that count the bytes in use (by the allocator's own size of each
// block), for the benchmarks that report a run's peak memory.
#include "peak_memory.h"

#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> g_inUse{0};
std::atomic<std::size_t> g_peak{0};
std::atomic<std::size_t> g_base{0};

void *Counted(std::size_t size)
{
    void *p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr) {
        return nullptr;
    }
    const std::size_t now =
        g_inUse.fetch_add(malloc_usable_size(p), std::memory_order_relaxed) + malloc_usable_size(p);
    std::size_t peak = g_peak.load(std::memory_order_relaxed);
    while (now > peak && !g_peak.compare_exchange_weak(peak, now, std::memory_order_relaxed)) {
    }
    return p;
}

void Release(void *p) noexcept
{
    if (p != nullptr) {
        g_inUse.fetch_sub(malloc_usable_size(p), std::memory_order_relaxed);
        std::free(p);
    }
}

} // namespace

void *operator new(std::size_t size)
{
    if (void *p = Counted(size)) {
        return p;
    }
    throw std::bad_alloc();
}
void *operator new[](std::size_t size)
{
    return operator new(size);
}
void *operator new(std::size_t size, const std::nothrow_t &) noexcept
{
    return Counted(size);
}
void *operator new[](std::size_t size, const std::nothrow_t &) noexcept
{
    return Counted(size);
}
void operator delete(void *p) noexcept
{
    Release(p);
}
void operator delete[](void *p) noexcept
{
    Release(p);
}
void operator delete(void *p, std::size_t) noexcept
{
    Release(p);
}
void operator delete[](void *p, std::size_t) noexcept
{
    Release(p);
}
void operator delete(void *p, const std::nothrow_t &) noexcept
{
    Release(p);
}
void operator delete[](void *p, const std::nothrow_t &) noexcept
{
    Release(p);
}

namespace benchsupport {

void ResetPeak()
{
    const std::size_t now = g_inUse.load(std::memory_order_relaxed);
    g_base.store(now, std::memory_order_relaxed);
    g_peak.store(now, std::memory_order_relaxed);
}

std::size_t PeakBytesSinceReset()
{
    const std::size_t peak = g_peak.load(std::memory_order_relaxed);
    const std::size_t base = g_base.load(std::memory_order_relaxed);
    return peak > base ? peak - base : 0;
}

} // namespace benchsupport

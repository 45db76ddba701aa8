// Replaces the global allocation functions with counting ones, for the binaries that show a
// hot path allocates nothing. Link it into a binary of its own: it changes every allocation of
// the process. Not for sanitizer builds, which interpose the allocator themselves.
#include "support/counting_allocator.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> g_allocations{0};

void *CountedAllocation(std::size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void *p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
} // namespace

void *operator new(std::size_t size)
{
    return CountedAllocation(size);
}
void *operator new[](std::size_t size)
{
    return CountedAllocation(size);
}
void operator delete(void *p) noexcept
{
    std::free(p);
}
void operator delete[](void *p) noexcept
{
    std::free(p);
}
void operator delete(void *p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete[](void *p, std::size_t) noexcept
{
    std::free(p);
}
// The nothrow forms too (std::stable_sort's buffer uses them), so every allocation is counted
// and released by the same pair.
void *operator new(std::size_t size, const std::nothrow_t &) noexcept
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size == 0 ? 1 : size);
}
void *operator new[](std::size_t size, const std::nothrow_t &tag) noexcept
{
    return operator new(size, tag);
}
void operator delete(void *p, const std::nothrow_t &) noexcept
{
    std::free(p);
}
void operator delete[](void *p, const std::nothrow_t &) noexcept
{
    std::free(p);
}

namespace testsupport {

long AllocationCount()
{
    return g_allocations.load(std::memory_order_relaxed);
}

} // namespace testsupport

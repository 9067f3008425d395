// The global allocation functions of the benchmark executable, counting the
// bytes they hand out and take back.
#include "bench/heap_counter.h"

#include <malloc.h>

#include <cstdlib>
#include <new>

namespace {
// The benchmarks run on one thread.
std::size_t g_live = 0;
std::size_t g_peak = 0;

void* Allocate(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) throw std::bad_alloc();
    g_live += malloc_usable_size(block);
    if (g_live > g_peak) g_peak = g_live;
    return block;
}

void Release(void* block) noexcept {
    if (block == nullptr) return;
    g_live -= malloc_usable_size(block);
    std::free(block);
}
}  // namespace

namespace bench {
std::size_t LiveHeapBytes() { return g_live; }
std::size_t PeakHeapBytes() { return g_peak; }
void ResetPeakHeapBytes() { g_peak = g_live; }
}  // namespace bench

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
    return operator new(size, tag);
}
void operator delete(void* block) noexcept { Release(block); }
void operator delete[](void* block) noexcept { Release(block); }
void operator delete(void* block, std::size_t) noexcept { Release(block); }
void operator delete[](void* block, std::size_t) noexcept { Release(block); }

// game_allocation_counter.cpp -- replaces the global operator new of the test program to count allocations
#include "tests/support/game_allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

static std::atomic<uint64_t> allocations{0};

uint64_t HeapAllocationCount() { return allocations.load(); }

static void *CountedAllocation(std::size_t size) noexcept {
    allocations.fetch_add(1);
    return std::malloc(size ? size : 1);
}

static void *CountedOrThrow(std::size_t size) {
    if (void *p = CountedAllocation(size)) return p;
    throw std::bad_alloc();
}

void *operator new(std::size_t size) { return CountedOrThrow(size); }
void *operator new[](std::size_t size) { return CountedOrThrow(size); }
void *operator new(std::size_t size, const std::nothrow_t &) noexcept { return CountedAllocation(size); }
void *operator new[](std::size_t size, const std::nothrow_t &) noexcept { return CountedAllocation(size); }
void operator delete(void *p) noexcept { std::free(p); }
void operator delete[](void *p) noexcept { std::free(p); }
void operator delete(void *p, std::size_t) noexcept { std::free(p); }
void operator delete[](void *p, std::size_t) noexcept { std::free(p); }

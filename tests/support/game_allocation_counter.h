// game_allocation_counter.h -- counts the test program's heap allocations, for the no-allocation-in-play test
#pragma once

#include <cstdint>

// Allocations through operator new (every form) since the program started.
uint64_t HeapAllocationCount();

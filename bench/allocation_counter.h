#pragma once

#include <cstdint>

// Counts the heap allocations (malloc, calloc, realloc, aligned allocations, and with them every
// operator new) the calling thread makes between Begin and End. Linked into a program, it takes
// the place of the C library's allocation functions for the whole process, Qt included.
struct AllocationCount {
    std::int64_t calls = 0;
    std::int64_t bytes = 0;
};

void BeginCountingAllocations();
AllocationCount EndCountingAllocations();

#include "bench/allocation_counter.h"

#include <cerrno>
#include <cstddef>

// glibc's own entry points, under the names it exports for allocators that wrap it.
extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* pointer, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
void __libc_free(void* pointer);
}

namespace {

// Per thread, so that Qt's other threads do not count; plain static TLS, which never allocates.
thread_local bool counting = false;
thread_local AllocationCount counted;

void Count(size_t size) {
    if (counting) {
        ++counted.calls;
        counted.bytes += std::int64_t(size);
    }
}

}  // namespace

void BeginCountingAllocations() {
    counted = {};
    counting = true;
}

AllocationCount EndCountingAllocations() {
    counting = false;
    return counted;
}

extern "C" {

void* malloc(size_t size) {
    Count(size);
    return __libc_malloc(size);
}

void* calloc(size_t count, size_t size) {
    Count(count * size);
    return __libc_calloc(count, size);
}

void* realloc(void* pointer, size_t size) {
    Count(size);
    return __libc_realloc(pointer, size);
}

void free(void* pointer) {
    __libc_free(pointer);
}

void* memalign(size_t alignment, size_t size) {
    Count(size);
    return __libc_memalign(alignment, size);
}

void* aligned_alloc(size_t alignment, size_t size) {
    Count(size);
    return __libc_memalign(alignment, size);
}

int posix_memalign(void** result, size_t alignment, size_t size) {
    Count(size);
    void* pointer = __libc_memalign(alignment, size);
    if (!pointer) {
        return ENOMEM;
    }
    *result = pointer;
    return 0;
}

}  // extern "C"

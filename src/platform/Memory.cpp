#include "platform/Memory.h"

#include <cstdlib> // defines __GLIBC__ with the C library's own headers

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void ReturnLargeBlocksWhenFreed() {
#if defined(__GLIBC__)
    // A fixed threshold also ends the allocator's habit of raising it to the
    // size of the largest block freed so far.
    mallopt(M_MMAP_THRESHOLD, 512 * 1024);
#endif
}

void ReturnFreedMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

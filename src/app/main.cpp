#include "shell/Program.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

int main(int argc, char** argv) {
#if defined(__GLIBC__)
    // Every change decodes a picture and composes a canvas in buffers of
    // megabytes. Left to its own adjusting threshold, the allocator serves
    // them from the heap after the first ones are freed, and the heap grows
    // change after change (tens of MB over thousands of changes); mapped
    // separately, each goes back to the system when freed.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
#endif
    return RunTessaly(argc, argv);
}

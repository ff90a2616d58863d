#include "platform/heap.h"

#include <cstdlib>  // defines __GLIBC__ on the C library that has mallopt

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void keepHeapWarm()
{
#if defined(__GLIBC__)
    // Buffers up to 32 MiB come from the heap, not from their own mappings; the heap grows in
    // steps of 16 MiB and gives memory back only once 64 MiB lie free at its top. Pages never
    // touched cost nothing, so the resident size stays what the work needs.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TOP_PAD, 16 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
#endif
}

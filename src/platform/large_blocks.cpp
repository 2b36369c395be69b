#include "platform/large_blocks.h"

#include <cstdlib> // defines __GLIBC__ where that is the C library
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace platform {

void giveLargeBlocksBackWhenFreed()
{
#if defined(__GLIBC__)
    // Setting the threshold, even to its default, is what stops glibc from raising it on its own.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}

} // namespace platform

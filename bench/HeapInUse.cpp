#include "bench/HeapInUse.h"

#include <malloc.h>

namespace tavrik {

std::size_t HeapInUse() {
    const struct mallinfo2 heap = mallinfo2();
    return heap.uordblks + heap.hblkhd;
}

} // namespace tavrik

// The bytes the process holds on the heap now: what a reply and the lists built from it cost is the
// difference before and after an open.
#pragma once

#include <cstddef>

namespace tavrik {

std::size_t HeapInUse();

} // namespace tavrik

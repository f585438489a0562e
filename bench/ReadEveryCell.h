// The bare side of every benchmark: a statement stepped to its end, every cell of every row read as
// text where the engine holds it (no copy), as a client of the engine would.
#pragma once

#include "store/StoreQuery.h"

#include <cstddef>

namespace tavrik {

// Answers the rows read.
std::size_t ReadEveryCell(StoreQuery& query);

} // namespace tavrik

// A cheap fingerprint of everything a back-office store holds, to tell whether a request that was
// refused left the store as it found it.
#pragma once

#include "store/StoreConnection.h"

#include <cstdint>

namespace tavrik {

class StoreDigest {
public:
    // Every cell of every table, in scan order, folded into one number.
    static std::uint64_t Of(StoreConnection& store);
};

} // namespace tavrik

// The engine gave up a transaction because a concurrent one touched the same rows: nothing of it was
// applied, and the whole request may be run again from its start.
#pragma once

#include <stdexcept>

namespace tavrik {

class StoreConflict : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace tavrik

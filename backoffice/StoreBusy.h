// The store stayed locked by another desk's write for longer than the back office waits for it.
#pragma once

#include <stdexcept>

namespace tavrik {

class StoreBusy : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace tavrik

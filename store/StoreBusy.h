// What the request needs stayed locked by another connection for longer than this connection waits.
#pragma once

#include <stdexcept>

namespace tavrik {

class StoreBusy : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace tavrik

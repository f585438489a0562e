// A request the back office refuses; its text is the plain sentence the clerk is shown.
#pragma once

#include <stdexcept>

namespace tavrik {

class RequestError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace tavrik

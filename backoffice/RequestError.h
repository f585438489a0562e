// A request the back office refuses; its text is the plain sentence the clerk is shown.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace tavrik {

class RequestError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Refuses the request being handled with that sentence.
[[noreturn]] inline void Refuse(std::string_view text) {
    throw RequestError(std::string(text));
}

} // namespace tavrik
